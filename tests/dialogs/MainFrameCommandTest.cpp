// The View menu's Common Setting... and DTMF Autodial... as the main window
// runs them: the dialog opens, OK marks the document modified, Cancel does
// not, and nothing opens while another command runs.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTimer>
#include <functional>

#include "DialogTestSupport.h"
#include "app/Z5MainFrame.h"
#include "document/CloneSupportDoc.h"
#include "ui/CommandIds.h"

namespace {

// Runs answer on the modal window open when the event loop next turns
// (nullptr when there is none).
void AnswerModal(std::function<void(QDialog*)> answer) {
    QTimer::singleShot(
        0, [answer] { answer(qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
}

class MainFrameCommandTest : public CDialogTest {
  protected:
    MainFrameCommandTest() {
        frame.SetModifiedHandler([this] { ++modifiedMarks; });
    }

    CZ5MainFrame frame{settings, model};
    int modifiedMarks = 0;
};

TEST_F(MainFrameCommandTest, ViewCommandsRunTheirDialogs) {
    struct Case {
        int command;
        const char* title;
        const char* button;  // "1" OK, "2" Cancel
        int marks;
    };
    const Case cases[] = {
        {Cmd::CommonSetting, "Common Setting", "1", 1},
        {Cmd::CommonSetting, "Common Setting", "2", 0},
        {Cmd::DtmfAutodial, "DTMF Autodial", "1", 1},
        {Cmd::DtmfAutodial, "DTMF Autodial", "2", 0},
    };
    for (const Case& c : cases) {
        modifiedMarks = 0;
        SetText("DTMF.Speed", "100 msec");
        QString title;
        AnswerModal([&](QDialog* dialog) {
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            // A change that OK stores and Cancel drops.
            if (auto* speed = dialog->findChild<QComboBox*>(QStringLiteral("1050"))) {
                speed->setCurrentIndex(2);
            }
            dialog->findChild<QAbstractButton*>(QString::fromUtf8(c.button))->click();
        });
        frame.RunCommand(c.command);
        EXPECT_EQ(title.toStdString(), c.title);
        EXPECT_EQ(modifiedMarks, c.marks) << c.title << " button " << c.button;
        if (c.command == Cmd::DtmfAutodial) {
            EXPECT_EQ(Text("DTMF.Speed"), c.marks == 1 ? "300 msec" : "100 msec");
        }
    }
}

TEST_F(MainFrameCommandTest, NothingOpensWhileAnotherCommandRuns) {
    ASSERT_TRUE(CCloneSupportDoc::TryEnterCommand());
    for (int command : {Cmd::CommonSetting, Cmd::DtmfAutodial}) {
        bool opened = false;
        AnswerModal([&](QDialog* dialog) {
            opened = dialog != nullptr;
            if (dialog != nullptr) {
                dialog->reject();
            }
        });
        frame.RunCommand(command);
        QApplication::processEvents();
        EXPECT_FALSE(opened) << command;
    }
    CCloneSupportDoc::LeaveCommand();
    EXPECT_EQ(modifiedMarks, 0);
}

}  // namespace
