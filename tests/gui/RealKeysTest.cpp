// The program's window on an X display, keys pressed on the X server's own
// keyboard (xdotool): while a cell editor of the grid is open, Insert,
// Delete and Ctrl+Z are the editor's, not the window's commands, and the
// saved file holds exactly what the editor committed. The keyboard is the
// X server's, so the test runs only when CPZ5_REAL_POINTER=1 says the
// display is a private one (ctest runs it so under xvfb-run); else it skips
// itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "GuiTestSupport.h"
#include "ProgramFixture.h"
#include "app/Z5MainFrame.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/ListSheet.h"

namespace {

using guitest::Xdo;

constexpr int kRow = 3;
constexpr int kNameColumn = 5;
constexpr int kDuplexColumn = 2;

class RealKeysTest : public guitest::CRealWindowFixture {
  protected:
    void SetUp() override {
        CRealWindowFixture::SetUp();
        if (IsSkipped()) {
            return;
        }
        Program(kRow, "145.50000", "OLD");
        Program(kRow + 1, "145.60000", "NEXT");
    }

    // Clicks the cell (row kRow) with the pointer and presses F2.
    void OpenEditor(int column) {
        CListSheet& grid = Grid();
        const QPoint cell = grid.viewport()->mapToGlobal(
            QPoint(grid.columnViewportPosition(column) + 6, grid.rowViewportPosition(kRow) + 4));
        Xdo({"mousemove", QString::number(cell.x()), QString::number(cell.y()), "click", "1"});
        Xdo({"key", "F2"});
        ASSERT_NE(Grid().OpenEditor(), nullptr);
    }

    QString EditorText() {
        QWidget* editor = Grid().OpenEditor();
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            return line->text();
        }
        auto* list = qobject_cast<QComboBox*>(editor);
        return list != nullptr ? list->currentText() : QStringLiteral("(closed)");
    }

    // The file the data would save as after name (or duplex) of channel
    // kRow is set to text, the grid's own data put back afterwards.
    std::string SavedWith(const char* leaf, const char* text) {
        const std::string kept = GetNodeText(Channel(kRow), leaf);
        SetNodeText(Channel(kRow), leaf, text);
        const std::string bytes = SavedBytes(std::string("expected-") + leaf + text + ".cz5");
        SetNodeText(Channel(kRow), leaf, kept);
        return bytes;
    }
};

// Insert in a name editor inserts no row and keeps the typed name in the
// editor; Enter stores it where it was typed.
TEST_F(RealKeysTest, InsertInANameEditorIsTheEditors) {
    const std::string before = SavedBytes("before.cz5");
    const std::string withNew = SavedWith("Name", "NEW");
    OpenEditor(kNameColumn);
    Xdo({"type", "NEW"});
    Xdo({"key", "Insert"});
    EXPECT_EQ(EditorText(), "NEW");
    EXPECT_EQ(SavedBytes("after-insert.cz5"), before);
    Xdo({"key", "Return"});
    EXPECT_EQ(Grid().OpenEditor(), nullptr);
    EXPECT_EQ(SavedBytes("after-enter.cz5"), withNew);
    EXPECT_EQ(dialogs, 0);
}

// Delete in a name editor deletes the marked text, not the channel; Ctrl+Z
// takes back the typing in the editor, not the last change of the data.
TEST_F(RealKeysTest, DeleteAndCtrlZInANameEditorEditTheText) {
    const std::string before = SavedBytes("before.cz5");
    const std::string withAb = SavedWith("Name", "AB");
    OpenEditor(kNameColumn);
    Xdo({"key", "Delete"});
    EXPECT_EQ(EditorText(), "");
    EXPECT_EQ(dialogs, 0) << "no \"Delete CH ?\"";
    Xdo({"type", "AB"});
    Xdo({"key", "Return"});
    EXPECT_EQ(SavedBytes("after-delete.cz5"), withAb);

    Program(kRow, "145.50000", "OLD");
    const std::string old = SavedBytes("old.cz5");
    EXPECT_EQ(old, before);
    OpenEditor(kNameColumn);
    Xdo({"type", "NEW"});
    Xdo({"key", "ctrl+z"});
    EXPECT_EQ(EditorText(), "OLD");
    Xdo({"key", "Return"});
    EXPECT_EQ(SavedBytes("after-undo.cz5"), old);
    EXPECT_EQ(dialogs, 0);
}

// Delete in a drop-down editor asks nothing and deletes nothing.
TEST_F(RealKeysTest, DeleteInADropDownEditorDoesNothing) {
    const std::string before = SavedBytes("before.cz5");
    OpenEditor(kDuplexColumn);
    const QString shown = EditorText();
    Xdo({"key", "Delete"});
    EXPECT_EQ(dialogs, 0) << "no \"Delete CH ?\"";
    EXPECT_EQ(EditorText(), shown);
    Xdo({"key", "Escape"});
    EXPECT_EQ(Grid().OpenEditor(), nullptr);
    EXPECT_EQ(SavedBytes("after.cz5"), before);
}

}  // namespace
