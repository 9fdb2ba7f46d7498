// What a screen reader hears of the channel grid's cells: the shown text as
// the cell's name, and a description where a mark or a blank cell says more
// than its text (a frequency outside the radio's band, a flag left off).
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <memory>

#include "EditingTestSupport.h"
#include "model/Z5MemoryMap.h"
#include "ui/Z5ChListSheet.h"

namespace {

class GridCellMeaningTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        // The radio is a GEN version: 146.52 MHz lies outside its band.
        Program("MCH.CH0", "145.50000");
        Program("MCH.CH1", "146.52000");
        Program("MCH.CH2", "145.50000",
                {{z5leaf::kDupRev, "ON"}, {z5leaf::kSkip, "ON"}, {z5leaf::kTxInhibit, "ON"}});
        SetNodeValue(Node("MCH.CH2"), z5leaf::kTxPower, 1);
        SetNodeValue(Node("MCH.CH2"), z5leaf::kDtcsInv, 1);
        SetNodeValue(Node("MCH.CH5"), z5leaf::kClear, 1);
        sheet = std::make_unique<CZ5ChListSheet>(kAreaMemory, host, settings);
        sheet->Reset(CZ5ChListSheet::RowsOfArea(kAreaMemory), 0, CZ5ChListSheet::ColumnsFor(true));
    }

    // The cell's name and description as the accessibility tree gives them.
    std::pair<std::string, std::string> Heard(int row, int column) const {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(sheet.get());
        if (table == nullptr || table->tableInterface() == nullptr) {
            return {"<no table>", ""};
        }
        QAccessibleInterface* cell = table->tableInterface()->cellAt(row, column);
        if (cell == nullptr) {
            return {"<no cell>", ""};
        }
        return {cell->text(QAccessible::Name).toStdString(),
                cell->text(QAccessible::Description).toStdString()};
    }

    std::unique_ptr<CZ5ChListSheet> sheet;
};

TEST_F(GridCellMeaningTest, MarksAndBlankCellsAreDescribed) {
    struct SCase {
        int row;
        int column;
        const char* name;
        const char* description;
    };
    const SCase cases[] = {
        {0, 1, "145.50000", ""},
        {1, 1, "146.52000(!)", "outside the radio's receive range"},
        // Flags left off show nothing; the description says what that means.
        {0, 3, "", "Reverse: off"},
        {0, 12, "", "Skip: off"},
        {0, 13, "", "TX Power: High"},
        {0, 14, "", "TX Inhibit: off"},
        {0, 9, "023N", "normal polarity"},
        // Flags on say themselves.
        {2, 3, "Reverse", ""},
        {2, 12, "Skip", ""},
        {2, 13, "Low", ""},
        {2, 14, "Inhibit", ""},
        {2, 9, "023i", "inverse polarity"},
        // A cleared channel shows only its label.
        {5, 0, "05", "not in use"},
        {5, 1, "", ""},
        {5, 3, "", ""},
        {0, 5, "", ""},
    };
    for (const SCase& c : cases) {
        const auto [name, description] = Heard(c.row, c.column);
        EXPECT_EQ(name, c.name) << c.row << "/" << c.column;
        EXPECT_EQ(description, c.description) << c.row << "/" << c.column;
    }
}

}  // namespace
