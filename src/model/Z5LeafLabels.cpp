#include "model/Z5LeafLabels.h"

#include <charconv>
#include <span>
#include <vector>

#include "model/Z5MemoryMap.h"

namespace z5label {
namespace {

using namespace z5leaf;

struct SLeafName {
    const char* leaf;
    const char* name;
    bool record = false;  // the leaf is a memory of its own ("DTMF D3")
};

// The channel leaves by the grid's column titles; those it has no column for
// by the channel window's words.
constexpr SLeafName kChannelNames[] = {
    {kClear, "Cleared"},
    {kFreqRx, "Frequency"},
    {kRef, "Frequency Step"},
    {kFreqOw, "Offset Freq."},
    {kRefOw, "Offset Step"},
    {kTxInhibit, "TX Inhibit"},
    {kTxPower, "TX Power"},
    {kDuplex, "Duplex"},
    {kDupRev, "Reverse"},
    {kName, "Name"},
    {kToneSet, "Tone"},
    {kToneCode, "RPT Tone"},
    {kTsqlCode, "CTCSS"},
    {kDtcsCode, "DTCS"},
    {kDtcsInv, "DTCS Inverse"},
    {kAniSet, "PGR"},
    {kAniCode, "PGR CH"},
    {kScrmSet, "Scrambler"},
    {kScrmCode, "Scrambler Code"},
    {kSkip, "Skip"},
};

// The settings by the labels of their pages; those of the ANI and scrambler
// pages say which page they are on.
constexpr SLeafName kCommonNames[] = {
    {kResume, "ScanResume"},
    {kLight, "LCD Back Light"},
    {kContrast, "LCD Contrast"},
    {kPowSave, "Power Save"},
    {kMicFunc, "SP-31C Function"},
    {kRepeater, "Auto Repeater"},
    {kPowOff, "Auto Power-OFF"},
    {kTot, "Time-Out Timer"},
    {kLockout, "Lockout"},
    {kSqlDelay, "Squelch Delay"},
    {kDialSel, "Dial Select"},
    {kMemoDisp, "Memory Disp"},
    {kFuncMode, "Function Mode"},
    {kScanEdge, "Scan Edge"},
    {kAniFunc, "ANI Function"},
    {kAniFuncTmp, "ANI Function (being edited)"},
    {kAniTot, "ANI Time-Out Timer"},
    {kAniLockout, "ANI Lockout"},
    {kAniTxCh, "ANI TX CH"},
    {kType, "Scrambler Type"},
    {kGCode, "Scrambler Group Code"},
    {kSynchro, "Synchronous Capture"},
    {kTiming, "Tone Start Timing"},
    {kBeep, "Operation Beep"},
    {kDialSpeed, "Dial Speedup"},
    {kCloneComment, "Comment"},
};

constexpr SLeafName kDtmfNames[] = {
    {kSpeed, "Speed"}, {kSelectCh, "Channel Selection"},
    {kD0, "D0", true}, {kD1, "D1", true},
    {kD2, "D2", true}, {kD3, "D3", true},
    {kD4, "D4", true},
};

constexpr SLeafName kPagerNames[] = {{kCode, "Code"}, {kSkip, "Skip"}};

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
    for (const SAreaNames& names : kAreaNames) {
        if (area == names.area.mapName) {
            return &names;
        }
    }
    return nullptr;
}

const SLeafName* FindLeafName(const SAreaNames& area, std::string_view leaf) {
    for (const SLeafName& name : area.leaves) {
        if (leaf == name.leaf) {
            return &name;
        }
    }
    return nullptr;
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

std::string FieldName(const SAreaNames& area, std::string_view leaf) {
    const SLeafName* name = FindLeafName(area, leaf);
    return name != nullptr ? name->name : std::string(leaf);
}

std::string Titled(const char* title, const std::string& number) {
    return number.empty() ? title : std::string(title) + " " + number;
}

SLeafLabel Unknown(std::string_view path) {
    SLeafLabel label;
    label.groupPath = label.groupTitle = std::string(path);
    return label;
}

// "MCH.CH1.FreqRx", "PGR.C4.Code", and the records "MCH.CH1", "PGR.C4".
SLeafLabel RecordLeaf(const SAreaNames& area, const std::vector<std::string_view>& segments,
                      std::string_view path) {
    const bool fits = segments.size() == 2 || segments.size() == 3;
    const int record = fits ? RecordNumber(segments[0], segments[1]) : -1;
    if (record < 0) {
        return Unknown(path);
    }
    return {area.area.mapName, record, std::string(segments[0]) + "." + std::string(segments[1]),
            Titled(area.area.title, RecordTitle(area, record)),
            segments.size() == 3 ? FieldName(area, segments[2]) : ""};
}

// "Common.TOT", "DTMF.Speed", "DTMF.D3" (a memory of its own), and the
// areas "Common", "DTMF".
SLeafLabel AreaLeaf(const SAreaNames& area, const std::vector<std::string_view>& segments,
                    std::string_view path) {
    const SLeafName* name = segments.size() == 2 ? FindLeafName(area, segments[1]) : nullptr;
    if (name != nullptr && name->record) {
        return {area.area.mapName, -1, std::string(path), Titled(area.area.title, name->name), ""};
    }
    if (segments.size() > 2) {
        return Unknown(path);
    }
    return {area.area.mapName, -1, area.area.mapName, area.area.title,
            segments.size() == 2 ? FieldName(area, segments[1]) : ""};
}

}  // namespace

std::string SLeafLabel::Text() const {
    return field.empty() ? groupTitle : groupTitle + " \u00b7 " + field;
}

SLeafLabel LabelOf(std::string_view path) {
    const std::vector<std::string_view> segments = Segments(path);
    const SAreaNames* area = FindAreaNames(segments.front());
    if (area == nullptr) {
        return Unknown(path);
    }
    return RecordLayout(area->area) != nullptr ? RecordLeaf(*area, segments, path)
                                               : AreaLeaf(*area, segments, path);
}

}  // namespace z5label
