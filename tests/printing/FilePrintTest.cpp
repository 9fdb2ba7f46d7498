// File > Print in the program: the command runs the selection dialog and
// prints what it chose, with the right pane showing each printed list.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "PrintTestSupport.h"
#include "app/CommandLineInfo.h"
#include "app/PdfExport.h"
#include "app/PrintSelectDlg.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "support/CliRun.h"
#include "ui/CommandIds.h"

namespace {

// Notes the area shown as soon as the print job's status window is up.
void LookAtThePaneWhilePrinting(int& area, CZ5MainFrame& frame) {
    QTimer::singleShot(0, [&] {
        bool printing = false;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            printing =
                printing || (window->objectName() == QStringLiteral("168") && window->isVisible());
        }
        if (printing) {
            area = frame.GetListArea();
        } else {
            LookAtThePaneWhilePrinting(area, frame);
        }
    });
}

// Presses OK of the selection dialog once it is shown modally.
void PressOkWhenShown(CPrintSelectDlg& dialog, int& areaWhilePrinting, CZ5MainFrame& frame) {
    QTimer::singleShot(0, [&] {
        if (!dialog.isVisible()) {
            PressOkWhenShown(dialog, areaWhilePrinting, frame);
            return;
        }
        LookAtThePaneWhilePrinting(areaWhilePrinting, frame);
        dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
    });
}

TEST_F(CPrintTest, FilePrintPrintsTheChosenListsAndKeepsTheShownOne) {
    settings.SetInt("Model", "Setup", 1);
    settings.SetInt("Print", "All", 0);
    settings.SetInt("Print", "Cch", 1);
    CZ5App program(settings);
    ASSERT_TRUE(program.InitInstance(CCommandLineInfo({})));
    CZ5MainFrame& frame = *program.MainFrame();
    frame.ShowArea(1);
    frame.UpdateCommands();
    ASSERT_TRUE(frame.Action(Cmd::FilePrint)->isEnabled());

    int areaWhilePrinting = 0;
    PressOkWhenShown(*program.PrintDialog(), areaWhilePrinting, frame);
    ASSERT_TRUE(frame.RunCommand(Cmd::FilePrint));

    EXPECT_EQ(Titles(PdfPages(pdf)), std::vector<std::string>{"Call"});
    EXPECT_EQ(areaWhilePrinting, 3);
    EXPECT_EQ(frame.GetListArea(), 1);
    EXPECT_TRUE(frame.isEnabled());
}

// The menu command writes the file the save dialog names, its footers naming
// the clone file of the window.
TEST_F(CPrintTest, FileExportPdfWritesThePagesOfTheOpenFile) {
    ASSERT_EQ(RunCli(folder, "new -o club.cz5").status, 0);
    settings.SetInt("Model", "Setup", 1);
    settings.SetInt("Print", "All", 0);
    settings.SetInt("Print", "Pgr", 1);
    CZ5App program(settings);
    ASSERT_TRUE(program.InitInstance(CCommandLineInfo({})));
    ASSERT_TRUE(program.OpenDocumentFile(folder + "/club.cz5"));
    CZ5MainFrame& frame = *program.MainFrame();
    std::string suggested;
    program.PdfExport()->SetPrompt([&](const std::string& name) {
        suggested = name;
        return folder + "/pages.pdf";
    });

    int area = 0;
    PressOkWhenShown(*program.PrintDialog(), area, frame);
    ASSERT_TRUE(frame.RunCommand(Cmd::FileExportPdf));

    EXPECT_EQ(suggested, folder + "/club.pdf");
    const std::vector<std::string> pages = PdfPages(folder + "/pages.pdf");
    ASSERT_EQ(Titles(pages), std::vector<std::string>{"PGR Memory"});
    EXPECT_NE(pages[0].find("club.cz5 \u00b7 "), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("page 1 of 1"), std::string::npos) << pages[0];
    EXPECT_FALSE(std::filesystem::exists(pdf)) << "the printer of the settings is not used";
}

}  // namespace
