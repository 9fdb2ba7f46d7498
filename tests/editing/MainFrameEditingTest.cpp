// The editing commands in the main window: PGR Memory... and the grid's
// context menu.
#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "EditingTestSupport.h"
#include "app/Z5MainFrame.h"
#include "document/CloneSupportDoc.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

class MainFrameEditingTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        frame = std::make_unique<CZ5MainFrame>(settings, host);
        frame->SetModifiedHandler([this] { ++modified; });
    }
    void TearDown() override {
        frame.reset();
        EditingTest::TearDown();
    }

    std::unique_ptr<CZ5MainFrame> frame;
    int modified = 0;
};

TEST_F(MainFrameEditingTest, PgrMemoryStoresTheCodesAndMarksTheDocumentModified) {
    AnswerNextDialog([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "166");
        dialog.findChild<QLineEdit*>(QStringLiteral("1057"))->setText(QStringLiteral("321"));
        dialog.accept();
    });
    EXPECT_TRUE(frame->RunCommand(Cmd::PgrMemory));
    EXPECT_EQ(Text("PGR.C4.Code"), "321");
    EXPECT_EQ(modified, 1);

    AnswerNextDialog([](QDialog& dialog) { dialog.reject(); });
    frame->RunCommand(Cmd::PgrMemory);
    EXPECT_EQ(modified, 1) << "Cancel changes nothing";

    ASSERT_TRUE(CCloneSupportDoc::TryEnterCommand());
    frame->RunCommand(Cmd::PgrMemory);  // would block if the dialog opened
    CCloneSupportDoc::LeaveCommand();
    EXPECT_EQ(modified, 1);
}

TEST_F(MainFrameEditingTest, TheGridsEditsReachTheDocument) {
    Program("MCH.CH0", "145.0");
    frame->ShownList()->SelectRow(0);
    frame->RunCommand(Cmd::EditClear);
    EXPECT_EQ(Text("MCH.CH0.Clear"), "ON");
    EXPECT_EQ(modified, 1);
}

TEST_F(MainFrameEditingTest, ContextMenuScreenshot) {
    frame->resize(700, 400);
    frame->show();
    frame->ShownList()->SelectRow(3);
    frame->UpdateCommands();
    std::unique_ptr<QMenu> menu = frame->MakeContextMenu();
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    }
    EXPECT_EQ(items, QStringList({"cmd32771", "cmd32978", "-", "cmd57635", "cmd57634", "cmd57637",
                                  "-", "cmd57632", "cmd32812", "cmd32804"}));
    menu->popup(QPoint(100, 100));
    const QString path = QStringLiteral(CPZ5_SCREENSHOT_DIR) + "/context_menu.png";
    EXPECT_TRUE(menu->grab().save(path));
    menu->close();
}

}  // namespace
