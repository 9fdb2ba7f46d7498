#include "ui/CommonSettingPrint.h"

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/PrintBoxedLines.h"
#include "ui/SettingsPage.h"
#include "ui/Z5CommonEditAniDlg.h"
#include "ui/Z5CommonEditDlg.h"
#include "ui/Z5CommonEditScrmDlg.h"

namespace {

constexpr int kLabelEndInW = 15;
constexpr int kValueEndInW = 33;

std::vector<SSettingLabel> SettingsOf(CCommonSettingPrint::EPage page) {
    switch (page) {
        case CCommonSettingPrint::EPage::kAni:
            return CZ5CommonEditAniDlg::PrintedSettings();
        case CCommonSettingPrint::EPage::kScrambler:
            return CZ5CommonEditScrmDlg::PrintedSettings();
        case CCommonSettingPrint::EPage::kCommon:
            break;
    }
    return CZ5CommonEditDlg::PrintedSettings();
}

}  // namespace

void CCommonSettingPrint::Print(EPage page, CPrintCanvas& canvas, int left, int top) {
    const CNode* area = CNode::ResolvePath(CSettingsPage::kArea);
    CPrintBoxedLines lines(canvas, left, top);
    for (const SSettingLabel& setting : SettingsOf(page)) {
        lines.Line(
            {{kLabelEndInW, setting.label}, {kValueEndInW, GetNodeText(area, setting.leaf)}});
    }
}
