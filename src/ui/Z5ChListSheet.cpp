#include "ui/Z5ChListSheet.h"

#include <array>
#include <cstdio>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/ListSheetHost.h"

namespace {

constexpr int kMaxWidth = 200;

// Column 0 is the row label; the other columns are written from the nodes.
constexpr std::array<ListColumnDef, 16> kColumns = {{
    {"CH", EColumnAlign::Right, 28, 20, kMaxWidth, kDefaultColour, kDefaultColour, 3},
    {"Frequency", EColumnAlign::Right, 76, 45, kMaxWidth, kDefaultColour, kDefaultColour, 7},
    {"Duplex", EColumnAlign::Right, 47, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"Reverse", EColumnAlign::Right, 54, 40, kMaxWidth, kDefaultColour, kDefaultColour, 5},
    {"Offset Freq.", EColumnAlign::Right, 73, 45, kMaxWidth, kDefaultColour, kDefaultColour, 7},
    {"Name", EColumnAlign::Right, 57, 45, kMaxWidth, kDefaultColour, kDefaultColour, 6},
    {"Tone", EColumnAlign::Right, 42, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"RPT", EColumnAlign::Right, 49, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"CTCSS", EColumnAlign::Right, 49, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"DTCS", EColumnAlign::Right, 49, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"PGR", EColumnAlign::Right, 42, 40, kMaxWidth, kDefaultColour, kDefaultColour, 4},
    {"PGR CH", EColumnAlign::Right, 55, 40, kMaxWidth, kDefaultColour, kDefaultColour, 5},
    {"Skip", EColumnAlign::Right, 34, 35, kMaxWidth, kDefaultColour, kDefaultColour, 3},
    {"TX Power", EColumnAlign::Right, 61, 40, kMaxWidth, kDefaultColour, kDefaultColour, 6},
    {"TX Inhibit", EColumnAlign::Right, 61, 40, kMaxWidth, kDefaultColour, kDefaultColour, 6},
    {"Scrambler", EColumnAlign::Right, 63, 40, kMaxWidth, kDefaultColour, kDefaultColour, 6},
}};
constexpr int kScramblerColumn = 15;

const ListSheetDef kDefinition = {
    "Memory CH", 100, 16, "Column_ChListSheet", 1000, kColumns,
};

// What a cell text is made of: the channel node and the radio it belongs to.
struct SChannelView {
    const CNode* channel;
    int version;
    bool rxExpansion;
};

std::string LeafText(const SChannelView& view, const char* leaf) {
    return GetNodeText(view.channel, leaf);
}

bool LeafOn(const SChannelView& view, const char* leaf) {
    return GetNodeValue(view.channel, leaf) != 0;
}

std::string FlagText(const SChannelView& view, const char* leaf, const char* text) {
    return LeafOn(view, leaf) ? text : "";
}

std::string FrequencyText(const SChannelView& view) {
    const CNode* node = view.channel->GetChild("FreqRx");
    if (node == nullptr) {
        return {};
    }
    const bool inBand = CZ5ChListSheet::IsInBand(node->GetValue(), view.version, view.rxExpansion);
    return node->GetText() + (inBand ? "" : "(!)");
}

using CellText = std::string (*)(const SChannelView&);

// The text of each column after the row label, in column order.
constexpr std::array<CellText, 15> kCellTexts = {{
    FrequencyText,
    [](const SChannelView& v) { return LeafText(v, "Duplex"); },
    [](const SChannelView& v) { return FlagText(v, "DupRev", "Reverse"); },
    [](const SChannelView& v) { return LeafText(v, "FreqOw"); },
    [](const SChannelView& v) { return LeafText(v, "Name"); },
    [](const SChannelView& v) { return LeafText(v, "TONESet"); },
    [](const SChannelView& v) { return LeafText(v, "TONECode"); },
    [](const SChannelView& v) { return LeafText(v, "TSQLCode"); },
    [](const SChannelView& v) {
        return LeafText(v, "DTCSCode") + (LeafOn(v, "DTCSInv") ? "i" : "N");
    },
    [](const SChannelView& v) { return LeafText(v, "ANISet"); },
    [](const SChannelView& v) { return LeafText(v, "ANICode"); },
    [](const SChannelView& v) { return FlagText(v, "Skip", "Skip"); },
    [](const SChannelView& v) { return FlagText(v, "TXPower", "Low"); },
    [](const SChannelView& v) { return FlagText(v, "TXInhibit", "Inhibit"); },
    [](const SChannelView& v) {
        return LeafOn(v, "SCRMSet") ? LeafText(v, "SCRMCode") : std::string("OFF");
    },
}};
static_assert(kCellTexts.size() + 1 == kColumns.size());

struct SAreaLayout {
    const char* node;
    int rows;
};
constexpr std::array<SAreaLayout, 4> kAreas = {{
    {"", 0},
    {"MCH", 100},
    {"PCH", 6},
    {"CCH", 1},
}};

bool IsArea(int area) {
    return area >= kAreaMemory && area <= kAreaCall;
}

// The receive bands of the market versions, both ends included.
struct SBand {
    long long low;
    long long high;
};
constexpr std::array<SBand, 4> kBands = {{
    {144000000, 146000000},
    {140000000, 150000000},
    {144000000, 148000000},
    {144000000, 146000000},
}};
constexpr SBand kReceiverLimits = {136000000, 174000000};

}  // namespace

CZ5ChListSheet::CZ5ChListSheet(int area, CListSheetHost& host, CSettingsStore& settings,
                               QWidget* parent)
    : CListSheet(kDefinition, host, settings, parent), m_area(IsArea(area) ? area : kAreaMemory) {
    // Channels are shown here; their editors are not part of this sheet yet.
    SetEditable(false);
}

CZ5ChListSheet::~CZ5ChListSheet() = default;

const ListSheetDef& CZ5ChListSheet::Definition() {
    return kDefinition;
}

int CZ5ChListSheet::RowsOfArea(int area) {
    return IsArea(area) ? kAreas[area].rows : 0;
}

int CZ5ChListSheet::ColumnsFor(bool scrambler) {
    return scrambler ? kScramblerColumn + 1 : kScramblerColumn;
}

QString CZ5ChListSheet::RowLabel(int row) const {
    char label[16];
    if (m_area == kAreaScanEdge) {
        std::snprintf(label, sizeof label, "%01d%s", row / 2 + 1, row % 2 == 0 ? "A" : "B");
    } else {
        std::snprintf(label, sizeof label, "%02d", m_area == kAreaCall ? 0 : row);
    }
    return QString::fromLatin1(label);
}

std::string CZ5ChListSheet::ChannelPath(int row) const {
    return std::string(kAreas[m_area].node) + ".CH" + std::to_string(row + GetChannelOffset());
}

bool CZ5ChListSheet::IsInBand(long long hertz, int version, bool rxExpansion) {
    if (hertz < kReceiverLimits.low || hertz > kReceiverLimits.high) {
        return false;
    }
    if (rxExpansion) {
        return true;
    }
    if (version < 0 || version >= static_cast<int>(kBands.size())) {
        return false;
    }
    return hertz >= kBands[version].low && hertz <= kBands[version].high;
}

void CZ5ChListSheet::RefreshRow(int row) {
    if (row < 0 || row >= GetItemCount()) {
        return;
    }
    SetCellText(row, 0, RowLabel(row));
    const CNode* channel = CNode::ResolvePath(ChannelPath(row));
    const int columns = GetColumnCount();
    // A channel that is missing counts as cleared.
    if (channel == nullptr || channel->GetChild("Clear") == nullptr ||
        GetNodeValue(channel, "Clear") != 0) {
        for (int column = 1; column < columns; ++column) {
            SetCellText(row, column, QString());
        }
        return;
    }
    const SChannelView view{channel, Host().GetModelVersion(),
                            Host().HasModelOption("DETOP_RXEXP") == 1};
    const bool scrambler = Host().HasModelOption("DETOP_SCRM") == 1;
    for (int column = 1; column < columns; ++column) {
        if (column == kScramblerColumn && !scrambler) {
            continue;
        }
        SetCellText(row, column, QString::fromStdString(kCellTexts[column - 1](view)));
    }
}
