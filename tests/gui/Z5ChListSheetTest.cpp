// The channel grid reads every cell from the channel's nodes: labels per
// area, cleared channels, band marks, flags and the scrambler column.
#include <gtest/gtest.h>

#include <array>

#include <QApplication>

#include "GuiTestSupport.h"

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5RadioDataManager.h"
#include "platform/MemorySettingsStore.h"
#include "support/ActiveZ5TreeTest.h"
#include "ui/ListSheetHost.h"
#include "ui/Z5ChListSheet.h"

namespace {

class CRadioHost : public CListSheetHost {
  public:
    int GetListArea() const override { return kAreaMemory; }
    void FocusTree() override {}
    void FocusList() override {}
    void ShowContextMenu(int, const QPoint&) override {}
    int HasModelOption(const std::string& name) const override {
        if (name == "DETOP_RXEXP") {
            return rxExpansion ? 1 : 0;
        }
        if (name == "DETOP_SCRM") {
            return scrambler ? 1 : 0;
        }
        return name == "DETOP_ANI" ? 0 : -1;
    }
    int GetModelVersion() const override { return version; }

    bool rxExpansion = false;
    bool scrambler = false;
    int version = 0;
};

// A QM-Z5 data tree as the active root, every channel cleared.
class Z5ChListSheetTest : public CActiveZ5TreeTest {
  protected:
    CNode* Channel(const char* path) { return CNode::ResolvePath(path); }

    using Leaves = std::vector<std::pair<const char*, const char*>>;
    static void SetLeaves(CNode* channel, const Leaves& leaves) {
        for (const auto& [leaf, text] : leaves) {
            SetNodeText(channel, leaf, text);
        }
    }

    // Fills a channel with data that shows in every column.
    CNode* Program(const char* path, const char* frequency) {
        CNode* channel = Channel(path);
        SetLeaves(channel, {{"Clear", "OFF"},
                            {"FreqRx", frequency},
                            {"Duplex", "-Dup"},
                            {"FreqOw", "0.6"},
                            {"Name", "RPT1"},
                            {"TONESet", "TONE"},
                            {"TONECode", "88.5"},
                            {"TSQLCode", "100.0"},
                            {"DTCSCode", "023"},
                            {"ANISet", "PGR"},
                            {"ANICode", "C3"},
                            {"SCRMSet", "ON"},
                            {"SCRMCode", "2A"}});
        return channel;
    }

    QStringList Row(const CZ5ChListSheet& sheet, int row) {
        QStringList cells;
        for (int column = 0; column < sheet.GetColumnCount(); ++column) {
            cells << sheet.GetCellText(row, column);
        }
        return cells;
    }

    CMemorySettingsStore settings;
    CRadioHost host;
};

TEST_F(Z5ChListSheetTest, EveryColumnShowsItsLeaf) {
    host.scrambler = true;
    CZ5ChListSheet sheet(kAreaMemory, host, settings);
    sheet.Reset(100, 0, CZ5ChListSheet::ColumnsFor(true));
    CNode* channel = Program("MCH.CH12", "145.5");
    EXPECT_EQ(Row(sheet, 12),
              QStringList({"12", "145.50000", "-Dup", "", "0.60000", "RPT1", "TONE", "88.5",
                           "100.0", "023N", "PGR", "C3", "", "", "", "2A"}));

    SetLeaves(channel, {{"DupRev", "ON"},
                        {"DTCSInv", "Inverse"},
                        {"Skip", "ON"},
                        {"TXPower", "Low"},
                        {"TXInhibit", "ON"},
                        {"SCRMSet", "OFF"}});
    const QStringList row = Row(sheet, 12);
    EXPECT_EQ(row[3], "Reverse");
    EXPECT_EQ(row[9], "023i");
    EXPECT_EQ(row[12], "Skip");
    EXPECT_EQ(row[13], "Low");
    EXPECT_EQ(row[14], "Inhibit");
    EXPECT_EQ(row[15], "OFF");
}

TEST_F(Z5ChListSheetTest, AClearedChannelShowsOnlyItsLabel) {
    CZ5ChListSheet sheet(kAreaMemory, host, settings);
    sheet.Reset(100, 0, 15);
    CNode* channel = Program("MCH.CH3", "145.0");
    EXPECT_EQ(sheet.GetCellText(3, 1), "145.00000");
    SetNodeText(channel, "Clear", "ON");
    QStringList expected(15, QString());
    expected[0] = "03";
    EXPECT_EQ(Row(sheet, 3), expected);
}

TEST_F(Z5ChListSheetTest, RowLabelsAndNodesFollowTheArea) {
    struct SCase {
        int area;
        int rows;
        std::vector<const char*> labels;
        const char* lastPath;
    };
    const SCase cases[] = {
        {kAreaMemory, 100, {"00", "01", "09", "10", "99"}, "MCH.CH99"},
        {kAreaScanEdge, 6, {"1A", "1B", "2A", "2B", "3A", "3B"}, "PCH.CH5"},
        {kAreaCall, 1, {"00"}, "CCH.CH0"},
    };
    for (const SCase& c : cases) {
        CZ5ChListSheet sheet(c.area, host, settings);
        sheet.Reset(CZ5ChListSheet::RowsOfArea(c.area), 0, 15);
        EXPECT_EQ(sheet.GetItemCount(), c.rows);
        EXPECT_EQ(sheet.ChannelPath(c.rows - 1), c.lastPath);
        ASSERT_NE(Channel(c.lastPath), nullptr);
        const std::vector<int> rows =
            c.rows == 100 ? std::vector<int>{0, 1, 9, 10, 99} : std::vector<int>{0, 1, 2, 3, 4, 5};
        for (size_t i = 0; i < c.labels.size(); ++i) {
            EXPECT_EQ(sheet.GetCellText(rows[i], 0), c.labels[i]) << "area " << c.area;
        }
    }
}

// (version, receive range extension, frequency) -> marked "(!)".
TEST_F(Z5ChListSheetTest, FrequenciesOutsideTheBandAreMarked) {
    struct SCase {
        int version;
        bool rxExpansion;
        const char* frequency;
        bool marked;
    };
    const SCase cases[] = {
        {0, false, "146.0", false},   {0, false, "146.005", true},  {0, true, "146.005", false},
        {0, false, "144.0", false},   {0, false, "143.995", true},  {1, false, "149.995", false},
        {1, false, "150.005", true},  {2, false, "147.995", false}, {2, false, "148.005", true},
        {3, false, "145.995", false}, {3, false, "146.005", true},  {0, true, "174.005", true},
        {0, true, "135.995", true},   {0, true, "174.0", false},    {0, true, "136.0", false},
        {4, false, "145.0", true},
    };
    CZ5ChListSheet sheet(kAreaMemory, host, settings);
    Program("MCH.CH0", "145.0");
    for (const SCase& c : cases) {
        host.version = c.version;
        host.rxExpansion = c.rxExpansion;
        SetNodeFreq(Channel("MCH.CH0"), "FreqRx", c.frequency);
        EXPECT_EQ(sheet.GetCellText(0, 1).endsWith("(!)"), c.marked)
            << "version " << c.version << " rx " << c.rxExpansion << " " << c.frequency;
    }
}

TEST_F(Z5ChListSheetTest, TheScramblerColumnExistsOnlyWithTheScramblerUnit) {
    EXPECT_EQ(CZ5ChListSheet::ColumnsFor(false), 15);
    EXPECT_EQ(CZ5ChListSheet::ColumnsFor(true), 16);
    CZ5ChListSheet sheet(kAreaMemory, host, settings);
    sheet.Reset(100, 0, 15);
    Program("MCH.CH1", "145.0");
    EXPECT_EQ(sheet.GetColumnCount(), 15);
    EXPECT_EQ(sheet.GetCellText(1, 15), QString());
}

TEST_F(Z5ChListSheetTest, WithoutATreeEveryRowShowsOnlyItsLabel) {
    CNode::SetActiveRoot(nullptr);
    CZ5ChListSheet sheet(kAreaScanEdge, host, settings);
    sheet.Reset(6, 0, 15);
    EXPECT_EQ(sheet.GetCellText(5, 0), "3B");
    EXPECT_EQ(sheet.GetCellText(5, 1), QString());
}

// The grid as the user sees it: channels in use, a band mark, a reverse and
// skipped channel, the scrambler column and the selected row.
TEST_F(Z5ChListSheetTest, GridScreenshot) {
    host.scrambler = true;
    CZ5ChListSheet sheet(kAreaMemory, host, settings);
    sheet.Reset(100, 0, CZ5ChListSheet::ColumnsFor(true));
    Program("MCH.CH0", "145.5");
    SetLeaves(Program("MCH.CH2", "146.52"), {{"DupRev", "ON"}, {"Skip", "ON"}});
    SetLeaves(Program("MCH.CH3", "144.0"), {{"TXPower", "Low"}, {"Name", "A-VERY-LONG"}});
    sheet.SelectRow(2);
    sheet.resize(1000, 200);
    sheet.show();
    sheet.setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(guitest::SaveScreenshot(&sheet, "channel_grid").empty());
}

}  // namespace
