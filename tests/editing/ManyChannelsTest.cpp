// The grid's ways with many channels at once: one field set on every
// selected channel (Set Field, Ctrl+Enter), a click on a column header that
// sorts the memory channels, the cleared channels hidden, Cut, and the
// context menu from the keyboard. Each change of the data is one
// announcement, and what a channel cannot take is listed and left alone.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <memory>

#include "EditingTestSupport.h"
#include "ui/ChannelClipboard.h"
#include "ui/ChannelColumns.h"
#include "ui/CommandIds.h"
#include "ui/Z5ChListSheet.h"

namespace {

constexpr int kOffsetColumn = 4;
constexpr int kCtcssColumn = 8;
constexpr int kSkipColumn = 12;

std::string Path(int channel, const char* area = "MCH") {
    return std::string(area) + ".CH" + std::to_string(channel);
}

class ManyChannelsTest : public EditingTest {
  protected:
    // Every memory channel and scan edge cleared.
    void SetUp() override {
        EditingTest::SetUp();
        for (int channel = 0; channel < 100; ++channel) {
            SetNodeText(Node(Path(channel)), "Clear", "ON");
            SetNodeText(Node(Path(channel % 6, "PCH")), "Clear", "ON");
        }
        sheet = MakeSheet(kAreaMemory);
    }
    void TearDown() override {
        sheet.reset();
        EditingTest::TearDown();
    }

    std::unique_ptr<CZ5ChListSheet> MakeSheet(int area) {
        host.area = area;
        auto made = std::make_unique<CZ5ChListSheet>(area, host, settings);
        made->Reset(CZ5ChListSheet::RowsOfArea(area), 0, CZ5ChListSheet::ColumnsFor(true));
        made->resize(1100, 500);
        made->show();
        return made;
    }

    // Channels first..last in use (145.000 MHz and up, named "C<n>"), then
    // rows first..last selected.
    void ProgramAndSelect(int first, int last) {
        for (int channel = first; channel <= last; ++channel) {
            Program(Path(channel), std::to_string(145 + channel * 0.0125).c_str(),
                    {{"Name", "C" + std::to_string(channel)}});
        }
        Select(first, last);
    }

    void Select(int first, int last) {
        sheet->SelectRow(first);
        sheet->selectionModel()->select(
            QItemSelection(sheet->model()->index(first, 0), sheet->model()->index(last, 0)),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // Every leaf of every memory channel.
    static std::vector<std::map<std::string, std::string>> Everything() {
        std::vector<std::map<std::string, std::string>> channels;
        for (int channel = 0; channel < 100; ++channel) {
            channels.push_back(Leaves(Path(channel)));
        }
        return channels;
    }

    std::string LastMessage() const {
        return host.ui.m_messages.empty() ? "" : host.ui.m_messages.back().text;
    }

    // Opens the cell editor of column on the first selected row, as F2 does.
    QWidget* OpenEditor(int column) {
        while (sheet->GetCurrentColumn() != column) {
            QTest::keyClick(sheet.get(), Qt::Key_Right);
        }
        QTest::keyClick(sheet.get(), Qt::Key_F2);
        return sheet->OpenEditor();
    }

    void ClickHeader(int column) {
        QHeaderView* header = sheet->horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    std::unique_ptr<CZ5ChListSheet> sheet;
};

// What Set Field stores for a text, or why it refuses it.
struct SFieldCase {
    int area;
    int column;
    const char* text;
    std::map<std::string, std::string> stored;  // empty: refused
    const char* reason;
};

TEST_F(ManyChannelsTest, SetFieldStoresOnEveryChannelInUseOrListsWhyNot) {
    const SFieldCase cases[] = {
        {kAreaMemory, kCtcssColumn, "88.5", {{"TSQLCode", "88.5"}}, ""},
        {kAreaMemory, 9, "754i", {{"DTCSCode", "754"}, {"DTCSInv", "Inverse"}}, ""},
        {kAreaMemory, kOffsetColumn, "0,6", {{"FreqOw", "0.60000"}}, ""},
        {kAreaMemory, 5, "club", {{"Name", "CLUB"}}, ""},
        {kAreaMemory, 15, "C4", {{"SCRMSet", "ON"}, {"SCRMCode", "C4"}}, ""},
        {kAreaMemory, 1, "145.1", {{"FreqRx", "145.10000"}}, ""},
        {kAreaMemory, 1, "150", {}, "150.00000 MHz lies outside the radio's band, 144.00000"},
        {kAreaMemory, 1, "abc", {}, "is not a frequency"},
        {kAreaMemory, kCtcssColumn, "023", {}, "\u201c023\u201d is not one of the CTCSS choices"},
        {kAreaMemory, kOffsetColumn, "120", {}, "outside 0.00000 to 99.99500 MHz"},
        {kAreaScanEdge, kSkipColumn, "ON", {}, "Only memory channels have Skip."},
    };
    for (const SFieldCase& c : cases) {
        const std::string label = std::to_string(c.column) + " " + c.text;
        const char* area = c.area == kAreaMemory ? "MCH" : "PCH";
        sheet = MakeSheet(c.area);
        for (int channel = 0; channel < 6; ++channel) {
            Program(Path(channel, area), "145.00000");
        }
        SetNodeText(Node(Path(2, area)), "Clear", "ON");
        Select(0, 5);
        const auto cleared = Leaves(Path(2, area));
        const auto before = Everything();
        host.told.clear();
        host.ui.m_messages.clear();

        EXPECT_EQ(sheet->SetField(c.column, QString::fromUtf8(c.text)), !c.stored.empty()) << label;
        EXPECT_EQ(Leaves(Path(2, area)), cleared) << label << ": a cleared channel stays cleared";
        if (c.stored.empty()) {
            EXPECT_TRUE(host.told.empty()) << label;
            EXPECT_EQ(Everything(), before) << label;
            EXPECT_NE(LastMessage().find(c.reason), std::string::npos) << label << LastMessage();
            EXPECT_NE(LastMessage().find("Nothing is set"), std::string::npos) << label;
            continue;
        }
        for (const int channel : {0, 1, 3, 4, 5}) {
            ExpectTexts(Path(channel, area) + ".", c.stored);
        }
        ASSERT_EQ(host.told.size(), 1U) << label;
        EXPECT_EQ(host.told[0].stepName,
                  "Set " + CChannelColumns::Title(c.column).toStdString() + " on 5 channels");
        EXPECT_EQ(host.ui.m_statusTexts.back(),
                  CChannelColumns::Title(c.column).toStdString() +
                      " set on 5 channels; 1 cleared channel is left as it is.");
        EXPECT_TRUE(host.ui.m_messages.empty()) << label;
    }
}

TEST_F(ManyChannelsTest, CtrlEnterSetsTheSelectionPlainEnterOneCell) {
    ProgramAndSelect(10, 29);
    QWidget* editor = OpenEditor(kCtcssColumn);
    ASSERT_NE(editor, nullptr);
    auto* list = qobject_cast<QComboBox*>(editor);
    list->setCurrentIndex(list->findText(QStringLiteral("88.5")));
    QTest::keyClick(list, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(sheet->OpenEditor(), nullptr);
    for (int channel = 10; channel <= 29; ++channel) {
        EXPECT_EQ(Text(Path(channel) + ".TSQLCode"), "88.5") << channel;
    }
    ASSERT_EQ(host.told.size(), 1U);
    EXPECT_EQ(host.told[0].stepName, "Set CTCSS on 20 channels");
    EXPECT_EQ(sheet->SelectedRows().size(), 20U) << "the selection stays";

    // A refused text keeps the editor open and sets nothing.
    const auto before = Everything();
    auto* line = qobject_cast<QLineEdit*>(OpenEditor(kOffsetColumn));
    ASSERT_NE(line, nullptr);
    line->setText(QStringLiteral("0.6x"));
    QTest::keyClick(line, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(sheet->OpenEditor(), line);
    EXPECT_EQ(Everything(), before);
    EXPECT_NE(host.ui.m_statusTexts.back().find("is not a frequency"), std::string::npos);

    // Plain Enter stores the one cell.
    line->setText(QStringLiteral("0.6"));
    QTest::keyClick(line, Qt::Key_Return);
    QApplication::processEvents();  // the view commits it a moment later
    EXPECT_EQ(Text(Path(10) + ".FreqOw"), "0.60000");
    EXPECT_EQ(Text(Path(11) + ".FreqOw"), "0.00000");

    // With one row selected Ctrl+Enter is an Enter.
    sheet->SelectRow(12);
    line = qobject_cast<QLineEdit*>(OpenEditor(kOffsetColumn));
    line->setText(QStringLiteral("1.0"));
    QTest::keyClick(line, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(Text(Path(12) + ".FreqOw"), "1.00000");
    EXPECT_EQ(Text(Path(13) + ".FreqOw"), "0.00000");
    EXPECT_EQ(host.told.back().stepName, "");
}

TEST_F(ManyChannelsTest, SetFieldWindowOffersTheFieldsAndRefusesABadValue) {
    ProgramAndSelect(0, 3);
    SetNodeText(Node(Path(0)), "Duplex", "-Dup");
    AnswerNextDialog([](QDialog& dialog) {
        auto* field = dialog.findChild<QComboBox*>(QStringLiteral("SetFieldField"));
        QStringList offered;
        for (int i = 0; i < field->count(); ++i) {
            offered << field->itemText(i);
        }
        EXPECT_EQ(offered,
                  QStringList({"Duplex", "Reverse", "Offset Freq.", "Tone", "RPT", "CTCSS", "DTCS",
                               "PGR", "PGR CH", "Skip", "TX Power", "TX Inhibit", "Scrambler"}));
        field->setCurrentText(QStringLiteral("Duplex"));
        auto* value = dialog.findChild<QComboBox*>(QStringLiteral("SetFieldValue"));
        EXPECT_EQ(value->currentText(), "-Dup") << "the first channel's value";
        field->setCurrentText(QStringLiteral("Offset Freq."));
        auto* offset = dialog.findChild<QLineEdit*>(QStringLiteral("SetFieldValue"));
        offset->setText(QStringLiteral("abc"));
        dialog.accept();
        auto* problem = dialog.findChild<QLabel*>(QStringLiteral("SetFieldProblem"));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(problem->text().contains(QStringLiteral("is not a frequency")));
        offset->setText(QStringLiteral("0,6"));
        dialog.accept();
    });
    sheet->SetFieldItem();
    for (int channel = 0; channel <= 3; ++channel) {
        EXPECT_EQ(Text(Path(channel) + ".FreqOw"), "0.60000") << channel;
    }
    ASSERT_EQ(host.told.size(), 1U);
    EXPECT_EQ(host.told[0].stepName, "Set Offset Freq. on 4 channels");

    // Cancel sets nothing.
    const auto before = Everything();
    AnswerNextDialog([](QDialog& dialog) { dialog.reject(); });
    sheet->SetFieldItem();
    EXPECT_EQ(Everything(), before);
}

// A channel per case and column: the leaves of channels 0, 1 and 2.
struct SSortCase {
    int column;
    std::array<std::map<std::string, std::string>, 3> leaves;
    std::array<int, 3> ascending;  // the channel that stands at place 0, 1, 2
    std::array<int, 3> descending;
    const char* step;
};

TEST_F(ManyChannelsTest, AHeaderClickSortsByItsColumnAndAgainTheOtherWay) {
    using Leaves3 = std::array<std::map<std::string, std::string>, 3>;
    const auto one = [](const char* leaf, const char* a, const char* b, const char* c) {
        return Leaves3{{{{leaf, a}}, {{leaf, b}}, {{leaf, c}}}};
    };
    const SSortCase cases[] = {
        {1, one("FreqRx", "146.0", "144.5", "145.0"), {1, 2, 0}, {0, 2, 1}, "frequency"},
        {2, one("Duplex", "+Dup", "OFF", "-Dup"), {1, 2, 0}, {0, 2, 1}, "duplex"},
        {3, one("DupRev", "ON", "OFF", "OFF"), {1, 2, 0}, {0, 1, 2}, "reverse"},
        {4, one("FreqOw", "0.6", "0.0", "1.0"), {1, 0, 2}, {2, 0, 1}, "offset"},
        {5, one("Name", "bravo", "ALPHA", "-----"), {1, 0, 2}, {0, 1, 2}, "name"},
        {6, one("TONESet", "TSQL", "OFF", "TONE"), {1, 2, 0}, {0, 2, 1}, "tone"},
        {7, one("TONECode", "100.0", "67.0", "88.5"), {1, 2, 0}, {0, 2, 1}, "RPT tone"},
        {8, one("TSQLCode", "100.0", "67.0", "88.5"), {1, 2, 0}, {0, 2, 1}, "CTCSS tone"},
        {9,
         {{{{"DTCSCode", "023"}, {"DTCSInv", "Inverse"}},
           {{"DTCSCode", "023"}, {"DTCSInv", "Normal"}},
           {{"DTCSCode", "754"}, {"DTCSInv", "Normal"}}}},
         {1, 0, 2},
         {2, 0, 1},
         "DTCS code"},
        {10, one("ANISet", "PGR", "OFF", "CSQL"), {1, 2, 0}, {0, 2, 1}, "PGR"},
        {11, one("ANICode", "C6", "C0", "C2"), {1, 2, 0}, {0, 2, 1}, "PGR CH"},
        {12, one("Skip", "ON", "OFF", "OFF"), {1, 2, 0}, {0, 1, 2}, "skip"},
        {13, one("TXPower", "Low", "High", "High"), {1, 2, 0}, {0, 1, 2}, "TX power"},
        {14, one("TXInhibit", "ON", "OFF", "OFF"), {1, 2, 0}, {0, 1, 2}, "TX inhibit"},
        {15,
         {{{{"SCRMSet", "ON"}, {"SCRMCode", "05"}},
           {{"SCRMSet", "OFF"}, {"SCRMCode", "01"}},
           {{"SCRMSet", "ON"}, {"SCRMCode", "02"}}}},
         {1, 2, 0},
         {0, 2, 1},
         "scrambler"},
    };
    for (const SSortCase& c : cases) {
        const std::string label = std::to_string(c.column);
        sheet = MakeSheet(kAreaMemory);
        std::array<std::map<std::string, std::string>, 3> programmed;
        for (int channel = 0; channel < 3; ++channel) {
            Program(Path(channel), "145.00000", c.leaves[static_cast<size_t>(channel)]);
            programmed[static_cast<size_t>(channel)] = Leaves(Path(channel));
        }
        Program(Path(3), "144.0");
        SetNodeText(Node(Path(3)), "Clear", "ON");  // cleared channels stay last
        const auto expectOrder = [&](const std::array<int, 3>& order, const char* direction) {
            for (int place = 0; place < 3; ++place) {
                EXPECT_EQ(Leaves(Path(place)), programmed[static_cast<size_t>(order[place])])
                    << label << " " << direction << " place " << place;
            }
            EXPECT_EQ(Text(Path(3) + ".Clear"), "ON") << label;
        };
        host.told.clear();
        ClickHeader(c.column);
        expectOrder(c.ascending, "ascending");
        EXPECT_EQ(sheet->horizontalHeader()->sortIndicatorSection(), c.column) << label;
        EXPECT_EQ(sheet->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder) << label;
        ClickHeader(c.column);
        expectOrder(c.descending, "descending");
        EXPECT_EQ(sheet->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder) << label;
        ASSERT_FALSE(host.told.empty()) << label;
        EXPECT_EQ(host.told.back().stepName, std::string("Sort by ") + c.step + ", descending");
        for (const SNodeChange& change : host.told) {
            EXPECT_EQ(change.area, kAreaMemory);
        }
    }
}

TEST_F(ManyChannelsTest, TheHeaderForgetsItsOrderWhenTheChannelsChange) {
    ProgramAndSelect(0, 2);
    ClickHeader(5);
    EXPECT_EQ(host.ui.m_statusTexts.back(), "The memory channels are in that order already.");
    EXPECT_TRUE(host.told.empty());
    EXPECT_EQ(sheet->horizontalHeader()->sortIndicatorSection(), 5);
    host.NodesChanged(SNodeChange::Channels(kAreaMemory, 1, 1));
    EXPECT_EQ(sheet->horizontalHeader()->sortIndicatorSection(), -1);
    ClickHeader(5);  // ascending again: in order already
    EXPECT_EQ(host.told.size(), 1U);
    EXPECT_EQ(sheet->horizontalHeader()->sortIndicatorSection(), 5);
    EXPECT_EQ(sheet->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);

    // While another command runs nothing is sorted, and nothing is said.
    ASSERT_TRUE(CCloneSupportDoc::TryEnterCommand());
    host.ui.m_statusTexts.clear();
    EXPECT_FALSE(sheet->SortBy(z5channel::ESortKey::Frequency, true));
    CCloneSupportDoc::LeaveCommand();
    EXPECT_TRUE(host.ui.m_statusTexts.empty());
    EXPECT_EQ(host.told.size(), 1U);

    // The label does not sort; the scan edges and the call channel never.
    const auto before = Everything();
    ClickHeader(0);
    sheet = MakeSheet(kAreaScanEdge);
    ClickHeader(1);
    EXPECT_EQ(Everything(), before);
    EXPECT_FALSE(sheet->horizontalHeader()->sectionsClickable());
}

TEST_F(ManyChannelsTest, InUseOnlyHidesClearedRowsAndEveryOperationActsOnRealChannels) {
    for (const int channel : {3, 4, 10, 20}) {
        Program(Path(channel), "145.00000", {{"Name", "C" + std::to_string(channel)}});
    }
    sheet->SelectRow(0);
    sheet->SetRowsInUseOnly(true);
    std::vector<int> shown;
    for (int row = 0; row < 100; ++row) {
        if (!sheet->isRowHidden(row)) {
            shown.push_back(row);
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{3, 4, 10, 20}));
    EXPECT_EQ(sheet->GetCellText(10, 0), "10") << "rows keep their channel numbers";
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{3})) << "the selection went to a shown row";
    sheet->selectAll();
    EXPECT_EQ(sheet->SelectedRows(), shown);
    QTest::keyClick(sheet.get(), Qt::Key_End);
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{20}));

    // Insert before channel 10: channels 10.. move down, the new cleared
    // channel is hidden and the selection follows channel 10 to 11.
    sheet->SelectRow(10);
    sheet->InsertItem();
    EXPECT_EQ(GetNodeString(Node(Path(11)), "Name"), "C10");
    EXPECT_EQ(Text(Path(10) + ".Clear"), "ON");
    EXPECT_TRUE(sheet->isRowHidden(10));
    EXPECT_EQ(sheet->SelectedRows(), (std::vector<int>{11}));

    // Paste of two channels onto channel 4 writes channels 4 and 5, the
    // second hidden before.
    Select(3, 4);
    sheet->CopyItem();
    sheet->SelectRow(4);
    sheet->PasteItem();
    EXPECT_EQ(GetNodeString(Node(Path(4)), "Name"), "C3");
    EXPECT_EQ(GetNodeString(Node(Path(5)), "Name"), "C4");
    EXPECT_FALSE(sheet->isRowHidden(5));

    // Shown again: every row.
    sheet->SetRowsInUseOnly(false);
    for (int row = 0; row < 100; ++row) {
        EXPECT_FALSE(sheet->isRowHidden(row)) << row;
    }
    // The scan edges show their cleared rows whatever the setting.
    sheet = MakeSheet(kAreaScanEdge);
    sheet->SetRowsInUseOnly(true);
    EXPECT_FALSE(sheet->isRowHidden(0));
}

TEST_F(ManyChannelsTest, CutCopiesThenClearsAsOneStepButNotTheCallChannel) {
    ProgramAndSelect(5, 7);
    SCommandState state;
    ASSERT_TRUE(sheet->OnUpdateCommand(Cmd::EditCut, state));
    EXPECT_TRUE(state.enabled);
    sheet->OnCommand(Cmd::EditCut);
    const auto records = CChannelClipboard::GetRecords();
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 3U);
    for (int channel = 5; channel <= 7; ++channel) {
        EXPECT_EQ(Text(Path(channel) + ".Clear"), "ON") << channel;
    }
    ASSERT_EQ(host.told.size(), 1U);
    EXPECT_EQ(host.told[0].stepName, "Cut 3 channels");
    sheet->SelectRow(50);
    sheet->PasteItem();
    EXPECT_EQ(GetNodeString(Node(Path(52)), "Name"), "C7");

    sheet = MakeSheet(kAreaCall);
    sheet->SelectRow(0);
    ASSERT_TRUE(sheet->OnUpdateCommand(Cmd::EditCut, state));
    EXPECT_FALSE(state.enabled);
}

TEST_F(ManyChannelsTest, ShiftF10OpensTheContextMenuOfASelectedRow) {
    sheet->SelectRow(4);
    sheet->setFocus();
    QTest::keyClick(sheet.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(host.contextMenus, (std::vector<int>{1000}));
    QTest::keyClick(sheet.get(), Qt::Key_F10);
    EXPECT_EQ(host.contextMenus.size(), 1U) << "F10 alone is no menu key";
}

}  // namespace
