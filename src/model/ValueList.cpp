#include "model/ValueList.h"

CValueList::CValueList(std::int32_t minimum, std::int32_t maximum, std::int32_t initial)
    : CValue(minimum, maximum, initial) {
    // Every list starts with the same empty choices.
    static const std::shared_ptr<SChoices> none = std::make_shared<SChoices>();
    m_choices = none;
}

CValueList::SChoices& CValueList::OwnChoices() {
    if (m_choices.use_count() != 1) {
        m_choices = std::make_shared<SChoices>(*m_choices);
    }
    return *m_choices;
}

bool CValueList::IsValid(std::int32_t v) const {
    return CValue::IsValid(v) && !m_choices->excluded.contains(v);
}

void CValueList::AddName(std::string_view text, std::int32_t value) {
    OwnChoices().names.insert_or_assign(std::string(text), value);
}

void CValueList::AddExcluded(std::int32_t value) {
    OwnChoices().excluded.insert(value);
}

std::optional<std::int32_t> CValueList::ValueOf(std::string_view text) const {
    const auto found = m_choices->names.find(text);
    if (found == m_choices->names.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::string CValueList::TextOf(std::int32_t value) const {
    for (const auto& [text, named] : m_choices->names) {
        if (named == value) {
            return text;
        }
    }
    return "";
}

void CValueList::MergeChoices(const CValueList& other) {
    if (m_choices == other.m_choices) {
        return;
    }
    const std::shared_ptr<const SChoices> theirs = other.m_choices;  // kept while ours is copied
    SChoices& ours = OwnChoices();
    for (const auto& [text, value] : theirs->names) {
        ours.names.insert_or_assign(text, value);
    }
    ours.excluded.insert(theirs->excluded.begin(), theirs->excluded.end());
}

void CValueList::ShareChoices(const CValueList& other) {
    m_choices = other.m_choices;
}
