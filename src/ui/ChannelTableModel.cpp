#include "ui/ChannelTableModel.h"

#include <array>
#include <cstdio>

#include "document/NodeChanges.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/ModelOptions.h"
#include "ui/Z5ChListSheet.h"

namespace {

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

using CellTextOf = std::string (*)(const SChannelView&);

// The text of each column after the row label, in column order.
constexpr std::array<CellTextOf, 15> kCellTexts = {{
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
static_assert(kCellTexts.size() == CChannelTableModel::kScramblerColumn);

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

// A channel that is missing counts as cleared.
bool ShowsCleared(const CNode* channel) {
    return channel == nullptr || channel->GetChild("Clear") == nullptr ||
           GetNodeValue(channel, "Clear") != 0;
}

}  // namespace

CChannelTableModel::CChannelTableModel(const ListSheetDef& def, int area,
                                       const CModelOptions& options, QObject* parent)
    : CListSheetModel(def, parent), m_area(IsArea(area) ? area : kAreaMemory), m_options(options) {}

CChannelTableModel::~CChannelTableModel() = default;

int CChannelTableModel::RowsOfArea(int area) {
    return IsArea(area) ? kAreas[area].rows : 0;
}

QString CChannelTableModel::RowLabel(int row) const {
    char label[16];
    if (m_area == kAreaScanEdge) {
        std::snprintf(label, sizeof label, "%01d%s", row / 2 + 1, row % 2 == 0 ? "A" : "B");
    } else {
        std::snprintf(label, sizeof label, "%02d", m_area == kAreaCall ? 0 : row);
    }
    return QString::fromLatin1(label);
}

std::string CChannelTableModel::ChannelPath(int row) const {
    return std::string(kAreas[m_area].node) + ".CH" + std::to_string(ChannelOfRow(row));
}

CNode* CChannelTableModel::ChannelNode(int row) const {
    return row >= 0 && row < rowCount() ? CNode::ResolvePath(ChannelPath(row)) : nullptr;
}

QString CChannelTableModel::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return QString();
    }
    if (column == 0) {
        return RowLabel(row);
    }
    const CNode* channel = ChannelNode(row);
    if (ShowsCleared(channel) ||
        (column == kScramblerColumn && m_options.HasModelOption("DETOP_SCRM") != 1)) {
        return QString();
    }
    const SChannelView view{channel, m_options.GetModelVersion(),
                            m_options.HasModelOption("DETOP_RXEXP") == 1};
    return QString::fromStdString(kCellTexts[static_cast<size_t>(column - 1)](view));
}

void CChannelTableModel::FollowChange(const SNodeChange& change) {
    if (change.everything) {
        AllRowsChanged();
    } else if (change.area == m_area) {
        RowsChanged(RowOfChannel(change.firstChannel), RowOfChannel(change.lastChannel));
    }
}
