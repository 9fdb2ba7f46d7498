// Pictures of the settings dialogs for a person to look at: every page of
// the common settings sheet and the DTMF autodial dialog, as PNG files in
// the build folder of these tests.
#include <QTabWidget>

#include "DialogTestSupport.h"
#include "ui/Z5CommonPropSheet.h"
#include "ui/Z5DtmfAutodialDlg.h"

namespace {

bool SavePicture(QWidget& window, const std::string& name) {
    window.adjustSize();
    return window.grab().save(QStringLiteral(CPZ5_SCREENSHOT_DIR "/") +
                              QString::fromStdString(name) + QStringLiteral(".png"));
}

class ScreenshotTest : public CAllUnitsDialogTest {};

TEST_F(ScreenshotTest, SavesEveryPageAndTheDtmfDialog) {
    model.version = 0;
    SetText("Common.CloneComment", "Field day 2026");
    CZ5CommonPropSheet sheet(model, 0);
    sheet.show();
    for (int index = 0; index < sheet.Tabs()->count(); ++index) {
        sheet.Tabs()->setCurrentIndex(index);
        const std::string page = sheet.Tabs()->currentWidget()->objectName().toStdString();
        EXPECT_TRUE(SavePicture(sheet, "common_setting_" + page)) << page;
    }

    SetText("DTMF.D0", "0123456789ABCDEF01234567");
    SetText("DTMF.D1", "5551234");
    SetText("DTMF.SelectCh", "D1");
    CZ5DtmfAutodialDlg dialog;
    dialog.show();
    EXPECT_TRUE(SavePicture(dialog, "dtmf_autodial"));
}

}  // namespace
