#include "views/ChannelGrid.h"

#include <array>

#include "document/NodeChanges.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "transport/SettingsKeys.h"
#include "views/ModelOptions.h"

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

const ListSheetDef kDefinition = {
    z5area::kMemoryArea.title,
    z5area::kMemoryArea.records,
    16,
    SettingsKey::kColumnSection,
    1000,
    kColumns,
};

bool IsArea(int area) {
    return z5area::FindByListArea(area) != nullptr;
}

constexpr int kAnyRadio = -1;

// What a cell text is made of: the channel node and the radio it belongs to
// (version kAnyRadio: none, no band mark).
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
    const bool inBand = view.version == kAnyRadio ||
                        z5channel::IsInBand(node->GetValue(), view.version, view.rxExpansion);
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
static_assert(kCellTexts.size() == CChannelGrid::kScramblerColumn);

}  // namespace

const ListSheetDef& CChannelGrid::Definition() {
    return kDefinition;
}

int CChannelGrid::ColumnsFor(bool scrambler) {
    return scrambler ? kScramblerColumn + 1 : kScramblerColumn;
}

int CChannelGrid::RowsOfArea(int area) {
    return IsArea(area) ? z5area::ChannelArea(area).records : 0;
}

const char* CChannelGrid::AreaTitle(int area) {
    return IsArea(area) ? z5area::ChannelArea(area).title : nullptr;
}

std::string CChannelGrid::RowLabel(int area, int row) {
    return z5area::RowLabel(z5area::ChannelArea(area), row);
}

std::string CChannelGrid::ChannelPath(int area, int channel) {
    return z5map::RecordPath(z5area::ChannelArea(area).mapName, channel);
}

bool CChannelGrid::ShowsCleared(const CNode* channel) {
    return channel == nullptr || channel->GetChild(z5leaf::kClear) == nullptr ||
           GetNodeValue(channel, z5leaf::kClear) != 0;
}

std::string CChannelGrid::CellText(const CNode* channel, int column, const CModelOptions& options) {
    if (column < 1 || column > kScramblerColumn || ShowsCleared(channel) ||
        (column == kScramblerColumn && options.HasModelOption(z5option::kScrambler) != 1)) {
        return {};
    }
    const SChannelView view{channel, options.GetModelVersion(),
                            options.HasModelOption(z5option::kReceiveRange) == 1};
    return kCellTexts[static_cast<std::size_t>(column - 1)](view);
}

std::string CChannelGrid::LeafText(const CNode* channel, int column) {
    if (column < 1 || column > kScramblerColumn || channel == nullptr) {
        return {};
    }
    return kCellTexts[static_cast<std::size_t>(column - 1)]({channel, kAnyRadio, false});
}
