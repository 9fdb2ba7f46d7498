#include "print/CommonSettingPrint.h"

#include <span>
#include <vector>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "platform/Translation.h"
#include "print/PrintBoxedLines.h"
#include "views/CommonSettingRows.h"

namespace {

constexpr int kLabelEndInW = 15;
constexpr int kValueEndInW = 33;

void Append(std::vector<SSettingLabel>& settings, std::span<const SChoiceRow> rows) {
    for (const SChoiceRow& row : rows) {
        settings.push_back({row.label, row.leaf});
    }
}

// A page's settings in the order the page shows them.
std::vector<SSettingLabel> SettingsOf(CCommonSettingPrint::EPage page) {
    std::vector<SSettingLabel> settings;
    switch (page) {
        case CCommonSettingPrint::EPage::kAni:
            settings.push_back(settingrows::kAniFunction);
            Append(settings, settingrows::kAniLists);
            break;
        case CCommonSettingPrint::EPage::kScrambler:
            Append(settings, settingrows::kScramblerLists);
            break;
        case CCommonSettingPrint::EPage::kCommon:
            Append(settings, settingrows::kCommonLists);
            Append(settings, settingrows::kCommonChecks);
            Append(settings, std::span(&settingrows::kComment, 1));
            break;
    }
    return settings;
}

}  // namespace

void CCommonSettingPrint::Print(EPage page, CPrintCanvas& canvas, int left, int top) {
    const CNode* area = CNode::ResolvePath(z5area::kCommon);
    CPrintBoxedLines lines(canvas, left, top);
    for (const SSettingLabel& setting : SettingsOf(page)) {
        lines.Line({{kLabelEndInW, CTranslation::Tr("settingrows", setting.label)},
                    {kValueEndInW, GetNodeText(area, setting.leaf)}});
    }
}
