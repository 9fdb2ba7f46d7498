#include "document/OtherFileDoc.h"

#include "clone/CloneManager.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"

COtherFileDoc::SLeaves COtherFileDoc::Read(CSettingsStore& settings, CUserInterface& ui,
                                           const std::string& path) {
    CNode* const activeRoot = CNode::GetActiveRoot();
    SLeaves leaves;
    {
        CZ5Doc other(settings, ui);
        const CDocument::SFileResult result = other.OpenFile(path);
        leaves.ok = result.ok;
        leaves.message = result.message;
        if (result.ok) {
            leaves.texts =
                LeafComparison::TextsOf(*other.GetCloneManager().GetRadioData()->GetRoot());
        }
    }
    CNode::SetActiveRoot(activeRoot);
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
