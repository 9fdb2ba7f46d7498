#include "views/ChannelGrid.h"

#include <array>

#include "document/NodeChanges.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "platform/Translation.h"
#include "transport/SettingsKeys.h"
#include "views/ModelOptions.h"

namespace {

using z5channel::ESortKey;

constexpr int kAnyRadio = -1;

// What a cell text is made of: the channel node and the radio it belongs to
// (version kAnyRadio: none, no band mark).
struct SChannelView {
    const CNode* channel;
    int version;
    bool rxExpansion;
};

using CellTextOf = std::string (*)(const SChannelView&);

std::string LeafText(const SChannelView& view, const char* leaf) {
    return GetNodeText(view.channel, leaf);
}

bool LeafOn(const SChannelView& view, const char* leaf) {
    return GetNodeValue(view.channel, leaf) != 0;
}

template <const char* Leaf>
std::string ChoiceOf(const SChannelView& view) {
    return LeafText(view, Leaf);
}

// A flag column shows a word when its leaf is on, else nothing.
template <const char* Leaf, const char* Word>
std::string WordWhenOn(const SChannelView& view) {
    return LeafOn(view, Leaf) ? CTranslation::Tr("CChannelGrid", Word) : "";
}

// A receive frequency the radio cannot receive (never without a radio).
bool OutsideBand(const SChannelView& view) {
    const CNode* node = view.channel->GetChild(z5leaf::kFreqRx);
    return node != nullptr && view.version != kAnyRadio &&
           !z5channel::IsInBand(node->GetValue(), view.version, view.rxExpansion);
}

std::string FrequencyText(const SChannelView& view) {
    const CNode* node = view.channel->GetChild(z5leaf::kFreqRx);
    if (node == nullptr) {
        return {};
    }
    return node->GetText() + (OutsideBand(view) ? CChannelGrid::kOutOfBandMark : "");
}

// What the power column shows for a channel on low power: the power leaf's
// own text for that value.
std::string LowPowerWord(const SChannelView& view) {
    static const std::string text = z5map::ChoiceText(z5area::kMemory, z5leaf::kTxPower, 1);
    return LeafOn(view, z5leaf::kTxPower) ? text : "";
}

std::string DtcsText(const SChannelView& view) {
    return LeafText(view, z5leaf::kDtcsCode) + (LeafOn(view, z5leaf::kDtcsInv) ? "i" : "N");
}

// What a flag column's empty cell means: the column's title and "off".
template <const char* Title, const char* Leaf>
std::string OffWhenBlank(const SChannelView& view) {
    return LeafOn(view, Leaf) ? ""
                              : CTranslation::Args(CTranslation::Tr("CChannelGrid", "%1: off"),
                                                   {CTranslation::Tr("ListColumnDef", Title)});
}

std::string FrequencyMeaning(const SChannelView& view) {
    return OutsideBand(view) ? CTranslation::Tr("CChannelGrid", "outside the radio's receive range")
                             : "";
}

// The power's own text for high power stays as the radio shows it.
std::string PowerMeaning(const SChannelView& view) {
    if (LeafOn(view, z5leaf::kTxPower)) {
        return "";
    }
    return CTranslation::Args(CTranslation::Tr("CChannelGrid", "TX Power: %1"),
                              {z5map::ChoiceText(z5area::kMemory, z5leaf::kTxPower, 0)});
}

std::string DtcsMeaning(const SChannelView& view) {
    return LeafOn(view, z5leaf::kDtcsInv) ? CTranslation::Tr("CChannelGrid", "inverse polarity")
                                          : CTranslation::Tr("CChannelGrid", "normal polarity");
}

std::string ScramblerText(const SChannelView& view) {
    return LeafOn(view, z5leaf::kScrmSet) ? LeafText(view, z5leaf::kScrmCode) : std::string("OFF");
}

struct SGridColumn {
    ListColumnDef look;
    const char* leaf;  // nullptr: the row label
    CellTextOf text;
    std::optional<ESortKey> sort;
    unsigned roles;
    CellTextOf meaning = nullptr;  // what a mark or a blank cell says; nullptr: nothing
};

// Every column is right-aligned (the row label is drawn on the left
// whatever its alignment), at most kMaxWidth wide, in the list's colours.
constexpr ListColumnDef Look(const char* title, int defaultWidth, int minWidth, int printWidth) {
    constexpr int kMaxWidth = 200;
    return {title,     EColumnAlign::Right, defaultWidth,   minWidth,
            kMaxWidth, kDefaultColour,      kDefaultColour, printWidth};
}

// The words of the flag columns, translated where a cell shows them; the
// first two are also their columns' titles.
inline constexpr char kReverseWord[] = QT_TRANSLATE_NOOP("CChannelGrid", "Reverse");
inline constexpr char kSkipWord[] = QT_TRANSLATE_NOOP("CChannelGrid", "Skip");
inline constexpr char kInhibitWord[] = QT_TRANSLATE_NOOP("CChannelGrid", "Inhibit");
inline constexpr char kInhibitTitle[] = "TX Inhibit";

using namespace z5leaf;
using Role = CChannelGrid::EColumnRole;

constexpr std::array<SGridColumn, CChannelGrid::kColumnCount> kColumns = {{
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "CH"), 28, 20, 3), nullptr, nullptr, std::nullopt, 0},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "Frequency"), 76, 45, 7), kFreqRx, FrequencyText,
     ESortKey::Frequency, Role::kEditsCleared | Role::kChecksBand, FrequencyMeaning},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "Duplex"), 47, 40, 4), kDuplex, ChoiceOf<kDuplex>,
     ESortKey::Duplex, Role::kSetsMany},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "Reverse"), 54, 40, 5), kDupRev,
     WordWhenOn<kDupRev, kReverseWord>, ESortKey::Reverse, Role::kSetsMany,
     OffWhenBlank<kReverseWord, kDupRev>},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "Offset Freq."), 73, 45, 7), kFreqOw,
     ChoiceOf<kFreqOw>, ESortKey::Offset, Role::kSetsMany},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "Name"), 57, 45, 6), kName, ChoiceOf<kName>,
     ESortKey::Name, 0},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "Tone"), 42, 40, 4), kToneSet, ChoiceOf<kToneSet>,
     ESortKey::Tone, Role::kSetsMany},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "RPT"), 49, 40, 4), kToneCode, ChoiceOf<kToneCode>,
     ESortKey::RepeaterTone, Role::kSetsMany},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "CTCSS"), 49, 40, 4), kTsqlCode, ChoiceOf<kTsqlCode>,
     ESortKey::SquelchTone, Role::kSetsMany},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "DTCS"), 49, 40, 4), kDtcsCode, DtcsText,
     ESortKey::DtcsCode, Role::kSetsMany, DtcsMeaning},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "PGR"), 42, 40, 4), kAniSet, ChoiceOf<kAniSet>,
     ESortKey::Pager, Role::kSetsMany},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "PGR CH"), 55, 40, 5), kAniCode, ChoiceOf<kAniCode>,
     ESortKey::PagerMemory, Role::kSetsMany},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "Skip"), 34, 35, 3), kSkip,
     WordWhenOn<kSkip, kSkipWord>, ESortKey::Skip, Role::kSetsMany | Role::kMemoryOnly,
     OffWhenBlank<kSkipWord, kSkip>},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "TX Power"), 61, 40, 6), kTxPower, LowPowerWord,
     ESortKey::Power, Role::kSetsMany, PowerMeaning},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "TX Inhibit"), 61, 40, 6), kTxInhibit,
     WordWhenOn<kTxInhibit, kInhibitWord>, ESortKey::Inhibit, Role::kSetsMany,
     OffWhenBlank<kInhibitTitle, kTxInhibit>},
    {Look(QT_TRANSLATE_NOOP("ListColumnDef", "Scrambler"), 63, 40, 6), kScrmCode, ScramblerText,
     ESortKey::Scrambler, Role::kSetsMany | Role::kScramblerUnit},
}};
static_assert(CChannelGrid::kScramblerColumn == CChannelGrid::kColumnCount - 1);

constexpr std::array<ListColumnDef, CChannelGrid::kColumnCount> kLooks = [] {
    std::array<ListColumnDef, CChannelGrid::kColumnCount> looks{};
    for (std::size_t i = 0; i < looks.size(); ++i) {
        looks[i] = kColumns[i].look;
    }
    return looks;
}();

const ListSheetDef kDefinition = {
    z5area::kMemoryArea.title,
    z5area::kMemoryArea.records,
    CChannelGrid::kColumnCount,
    SettingsKey::kColumnSection,
    1000,
    kLooks,
};

bool IsArea(int area) {
    return z5area::FindByListArea(area) != nullptr;
}

// The column, or the row label for a number out of range.
const SGridColumn& At(int column) {
    return column > 0 && column < CChannelGrid::kColumnCount
               ? kColumns[static_cast<std::size_t>(column)]
               : kColumns[0];
}

std::string TextOf(int column, const SChannelView& view) {
    const CellTextOf text = At(column).text;
    return text != nullptr ? text(view) : std::string();
}

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
    return TextOf(column, view);
}

std::string CChannelGrid::CellMeaning(const CNode* channel, int column,
                                      const CModelOptions& options) {
    if (ShowsCleared(channel)) {
        return column == 0 ? CTranslation::Tr("CChannelGrid", "not in use") : "";
    }
    const CellTextOf meaning = At(column).meaning;
    if (column < 1 || meaning == nullptr) {
        return {};
    }
    const SChannelView view{channel, options.GetModelVersion(),
                            options.HasModelOption(z5option::kReceiveRange) == 1};
    return meaning(view);
}

std::string CChannelGrid::LeafText(const CNode* channel, int column) {
    if (column < 1 || column > kScramblerColumn || channel == nullptr) {
        return {};
    }
    return TextOf(column, {channel, kAnyRadio, false});
}

const char* CChannelGrid::Title(int column) {
    return At(column).look.title;
}

const char* CChannelGrid::Leaf(int column) {
    return At(column).leaf;
}

std::optional<z5channel::ESortKey> CChannelGrid::SortKey(int column) {
    return At(column).sort;
}

bool CChannelGrid::Has(int column, EColumnRole role) {
    return (At(column).roles & role) != 0;
}
