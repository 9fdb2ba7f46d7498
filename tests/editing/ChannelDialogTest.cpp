// The channel edit dialog and the PGR memory dialog: what they load, which
// controls they offer, what typing may put into them and what OK stores.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "EditingTestSupport.h"
#include "document/CloneSupportDoc.h"
#include "ui/CommandIds.h"
#include "ui/Z5ChEditDlg.h"
#include "ui/Z5ChListSheet.h"
#include "ui/Z5PgrMemoryDlg.h"

namespace {

// Every control that a typed frequency enables (labels and groups included).
const int kFieldControls[] = {1066, 1055, 1078, 1058, 1088, 1089, 1090, 1091, 1063,
                              1072, 1073, 1074, 1080, 1081, 1083, 1065, 1076, 1077,
                              1112, 1113, 1114, 1117, 1118, 1120, 1121};
const int kSkipControls[] = {1075, 1119};
const int kScramblerControls[] = {1085, 1086, 1067, 1115, 1116};

class ChannelDialogTest : public EditingTest {
  protected:
    static bool IsEnabled(const QWidget& dialog, int id) {
        const QWidget* control = Control<QWidget>(dialog, id);
        return control != nullptr && control->isEnabled();
    }

    static void Type(const QWidget& dialog, int id, const QString& text) {
        auto* edit = Control<QLineEdit>(dialog, id);
        edit->selectAll();
        edit->del();
        TypeKeys(edit, text);
    }

    // Key presses carrying each character of text (any character, as a
    // keyboard layout may send it).
    static void TypeKeys(QLineEdit* edit, const QString& text) {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    static std::string Saved(const std::string& directory, QWidget& widget, const char* name) {
        const QString path = QString::fromStdString(directory) + "/" + name + ".png";
        return widget.grab().save(path) ? path.toStdString() : "";
    }
};

// (area, channel cleared, frequency typed) -> field controls, skip,
// scrambler enabled.
TEST_F(ChannelDialogTest, ControlsFollowTheFrequencyAndTheArea) {
    struct SCase {
        int area;
        const char* path;
        bool cleared;
        const char* typed;
        bool fields;
        bool skip;
        bool scrambler;
    };
    const SCase cases[] = {
        {kAreaMemory, "MCH.CH5", false, nullptr, true, true, true},
        {kAreaMemory, "MCH.CH5", true, nullptr, false, false, false},
        {kAreaMemory, "MCH.CH5", true, "145.1", true, true, true},
        {kAreaMemory, "MCH.CH5", false, "", false, false, false},
        {kAreaScanEdge, "PCH.CH2", false, nullptr, true, false, true},
        {kAreaCall, "CCH.CH0", false, nullptr, true, false, true},
        {kAreaCall, "CCH.CH0", false, "", true, false, false},
    };
    for (const SCase& c : cases) {
        Program(c.path, "145.0");
        SetNodeText(Node(c.path), "Clear", c.cleared ? "ON" : "OFF");
        CZ5ChEditDlg dialog(c.path, c.area, true);
        if (c.typed != nullptr) {
            Type(dialog, 1053, c.typed);
        }
        const std::string label = std::string(c.path) + (c.cleared ? " cleared" : "") + " typed " +
                                  (c.typed != nullptr ? c.typed : "-");
        for (const int id : kFieldControls) {
            EXPECT_EQ(IsEnabled(dialog, id), c.fields) << label << " control " << id;
        }
        for (const int id : kSkipControls) {
            EXPECT_EQ(IsEnabled(dialog, id), c.skip) << label << " control " << id;
        }
        for (const int id : kScramblerControls) {
            EXPECT_EQ(IsEnabled(dialog, id), c.scrambler) << label << " control " << id;
        }
        EXPECT_TRUE(IsEnabled(dialog, 1053)) << label;
    }
}

TEST_F(ChannelDialogTest, ScramblerControlsExistOnlyWithTheScramblerUnit) {
    Program("MCH.CH1", "145.0");
    CZ5ChEditDlg without("MCH.CH1", kAreaMemory, false);
    without.show();
    CZ5ChEditDlg with("MCH.CH1", kAreaMemory, true);
    with.show();
    for (const int id : kScramblerControls) {
        EXPECT_FALSE(Control<QWidget>(without, id)->isVisible()) << id;
        EXPECT_FALSE(Control<QWidget>(without, id)->isEnabled()) << id;
        EXPECT_TRUE(Control<QWidget>(with, id)->isVisible()) << id;
    }
}

TEST_F(ChannelDialogTest, OpeningAClearedChannelFillsItFreshButLeavesItCleared) {
    Program("MCH.CH8", "146.0", {{"Name", "OLD"}, {"TONECode", "254.1"}, {"SCRMCode", "00"}});
    SetNodeText(Node("MCH.CH8"), "Clear", "ON");
    CZ5ChEditDlg dialog("MCH.CH8", kAreaMemory, true);
    EXPECT_EQ(Control<QLineEdit>(dialog, 1053)->text(), "");
    EXPECT_EQ(Control<QLineEdit>(dialog, 1058)->text(), "-----");
    EXPECT_EQ(Control<QComboBox>(dialog, 1063)->currentText(), "88.5");
    EXPECT_EQ(Control<QComboBox>(dialog, 1067)->currentText(), "01");
    EXPECT_TRUE(Control<QRadioButton>(dialog, 1088)->isChecked());
    dialog.reject();
    EXPECT_EQ(Text("MCH.CH8.Clear"), "ON");
    EXPECT_EQ(Text("MCH.CH8.Name"), "-----");
}

TEST_F(ChannelDialogTest, OkWithoutAFrequencyClearsAMemoryChannelButNotTheCallChannel) {
    for (const auto& [area, path, cleared] : {std::tuple{kAreaMemory, "MCH.CH3", "ON"},
                                              {kAreaScanEdge, "PCH.CH0", "ON"},
                                              {kAreaCall, "CCH.CH0", "OFF"}}) {
        Program(path, "145.0");
        CZ5ChEditDlg dialog(path, area, false);
        Type(dialog, 1053, "");
        dialog.accept();
        EXPECT_EQ(Text(std::string(path) + ".Clear"), cleared) << path;
        EXPECT_EQ(Text(std::string(path) + ".FreqRx"), "0.00000") << path;
    }
}

TEST_F(ChannelDialogTest, OkStoresEveryField) {
    Program("MCH.CH20", "145.0");
    CZ5ChEditDlg dialog("MCH.CH20", kAreaMemory, true);
    Type(dialog, 1053, "146.0125");
    Type(dialog, 1066, "0.6");
    Control<QComboBox>(dialog, 1055)->setCurrentText("-Dup");
    Control<QCheckBox>(dialog, 1078)->setChecked(true);
    Type(dialog, 1058, "ab-1");
    Control<QRadioButton>(dialog, 1090)->setChecked(true);
    Control<QComboBox>(dialog, 1072)->setCurrentText("100.0");
    Control<QComboBox>(dialog, 1073)->setCurrentText("754");
    Control<QCheckBox>(dialog, 1074)->setChecked(true);
    Control<QRadioButton>(dialog, 1081)->setChecked(true);
    Control<QComboBox>(dialog, 1065)->setCurrentText("CP");
    Control<QCheckBox>(dialog, 1075)->setChecked(true);
    Control<QCheckBox>(dialog, 1076)->setChecked(true);
    Control<QCheckBox>(dialog, 1077)->setChecked(true);
    Control<QRadioButton>(dialog, 1086)->setChecked(true);
    Control<QComboBox>(dialog, 1067)->setCurrentText("C4");
    dialog.accept();
    ExpectTexts("MCH.CH20.", {
                                 {"Clear", "OFF"},
                                 {"FreqRx", "146.01250"},
                                 {"FreqOw", "0.60000"},
                                 {"Duplex", "-Dup"},
                                 {"DupRev", "ON"},
                                 {"Name", "AB-1"},
                                 {"TONESet", "TSQL"},
                                 {"TSQLCode", "100.0"},
                                 {"DTCSCode", "754"},
                                 {"DTCSInv", "Inverse"},
                                 {"ANISet", "CSQL"},
                                 {"ANICode", "CP"},
                                 {"Skip", "ON"},
                                 {"TXPower", "Low"},
                                 {"TXInhibit", "ON"},
                                 {"SCRMSet", "ON"},
                                 {"SCRMCode", "C4"},
                             });
}

// A 6.25 kHz channel and a name with a character that cannot be typed, as
// a clone read brings them, survive OK; a typed frequency is rounded.
TEST_F(ChannelDialogTest, UntouchedFieldsKeepWhatTheRadioHolds) {
    Program("MCH.CH4", "145.0", {{"Name", "a#b"}});
    Node("MCH.CH4.FreqRx")->SetValue(145'006'250);
    Node("MCH.CH4.FreqOw")->SetValue(6'250);
    {
        CZ5ChEditDlg untouched("MCH.CH4", kAreaMemory, false);
        untouched.accept();
    }
    EXPECT_EQ(Text("MCH.CH4.FreqRx"), "145.00625");
    EXPECT_EQ(Text("MCH.CH4.FreqOw"), "0.00625");
    EXPECT_EQ(Text("MCH.CH4.Name"), "A#B");
    CZ5ChEditDlg typed("MCH.CH4", kAreaMemory, false);
    Type(typed, 1053, "145.0063");
    typed.accept();
    EXPECT_EQ(Text("MCH.CH4.FreqRx"), "145.00500");
}

// A frequency or offset typed with a comma or a point is stored as
// written; one that is no frequency keeps the window open with the field
// focused and marked and the reason shown, and stores nothing at all.
TEST_F(ChannelDialogTest, TypedFrequenciesTakeEitherDecimalMarkAndNothingElse) {
    std::vector<STypedFrequencyCase> cases(std::begin(kTypedFrequencies),
                                           std::end(kTypedFrequencies));
    cases.push_back({true, "", "0.00000", ""});  // no offset
    for (const STypedFrequencyCase& c : cases) {
        const int id = c.offset ? 1066 : 1053;
        const std::string label = std::to_string(id) + " " + c.typed;
        Program("MCH.CH4", "145.0", {{"FreqOw", "0.5"}});
        const auto before = Leaves("MCH.CH4");
        CZ5ChEditDlg dialog("MCH.CH4", kAreaMemory, false);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        auto* edit = Control<QLineEdit>(dialog, id);
        edit->setText(QString::fromUtf8(c.typed));
        Control<QPushButton>(dialog, 1)->click();
        const auto* problem = dialog.findChild<QLabel*>(CZ5ChEditDlg::kProblemName);
        ASSERT_NE(problem, nullptr);
        if (c.stored != nullptr) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << label;
            EXPECT_EQ(Text(c.offset ? "MCH.CH4.FreqOw" : "MCH.CH4.FreqRx"), c.stored) << label;
            continue;
        }
        EXPECT_TRUE(dialog.isVisible()) << label;
        EXPECT_NE(dialog.result(), QDialog::Accepted) << label;
        EXPECT_EQ(Leaves("MCH.CH4"), before) << label;
        EXPECT_EQ(QApplication::focusWidget(), edit) << label;
        EXPECT_EQ(edit->selectedText(), QString::fromUtf8(c.typed)) << label;
        EXPECT_TRUE(problem->isVisible()) << label;
        EXPECT_TRUE(problem->text().contains(QString::fromUtf8(c.reason)))
            << label << ": " << problem->text().toStdString();
        // Typing again takes the reason away; a good text then closes.
        QTest::keyClicks(edit, "99,5");
        EXPECT_FALSE(problem->isVisible()) << label;
        Control<QPushButton>(dialog, 1)->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << label;
    }
}

// The offset of a channel that OK clears (no frequency) cannot be typed:
// a text left in it does not stop OK and is not stored.
TEST_F(ChannelDialogTest, AnOffsetThatCannotBeTypedDoesNotStopOk) {
    Program("MCH.CH4", "145.0", {{"FreqOw", "0.5"}});
    CZ5ChEditDlg dialog("MCH.CH4", kAreaMemory, false);
    Control<QLineEdit>(dialog, 1066)->setText("junk");
    Control<QLineEdit>(dialog, 1053)->setText("");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Text("MCH.CH4.Clear"), "ON");
    EXPECT_EQ(Text("MCH.CH4.FreqOw"), "0.50000");
}

TEST_F(ChannelDialogTest, AScramblerCodeOfZeroIsStoredAsOne) {
    Program("MCH.CH6", "145.0", {{"SCRMCode", "00"}});
    CZ5ChEditDlg dialog("MCH.CH6", kAreaMemory, true);
    EXPECT_EQ(Control<QComboBox>(dialog, 1067)->currentIndex(), -1);
    dialog.accept();
    EXPECT_EQ(Text("MCH.CH6.SCRMCode"), "01");
}

// (typed) -> what the edit shows, what is stored.
TEST_F(ChannelDialogTest, NamesTakeOnlyTheRadiosCharacters) {
    const std::tuple<QString, QString, std::string> cases[] = {
        {"rpt 1", "rpt 1", "RPT 1"},
        {"a.b,c#d", "abcd", "ABCD"},
        {"x(1)=y-z", "x(1)=", "X(1)="},
        {QString::fromUtf8("é<>ü_*"), "<>_*", "<>_*"},
    };
    for (const auto& [typed, shown, stored] : cases) {
        Program("MCH.CH9", "145.0");
        CZ5ChEditDlg dialog("MCH.CH9", kAreaMemory, false);
        Type(dialog, 1058, typed);
        auto* name = Control<QLineEdit>(dialog, 1058);
        EXPECT_EQ(name->text(), shown) << typed.toStdString();
        EXPECT_EQ(name->cursorPosition(), shown.size()) << typed.toStdString();
        dialog.accept();
        EXPECT_EQ(Text("MCH.CH9.Name"), stored) << typed.toStdString();
    }
}

TEST_F(ChannelDialogTest, EditMemoryRunsTheDialogOnlyWhenNoOtherCommandRuns) {
    Program("MCH.CH2", "145.0", {{"Name", "A"}});
    CZ5ChListSheet sheet(kAreaMemory, host, settings);
    sheet.RefreshAll();
    sheet.SelectRow(2);

    ASSERT_TRUE(CCloneSupportDoc::TryEnterCommand());
    bool shown = false;
    QTimer* watch = AnswerNextDialog([&shown](QDialog& dialog) {
        shown = true;
        dialog.reject();
    });
    sheet.OnCommand(Cmd::EditMemory);
    CCloneSupportDoc::LeaveCommand();
    EXPECT_FALSE(shown);
    delete watch;

    bool otherCommandCouldStart = true;
    AnswerNextDialog([&otherCommandCouldStart](QDialog& dialog) {
        otherCommandCouldStart = CCloneSupportDoc::TryEnterCommand();
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("1058"));
        name->setText(QStringLiteral("NEW"));
        dialog.accept();
    });
    sheet.OnCommand(Cmd::EditMemory);
    EXPECT_FALSE(otherCommandCouldStart);
    EXPECT_EQ(Text("MCH.CH2.Name"), "NEW");
    EXPECT_EQ(sheet.GetCellText(2, 5), "NEW");
    EXPECT_EQ(host.modifiedMarks, 1);
    EXPECT_TRUE(CCloneSupportDoc::TryEnterCommand()) << "the busy flag is released";
    CCloneSupportDoc::LeaveCommand();
}

TEST_F(ChannelDialogTest, PgrCodesTakeThreeDigits) {
    SetNodeString(Node("PGR.C0"), "Code", "123");
    SetNodeString(Node("PGR.C3"), "Code", "456");
    SetNodeText(Node("PGR.C3"), "Skip", "ON");
    CZ5PgrMemoryDlg dialog;
    EXPECT_EQ(Control<QLineEdit>(dialog, 1053)->text(), "123");
    EXPECT_EQ(Control<QLineEdit>(dialog, 1056)->text(), "456");
    EXPECT_TRUE(Control<QCheckBox>(dialog, 1076)->isChecked());
    EXPECT_EQ(dialog.findChildren<QCheckBox*>().size(), 6);
    const std::tuple<int, QString, QString> typed[] = {
        {1054, "9a8-7x6", "987"}, {1055, "1 2", "12"}, {1059, "abc", ""}};
    for (const auto& [id, keys, shown] : typed) {
        auto* edit = Control<QLineEdit>(dialog, id);
        edit->clear();
        TypeKeys(edit, keys);
        EXPECT_EQ(edit->text(), shown) << id;
    }
    Control<QCheckBox>(dialog, 1076)->setChecked(false);
    Control<QCheckBox>(dialog, 1079)->setChecked(true);
    dialog.accept();
    ExpectTexts("PGR.", {{"C0.Code", "123"},
                         {"C1.Code", "987"},
                         {"C2.Code", "012"},
                         {"C6.Code", "000"},
                         {"C3.Skip", "OFF"},
                         {"C6.Skip", "ON"}});
}

TEST_F(ChannelDialogTest, Screenshots) {
    const std::string directory = CPZ5_SCREENSHOT_DIR;
    Program("MCH.CH12", "145.5",
            {{"Name", "RPT1"},
             {"Duplex", "-Dup"},
             {"FreqOw", "0.6"},
             {"TONESet", "TONE"},
             {"TONECode", "88.5"},
             {"SCRMSet", "ON"},
             {"SCRMCode", "2A"}});
    CZ5ChEditDlg edit("MCH.CH12", kAreaMemory, true);
    edit.show();
    EXPECT_NE(Saved(directory, edit, "channel_edit_dialog"), "");
    Control<QLineEdit>(edit, 1053)->setText(QStringLiteral("146.5x"));
    Control<QPushButton>(edit, 1)->click();
    QApplication::processEvents();
    EXPECT_NE(Saved(directory, edit, "channel_edit_dialog_refused"), "");
    SetNodeText(Node("MCH.CH13"), "Clear", "ON");
    CZ5ChEditDlg cleared("MCH.CH13", kAreaMemory, false);
    cleared.show();
    EXPECT_NE(Saved(directory, cleared, "channel_edit_dialog_cleared"), "");
    CZ5PgrMemoryDlg pgr;
    pgr.show();
    EXPECT_NE(Saved(directory, pgr, "pgr_memory_dialog"), "");
}

}  // namespace
