#include "model/Z5LeafLabels.h"

#include <charconv>
#include <span>
#include <vector>

#include "model/RowLookup.h"
#include "model/TranslationMark.h"
#include "model/Z5MemoryMap.h"

namespace z5label {
namespace {

using namespace z5leaf;

using translationmark::Lookup;
using translationmark::Shown;

// The names are translated with the context "z5label", the areas' titles
// with "z5area"; a memory's own name ("D3") stays as the radio calls it.
struct SLeafName {
    const char* leaf;
    const char* name;
    bool record = false;  // the leaf is a memory of its own ("DTMF D3")
};

// The channel leaves by the grid's column titles; those it has no column for
// by the channel window's words.
constexpr SLeafName kChannelNames[] = {
    {kClear, QT_TRANSLATE_NOOP("z5label", "Cleared")},
    {kFreqRx, QT_TRANSLATE_NOOP("z5label", "Frequency")},
    {kRef, QT_TRANSLATE_NOOP("z5label", "Frequency Step")},
    {kFreqOw, QT_TRANSLATE_NOOP("z5label", "Offset Freq.")},
    {kRefOw, QT_TRANSLATE_NOOP("z5label", "Offset Step")},
    {kTxInhibit, QT_TRANSLATE_NOOP("z5label", "TX Inhibit")},
    {kTxPower, QT_TRANSLATE_NOOP("z5label", "TX Power")},
    {kDuplex, QT_TRANSLATE_NOOP("z5label", "Duplex")},
    {kDupRev, QT_TRANSLATE_NOOP("z5label", "Reverse")},
    {kName, QT_TRANSLATE_NOOP("z5label", "Name")},
    {kToneSet, QT_TRANSLATE_NOOP("z5label", "Tone")},
    {kToneCode, QT_TRANSLATE_NOOP("z5label", "RPT Tone")},
    {kTsqlCode, QT_TRANSLATE_NOOP("z5label", "CTCSS")},
    {kDtcsCode, QT_TRANSLATE_NOOP("z5label", "DTCS")},
    {kDtcsInv, QT_TRANSLATE_NOOP("z5label", "DTCS Inverse")},
    {kAniSet, QT_TRANSLATE_NOOP("z5label", "PGR")},
    {kAniCode, QT_TRANSLATE_NOOP("z5label", "PGR CH")},
    {kScrmSet, QT_TRANSLATE_NOOP("z5label", "Scrambler")},
    {kScrmCode, QT_TRANSLATE_NOOP("z5label", "Scrambler Code")},
    {kSkip, QT_TRANSLATE_NOOP("z5label", "Skip")},
};

// The settings by the labels of their pages; those of the ANI and scrambler
// pages say which page they are on.
constexpr SLeafName kCommonNames[] = {
    {kResume, QT_TRANSLATE_NOOP("z5label", "ScanResume")},
    {kLight, QT_TRANSLATE_NOOP("z5label", "LCD Back Light")},
    {kContrast, QT_TRANSLATE_NOOP("z5label", "LCD Contrast")},
    {kPowSave, QT_TRANSLATE_NOOP("z5label", "Power Save")},
    {kMicFunc, QT_TRANSLATE_NOOP("z5label", "SP-31C Function")},
    {kRepeater, QT_TRANSLATE_NOOP("z5label", "Auto Repeater")},
    {kPowOff, QT_TRANSLATE_NOOP("z5label", "Auto Power-OFF")},
    {kTot, QT_TRANSLATE_NOOP("z5label", "Time-Out Timer")},
    {kLockout, QT_TRANSLATE_NOOP("z5label", "Lockout")},
    {kSqlDelay, QT_TRANSLATE_NOOP("z5label", "Squelch Delay")},
    {kDialSel, QT_TRANSLATE_NOOP("z5label", "Dial Select")},
    {kMemoDisp, QT_TRANSLATE_NOOP("z5label", "Memory Disp")},
    {kFuncMode, QT_TRANSLATE_NOOP("z5label", "Function Mode")},
    {kScanEdge, QT_TRANSLATE_NOOP("z5label", "Scan Edge")},
    {kAniFunc, QT_TRANSLATE_NOOP("z5label", "ANI Function")},
    {kAniFuncTmp, QT_TRANSLATE_NOOP("z5label", "ANI Function (being edited)")},
    {kAniTot, QT_TRANSLATE_NOOP("z5label", "ANI Time-Out Timer")},
    {kAniLockout, QT_TRANSLATE_NOOP("z5label", "ANI Lockout")},
    {kAniTxCh, QT_TRANSLATE_NOOP("z5label", "ANI TX CH")},
    {kType, QT_TRANSLATE_NOOP("z5label", "Scrambler Type")},
    {kGCode, QT_TRANSLATE_NOOP("z5label", "Scrambler Group Code")},
    {kSynchro, QT_TRANSLATE_NOOP("z5label", "Synchronous Capture")},
    {kTiming, QT_TRANSLATE_NOOP("z5label", "Tone Start Timing")},
    {kBeep, QT_TRANSLATE_NOOP("z5label", "Operation Beep")},
    {kDialSpeed, QT_TRANSLATE_NOOP("z5label", "Dial Speedup")},
    {kCloneComment, QT_TRANSLATE_NOOP("z5label", "Comment")},
};

constexpr SLeafName kDtmfNames[] = {
    {kSpeed, QT_TRANSLATE_NOOP("z5label", "Speed")},
    {kSelectCh, QT_TRANSLATE_NOOP("z5label", "Channel Selection")},
    {kD0, "D0", true},
    {kD1, "D1", true},
    {kD2, "D2", true},
    {kD3, "D3", true},
    {kD4, "D4", true},
};

constexpr SLeafName kPagerNames[] = {{kCode, QT_TRANSLATE_NOOP("z5label", "Code")},
                                     {kSkip, QT_TRANSLATE_NOOP("z5label", "Skip")}};

struct SAreaNames {
    const z5area::SArea& area;
    std::span<const SLeafName> leaves;
};

const SAreaNames kAreaNames[] = {
    {z5area::kMemoryArea, kChannelNames}, {z5area::kScanEdgeArea, kChannelNames},
    {z5area::kCallArea, kChannelNames},   {z5area::kDtmfArea, kDtmfNames},
    {z5area::kPagerArea, kPagerNames},    {z5area::kCommonArea, kCommonNames},
};

// The layout of an area whose records are named ("CH12", "C4"); nullptr for
// an area that is its own record.
const z5map::AreaLayout* RecordLayout(const z5area::SArea& area) {
    const z5map::AreaLayout* layout = z5map::FindArea(area.mapName);
    return layout != nullptr && layout->record_prefix != nullptr ? layout : nullptr;
}

// How a record is numbered after its area's title: a channel by its row
// label ("01", "1A"; nothing for the one call channel), another record by
// its name ("C4").
std::string RecordTitle(const SAreaNames& names, int record) {
    const z5area::SArea& area = names.area;
    if (area.listArea == kAreaNone) {
        return z5map::RecordName(*RecordLayout(area), record);
    }
    return area.records > 1 ? z5area::RowLabel(area, record) : std::string();
}

const SAreaNames* FindAreaNames(std::string_view area) {
    return FindRow(kAreaNames, area, [](const SAreaNames& names) { return names.area.mapName; });
}

const SLeafName* FindLeafName(const SAreaNames& area, std::string_view leaf) {
    return FindRow(area.leaves, leaf, &SLeafName::leaf);
}

std::vector<std::string_view> Segments(std::string_view path) {
    std::vector<std::string_view> segments;
    for (std::size_t start = 0;;) {
        const std::size_t dot = path.find('.', start);
        segments.push_back(path.substr(start, dot == std::string_view::npos ? dot : dot - start));
        if (dot == std::string_view::npos) {
            return segments;
        }
        start = dot + 1;
    }
}

// The number of a record named name ("CH12") in area; -1 when the area has
// no record of that name.
int RecordNumber(std::string_view area, std::string_view name) {
    const z5map::AreaLayout* layout = z5map::FindArea(area);
    const std::string_view prefix =
        layout != nullptr && layout->record_prefix != nullptr ? layout->record_prefix : "";
    if (prefix.empty() || name.size() <= prefix.size() || !name.starts_with(prefix)) {
        return -1;
    }
    const std::string_view digits = name.substr(prefix.size());
    int number = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    const bool whole = error == std::errc() && end == digits.data() + digits.size();
    return whole && number >= 0 && number < layout->record_count &&
                   z5map::RecordName(*layout, number) == name
               ? number
               : -1;
}

std::string FieldName(const SAreaNames& area, std::string_view leaf, Lookup lookup) {
    const SLeafName* name = FindLeafName(area, leaf);
    return name != nullptr ? Shown(lookup, "z5label", name->name) : std::string(leaf);
}

std::string Titled(const z5area::SArea& area, const std::string& number, Lookup lookup) {
    const std::string title = Shown(lookup, "z5area", area.title);
    return number.empty() ? title : title + " " + number;
}

SLeafLabel Unknown(std::string_view path) {
    SLeafLabel label;
    label.groupPath = label.groupTitle = std::string(path);
    return label;
}

// "MCH.CH1.FreqRx", "PGR.C4.Code", and the records "MCH.CH1", "PGR.C4".
SLeafLabel RecordLeaf(const SAreaNames& area, const std::vector<std::string_view>& segments,
                      std::string_view path, Lookup lookup) {
    const bool fits = segments.size() == 2 || segments.size() == 3;
    const int record = fits ? RecordNumber(segments[0], segments[1]) : -1;
    if (record < 0) {
        return Unknown(path);
    }
    return {area.area.mapName, record, std::string(segments[0]) + "." + std::string(segments[1]),
            Titled(area.area, RecordTitle(area, record), lookup),
            segments.size() == 3 ? FieldName(area, segments[2], lookup) : ""};
}

// "Common.TOT", "DTMF.Speed", "DTMF.D3" (a memory of its own), and the
// areas "Common", "DTMF".
SLeafLabel AreaLeaf(const SAreaNames& area, const std::vector<std::string_view>& segments,
                    std::string_view path, Lookup lookup) {
    const SLeafName* name = segments.size() == 2 ? FindLeafName(area, segments[1]) : nullptr;
    if (name != nullptr && name->record) {
        return {area.area.mapName, -1, std::string(path), Titled(area.area, name->name, lookup),
                ""};
    }
    if (segments.size() > 2) {
        return Unknown(path);
    }
    return {area.area.mapName, -1, area.area.mapName, Shown(lookup, "z5area", area.area.title),
            segments.size() == 2 ? FieldName(area, segments[1], lookup) : ""};
}

}  // namespace

std::string SLeafLabel::Text() const {
    return field.empty() ? groupTitle : groupTitle + " \u00b7 " + field;
}

SLeafLabel LabelOf(std::string_view path, Lookup lookup) {
    const std::vector<std::string_view> segments = Segments(path);
    const SAreaNames* area = FindAreaNames(segments.front());
    if (area == nullptr) {
        return Unknown(path);
    }
    return RecordLayout(area->area) != nullptr ? RecordLeaf(*area, segments, path, lookup)
                                               : AreaLeaf(*area, segments, path, lookup);
}

}  // namespace z5label
