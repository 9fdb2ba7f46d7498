// The desktop program's user-interface port: message boxes answer with the
// button pressed, the progress window disables the main window while it is
// open and reports Cancel once, the information window shows the radio.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/QtUserInterface.h"
#include "ui/CloneProgressWindow.h"

namespace {

using guitest::AnswerNextModal;
using guitest::PressButton;

TEST(QtUserInterface, MessageBoxesAnswerWithTheButtonPressed) {
    struct SCase {
        unsigned style;
        const char* press;  // standard button text
        int answer;
        QMessageBox::Icon icon;
        int buttons;
    };
    const SCase cases[] = {
        {MessageStyle::Ok | MessageStyle::IconInformation, "OK", IDOK, QMessageBox::Information, 1},
        {MessageStyle::OkCancel | MessageStyle::IconExclamation, "&Cancel", IDCANCEL,
         QMessageBox::Warning, 2},
        {MessageStyle::OkCancel, "OK", IDOK, QMessageBox::NoIcon, 2},
        {MessageStyle::YesNo | MessageStyle::IconExclamation, "&Yes", IDYES, QMessageBox::Warning,
         2},
        {MessageStyle::YesNo, "&No", IDNO, QMessageBox::NoIcon, 2},
        {MessageStyle::YesNoCancel | MessageStyle::IconError, "&Cancel", IDCANCEL,
         QMessageBox::Critical, 3},
    };
    CQtUserInterface ui;
    for (const SCase& c : cases) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        QString title;
        AnswerNextModal([&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            title = box->windowTitle();
            PressButton(box, QString::fromLatin1(c.press));
        });
        EXPECT_EQ(ui.MessageBox("text", "", c.style), c.answer) << c.press;
        EXPECT_EQ(icon, c.icon) << c.press;
        EXPECT_EQ(buttons, c.buttons) << c.press;
        EXPECT_EQ(title, "CP-Z5");
    }
}

TEST(QtUserInterface, EscapeOnAYesNoBoxAnswersNo) {
    CQtUserInterface ui;
    AnswerNextModal([](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); });
    EXPECT_EQ(ui.MessageBox("Delete CH ?", "", MessageStyle::YesNo), IDNO);
    AnswerNextModal([](QWidget* window) { qobject_cast<QDialog*>(window)->reject(); });
    EXPECT_EQ(ui.MessageBox("Save changes?", "", MessageStyle::YesNoCancel), IDCANCEL);
}

TEST(QtUserInterface, TheProgressWindowDisablesTheMainWindowWhileItIsOpen) {
    QMainWindow main;
    main.show();
    CQtUserInterface ui;
    ui.SetMainWindow(&main);
    ui.OpenProgress("Cloning");
    CCloneProgressWindow* progress = ui.ProgressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(progress->isEnabled());
    EXPECT_EQ(progress->objectName(), "10001");
    EXPECT_EQ(progress->windowTitle(), "Cloning");

    auto* bar = progress->findChild<QProgressBar*>("10003");
    auto* percent = progress->findChild<QLabel*>("10004");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(percent, nullptr);
    const std::pair<int, const char*> positions[] = {
        {30, "30%"}, {100, "100%"}, {130, "30%"}, {-5, "0%"}};
    for (const auto& [position, text] : positions) {
        ui.SetProgress(position);
        EXPECT_EQ(percent->text(), text) << position;
    }

    EXPECT_FALSE(ui.IsProgressCancelled());
    PressButton(progress, "2");
    EXPECT_TRUE(ui.IsProgressCancelled());
    EXPECT_FALSE(ui.IsProgressCancelled()) << "Cancel is reported once";
    EXPECT_TRUE(progress->isVisible()) << "the window stays until the transfer ends";

    ui.CloseProgress();
    EXPECT_EQ(ui.ProgressWindow(), nullptr);
    EXPECT_TRUE(main.isEnabled());
}

TEST(QtUserInterface, StatusTextsGoToTheMainWindow) {
    QMainWindow main;
    CQtUserInterface ui;
    ui.SetStatusText("before any window");  // goes nowhere, harmlessly
    ui.SetMainWindow(&main);
    ui.SetStatusText("Clone completed.");
    EXPECT_EQ(main.statusBar()->currentMessage(), "Clone completed.");
}

TEST(QtUserInterface, TheInformationWindowShowsModelAndComment) {
    CQtUserInterface ui;
    QString model;
    QString comment;
    QString caption;
    AnswerNextModal([&](QWidget* window) {
        caption = window->windowTitle();
        model = window->findChild<QLineEdit*>("10101")->text();
        comment = window->findChild<QPlainTextEdit*>("10100")->toPlainText();
        PressButton(window, "1");
    });
    ui.ShowRadioInformation("USA", "QM-Z5 USA  Rev.1\n");
    EXPECT_EQ(caption, "Information");
    EXPECT_EQ(model, "USA");
    EXPECT_EQ(comment, "QM-Z5 USA  Rev.1\n") << "the comment as given: one line end";
}

TEST(QtUserInterface, TheWaitCursorNests) {
    CQtUserInterface ui;
    ui.BeginWaitCursor();
    ui.BeginWaitCursor();
    ui.EndWaitCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.EndWaitCursor();
    ui.EndWaitCursor();  // one too many does no harm
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
