#include "document/FileTakeOver.h"

#include <algorithm>

#include "clone/CloneManager.h"
#include "document/CloneSupportDoc.h"
#include "document/NodeChanges.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"
#include "model/Z5Areas.h"
#include "model/Z5LeafLabels.h"
#include "platform/Translation.h"

namespace {

int ListAreaOf(const std::string& area) {
    const z5area::SArea* found = z5area::FindByMapName(area);
    return found != nullptr ? found->listArea : kAreaNone;
}

// The channels of one area when every changed leaf lies in one, else a
// change of everything.
SNodeChange ChangeOf(const std::vector<std::string>& changed) {
    const z5label::SLeafLabel first = z5label::LabelOf(changed.front());
    const int area = ListAreaOf(first.area);
    int low = first.record, high = first.record;
    for (const std::string& path : changed) {
        const z5label::SLeafLabel label = z5label::LabelOf(path);
        if (area == kAreaNone || label.area != first.area) {
            return SNodeChange::Everything(true);
        }
        low = std::min(low, label.record);
        high = std::max(high, label.record);
    }
    return SNodeChange::Channels(area, low, high);
}

}  // namespace

CFileTakeOver::CFileTakeOver(CCloneSupportDoc& document, CSettingsStore& settings)
    : m_document(document), m_other(settings, m_silent) {}

CDocument::SFileResult CFileTakeOver::Open(const std::string& path, const std::string& name) {
    m_name = name;
    return m_other.Open(path, true);
}

CNode& CFileTakeOver::DocumentRoot() {
    return *m_document.GetCloneManager().GetRadioData()->GetRoot();
}

std::vector<LeafComparison::SDifference> CFileTakeOver::Differences() {
    CNode* other = m_other.Root();
    if (other == nullptr) {
        return {};
    }
    return LeafComparison::Compare(LeafComparison::TextsOf(DocumentRoot()),
                                   LeafComparison::TextsOf(*other));
}

std::vector<std::string> CFileTakeOver::TakeBelow(const std::string& path) {
    CNode* other = m_other.Root();
    CNode* source = other != nullptr && !path.empty() ? other->FindPath(path) : nullptr;
    std::vector<std::string> changed;
    if (source == nullptr) {
        return changed;
    }
    CNode& root = DocumentRoot();
    LeafComparison::ForEachLeafBelow(*source, path, [&](const std::string& leafPath, CNode& leaf) {
        CNode* target = root.FindPath(leafPath);
        if (target != nullptr && LeafComparison::TakeLeaf(leaf, *target)) {
            changed.push_back(leafPath);
        }
    });
    return changed;
}

int CFileTakeOver::Take(const std::vector<std::string>& paths) {
    return TakeAsOneStep(paths, paths.size() == 1 ? z5label::LabelOf(paths.front()).Text() : "");
}

int CFileTakeOver::TakeAll() {
    std::vector<std::string> areas;
    if (CNode* other = m_other.Root()) {
        for (const CNode* area : other->GetChildren()) {
            areas.push_back(area->GetName());
        }
    }
    return TakeAsOneStep(areas, CTranslation::Tr("CFileTakeOver", "all"));
}

int CFileTakeOver::TakeAsOneStep(const std::vector<std::string>& paths, const std::string& what) {
    std::vector<std::string> changed;
    for (const std::string& path : paths) {
        const std::vector<std::string> taken = TakeBelow(path);
        changed.insert(changed.end(), taken.begin(), taken.end());
    }
    if (!changed.empty()) {
        SNodeChange change = ChangeOf(changed);
        const std::string taken =
            what.empty() ? CTranslation::Args(CTranslation::Tr("CFileTakeOver", "%1 values"),
                                              {std::to_string(changed.size())})
                         : what;
        change.stepName = CTranslation::Args(
            CTranslation::Tr("CFileTakeOver", "Take over %1 from %2"), {taken, m_name});
        m_document.AnnounceChange(change);
    }
    return static_cast<int>(changed.size());
}
