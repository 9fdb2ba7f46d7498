// The channel grid in another language: titles, the words of its cells,
// what a screen reader hears, undo step names and refusals are translated,
// each under the context its text was marked with, while the radio's data
// (frequencies, choice texts, codes, row labels) stays as the radio shows it.
#include <QTranslator>
#include <memory>

#include "EditingTestSupport.h"
#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"
#include "platform/Translation.h"
#include "ui/ChannelTableModel.h"
#include "ui/Z5ChListSheet.h"

namespace {

// A language that writes every text between brackets with its context, so
// that a text looked up under another context than it was marked with
// shows: "[ListColumnDef:Frequency]".
std::string Bracketed(const char* context, const char* source) {
    return std::string("[") + context + ":" + source + "]";
}

class CBracketTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QString::fromStdString(Bracketed(context, source));
    }
    bool isEmpty() const override { return false; }
};

class TranslatedGridTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        QCoreApplication::installTranslator(&translator);
        CTranslation::Install(&Bracketed);
        Program("MCH.CH0", "146.52000");
        Program("MCH.CH1", "145.50000", {{z5leaf::kDupRev, "ON"}, {z5leaf::kTxPower, "Low"}});
        SetNodeValue(Node("MCH.CH1"), z5leaf::kDtcsInv, 1);
        SetNodeValue(Node("MCH.CH5"), z5leaf::kClear, 1);
        sheet = std::make_unique<CZ5ChListSheet>(kAreaMemory, host, settings);
        sheet->Reset(CZ5ChListSheet::RowsOfArea(kAreaMemory), 0, CZ5ChListSheet::ColumnsFor(true));
    }
    void TearDown() override {
        sheet.reset();
        CTranslation::Install(nullptr);
        QCoreApplication::removeTranslator(&translator);
        EditingTest::TearDown();
    }

    std::string Shown(int row, int column, int role = Qt::DisplayRole) const {
        return sheet->model()->index(row, column).data(role).toString().toStdString();
    }

    CBracketTranslator translator;
    std::unique_ptr<CZ5ChListSheet> sheet;
};

TEST_F(TranslatedGridTest, WordsAreTranslatedAndTheRadiosDataStays) {
    EXPECT_EQ(sheet->GetTitle().toStdString(), "[z5area:Memory CH]");
    EXPECT_EQ(sheet->model()->headerData(1, Qt::Horizontal).toString().toStdString(),
              "[ListColumnDef:Frequency]");
    EXPECT_EQ(sheet->model()->headerData(14, Qt::Horizontal).toString().toStdString(),
              "[ListColumnDef:TX Inhibit]");
    struct SCase {
        int row;
        int column;
        const char* shown;
        const char* heard;
    };
    const SCase cases[] = {
        {0, 0, "00", ""},
        {1, 1, "145.50000", ""},
        {0, 1, "146.52000(!)", "[CChannelGrid:outside the radio's receive range]"},
        {1, 3, "[CChannelGrid:Reverse]", ""},
        {0, 3, "", "[CChannelGrid:[ListColumnDef:Reverse]: off]"},
        {0, 14, "", "[CChannelGrid:[ListColumnDef:TX Inhibit]: off]"},
        // The power's and the tones' own texts are the radio's.
        {1, 13, "Low", ""},
        {0, 13, "", "[CChannelGrid:TX Power: High]"},
        {1, 9, "023i", "[CChannelGrid:inverse polarity]"},
        {1, 8, "67.0", ""},
        {5, 0, "05", "[CChannelGrid:not in use]"},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(Shown(c.row, c.column), c.shown) << c.row << "/" << c.column;
        EXPECT_EQ(Shown(c.row, c.column, Qt::AccessibleDescriptionRole), c.heard)
            << c.row << "/" << c.column;
    }
}

TEST_F(TranslatedGridTest, StepNamesAndRefusalsAreOneTranslatedText) {
    sheet->SelectRow(0);
    sheet->selectionModel()->select(
        QItemSelection(sheet->model()->index(0, 0), sheet->model()->index(1, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ASSERT_TRUE(sheet->SetField(8, QStringLiteral("88.5")));
    ASSERT_FALSE(host.told.empty());
    EXPECT_EQ(host.told.back().stepName,
              "[CZ5ChListSheet:Set [ListColumnDef:CTCSS] on [CZ5ChListSheet:2 channels]]");

    ASSERT_TRUE(sheet->SortBy(z5channel::ESortKey::Frequency, false));
    EXPECT_EQ(host.told.back().stepName, "[z5channel:Sort by [z5channel:frequency]]");

    const auto& table = static_cast<const CChannelTableModel&>(*sheet->model());
    EXPECT_EQ(table.RefusalForMany(0, 1, QStringLiteral("abc")).toStdString(),
              "[channelfields:[channelfields:\u201cabc\u201d] [TypedFrequency:is not a frequency "
              "in MHz: type digits with one decimal point or comma, such as 146.52].]");
    EXPECT_EQ(table.RefusalForMany(0, 8, QStringLiteral("1")).toStdString(),
              "[CChannelColumns:\u201c1\u201d is not one of the [ListColumnDef:CTCSS] choices.]");
}

}  // namespace
