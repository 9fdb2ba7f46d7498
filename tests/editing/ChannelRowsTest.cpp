// Several rows of the channel grid at once: selecting them with the keyboard
// and the mouse, Clear, Delete and Insert of the whole selection with one
// question and one change, and the clipboard in its three forms (the block
// of records, the single record, CSV text) with text from spreadsheets,
// bad rows and rubbish.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <random>

#include "EditingTestSupport.h"
#include "interchange/ChannelClipRecord.h"
#include "ui/ChannelClipboard.h"
#include "ui/CommandIds.h"
#include "ui/Z5ChListSheet.h"

namespace {

const QString kBlockMime = QString::fromLatin1(CChannelClipboard::kBlockMimeType);
const QString kRecordMime = QString::fromLatin1(CChannelClipboard::kMimeType);

class ChannelRowsTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        for (const char* area : {"MCH", "PCH", "CCH"}) {
            for (CNode* channel : Node(area)->GetChildren()) {
                SetNodeText(channel, "Clear", "ON");
            }
        }
    }

    std::unique_ptr<CZ5ChListSheet> Sheet(int area = kAreaMemory) {
        host.area = area;
        auto sheet = std::make_unique<CZ5ChListSheet>(area, host, settings);
        sheet->Reset(CZ5ChListSheet::RowsOfArea(area), 0, CZ5ChListSheet::ColumnsFor(true));
        return sheet;
    }

    // Selects rows (first alone, the others added).
    static void Select(CZ5ChListSheet& sheet, std::initializer_list<int> rows) {
        sheet.clearSelection();
        for (int row : rows) {
            sheet.selectionModel()->select(sheet.model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    // Memory channel n holds 144.n MHz with name "CHn" (and the scrambler
    // code of a fresh channel, which a CSV row can say).
    static void ProgramNumbered(std::initializer_list<int> channels) {
        for (int n : channels) {
            const std::string frequency = "144." + std::to_string(n) + "0000";
            Program("MCH.CH" + std::to_string(n), frequency.c_str(),
                    {{"Name", "CH" + std::to_string(n)}, {"SCRMCode", "01"}});
        }
    }

    // The names of memory channels 0..count-1 ("" for a cleared channel).
    static std::vector<std::string> Names(int count) {
        std::vector<std::string> names;
        for (int n = 0; n < count; ++n) {
            const std::string path = "MCH.CH" + std::to_string(n);
            names.push_back(GetNodeValue(Node(path), "Clear") != 0 ? "" : Text(path + ".Name"));
        }
        return names;
    }

    // Every leaf text of every memory channel.
    static std::map<std::string, std::string> AllMemory() {
        std::map<std::string, std::string> texts;
        for (int n = 0; n < 100; ++n) {
            for (const auto& [leaf, text] : Leaves("MCH.CH" + std::to_string(n))) {
                texts[std::to_string(n) + "." + leaf] = text;
            }
        }
        return texts;
    }

    static QString ClipboardText() { return QGuiApplication::clipboard()->text(); }
    static void PutText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    static QByteArray ClipboardBytes(const QString& mime) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data != nullptr ? data->data(mime) : QByteArray();
    }
};

// ---- selecting rows ---------------------------------------------------------

TEST_F(ChannelRowsTest, ShiftAndCtrlSelectSeveralRowsByKeyboardAndMouse) {
    auto sheet = Sheet();
    sheet->resize(600, 400);
    sheet->show();
    sheet->setFocus();
    sheet->SelectRow(2);
    QTest::keyClick(sheet.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(sheet.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(sheet->SelectedRow(), 2);

    const auto rowPoint = [&](int row) {
        return QPoint(sheet->columnViewportPosition(2) + 5, sheet->rowViewportPosition(row) + 2);
    };
    QTest::mouseClick(sheet->viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(7));
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{2, 3, 4, 7}));
    QTest::mouseClick(sheet->viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(3));
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{2, 4, 7}));

    // A press on a selected row keeps the block (a drag could start); the
    // release without a drag leaves that row alone.
    QTest::mousePress(sheet->viewport(), Qt::LeftButton, {}, rowPoint(4));
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{2, 4, 7}));
    QTest::mouseRelease(sheet->viewport(), Qt::LeftButton, {}, rowPoint(4));
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{4}));

    QTest::mouseClick(sheet->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowPoint(6));
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{4, 5, 6}));
    // A right press inside the selection keeps it, outside it takes one row.
    QTest::mousePress(sheet->viewport(), Qt::RightButton, {}, rowPoint(5));
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{4, 5, 6}));
    QTest::mousePress(sheet->viewport(), Qt::RightButton, {}, rowPoint(9));
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{9}));

    QTest::keyClick(sheet.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(sheet->SelectedRows().size(), 100u);
    QTest::keyClick(sheet.get(), Qt::Key_Down);
    EXPECT_EQ(sheet->SelectedRows().size(), 1u) << "an arrow without Shift selects one row";
}

// ---- Clear, Delete, Insert --------------------------------------------------

// Channels 0..7 hold CH0..CH7 unless a case clears some.
// (command, selected rows, cleared before, answer) -> names after, asked.
TEST_F(ChannelRowsTest, ClearDeleteAndInsertActOnTheWholeSelectionAfterOneQuestion) {
    struct SCase {
        int command;
        std::initializer_list<int> rows;
        std::vector<int> clearedBefore;
        int answer;
        bool asked;
        std::vector<std::string> after;
        std::string stepName;
    };
    const SCase cases[] = {
        {Cmd::EditDelete,
         {2, 3, 4},
         {},
         IDYES,
         true,
         {"CH0", "CH1", "CH5", "CH6", "CH7", "", "", ""},
         "Delete 3 channels"},
        {Cmd::EditDelete,
         {1, 3, 6},
         {},
         IDYES,
         true,
         {"CH0", "CH2", "CH4", "CH5", "CH7", "", "", ""},
         "Delete 3 channels"},
        {Cmd::EditDelete,
         {2, 3},
         {},
         IDNO,
         true,
         {"CH0", "CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "CH7"},
         ""},
        {Cmd::EditDelete,
         {2, 3},
         {2, 3},
         IDNO,
         false,
         {"CH0", "CH1", "CH4", "CH5", "CH6", "CH7", "", ""},
         "Delete 2 channels"},
        {Cmd::EditInsert,
         {2, 3, 4},
         {},
         IDYES,
         false,
         {"CH0", "CH1", "", "", "", "CH2", "CH3", "CH4"},
         "Insert 3 channels"},
        {Cmd::EditClear,
         {1, 5, 6},
         {},
         IDNO,
         false,
         {"CH0", "", "CH2", "CH3", "CH4", "", "", "CH7"},
         "Clear 3 channels"},
        {Cmd::EditDelete,
         {5},
         {},
         IDYES,
         true,
         {"CH0", "CH1", "CH2", "CH3", "CH4", "CH6", "CH7", ""},
         ""},
    };
    for (const SCase& c : cases) {
        for (CNode* channel : Node("MCH")->GetChildren()) {
            SetNodeText(channel, "Clear", "ON");
        }
        ProgramNumbered({0, 1, 2, 3, 4, 5, 6, 7});
        for (int n : c.clearedBefore) {
            SetNodeText(Node("MCH.CH" + std::to_string(n)), "Clear", "ON");
        }
        host.ui = CScriptedUserInterface();
        host.told.clear();
        host.ui.QueueAnswer(c.answer);
        auto sheet = Sheet();
        Select(*sheet, c.rows);
        sheet->OnCommand(c.command);
        const std::string label =
            "command " + std::to_string(c.command) + " from row " + std::to_string(*c.rows.begin());
        EXPECT_EQ(Names(8), c.after) << label;
        EXPECT_EQ(host.ui.m_messages.size(), c.asked ? 1u : 0u) << label;
        if (c.answer == IDNO && c.asked) {
            EXPECT_TRUE(host.told.empty()) << label;
            continue;
        }
        ASSERT_EQ(host.told.size(), 1u) << label << ": one change, one undo step";
        EXPECT_EQ(host.told.front().stepName, c.stepName) << label;
        EXPECT_EQ(host.ui.m_waitDepth, 0) << label;
    }
}

TEST_F(ChannelRowsTest, InsertingSeveralRowsAsksOnceWhenChannelsInUseDropOff) {
    ProgramNumbered({0, 1});
    Program("MCH.CH98", "145.0", {{"Name", "LAST"}});
    auto sheet = Sheet();
    Select(*sheet, {0, 1, 2});
    host.ui.QueueAnswer(IDNO);
    sheet->OnCommand(Cmd::EditInsert);
    ASSERT_EQ(host.ui.m_messages.size(), 1u);
    EXPECT_EQ(host.ui.m_messages.front().text, "CH overflow\nLast channel will be deleted.");
    EXPECT_EQ(Text("MCH.CH98.Name"), "LAST");
    EXPECT_TRUE(host.told.empty());

    host.ui.QueueAnswer(IDYES);
    sheet->OnCommand(Cmd::EditInsert);
    EXPECT_EQ(Names(5), (std::vector<std::string>{"", "", "", "CH0", "CH1"}));
    EXPECT_EQ(GetNodeValue(Node("MCH.CH98"), "Clear"), 1) << "CH98 dropped off the end";
    EXPECT_EQ(GetNodeValue(Node("MCH.CH99"), "Clear"), 1);
}

// ---- the clipboard ----------------------------------------------------------

TEST_F(ChannelRowsTest, CopyOfSeveralRowsPutsTheBlockAndTheTextButNoSingleRecord) {
    ProgramNumbered({4, 6});
    auto sheet = Sheet();
    Select(*sheet, {4, 5, 6});
    sheet->OnCommand(Cmd::EditCopy);
    EXPECT_EQ(ClipboardBytes(kBlockMime).size(), 3 * 224);
    EXPECT_TRUE(ClipboardBytes(kRecordMime).isEmpty());
    const QStringList lines = ClipboardText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5) << "header, three rows, nothing after the last CR LF";
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Location,Name,Frequency,Duplex,Offset,")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("4,CH4,144.400000,,0.000000,")));
    EXPECT_EQ(lines[2], QStringLiteral("5") + QString(27, QLatin1Char(','))) << "a cleared channel";
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("6,CH6,144.600000,")));
    EXPECT_EQ(lines[4], QString());
    EXPECT_TRUE(host.told.empty()) << "a copy changes nothing";

    Select(*sheet, {6});
    sheet->OnCommand(Cmd::EditCopy);
    EXPECT_EQ(ClipboardBytes(kRecordMime).size(), 224) << "one row: the record of old as well";
    EXPECT_EQ(ClipboardBytes(kBlockMime).size(), 224);
}

// Copied from the block, the text alone, or only the single record of an
// older copy of the program: cleared and pasted back, the channels are as
// they were.
TEST_F(ChannelRowsTest, ABlockCopiedClearedAndPastedBackIsAsItWas) {
    enum class EKeep { kEverything, kTextOnly };
    for (EKeep keep : {EKeep::kEverything, EKeep::kTextOnly}) {
        ProgramNumbered({10, 11, 13});
        Program("MCH.CH12", "145.00625",
                {{"Duplex", "+Dup"},
                 {"TONESet", "TSQL"},
                 {"TSQLCode", "100.0"},
                 {"Skip", "ON"},
                 {"SCRMCode", "7F"}});
        Node("MCH.CH12.FreqRx")->SetValue(145'006'250);
        const auto before = AllMemory();
        auto sheet = Sheet();
        Select(*sheet, {10, 11, 12, 13, 14});
        sheet->OnCommand(Cmd::EditCopy);
        if (keep == EKeep::kTextOnly) {
            PutText(ClipboardText());
        }
        sheet->OnCommand(Cmd::EditClear);
        EXPECT_EQ(Names(15)[12], "");
        Select(*sheet, {10});
        host.told.clear();
        sheet->OnCommand(Cmd::EditPaste);
        EXPECT_EQ(AllMemory(), before) << (keep == EKeep::kTextOnly ? "text" : "block");
        ASSERT_EQ(host.told.size(), 1u);
        EXPECT_EQ(host.told.front().stepName, "Paste 5 channels");
        for (const auto& message : host.ui.m_messages) {
            ADD_FAILURE() << message.text;
        }
    }
}

TEST_F(ChannelRowsTest, RecordsThatDoNotFitAreAskedForAndPastedOnlyAsFarAsTheAreaGoes) {
    ProgramNumbered({1, 3});
    Program("MCH.CH2", "144.2", {{"Name", "CH2"}, {"Skip", "ON"}});
    auto sheet = Sheet();
    Select(*sheet, {1, 2, 3});
    sheet->OnCommand(Cmd::EditCopy);
    Select(*sheet, {98});
    host.ui.QueueAnswer(IDNO);
    sheet->OnCommand(Cmd::EditPaste);
    ASSERT_EQ(host.ui.m_messages.size(), 1u);
    EXPECT_NE(host.ui.m_messages.front().text.find("only 2 channels follow from CH 98"),
              std::string::npos);
    EXPECT_TRUE(host.told.empty());
    EXPECT_EQ(GetNodeValue(Node("MCH.CH98"), "Clear"), 1);

    host.ui.QueueAnswer(IDYES);
    sheet->OnCommand(Cmd::EditPaste);
    EXPECT_EQ(Text("MCH.CH98.Name"), "CH1");
    EXPECT_EQ(Text("MCH.CH99.Name"), "CH2");
    EXPECT_EQ(Text("MCH.CH99.Skip"), "ON");
    ASSERT_EQ(host.told.size(), 1u);
    EXPECT_EQ(host.told.front().lastChannel, 99);

    // Onto the six scan edges: never skipped.
    auto edges = Sheet(kAreaScanEdge);
    Select(*edges, {4});
    host.ui.QueueAnswer(IDYES);
    edges->OnCommand(Cmd::EditPaste);
    EXPECT_EQ(Text("PCH.CH4.Name"), "CH1");
    EXPECT_EQ(Text("PCH.CH5.Name"), "CH2");
    EXPECT_EQ(Text("PCH.CH5.Skip"), "OFF");
}

// Rows as a spreadsheet puts them on the clipboard.
TEST_F(ChannelRowsTest, SpreadsheetRowsLandOnConsecutiveChannelsFromTheSelection) {
    struct SCase {
        const char* what;
        QString text;
    };
    const SCase cases[] = {
        {"tabs, no header", QStringLiteral("7\tONE\t144.5\t+\t0.6\tTone\t88.5\r\n"
                                           "8\ttwo\t145.12\t\t\t\t\n")},
        {"header of a few columns, semicolons and decimal commas",
         QStringLiteral("Name;Frequency;Duplex;Offset;Tone;rToneFreq\n"
                        "one;144,5;+;0,6;Tone;88,5\n"
                        "TWO;145,120;;;;\n")},
        {"commas, no header, Locations that mean nothing here",
         QStringLiteral("77,ONE,144.500000,+,0.600000,Tone,88.5\n"
                        "5,two,145.120000\n")},
    };
    for (const SCase& c : cases) {
        for (int n : {40, 41, 42}) {
            SetNodeText(Node("MCH.CH" + std::to_string(n)), "Clear", "ON");
        }
        PutText(c.text);
        auto sheet = Sheet();
        ASSERT_TRUE(sheet->ClipboardHasData()) << c.what;
        Select(*sheet, {40});
        host.ui.m_messages.clear();
        sheet->OnCommand(Cmd::EditPaste);
        ExpectTexts("MCH.CH40.", {{"Clear", "OFF"},
                                  {"Name", "ONE"},
                                  {"FreqRx", "144.50000"},
                                  {"Duplex", "+Dup"},
                                  {"FreqOw", "0.60000"},
                                  {"TONESet", "TONE"},
                                  {"TONECode", "88.5"}});
        ExpectTexts("MCH.CH41.", {{"Clear", "OFF"}, {"Name", "TWO"}, {"FreqRx", "145.12000"}});
        EXPECT_EQ(Text("MCH.CH42.Clear"), "ON") << c.what;
        EXPECT_TRUE(host.ui.m_messages.empty()) << c.what;
    }
}

TEST_F(ChannelRowsTest, ABadRowIsReportedAndNothingChangesUnlessTheUserAgrees) {
    const QString text = QStringLiteral(
        "Location,Name,Frequency\n"
        "0,GOOD,144.5\n"
        "1,BAD,999\n"
        "2,ALSO,145.0\n");
    for (int answer : {IDNO, IDYES}) {
        for (int n : {20, 21, 22}) {
            Program("MCH.CH" + std::to_string(n), "144.0", {{"Name", "OLD"}});
        }
        const auto before = AllMemory();
        PutText(text);
        auto sheet = Sheet();
        Select(*sheet, {20});
        host.ui = CScriptedUserInterface();
        host.told.clear();
        host.ui.QueueAnswer(answer);
        sheet->OnCommand(Cmd::EditPaste);
        ASSERT_EQ(host.ui.m_messages.size(), 1u);
        const std::string& message = host.ui.m_messages.front().text;
        EXPECT_NE(message.find("line 3: Frequency 999.000000 MHz is outside"), std::string::npos)
            << message;
        EXPECT_NE(message.find("Paste the good rows?"), std::string::npos) << message;
        if (answer == IDNO) {
            EXPECT_EQ(AllMemory(), before);
            EXPECT_TRUE(host.told.empty());
            continue;
        }
        EXPECT_EQ(Text("MCH.CH20.Name"), "GOOD");
        EXPECT_EQ(Text("MCH.CH21.Name"), "OLD") << "the bad row's channel stays";
        EXPECT_EQ(Text("MCH.CH22.Name"), "ALSO");
        ASSERT_EQ(host.told.size(), 1u);
        EXPECT_EQ(host.told.front().stepName, "Paste 2 channels");
    }
}

TEST_F(ChannelRowsTest, ValuesStoredOtherwiseThanWrittenAreListedAfterThePaste) {
    PutText(QStringLiteral("1\tlong name\t145.0031\n"));
    auto sheet = Sheet();
    Select(*sheet, {30});
    sheet->OnCommand(Cmd::EditPaste);
    EXPECT_EQ(Text("MCH.CH30.Name"), "LONG");
    EXPECT_EQ(Text("MCH.CH30.FreqRx"), "145.00500");
    ASSERT_EQ(host.ui.m_messages.size(), 1u);
    const auto& message = host.ui.m_messages.front();
    EXPECT_EQ(message.style, MessageStyle::Ok | MessageStyle::IconInformation);
    EXPECT_NE(message.text.find("line 1: Frequency 145.003100 MHz is stored as 145.005000 MHz"),
              std::string::npos)
        << message.text;
    EXPECT_NE(message.text.find("line 1: Name \"long name\" is stored as \"LONG\""),
              std::string::npos)
        << message.text;
}

// Whatever text is on the clipboard, a paste changes at most the channels
// of its area from the selected one on, and never crashes.
TEST_F(ChannelRowsTest, RubbishTextNeverCrashesAndNeverWritesOutsideTheArea) {
    std::mt19937 random(17);
    std::vector<QByteArray> texts = {
        QByteArray(5 * 1024 * 1024, '1'),  // larger than a channel list may be
        QByteArray("\"unclosed,144.5\n1,A,145.0"),
        QByteArray("Location\tFrequency\n\t\t\t\n"),
        QByteArray(1000, '\t'),
        QByteArray("0,,144.5\n").repeated(5000),
    };
    for (int i = 0; i < 30; ++i) {
        QByteArray bytes(std::uniform_int_distribution<int>(1, 3000)(random), '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        texts.push_back(bytes);
        texts.push_back(QByteArray("5,X,145.0,") + bytes);
    }
    for (int area : {kAreaCall, kAreaScanEdge, kAreaMemory}) {
        for (const QByteArray& bytes : texts) {
            auto* data = new QMimeData;
            data->setData(QStringLiteral("text/plain"), bytes);
            QGuiApplication::clipboard()->setMimeData(data);
            const auto before = AllMemory();
            auto sheet = Sheet(area);
            sheet->SelectRow(CZ5ChListSheet::RowsOfArea(area) - 1);
            host.ui.QueueAnswer(IDYES);
            sheet->PasteItem();
            if (area != kAreaMemory) {
                EXPECT_EQ(AllMemory(), before) << "memory channels, pasting into area " << area;
            } else {
                const auto after = AllMemory();
                for (const auto& [path, text] : before) {
                    if (path.rfind("99.", 0) != 0) {
                        EXPECT_EQ(after.at(path), text) << path;
                    }
                }
            }
        }
    }
}

// Paste is offered for text only while the text on the clipboard may be
// channels; the answer follows every change of the clipboard.
TEST_F(ChannelRowsTest, PasteIsOfferedForTextThatMayBeChannels) {
    auto sheet = Sheet();
    const std::pair<QString, bool> texts[] = {
        {QStringLiteral("not a channel"), false},
        {QStringLiteral("3\tA\t145.5\n"), true},
        {QStringLiteral("Name,Frequency\n"), true},
        {QStringLiteral("145.00000"), false},
    };
    for (const auto& [text, offered] : texts) {
        PutText(text);
        EXPECT_EQ(sheet->ClipboardHasData(), offered) << text.toStdString();
        EXPECT_EQ(sheet->ClipboardHasData(), offered) << "asked again: " << text.toStdString();
    }
}

TEST_F(ChannelRowsTest, ARefusedOrCutShortBlockCountsAsAbsent) {
    ProgramNumbered({1, 2});
    auto sheet = Sheet();
    Select(*sheet, {1, 2});
    sheet->OnCommand(Cmd::EditCopy);
    const QByteArray block = ClipboardBytes(kBlockMime);
    const auto before = AllMemory();
    for (const QByteArray& bytes : {block.left(300), QByteArray(), block + QByteArray(1, 'x')}) {
        auto* data = new QMimeData;
        data->setData(kBlockMime, bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        EXPECT_FALSE(sheet->ClipboardHasData()) << bytes.size();
        Select(*sheet, {50});
        sheet->PasteItem();
        EXPECT_EQ(AllMemory(), before) << bytes.size();
    }
}

}  // namespace
