// The window's commands while a cell editor of the grid is open, for every
// command of the command table and every kind of editor (a name, a
// frequency, a drop-down list) and the find bar: the keys of a command that
// acts on the rows are the editor's own (no row command runs, nothing is
// stored), the keys of any other command and every command chosen from the
// menu commit the editor first and then act, and an editor whose text is
// refused keeps it and stops the command.
#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <map>
#include <memory>

#include "EditingTestSupport.h"
#include "app/CommandTable.h"
#include "app/Z5ListFrame.h"
#include "app/Z5MainFrame.h"
#include "ui/CommandIds.h"
#include "ui/CommandTarget.h"
#include "ui/FindChannelBar.h"
#include "ui/ListSheet.h"

namespace {

constexpr int kRow = 3;

// The last target of the chain: takes every command that none before it
// handles (the document's and the application's) and only counts it.
class CRecordingTarget : public CCommandTarget {
  public:
    CRecordingTarget() {
        for (const SCommandDef& command : CCommandTable::Commands()) {
            HandleCommand(command.id, [this, id = command.id] { ran.push_back(id); });
        }
    }
    std::vector<int> ran;
};

// An editor and what is put into it before a command comes.
struct SEditor {
    const char* kind;
    int column;        // 0: the find bar instead of a cell
    const char* leaf;  // the leaf the cell edits
    QString typed;     // typed into a line, chosen in a list
    const char* stored;
};
const SEditor kEditors[] = {
    {"name", 5, "Name", "NEW", "NEW"},
    {"frequency", 1, "FreqRx", "146,52", "146.52000"},
    {"drop-down", 2, "Duplex", "-Dup", "-Dup"},
};

class EditorKeysTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        frame = std::make_unique<CZ5MainFrame>(settings, host);
        frame->SetCommandTargets(nullptr, &recorder);
        frame->SetCloseQuestion([] { return false; });
        frame->SetCommandObserver([this](int id) {
            if (id != 0) {
                routed.push_back(id);
                storedWhenRouted.push_back(Text(path + "." + editor->leaf));
                openWhenRouted.push_back(Sheet().OpenEditor() != nullptr);
            }
        });
        frame->resize(1100, 500);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        // Every question and dialog a command brings is answered No or
        // Cancel at once, and counted.
        answerer = new QTimer;
        QObject::connect(answerer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++dialogs;
                dialog->reject();
            }
        });
        answerer->start(5);
    }
    void TearDown() override {
        delete answerer;
        frame.reset();
        EditingTest::TearDown();
    }

    CListSheet& Sheet() const { return *frame->ShownList(); }

    // Every leaf of every memory channel.
    static std::map<std::string, std::string> MemoryTexts() {
        std::map<std::string, std::string> texts;
        for (int channel = 0; channel < 100; ++channel) {
            for (const auto& [leaf, text] : Leaves("MCH.CH" + std::to_string(channel))) {
                texts["CH" + std::to_string(channel) + "." + leaf] = text;
            }
        }
        return texts;
    }

    // Channels 3 and 4 in use, every row shown (a command before may have
    // hidden the cleared ones), row 3 selected, and the editor open with its
    // input in it (not committed).
    void OpenWithInput(const SEditor& input) {
        editor = &input;
        frame->ListFrame()->SetRowsInUseOnly(false);
        Program(path, "145.5", {{"Name", "OLD"}, {"Duplex", "OFF"}});
        Program("MCH.CH4", "145.6", {{"Name", "NEXT"}});
        host.ui.m_statusTexts.clear();
        recorder.ran.clear();
        routed.clear();
        storedWhenRouted.clear();
        openWhenRouted.clear();
        dialogs = 0;
        Sheet().setFocus();
        Sheet().SelectRow(kRow);
        const QPoint cell(Sheet().columnViewportPosition(input.column) + 4,
                          Sheet().rowViewportPosition(kRow) + 2);
        QTest::mouseClick(Sheet().viewport(), Qt::LeftButton, {}, cell);
        QTest::keyClick(&Sheet(), Qt::Key_F2);
        QWidget* open = Sheet().OpenEditor();
        ASSERT_NE(open, nullptr) << input.kind;
        open->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(open)) {
            line->selectAll();
            QTest::keyClicks(line, input.typed);
        } else if (auto* list = qobject_cast<QComboBox*>(open)) {
            list->setCurrentIndex(list->findText(input.typed));
        }
        frame->UpdateCommands();
        before = MemoryTexts();
    }

    // Presses every key sequence of command id where the focus is.
    void PressKeysOf(const SCommandDef& command) {
        for (const QString& keys : QString::fromLatin1(command.keys).split(u';')) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keySequence(focus != nullptr ? focus : frame.get(), QKeySequence(keys));
            QApplication::processEvents();
        }
    }

    const std::string path = "MCH.CH" + std::to_string(kRow);
    std::unique_ptr<CZ5MainFrame> frame;
    CRecordingTarget recorder;
    QTimer* answerer = nullptr;
    const SEditor* editor = nullptr;
    std::map<std::string, std::string> before;
    std::vector<int> routed;
    std::vector<std::string> storedWhenRouted;
    std::vector<bool> openWhenRouted;
    int dialogs = 0;
};

TEST_F(EditorKeysTest, TheRowCommandsKeysAreTheEditorsOwnAndTheOthersCommitFirst) {
    for (const SEditor& input : kEditors) {
        for (const SCommandDef& command : CCommandTable::Commands()) {
            if (*command.keys == '\0') {
                continue;
            }
            const std::string label = std::string(input.kind) + " " + command.keys;
            OpenWithInput(input);
            PressKeysOf(command);
            if (auto* list = qobject_cast<QComboBox*>(Sheet().OpenEditor())) {
                list->hidePopup();  // Alt+Down opens the list
            }
            if (CCommandTable::IsRowCommand(command.id)) {
                EXPECT_TRUE(routed.empty()) << label;
                EXPECT_EQ(dialogs, 0) << label;
                EXPECT_NE(Sheet().OpenEditor(), nullptr) << label;
                EXPECT_TRUE(Sheet().EditorHasFocus()) << label;
                EXPECT_EQ(MemoryTexts(), before) << label;
            } else {
                ASSERT_EQ(routed.size(), 1U) << label;
                EXPECT_EQ(routed[0], command.id) << label;
                EXPECT_EQ(storedWhenRouted[0], input.stored) << label;
                EXPECT_FALSE(openWhenRouted[0]) << label;
            }
            if (QWidget* open = Sheet().OpenEditor()) {
                QTest::keyClick(open, Qt::Key_Escape);
            }
        }
    }
}

// Chosen from the menu (or the toolbar), every command that is enabled
// commits the editor before it acts; one that is not does nothing.
TEST_F(EditorKeysTest, MenuCommandsCommitTheEditorFirst) {
    for (const SEditor& input : kEditors) {
        for (const SCommandDef& command : CCommandTable::Commands()) {
            const std::string label = std::string(input.kind) + " " + command.text;
            OpenWithInput(input);
            frame->UpdateCommands();
            QAction* action = frame->Action(command.id);
            ASSERT_NE(action, nullptr) << label;
            if (!action->isVisible()) {
                continue;  // an unused entry of the recent files
            }
            const bool enabled = action->isEnabled();
            action->trigger();
            QApplication::processEvents();
            if (!enabled) {
                EXPECT_TRUE(routed.empty()) << label;
                EXPECT_NE(Sheet().OpenEditor(), nullptr) << label;
                EXPECT_EQ(MemoryTexts(), before) << label;
            } else {
                ASSERT_FALSE(routed.empty()) << label;
                EXPECT_EQ(routed[0], command.id) << label;
                EXPECT_EQ(storedWhenRouted[0], input.stored) << label;
                EXPECT_FALSE(openWhenRouted[0]) << label;
            }
            if (QWidget* open = Sheet().OpenEditor()) {
                QTest::keyClick(open, Qt::Key_Escape);
            }
            frame->FindBar()->Close();
        }
    }
}

// A frequency that is refused stops the command: the editor stays open
// with its text marked, and the status bar says why.
TEST_F(EditorKeysTest, ARefusedFrequencyStopsTheCommand) {
    const SEditor junk = {"frequency", 1, "FreqRx", "146.5x", "145.50000"};
    for (const int id : {Cmd::EditInsert, Cmd::EditDelete, Cmd::EditMoveDown, Cmd::NextPane}) {
        OpenWithInput(junk);
        frame->UpdateCommands();
        frame->Action(id)->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(routed.empty()) << id;
        auto* line = qobject_cast<QLineEdit*>(Sheet().OpenEditor());
        ASSERT_NE(line, nullptr) << id;
        EXPECT_TRUE(Sheet().EditorHasFocus()) << id;
        EXPECT_EQ(line->selectedText(), "146.5x") << id;
        EXPECT_TRUE(frame->statusBar()->currentMessage().contains("is not a frequency")) << id;
        EXPECT_EQ(MemoryTexts(), before) << id;
        if (id == Cmd::NextPane) {
            EXPECT_TRUE(frame->grab().save(QStringLiteral(CPZ5_SCREENSHOT_DIR) +
                                           "/cell_edit_refused_window.png"));
        }
        QTest::keyClick(line, Qt::Key_Escape);
    }
}

// In the find bar the keys of the row commands are the bar's, except those
// of the find commands, which act on the bar.
TEST_F(EditorKeysTest, TheFindBarKeepsTheRowCommandsKeys) {
    editor = &kEditors[0];
    Program(path, "145.5", {{"Name", "OLD"}});
    for (const SCommandDef& command : CCommandTable::Commands()) {
        if (*command.keys == '\0' || !CCommandTable::IsRowCommand(command.id)) {
            continue;
        }
        Sheet().SelectRow(kRow);
        frame->RunCommand(Cmd::EditFind);
        frame->FindBar()->SetText(QStringLiteral("OLD"));
        ASSERT_EQ(QApplication::focusWidget()->objectName(), "FindText");
        routed.clear();
        before = MemoryTexts();
        PressKeysOf(command);
        const bool finds = command.id == Cmd::EditFind || command.id == Cmd::EditFindNext ||
                           command.id == Cmd::EditFindPrevious;
        EXPECT_EQ(routed.empty(), !finds) << command.keys;
        EXPECT_EQ(MemoryTexts(), before) << command.keys;
        EXPECT_EQ(dialogs, 0) << command.keys;
        frame->FindBar()->Close();
    }
}

}  // namespace
