// Editing the channel grid's cells in place: each cell editor stores what the
// channel edit dialog stores for the same input, Esc and refused texts change
// nothing, a cleared channel becomes a fresh channel in use, and the row
// label still opens the dialog.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <functional>
#include <random>

#include "EditingTestSupport.h"
#include "model/FreqNode.h"
#include "model/TypedFrequency.h"
#include "ui/ChannelTableModel.h"
#include "ui/Z5ChEditDlg.h"
#include "ui/Z5ChListSheet.h"

namespace {

constexpr int kRow = 3;
const std::string kPath = "MCH.CH3";

// What a user types or picks: into a text field, or a choice of a list.
struct SInput {
    int column;
    QString cell;
    std::function<void(CZ5ChEditDlg&)> dialog;
};

// Key presses carrying each character of text.
void TypeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

template <class Widget>
Widget* Find(const QWidget& dialog, int id) {
    return dialog.findChild<Widget*>(QString::number(id));
}

std::function<void(CZ5ChEditDlg&)> Typed(int id, const QString& text) {
    return [=](CZ5ChEditDlg& dialog) {
        auto* edit = Find<QLineEdit>(dialog, id);
        edit->selectAll();
        edit->del();
        TypeKeys(edit, text);
    };
}

std::function<void(CZ5ChEditDlg&)> Picked(int id, const QString& text) {
    return [=](CZ5ChEditDlg& dialog) { Find<QComboBox>(dialog, id)->setCurrentText(text); };
}

std::function<void(CZ5ChEditDlg&)> Checked(int id, bool on) {
    return [=](CZ5ChEditDlg& dialog) {
        if (auto* box = Find<QCheckBox>(dialog, id)) {
            box->setChecked(on);
        } else {
            Find<QRadioButton>(dialog, id)->setChecked(on);
        }
    };
}

std::function<void(CZ5ChEditDlg&)> Both(std::function<void(CZ5ChEditDlg&)> first,
                                        std::function<void(CZ5ChEditDlg&)> second) {
    return [=](CZ5ChEditDlg& dialog) {
        first(dialog);
        second(dialog);
    };
}

// The same input for the cell (column, text) and for the dialog's controls.
const SInput kInputs[] = {
    {1, "146.0125", Typed(1053, "146.0125")},
    {1, "145.0063", Typed(1053, "145.0063")},
    {1, " 150.5", Typed(1053, " 150.5")},
    {4, "0.6", Typed(1066, "0.6")},
    {4, "5.00625", Typed(1066, "5.00625")},
    {5, "ab-1#xyz", Typed(1058, "ab-1#xyz")},
    {5, "", Typed(1058, "")},
    {2, "-Dup", Picked(1055, "-Dup")},
    {3, "ON", Checked(1078, true)},
    {6, "TSQL", Checked(1090, true)},
    {6, "OFF", Checked(1088, true)},
    {7, "100.0", Picked(1063, "100.0")},
    {8, "254.1", Picked(1072, "254.1")},
    {9, "754i", Both(Picked(1073, "754"), Checked(1074, true))},
    {9, "023N", Both(Picked(1073, "023"), Checked(1074, false))},
    {10, "CSQL", Checked(1081, true)},
    {10, "PGR", Checked(1083, true)},
    {11, "CP", Picked(1065, "CP")},
    {12, "ON", Checked(1075, true)},
    {13, "Low", Checked(1076, true)},
    {14, "ON", Checked(1077, true)},
    {15, "C4", Both(Checked(1086, true), Picked(1067, "C4"))},
    {15, "OFF", Checked(1085, true)},
};

class ChannelCellEditTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        sheet = std::make_unique<CZ5ChListSheet>(kAreaMemory, host, settings);
        sheet->Reset(CZ5ChListSheet::RowsOfArea(kAreaMemory), 0, CZ5ChListSheet::ColumnsFor(true));
        sheet->FollowHostChanges();
        sheet->resize(1100, 400);
        sheet->show();
    }
    void TearDown() override {
        sheet.reset();
        EditingTest::TearDown();
    }

    // A channel in use with something in every field.
    static void ProgramBase() {
        Program(kPath, "145.5",
                {{"Name", "RPT1"},
                 {"Duplex", "+Dup"},
                 {"FreqOw", "0.6"},
                 {"TONESet", "TONE"},
                 {"TONECode", "88.5"},
                 {"TSQLCode", "88.5"},
                 {"DTCSCode", "071"},
                 {"ANISet", "OFF"},
                 {"ANICode", "C1"},
                 {"SCRMSet", "ON"},
                 {"SCRMCode", "2A"}});
    }

    QPoint CellPoint(int row, int column) const {
        return {sheet->columnViewportPosition(column) + 4, sheet->rowViewportPosition(row) + 2};
    }

    // Clicks the cell and presses F2: the cell's editor, or nullptr.
    QWidget* OpenEditor(int row, int column) {
        QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {}, CellPoint(row, column));
        QTest::keyClick(sheet.get(), Qt::Key_F2);
        return Editor(row, column);
    }

    QWidget* Editor(int row, int column) const {
        return sheet->indexWidget(sheet->model()->index(row, column));
    }

    // Puts text into an open editor (typed into a line edit, chosen in a
    // list) and ends it with key.
    static void Enter(QWidget* editor, const QString& text, Qt::Key key = Qt::Key_Return) {
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->selectAll();
            edit->del();
            TypeKeys(edit, text);
        } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
            list->setCurrentIndex(list->findText(text));
            EXPECT_GE(list->currentIndex(), 0) << text.toStdString();
        }
        QTest::keyClick(editor, key);
        QApplication::processEvents();
    }

    std::unique_ptr<CZ5ChListSheet> sheet;
};

TEST_F(ChannelCellEditTest, EachCellStoresWhatTheDialogStores) {
    for (const SInput& input : kInputs) {
        const std::string label = std::to_string(input.column) + " " + input.cell.toStdString();
        ProgramBase();
        {
            CZ5ChEditDlg dialog(kPath, kAreaMemory, true);
            input.dialog(dialog);
            dialog.accept();
        }
        const auto byDialog = Leaves(kPath);
        ProgramBase();
        QWidget* editor = OpenEditor(kRow, input.column);
        ASSERT_NE(editor, nullptr) << label;
        Enter(editor, input.cell);
        EXPECT_EQ(Editor(kRow, input.column), nullptr) << label;
        EXPECT_EQ(Leaves(kPath), byDialog) << label;
    }
}

// A change is told to the document once, with its channel; Esc and an
// unchanged text tell nothing and change nothing; a text the cell refuses
// keeps the editor open with the text marked and the reason in the status
// bar, and Esc then drops it.
TEST_F(ChannelCellEditTest, OnlyACommittedChangeReachesTheDocument) {
    enum class EOutcome { Stored, Unchanged, Refused };
    struct SCase {
        int column;
        QString text;
        Qt::Key key;
        EOutcome outcome;
    };
    const SCase cases[] = {
        {1, "145.0", Qt::Key_Return, EOutcome::Stored},
        {1, "145,0", Qt::Key_Tab, EOutcome::Stored},
        {1, "145.0", Qt::Key_Escape, EOutcome::Unchanged},
        {5, "XYZ", Qt::Key_Escape, EOutcome::Unchanged},
        {9, "754i", Qt::Key_Escape, EOutcome::Unchanged},
        {1, "145.50000", Qt::Key_Return, EOutcome::Unchanged},
        {1, "145,5", Qt::Key_Return, EOutcome::Unchanged},
        {1, "abc", Qt::Key_Return, EOutcome::Refused},
        {1, "", Qt::Key_Return, EOutcome::Refused},
        {1, "1000", Qt::Key_Tab, EOutcome::Refused},
        {4, "0,6 MHz", Qt::Key_Backtab, EOutcome::Refused},
    };
    for (const SCase& c : cases) {
        const std::string label = std::to_string(c.column) + " " + c.text.toStdString();
        ProgramBase();
        const auto before = Leaves(kPath);
        host.told.clear();
        host.ui.m_statusTexts.clear();
        Enter(OpenEditor(kRow, c.column), c.text, c.key);
        EXPECT_EQ(Leaves(kPath) != before, c.outcome == EOutcome::Stored) << label;
        ASSERT_EQ(host.told.size(), c.outcome == EOutcome::Stored ? 1U : 0U) << label;
        if (c.outcome == EOutcome::Stored) {
            EXPECT_EQ(host.told[0].area, kAreaMemory);
            EXPECT_EQ(host.told[0].firstChannel, kRow);
            EXPECT_EQ(host.told[0].lastChannel, kRow);
            EXPECT_EQ(sheet->GetCellText(kRow, c.column).toStdString(), "145.00000");
        }
        auto* editor = qobject_cast<QLineEdit*>(Editor(kRow, c.column));
        if (c.outcome != EOutcome::Refused) {
            EXPECT_EQ(editor, nullptr) << label;
            continue;
        }
        ASSERT_NE(editor, nullptr) << label;
        EXPECT_EQ(editor->text(), c.text) << label;
        EXPECT_EQ(editor->selectedText(), c.text) << label;
        ASSERT_FALSE(host.ui.m_statusTexts.empty()) << label;
        EXPECT_NE(host.ui.m_statusTexts.back(), "") << label;
        QTest::keyClick(editor, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_EQ(Editor(kRow, c.column), nullptr) << label;
        EXPECT_EQ(Leaves(kPath), before) << label;
    }
}

// Frequencies and offsets typed as people write them: a point or a comma
// as the decimal mark; a text that is no frequency says why and stores
// nothing, whatever its length or characters, and a committed editor that
// loses the focus with such a text stores nothing either.
TEST_F(ChannelCellEditTest, TypedFrequenciesTakeEitherDecimalMarkAndNothingElse) {
    const QString longJunk = QStringLiteral("146.52") + QString(5000, QLatin1Char('9')) + "x";
    std::vector<STypedFrequencyCase> cases(std::begin(kTypedFrequencies),
                                           std::end(kTypedFrequencies));
    cases.push_back({false, nullptr, nullptr, "\u2026\u201d is not a frequency"});
    for (const STypedFrequencyCase& c : cases) {
        const QString typed = c.typed != nullptr ? QString::fromUtf8(c.typed) : longJunk;
        const int column = c.offset ? 4 : 1;
        const std::string label = std::to_string(column) + " " + typed.left(40).toStdString();
        ProgramBase();
        const auto before = Leaves(kPath);
        host.ui.m_statusTexts.clear();
        auto* editor = qobject_cast<QLineEdit*>(OpenEditor(kRow, column));
        ASSERT_NE(editor, nullptr) << label;
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        if (c.stored != nullptr) {
            EXPECT_EQ(Editor(kRow, column), nullptr) << label;
            EXPECT_EQ(Text(kPath + (c.offset ? ".FreqOw" : ".FreqRx")), c.stored) << label;
            continue;
        }
        EXPECT_EQ(Leaves(kPath), before) << label;
        ASSERT_EQ(Editor(kRow, column), editor) << label;
        ASSERT_FALSE(host.ui.m_statusTexts.empty()) << label;
        EXPECT_NE(host.ui.m_statusTexts.back().find(c.reason), std::string::npos)
            << label << ": " << host.ui.m_statusTexts.back();
        EXPECT_LT(host.ui.m_statusTexts.back().size(), 200U) << label;
        // The focus goes elsewhere: the editor closes, nothing is stored.
        sheet->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(Editor(kRow, column), nullptr) << label;
        EXPECT_EQ(Leaves(kPath), before) << label;
    }
}

// Texts of any length and any characters pasted into the frequency, offset
// and name cells: a frequency is stored only when the whole text reads as one in
// range (never the number a text starts with), a name only as the
// characters a name may hold, in upper case.
TEST_F(ChannelCellEditTest, RandomTextsStoreOnlyWhatTheySay) {
    const QString alphabet = QStringLiteral("0123456789.,+- \teExMHz\u00e9\u0661\u2009/#");
    std::mt19937 random(24);
    const auto randomText = [&] {
        const int length = random() % 10 == 0 ? 300 : static_cast<int>(random() % 14);
        QString text;
        for (int i = 0; i < length; ++i) {
            text += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
        }
        return text;
    };
    for (int round = 0; round < 150; ++round) {
        const int column = std::array{1, 4, 5}[round % 3];
        const QString text = randomText();
        const std::string label = std::to_string(column) + " \"" + text.toStdString() + "\"";
        ProgramBase();
        const auto before = Leaves(kPath);
        auto* editor = qobject_cast<QLineEdit*>(OpenEditor(kRow, column));
        ASSERT_NE(editor, nullptr) << label;
        QApplication::clipboard()->setText(text);
        editor->selectAll();
        editor->paste();
        QTest::keyClick(editor, Qt::Key_Return);
        sheet->setFocus();
        QApplication::processEvents();
        const auto after = Leaves(kPath);
        if (column == 5) {
            for (const QChar c : QString::fromStdString(after.at("Name"))) {
                EXPECT_TRUE(c.isDigit() || c.isUpper() ||
                            QStringLiteral(" +-*/=_<>():").contains(c))
                    << label;
            }
            continue;
        }
        const char* leaf = column == 1 ? "FreqRx" : "FreqOw";
        const auto canonical = TypedFrequency::Canonical(text.toStdString());
        if (after != before) {
            ASSERT_TRUE(canonical.has_value() && !canonical->empty()) << label;
            CNode* scratch = Node("MCH.CH90");
            SetNodeFreq(scratch, leaf, *canonical);
            EXPECT_EQ(after.at(leaf), GetNodeText(scratch, leaf)) << label;
        } else if (canonical.has_value() && !canonical->empty()) {
            // Refused only when out of range, or unchanged.
            const auto* node = dynamic_cast<const CFreqNode*>(Node(kPath + "." + leaf));
            const std::int32_t hertz = node->ParseFrequency(*canonical);
            EXPECT_TRUE(!node->IsValid(hertz) || hertz == node->GetValue()) << label;
        }
    }
}

// Typing on a cleared channel's frequency starts the editor with that
// character; the commit makes the channel fresh and in use.
TEST_F(ChannelCellEditTest, TypingOnAClearedChannelMakesItFresh) {
    SetNodeText(Node(kPath), "Clear", "ON");
    QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {}, CellPoint(kRow, 1));
    QTest::keyClick(sheet.get(), '1');
    auto* editor = qobject_cast<QLineEdit*>(Editor(kRow, 1));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "1");
    TypeKeys(editor, "46.52");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    ExpectTexts(kPath + ".", {{"Clear", "OFF"},
                              {"FreqRx", "146.52000"},
                              {"Name", "-----"},
                              {"TONECode", "88.5"},
                              {"SCRMCode", "01"}});
    EXPECT_EQ(host.told.size(), 1U);
}

// On a cleared memory channel only the frequency edits; the dialog opens
// for the others, and a refused frequency leaves the channel cleared.
TEST_F(ChannelCellEditTest, AClearedChannelEditsOnlyItsFrequency) {
    SetNodeText(Node(kPath), "Clear", "ON");
    const auto before = Leaves(kPath);
    Enter(OpenEditor(kRow, 1), "abc", Qt::Key_Return);
    EXPECT_EQ(Leaves(kPath), before);
    bool dialogOpened = false;
    AnswerNextDialog([&](QDialog& dialog) {
        dialogOpened = true;
        dialog.reject();
    });
    EXPECT_EQ(OpenEditor(kRow, 5), nullptr);
    EXPECT_TRUE(dialogOpened);
    EXPECT_TRUE(host.told.empty());
}

// The row label's double-click opens the dialog; another cell's edits it.
TEST_F(ChannelCellEditTest, DoubleClicksOpenTheDialogOnTheLabelOnly) {
    ProgramBase();
    int dialogs = 0;
    const auto countDialog = [&](QDialog& dialog) {
        ++dialogs;
        dialog.reject();
    };
    AnswerNextDialog(countDialog);
    QTest::mouseDClick(sheet->viewport(), Qt::LeftButton, {}, CellPoint(kRow, 0));
    EXPECT_EQ(dialogs, 1);
    QTimer* watch = AnswerNextDialog(countDialog);
    QTest::mouseDClick(sheet->viewport(), Qt::LeftButton, {}, CellPoint(kRow, 5));
    delete watch;
    EXPECT_EQ(dialogs, 1);
    auto* name = qobject_cast<QLineEdit*>(Editor(kRow, 5));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "RPT1");
    QTest::keyClick(name, Qt::Key_Escape);
}

TEST_F(ChannelCellEditTest, Screenshots) {
    const QString directory = QStringLiteral(CPZ5_SCREENSHOT_DIR);
    ProgramBase();
    Program("MCH.CH4", "146.0");
    OpenEditor(kRow, 9);
    EXPECT_TRUE(sheet->grab().save(directory + "/cell_edit_dtcs.png"));
    QTest::keyClick(Editor(kRow, 9), Qt::Key_Escape);
    auto* frequency = qobject_cast<QLineEdit*>(OpenEditor(4, 1));
    ASSERT_NE(frequency, nullptr);
    TypeKeys(frequency, "146.0");
    EXPECT_TRUE(sheet->grab().save(directory + "/cell_edit_frequency.png"));
    TypeKeys(frequency, "x");
    QTest::keyClick(frequency, Qt::Key_Return);
    EXPECT_TRUE(sheet->grab().save(directory + "/cell_edit_frequency_refused.png"));
    QTest::keyClick(frequency, Qt::Key_Escape);
}

}  // namespace
