#include "document/OtherFileDoc.h"

#include "clone/CloneFileResult.h"
#include "clone/CloneManager.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"

COtherFileDoc::COtherFileDoc(CSettingsStore& settings, CUserInterface& ui) {
    CNode* const activeRoot = CNode::GetActiveRoot();
    m_document = std::make_unique<CZ5Doc>(settings, ui);
    CNode::SetActiveRoot(activeRoot);
}

COtherFileDoc::~COtherFileDoc() = default;

CDocument::SFileResult COtherFileDoc::Open(const std::string& path, bool wholeImage) {
    m_open = false;
    CDocument::SFileResult result = m_document->OpenFile(path);
    if (result.ok && wholeImage) {
        const std::string cutShort = m_document->CutShortNote(path);
        if (!cutShort.empty()) {
            result = {false, std::string(CloneFileResultText(ECloneFileResult::NotEnoughData)) +
                                 ": " + cutShort + "."};
        }
    }
    m_open = result.ok;
    return result;
}

CNode* COtherFileDoc::Root() {
    return m_open ? m_document->GetCloneManager().GetRadioData()->GetRoot() : nullptr;
}

COtherFileDoc::SLeaves COtherFileDoc::Read(CSettingsStore& settings, CUserInterface& ui,
                                           const std::string& path) {
    COtherFileDoc other(settings, ui);
    const CDocument::SFileResult result = other.Open(path, false);
    SLeaves leaves{result.ok, result.message, {}};
    if (CNode* root = other.Root()) {
        leaves.texts = LeafComparison::TextsOf(*root);
    }
    return leaves;
}

int COtherFileDoc::ChannelsInUse(const LeafComparison::LeafTexts& texts) {
    const std::string area = "MCH.", flag = ".Clear";
    int count = 0;
    for (const auto& [path, text] : texts) {
        const bool clearFlag = path.size() > area.size() + flag.size() &&
                               path.compare(0, area.size(), area) == 0 &&
                               path.compare(path.size() - flag.size(), flag.size(), flag) == 0;
        count += clearFlag && text == "OFF" ? 1 : 0;
    }
    return count;
}
