#include "ui/ChannelTableModel.h"

#include <array>
#include <cstdio>

#include "document/NodeChanges.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"
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
    const CNode* node = view.channel->GetChild(z5leaf::kFreqRx);
    if (node == nullptr) {
        return {};
    }
    const bool inBand = CZ5ChListSheet::IsInBand(node->GetValue(), view.version, view.rxExpansion);
    return node->GetText() + (inBand ? "" : "(!)");
}

// What the power column shows for a channel on low power: the power leaf's
// own text for that value.
const std::string& LowPowerText() {
    static const std::string text = z5map::ChoiceText(z5area::kMemory, z5leaf::kTxPower, 1);
    return text;
}

using CellTextOf = std::string (*)(const SChannelView&);

// The text of each column after the row label, in column order.
constexpr std::array<CellTextOf, 15> kCellTexts = {{
    FrequencyText,
    [](const SChannelView& v) { return LeafText(v, z5leaf::kDuplex); },
    [](const SChannelView& v) { return FlagText(v, z5leaf::kDupRev, "Reverse"); },
    [](const SChannelView& v) { return LeafText(v, z5leaf::kFreqOw); },
    [](const SChannelView& v) { return LeafText(v, z5leaf::kName); },
    [](const SChannelView& v) { return LeafText(v, z5leaf::kToneSet); },
    [](const SChannelView& v) { return LeafText(v, z5leaf::kToneCode); },
    [](const SChannelView& v) { return LeafText(v, z5leaf::kTsqlCode); },
    [](const SChannelView& v) {
        return LeafText(v, z5leaf::kDtcsCode) + (LeafOn(v, z5leaf::kDtcsInv) ? "i" : "N");
    },
    [](const SChannelView& v) { return LeafText(v, z5leaf::kAniSet); },
    [](const SChannelView& v) { return LeafText(v, z5leaf::kAniCode); },
    [](const SChannelView& v) { return FlagText(v, z5leaf::kSkip, "Skip"); },
    [](const SChannelView& v) { return FlagText(v, z5leaf::kTxPower, LowPowerText().c_str()); },
    [](const SChannelView& v) { return FlagText(v, z5leaf::kTxInhibit, "Inhibit"); },
    [](const SChannelView& v) {
        return LeafOn(v, z5leaf::kScrmSet) ? LeafText(v, z5leaf::kScrmCode) : std::string("OFF");
    },
}};
static_assert(kCellTexts.size() == CChannelTableModel::kScramblerColumn);

// The map's area of each ListArea.
constexpr std::array<const char*, 4> kAreaNames = {"", z5area::kMemory, z5area::kScanEdge,
                                                   z5area::kCall};

bool IsArea(int area) {
    return area >= kAreaMemory && area <= kAreaCall;
}

// A channel that is missing counts as cleared.
bool ShowsCleared(const CNode* channel) {
    return channel == nullptr || channel->GetChild(z5leaf::kClear) == nullptr ||
           GetNodeValue(channel, z5leaf::kClear) != 0;
}

}  // namespace

CChannelTableModel::CChannelTableModel(const ListSheetDef& def, int area,
                                       const CModelOptions& options, QObject* parent)
    : CListSheetModel(def, parent), m_area(IsArea(area) ? area : kAreaMemory), m_options(options) {}

CChannelTableModel::~CChannelTableModel() = default;

int CChannelTableModel::RowsOfArea(int area) {
    return IsArea(area) ? z5map::RecordCount(kAreaNames[area]) : 0;
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
    return z5map::RecordPath(kAreaNames[m_area], ChannelOfRow(row));
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
        (column == kScramblerColumn && m_options.HasModelOption(z5option::kScrambler) != 1)) {
        return QString();
    }
    const SChannelView view{channel, m_options.GetModelVersion(),
                            m_options.HasModelOption(z5option::kReceiveRange) == 1};
    return QString::fromStdString(kCellTexts[static_cast<size_t>(column - 1)](view));
}

void CChannelTableModel::FollowChange(const SNodeChange& change) {
    if (change.everything) {
        AllRowsChanged();
    } else if (change.area == m_area) {
        RowsChanged(RowOfChannel(change.firstChannel), RowOfChannel(change.lastChannel));
    }
}
