// The channel grid's Edit commands: when they are offered, the clipboard
// (the system's, under the program's own format), Clear, Delete and Insert
// with their questions.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <array>

#include "EditingTestSupport.h"
#include "document/CloneSupportDoc.h"
#include "interchange/ChannelClipRecord.h"
#include "ui/ChannelClipboard.h"
#include "ui/CommandIds.h"
#include "ui/Z5ChListSheet.h"

namespace {

const QString kMime = QStringLiteral("application/x-qm-z5-clipboaddata");

class ChannelGridTest : public EditingTest {
  protected:
    // A sheet of area, shown as the list frame shows it.
    std::unique_ptr<CZ5ChListSheet> Sheet(int area) {
        host.area = area;
        auto sheet = std::make_unique<CZ5ChListSheet>(area, host, settings);
        sheet->Reset(CZ5ChListSheet::RowsOfArea(area), 0, CZ5ChListSheet::ColumnsFor(true));
        return sheet;
    }

    // A sheet of area whose command ran on the row.
    std::unique_ptr<CZ5ChListSheet> CommandOnRow(int area, int row, int command) {
        auto sheet = Sheet(area);
        sheet->SelectRow(row);
        sheet->OnCommand(command);
        return sheet;
    }

    static void PutOnClipboard(const QByteArray& bytes) {
        auto* data = new QMimeData;
        data->setData(kMime, bytes);
        QGuiApplication::clipboard()->setMimeData(data);
    }

    static QByteArray ClipboardBytes() {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data != nullptr ? data->data(kMime) : QByteArray();
    }

    static bool Enabled(CListSheet& sheet, int command) {
        SCommandState state;
        EXPECT_TRUE(sheet.OnUpdateCommand(command, state));
        return state.enabled;
    }

    // The receive frequencies of rows first..last of an area as texts ("" for
    // a cleared channel).
    std::vector<std::string> Frequencies(const char* area, int rows) {
        std::vector<std::string> texts;
        for (int row = 0; row < rows; ++row) {
            const std::string path = std::string(area) + ".CH" + std::to_string(row);
            texts.push_back(GetNodeValue(Node(path), "Clear") != 0 ? "" : Text(path + ".FreqRx"));
        }
        return texts;
    }
};

// (area, row selected, clipboard holds a record) -> Edit Memory, Copy,
// Paste, Clear, Delete, Insert.
TEST_F(ChannelGridTest, EditCommandsAreOfferedByAreaSelectionAndClipboard) {
    struct SCase {
        int area;
        bool selected;
        bool record;
        std::array<bool, 6> enabled;
    };
    const SCase cases[] = {
        {kAreaMemory, true, true, {true, true, true, true, true, true}},
        {kAreaMemory, true, false, {true, true, false, true, true, true}},
        {kAreaMemory, false, true, {false, false, false, false, false, false}},
        {kAreaScanEdge, true, true, {true, true, true, true, true, true}},
        {kAreaScanEdge, false, false, {false, false, false, false, false, false}},
        {kAreaCall, true, true, {true, true, true, false, false, false}},
        {kAreaCall, false, true, {false, false, false, false, false, false}},
    };
    const int commands[] = {Cmd::EditMemory, Cmd::EditCopy,   Cmd::EditPaste,
                            Cmd::EditClear,  Cmd::EditDelete, Cmd::EditInsert};
    for (const SCase& c : cases) {
        auto sheet = Sheet(c.area);
        if (c.record) {
            PutOnClipboard(QByteArray(224, '\0'));
        } else {
            QGuiApplication::clipboard()->setText(QStringLiteral("145.00000"));
        }
        if (!c.selected) {
            sheet->clearSelection();
        }
        for (size_t i = 0; i < std::size(commands); ++i) {
            EXPECT_EQ(Enabled(*sheet, commands[i]), c.enabled[i])
                << "area " << c.area << " selected " << c.selected << " record " << c.record
                << " command " << commands[i];
        }
    }
}

TEST_F(ChannelGridTest, CopyPlacesTheRecordOnTheSystemClipboard) {
    Program("MCH.CH7", "145.5", {{"Name", "HOME"}, {"Duplex", "-Dup"}, {"Skip", "ON"}});
    auto sheet = Sheet(kAreaMemory);
    sheet->SelectRow(7);
    QGuiApplication::clipboard()->clear();
    sheet->OnCommand(Cmd::EditCopy);
    const QByteArray bytes = ClipboardBytes();
    ASSERT_EQ(bytes.size(), 224);
    EXPECT_EQ(QByteArray(bytes.constData() + 4), "145.50000");
    EXPECT_EQ(QByteArray(bytes.constData() + 68), "0.00000");
    EXPECT_EQ(QByteArray(bytes.constData() + 124), "HOME");
    EXPECT_EQ(bytes[0], 0);    // in use
    EXPECT_EQ(bytes[60], 1);   // -Dup
    EXPECT_EQ(bytes[204], 1);  // skipped
    EXPECT_EQ(host.modifiedMarks, 0) << "a copy changes nothing";
}

TEST_F(ChannelGridTest, AHandMadeRecordIsPastedOntoTheSelectedChannel) {
    QByteArray bytes(224, '\0');
    const auto putInt = [&bytes](int offset, int value) {
        bytes[offset] = static_cast<char>(value);
    };
    std::memcpy(bytes.data() + 4, "146.52", 6);
    std::memcpy(bytes.data() + 68, "0.6", 3);
    std::memcpy(bytes.data() + 124, "mars", 4);
    putInt(60, 2);   // +Dup
    putInt(176, 1);  // TONE
    putInt(180, 8);  // 88.5
    putInt(204, 1);  // Skip
    putInt(212, 1);  // Low
    putInt(220, 0x2A);
    PutOnClipboard(bytes);
    Program("MCH.CH3", "145.0", {{"Name", "OLD"}});
    auto sheet = CommandOnRow(kAreaMemory, 3, Cmd::EditPaste);
    ExpectTexts("MCH.CH3.", {
                                {"FreqRx", "146.52000"},
                                {"FreqOw", "0.60000"},
                                {"Duplex", "+Dup"},
                                {"Name", "MARS"},
                                {"TONESet", "TONE"},
                                {"TONECode", "88.5"},
                                {"Skip", "ON"},
                                {"TXPower", "Low"},
                                {"SCRMCode", "2A"},
                                {"Clear", "OFF"},
                                {"DTCSCode", "023"},
                                {"TXInhibit", "OFF"},
                            });
    EXPECT_EQ(sheet->GetCellText(3, 1), "146.52000(!)");
    EXPECT_EQ(host.modifiedMarks, 1);
}

TEST_F(ChannelGridTest, ChannelsPastedOutsideTheMemoryChannelsAreNeverSkipped) {
    Program("MCH.CH0", "145.0", {{"Skip", "ON"}, {"Name", "SKIP"}});
    const auto memory = CommandOnRow(kAreaMemory, 0, Cmd::EditCopy);
    for (const auto& [area, path] :
         {std::pair{kAreaScanEdge, "PCH.CH3"}, {kAreaCall, "CCH.CH0"}, {kAreaMemory, "MCH.CH50"}}) {
        CommandOnRow(area, std::stoi(std::string(path).substr(6)), Cmd::EditPaste);
        EXPECT_EQ(Text(std::string(path) + ".Name"), "SKIP") << path;
        EXPECT_EQ(Text(std::string(path) + ".Skip"), area == kAreaMemory ? "ON" : "OFF") << path;
    }
}

TEST_F(ChannelGridTest, PasteWithoutARecordChangesNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("not a channel"));
    Program("MCH.CH2", "145.0");
    auto sheet = Sheet(kAreaMemory);
    sheet->SelectRow(2);
    const auto before = Leaves("MCH.CH2");
    sheet->PasteItem();
    EXPECT_EQ(Leaves("MCH.CH2"), before);
    EXPECT_EQ(host.modifiedMarks, 0);
}

TEST_F(ChannelGridTest, ClearLeavesOnlyTheRowLabel) {
    Program("PCH.CH1", "145.0", {{"Name", "EDGE"}, {"TONESet", "DTCS"}});
    auto sheet = CommandOnRow(kAreaScanEdge, 1, Cmd::EditClear);
    ExpectTexts("PCH.CH1.",
                {{"Clear", "ON"}, {"FreqRx", "0.00000"}, {"Name", ""}, {"TONESet", "OFF"}});
    EXPECT_EQ(sheet->GetCellText(1, 0), "1B");
    EXPECT_EQ(sheet->GetCellText(1, 1), "");
    EXPECT_EQ(host.modifiedMarks, 1);
}

// Six program scan edges: rows 0..5 hold 145.1 .. 145.6 unless cleared.
// (command, selected row, last row in use, answer) -> frequencies after, and
// whether a question was asked.
TEST_F(ChannelGridTest, DeleteAndInsertMoveChannelsAfterTheirQuestions) {
    struct SCase {
        int command;
        int row;
        bool selectedInUse;
        bool lastInUse;
        int answer;
        bool asked;
        std::vector<std::string> after;
    };
    const std::string f0 = "145.10000", f1 = "145.20000", f2 = "145.30000", f3 = "145.40000",
                      f4 = "145.50000", f5 = "145.60000";
    const SCase cases[] = {
        {Cmd::EditDelete, 0, true, true, IDYES, true, {f1, f2, f3, f4, f5, ""}},
        {Cmd::EditDelete, 2, true, true, IDYES, true, {f0, f1, f3, f4, f5, ""}},
        {Cmd::EditDelete, 5, true, true, IDYES, true, {f0, f1, f2, f3, f4, ""}},
        {Cmd::EditDelete, 2, true, true, IDNO, true, {f0, f1, f2, f3, f4, f5}},
        {Cmd::EditDelete, 2, false, true, IDNO, false, {f0, f1, f3, f4, f5, ""}},
        {Cmd::EditInsert, 0, true, true, IDYES, true, {"", f0, f1, f2, f3, f4}},
        {Cmd::EditInsert, 2, true, true, IDYES, true, {f0, f1, "", f2, f3, f4}},
        {Cmd::EditInsert, 5, true, true, IDYES, true, {f0, f1, f2, f3, f4, ""}},
        {Cmd::EditInsert, 2, true, true, IDNO, true, {f0, f1, f2, f3, f4, f5}},
        {Cmd::EditInsert, 2, true, false, IDNO, false, {f0, f1, "", f2, f3, f4}},
    };
    const std::string all[] = {f0, f1, f2, f3, f4, f5};
    for (const SCase& c : cases) {
        for (int row = 0; row < 6; ++row) {
            Program("PCH.CH" + std::to_string(row), all[row].c_str());
        }
        std::vector<std::string> expected = c.after;
        if (!c.selectedInUse) {
            SetNodeText(Node("PCH.CH" + std::to_string(c.row)), "Clear", "ON");
        }
        if (!c.lastInUse) {
            SetNodeText(Node("PCH.CH5"), "Clear", "ON");
        }
        host.ui.m_messages.clear();
        host.ui.QueueAnswer(c.answer);
        auto sheet = CommandOnRow(kAreaScanEdge, c.row, c.command);
        const std::string label = (c.command == Cmd::EditDelete ? "Delete row " : "Insert row ") +
                                  std::to_string(c.row) + " answer " + std::to_string(c.answer);
        EXPECT_EQ(Frequencies("PCH", 6), expected) << label;
        EXPECT_EQ(host.ui.m_messages.size(), c.asked ? 1u : 0u) << label;
        if (c.asked && !host.ui.m_messages.empty()) {
            const auto& message = host.ui.m_messages.front();
            EXPECT_EQ(message.text, c.command == Cmd::EditDelete
                                        ? "Delete CH ?"
                                        : "CH overflow\nLast channel will be deleted.");
            EXPECT_EQ(message.style & MessageStyle::ButtonMask, MessageStyle::YesNo);
            EXPECT_EQ(message.style & MessageStyle::IconMask, c.command == Cmd::EditDelete
                                                                  ? MessageStyle::IconExclamation
                                                                  : MessageStyle::IconNone);
        }
        // The cleared row shows only its label.
        if (expected[c.row].empty()) {
            EXPECT_EQ(sheet->GetCellText(c.row, 1), "") << label;
        }
        EXPECT_EQ(host.ui.m_waitDepth, 0) << label;
        host.ui = CScriptedUserInterface();
    }
}

TEST_F(ChannelGridTest, AMovedChannelKeepsEveryField) {
    Program("MCH.CH11", "145.00625",
            {{"DupRev", "ON"},
             {"Duplex", "+Dup"},
             {"Name", "NEXT"},
             {"DTCSInv", "Inverse"},
             {"TXPower", "Low"},
             {"SCRMSet", "ON"},
             {"SCRMCode", "33"},
             {"Skip", "ON"}});
    Node("MCH.CH11.FreqRx")->SetValue(145'006'250);
    Program("MCH.CH10", "146.0");
    const auto moving = Leaves("MCH.CH11");
    auto sheet = Sheet(kAreaMemory);
    sheet->SelectRow(10);
    host.ui.QueueAnswer(IDYES);
    sheet->OnCommand(Cmd::EditDelete);
    EXPECT_EQ(Leaves("MCH.CH10"), moving);
    EXPECT_EQ(Text("MCH.CH10.FreqRx"), "145.00625");

    sheet->OnCommand(Cmd::EditInsert);
    EXPECT_EQ(Leaves("MCH.CH11"), moving);
    EXPECT_EQ(Text("MCH.CH10.Clear"), "ON");
}

TEST_F(ChannelGridTest, WithoutAnyoneToAskNothingInUseIsDeleted) {
    class CSilentHost : public CEditingHost {
      public:
        CUserInterface* UserInterface() const override { return nullptr; }
    } silent;
    Program("MCH.CH0", "145.0");
    CZ5ChListSheet sheet(kAreaMemory, silent, settings);
    sheet.SelectRow(0);
    sheet.DeleteItem();
    EXPECT_EQ(Text("MCH.CH0.Clear"), "OFF");
}

}  // namespace
