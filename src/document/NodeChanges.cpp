#include "document/NodeChanges.h"

#include <algorithm>
#include <vector>

struct CNodeChanges::CSubscription::SEntry {
    Observer observer;
    std::weak_ptr<SList> list;
};

struct CNodeChanges::SList {
    std::vector<std::shared_ptr<CSubscription::SEntry>> entries;
};

SNodeChange SNodeChange::Channels(int area, int first, int last) {
    SNodeChange change;
    change.area = area;
    change.firstChannel = std::min(first, last);
    change.lastChannel = std::max(first, last);
    change.edit = true;
    return change;
}

SNodeChange SNodeChange::Everything(bool edit) {
    SNodeChange change;
    change.everything = true;
    change.edit = edit;
    return change;
}

bool SNodeChange::Touches(int channelArea, int channel) const {
    return everything || (channelArea == area && channel >= firstChannel && channel <= lastChannel);
}

CNodeChanges::CSubscription::CSubscription(CSubscription&& other) noexcept
    : m_entry(std::move(other.m_entry)) {
    other.m_entry.reset();
}

CNodeChanges::CSubscription& CNodeChanges::CSubscription::operator=(
    CSubscription&& other) noexcept {
    if (this != &other) {
        Cancel();
        m_entry = std::move(other.m_entry);
        other.m_entry.reset();
    }
    return *this;
}

void CNodeChanges::CSubscription::Cancel() {
    const std::shared_ptr<SEntry> entry = m_entry.lock();
    m_entry.reset();
    if (entry == nullptr) {
        return;
    }
    if (const std::shared_ptr<SList> list = entry->list.lock()) {
        std::erase(list->entries, entry);
    }
}

bool CNodeChanges::CSubscription::IsActive() const {
    const std::shared_ptr<SEntry> entry = m_entry.lock();
    return entry != nullptr && !entry->list.expired();
}

CNodeChanges::CNodeChanges() : m_list(std::make_shared<SList>()) {}

CNodeChanges::~CNodeChanges() = default;

CNodeChanges::CSubscription CNodeChanges::Subscribe(Observer observer) {
    auto entry = std::make_shared<CSubscription::SEntry>();
    entry->observer = std::move(observer);
    entry->list = m_list;
    m_list->entries.push_back(entry);
    return CSubscription(entry);
}

// The observers of the moment are told in turn; one whose subscription ended
// meanwhile (a view closed by an earlier observer) is skipped.
void CNodeChanges::Announce(const SNodeChange& change) const {
    const std::shared_ptr<SList> list = m_list;  // an observer may end the announcer
    const std::vector<std::shared_ptr<CSubscription::SEntry>> observers = list->entries;
    for (const auto& entry : observers) {
        const bool subscribed =
            std::find(list->entries.begin(), list->entries.end(), entry) != list->entries.end();
        if (subscribed && entry->observer) {
            entry->observer(change);
        }
    }
}

int CNodeChanges::ObserverCount() const {
    return static_cast<int>(m_list->entries.size());
}
