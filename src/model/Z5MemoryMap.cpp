#include "model/Z5MemoryMap.h"

#include <array>
#include <cstdio>
#include <string>

#include "model/BitNode.h"
#include "model/ChoiceList.h"
#include "model/LookupCheck.h"
#include "model/Node.h"
#include "model/NumNode.h"
#include "model/RowLookup.h"
#include "model/StringNode.h"
#include "model/ValueList.h"
#include "model/Z5FreqNode.h"
#include "model/Z5LeafCodecs.h"

namespace z5map {
namespace {

// ---- choice texts (text i names value i) ------------------------------------

constexpr const char* kOffOn[] = {"OFF", "ON"};
constexpr const char* kStepTexts[] = {"5.00k", "6.25k"};
constexpr const char* kPowerTexts[] = {"High", "Low"};
constexpr const char* kDuplexTexts[] = {"OFF", "-Dup", "+Dup"};
constexpr const char* kToneSetTexts[] = {"OFF", "TONE", "TSQL", "DTCS"};
constexpr const char* kToneTexts[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
constexpr const char* kDtcsTexts[] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};
constexpr const char* kPolarityTexts[] = {"Normal", "Inverse"};
constexpr const char* kAniSetTexts[] = {"OFF", "CSQL", "PGR", "ANI"};
constexpr const char* kAniCodeTexts[] = {"C0", "C1", "C2", "C3", "C4", "C5", "C6", "CP"};
constexpr const char* kResumeTexts[] = {" 5 sec", "10 sec", "15 sec", "SCP-2"};
constexpr const char* kLightTexts[] = {"OFF", "ON", "Auto"};
constexpr const char* kContrastTexts[] = {"Low", "Auto"};
constexpr const char* kPowSaveTexts[] = {"OFF", "1:2", "1:8", "1:16", "1:32", "Auto"};
constexpr const char* kMicFuncTexts[] = {"Simple", "Normal 1", "Normal 2"};
constexpr const char* kRepeaterTexts[] = {"OFF", "Dup", "Dup & Tone"};
constexpr const char* kPowOffTexts[] = {"OFF", "30 min", "60 min", "120 min"};
constexpr const char* kLockoutTexts[] = {"OFF", "Rpt.", "Busy"};
constexpr const char* kSqlDelayTexts[] = {"Short", "Long"};
constexpr const char* kDialSelTexts[] = {"Normal", "VOL"};
constexpr const char* kMemoDispTexts[] = {"Freq.", "CH", "Name"};
constexpr const char* kFuncModeTexts[] = {"0 sec", "1 sec", "2 sec", "3 sec", "Always"};
constexpr const char* kScanEdgeTexts[] = {"ALL", "P1", "P2", "P3"};
constexpr const char* kAniLockoutTexts[] = {"OFF", "Busy"};
constexpr const char* kTypeTexts[] = {"Rolling", "Non-Rolling"};
constexpr const char* kGCodeTexts[] = {"1", "2", "3", "4"};
constexpr const char* kSynchroTexts[] = {"Standard", "Continuous"};
constexpr const char* kTimingTexts[] = {"OFF", "0.300 sec", "0.600 sec", "1.100 sec"};
constexpr const char* kDtmfSpeedTexts[] = {"100 msec", "200 msec", "300 msec", "500 msec"};
constexpr const char* kDtmfMemoryTexts[] = {"D0", "D1", "D2", "D3", "D4"};

template <const auto& kTexts>
void Listed(CValueList& choices) {
    std::int32_t value = 0;
    for (const char* text : kTexts) {
        choices.AddName(text, value++);
    }
}

// ---- generated choice texts -------------------------------------------------

constexpr std::int32_t kTimerSteps = 30;
constexpr std::int32_t kMemoryChannels = 100;
constexpr std::int32_t kScrambleCodes = 256;

// "OFF " for 0, then durations of value times stepSeconds as "1m00s".
template <std::int32_t kStepSeconds>
void Timer(CValueList& choices) {
    choices.AddName("OFF ", 0);
    for (std::int32_t value = 1; value <= kTimerSteps; ++value) {
        const std::int32_t seconds = value * kStepSeconds;
        char text[16];
        std::snprintf(text, sizeof text, "%dm%02ds", seconds / 60, seconds % 60);
        choices.AddName(text, value);
    }
}

// "OFF" for 0, then the memory channel number value - 1.
void TransmitChannel(CValueList& choices) {
    choices.AddName("OFF", 0);
    for (std::int32_t channel = 0; channel < kMemoryChannels; ++channel) {
        choices.AddName(std::to_string(channel), channel + 1);
    }
}

// "00" to "FF".
void ScrambleCode(CValueList& choices) {
    for (std::int32_t code = 0; code < kScrambleCodes; ++code) {
        char text[4];
        std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(code));
        choices.AddName(text, code);
    }
}

// ---- the tables -------------------------------------------------------------

const CRuntimeClass* const kNum = &CNumNode::kRuntimeClass;
const CRuntimeClass* const kBit = &CBitNode::kRuntimeClass;
const CRuntimeClass* const kFreq = &CZ5FreqNode::kRuntimeClass;
const CRuntimeClass* const kString = &CStringNode::kRuntimeClass;

constexpr std::uint32_t kSkipBitmap = 0x6C0;
constexpr std::uint32_t kClearBitmap = 0x6D0;

// clang-format off
// One channel record of 16 bytes; the flag rows address the bitmaps directly.
const LeafRow kChannelLeaves[] = {
    // leaf              class    offset        shift width codec            lowest limit  choices
    {z5leaf::kClear,     kBit,    kClearBitmap, 0, 1,  &kFlagBit,          0, 1,           Listed<kOffOn>},
    {z5leaf::kFreqRx,    kFreq,   0,            7, 16, &kReceiveFrequency, 0, 199'990'000, nullptr},
    {z5leaf::kRef,       kBit,    0,            0, 0,  nullptr,            0, 1,           Listed<kStepTexts>},
    {z5leaf::kFreqOw,    kFreq,   2,            6, 16, &kOffsetFrequency,  0, 99'995'000,  nullptr},
    {z5leaf::kRefOw,     kBit,    0,            0, 0,  nullptr,            0, 1,           Listed<kStepTexts>},
    {z5leaf::kTxInhibit, kBit,    6,            0, 1,  &kNumber,           0, 1,           Listed<kOffOn>},
    {z5leaf::kTxPower,   kBit,    5,            5, 1,  &kNumber,           0, 1,           Listed<kPowerTexts>},
    {z5leaf::kDuplex,    kNum,    5,            6, 2,  &kDuplex,           0, 2,           Listed<kDuplexTexts>},
    {z5leaf::kDupRev,    kBit,    6,            1, 1,  &kNumber,           0, 1,           Listed<kOffOn>},
    {z5leaf::kName,      kString, 7,            0, 5,  &kUpperCaseText,    0, 0,           nullptr},
    {z5leaf::kToneSet,   kNum,    4,            3, 3,  &kToneSet,          0, 3,           Listed<kToneSetTexts>},
    {z5leaf::kToneCode,  kNum,    12,           0, 8,  &kNumber,           0, 49,          Listed<kToneTexts>},
    {z5leaf::kTsqlCode,  kNum,    13,           0, 8,  &kNumber,           0, 49,          Listed<kToneTexts>},
    {z5leaf::kDtcsCode,  kNum,    14,           0, 8,  &kNumber,           0, 103,         Listed<kDtcsTexts>},
    {z5leaf::kDtcsInv,   kBit,    5,            3, 1,  &kNumber,           0, 1,           Listed<kPolarityTexts>},
    {z5leaf::kAniSet,    kNum,    4,            0, 3,  &kCappedOrOff,      0, 2,           Listed<kAniSetTexts>},
    {z5leaf::kAniCode,   kNum,    5,            0, 3,  &kNumber,           0, 7,           Listed<kAniCodeTexts>},
    {z5leaf::kScrmSet,   kBit,    5,            4, 1,  &kNumber,           0, 1,           Listed<kOffOn>},
    {z5leaf::kScrmCode,  kNum,    15,           0, 8,  &kScrambleCode,     1, 255,         ScrambleCode},
    {z5leaf::kSkip,      kBit,    kSkipBitmap,  0, 1,  &kFlagBit,          0, 1,           Listed<kOffOn>},
};

// The settings area: absolute addresses.
const LeafRow kCommonLeaves[] = {
    // leaf                 class    offset shift width codec          lowest limit choices
    {z5leaf::kResume,       kNum,    0x6E1, 0, 8,  &kNumber,         0, 3,   Listed<kResumeTexts>},
    {z5leaf::kLight,        kNum,    0x6E4, 0, 8,  &kNumber,         0, 2,   Listed<kLightTexts>},
    {z5leaf::kContrast,     kNum,    0x6F0, 4, 1,  &kNumber,         0, 1,   Listed<kContrastTexts>},
    {z5leaf::kPowSave,      kNum,    0x6F7, 0, 8,  &kNumber,         0, 5,   Listed<kPowSaveTexts>},
    {z5leaf::kMicFunc,      kNum,    0x6F8, 0, 8,  &kNumber,         0, 2,   Listed<kMicFuncTexts>},
    {z5leaf::kRepeater,     kNum,    0x6F2, 0, 8,  &kNumber,         0, 2,   Listed<kRepeaterTexts>},
    {z5leaf::kPowOff,       kNum,    0x6F3, 0, 8,  &kNumber,         0, 3,   Listed<kPowOffTexts>},
    {z5leaf::kTot,          kNum,    0x6F1, 0, 8,  &kNumber,         0, 30,  Timer<60>},
    {z5leaf::kLockout,      kNum,    0x6F4, 0, 8,  &kNumber,         0, 2,   Listed<kLockoutTexts>},
    {z5leaf::kSqlDelay,     kNum,    0x6F0, 6, 1,  &kNumber,         0, 1,   Listed<kSqlDelayTexts>},
    {z5leaf::kDialSel,      kNum,    0x6F0, 5, 1,  &kInvertedBit,    0, 1,   Listed<kDialSelTexts>},
    {z5leaf::kMemoDisp,     kNum,    0x6F6, 0, 8,  &kNumber,         0, 2,   Listed<kMemoDispTexts>},
    {z5leaf::kFuncMode,     kNum,    0x6E3, 0, 8,  &kNumber,         0, 4,   Listed<kFuncModeTexts>},
    {z5leaf::kScanEdge,     kNum,    0x6E2, 0, 8,  &kNumber,         0, 3,   Listed<kScanEdgeTexts>},
    {z5leaf::kAniFunc,      kBit,    0x6F0, 2, 1,  &kNumber,         0, 1,   Listed<kOffOn>},
    {z5leaf::kAniFuncTmp,   kBit,    0,     0, 0,  nullptr,          0, 1,   Listed<kOffOn>},
    {z5leaf::kAniTot,       kNum,    0x6F9, 0, 8,  &kNumber,         0, 30,  Timer<30>},
    {z5leaf::kAniLockout,   kBit,    0x6F0, 1, 1,  &kNumber,         0, 1,   Listed<kAniLockoutTexts>},
    {z5leaf::kAniTxCh,      kNum,    0x6FA, 0, 8,  &kChannelPlusOne, 0, 100, TransmitChannel},
    {z5leaf::kType,         kNum,    0x6E5, 3, 1,  &kNumber,         0, 1,   Listed<kTypeTexts>},
    {z5leaf::kGCode,        kNum,    0x6E5, 0, 2,  &kNumber,         0, 3,   Listed<kGCodeTexts>},
    {z5leaf::kSynchro,      kNum,    0x6E5, 6, 2,  &kMirroredBit,    0, 1,   Listed<kSynchroTexts>},
    {z5leaf::kTiming,       kNum,    0x6E5, 4, 2,  &kNumber,         0, 3,   Listed<kTimingTexts>},
    {z5leaf::kBeep,         kBit,    0x6F0, 7, 1,  &kNumber,         0, 1,   Listed<kOffOn>},
    {z5leaf::kDialSpeed,    kBit,    0x6F0, 3, 1,  &kNumber,         0, 1,   Listed<kOffOn>},
    {z5leaf::kCloneComment, kString, 0x780, 0, 16, &kText,           0, 0,   nullptr},
};

// The DTMF area: absolute addresses; each memory is 12 bytes of digits and a
// count byte.
const LeafRow kDtmfLeaves[] = {
    // leaf             class    offset shift width codec      lowest limit choices
    {z5leaf::kSpeed,    kNum,    0x6F5, 0, 8,  &kNumber,     0, 3,  Listed<kDtmfSpeedTexts>},
    {z5leaf::kSelectCh, kNum,    0x6E7, 0, 8,  &kNumber,     0, 4,  Listed<kDtmfMemoryTexts>},
    {z5leaf::kD0,       kString, 0x700, 0, 12, &kDtmfDigits, 0, 24, nullptr},
    {z5leaf::kD1,       kString, 0x710, 0, 12, &kDtmfDigits, 0, 24, nullptr},
    {z5leaf::kD2,       kString, 0x720, 0, 12, &kDtmfDigits, 0, 24, nullptr},
    {z5leaf::kD3,       kString, 0x730, 0, 12, &kDtmfDigits, 0, 24, nullptr},
    {z5leaf::kD4,       kString, 0x740, 0, 12, &kDtmfDigits, 0, 24, nullptr},
};

// One pager memory of 2 bytes: three code nibbles and the skip nibble.
const LeafRow kPagerLeaves[] = {
    // leaf         class    offset shift width codec  lowest limit choices
    {z5leaf::kCode, kString, 0, 0, 2, &kPagerCode, 0, 0, nullptr},
    {z5leaf::kSkip, kBit,    1, 0, 4, &kPagerSkip, 0, 1, Listed<kOffOn>},
};

constexpr AreaLayout Layout(const z5area::SArea& area, const char* recordPrefix,
                           std::uint32_t firstRecord, std::uint32_t recordSize, int firstFlag,
                           std::span<const LeafRow> leaves) {
    return {area.mapName, recordPrefix, firstRecord, area.records, recordSize, firstFlag, leaves};
}

const AreaLayout kAreas[] = {
    //     area                   records first  size first flag, leaves
    Layout(z5area::kMemoryArea,   "CH",    0x000, 16, 0,   kChannelLeaves),
    Layout(z5area::kScanEdgeArea, "CH",    0x640, 16, 100, kChannelLeaves),
    Layout(z5area::kCallArea,     "CH",    0x6A0, 16, -1,  kChannelLeaves),
    Layout(z5area::kDtmfArea,     nullptr, 0,     0,  -1,  kDtmfLeaves),
    Layout(z5area::kPagerArea,    "C",     0x750, 2,  -1,  kPagerLeaves),
    Layout(z5area::kCommonArea,   nullptr, 0,     0,  -1,  kCommonLeaves),
};
// clang-format on

constexpr std::string_view kCodecOrder[] = {z5area::kCommon, z5area::kMemory, z5area::kScanEdge,
                                            z5area::kCall,   z5area::kDtmf,   z5area::kPager};

// An option is set when the option byte AND mask equals value.
struct OptionBits {
    const char* name;
    std::uint8_t mask;
    std::uint8_t value;
};
constexpr OptionBits kOptions[] = {
    {z5option::kReceiveRange, 0x04, 0x04},
    {z5option::kScrambler, 0x68, 0x68},
    {z5option::kAni, 0x70, 0x50},
};

}  // namespace

std::span<const AreaLayout> AreasInTreeOrder() {
    return kAreas;
}

std::span<const std::string_view> AreasInCodecOrder() {
    return kCodecOrder;
}

const AreaLayout* FindArea(std::string_view name) {
    return FindRow(kAreas, name, &AreaLayout::name);
}

const LeafRow* FindLeaf(const AreaLayout& area, std::string_view leaf) {
    return FindRow(area.leaves, leaf, &LeafRow::leaf);
}

const AreaLayout* Area(std::string_view name) {
    const AreaLayout* area = FindArea(name);
    if (area == nullptr) {
        ReportUnknownName("area", name);
    }
    return area;
}

const LeafRow* Leaf(std::string_view area, std::string_view leaf) {
    const AreaLayout* layout = Area(area);
    const LeafRow* row = layout != nullptr ? FindLeaf(*layout, leaf) : nullptr;
    if (layout != nullptr && row == nullptr) {
        ReportUnknownName("leaf", std::string(area) + "." + std::string(leaf));
    }
    return row;
}

std::uint32_t RecordAddress(const AreaLayout& area, int record) {
    return area.first_record + area.record_size * static_cast<std::uint32_t>(record);
}

std::int32_t ReceiveFrequency(const CImageBuffer& image, const AreaLayout& area, int record) {
    const LeafRow* row = FindLeaf(area, z5leaf::kFreqRx);
    if (row == nullptr) {
        ReportUnknownName("leaf", z5leaf::kFreqRx);
        return 0;
    }
    return FrequencyInImage(image, *row, RecordAddress(area, record));
}

std::string RecordName(const AreaLayout& area, int record) {
    return std::string(area.record_prefix != nullptr ? area.record_prefix : "") +
           std::to_string(record);
}

std::string RecordPath(std::string_view area, int record) {
    const AreaLayout* layout = Area(area);
    return layout != nullptr ? std::string(area) + "." + RecordName(*layout, record)
                             : std::string();
}

int RecordCount(std::string_view area) {
    const AreaLayout* layout = Area(area);
    return layout != nullptr ? layout->record_count : 0;
}

std::optional<FlagBit> FlagPosition(const AreaLayout& area, std::string_view flagLeaf, int record) {
    const LeafRow* row = FindLeaf(area, flagLeaf);
    if (row == nullptr) {
        ReportUnknownName("leaf", flagLeaf);
        return std::nullopt;
    }
    if (row->codec != &kFlagBit || area.first_flag < 0) {
        return std::nullopt;
    }
    const auto flag = static_cast<std::uint32_t>(area.first_flag + record);
    return FlagBit{row->offset + flag / 8, flag % 8};
}

ValueRange ChoiceRange(std::string_view area, std::string_view leaf) {
    const LeafRow* row = Leaf(area, leaf);
    return row != nullptr ? ValueRange{row->lowest, row->limit} : ValueRange{0, -1};
}

std::vector<std::string> ChoiceTexts(std::string_view area, std::string_view leaf) {
    const LeafRow* row = Leaf(area, leaf);
    std::vector<std::string> texts;
    if (row == nullptr || row->choices == nullptr) {
        return texts;
    }
    CValueList choices(row->lowest, row->limit);
    row->choices(choices);
    for (std::int32_t value = row->lowest; value <= row->limit; ++value) {
        texts.push_back(choices.TextOf(value));
    }
    return texts;
}

bool FillLeafChoices(CNode* parent, std::string_view area, std::string_view leaf,
                     CChoiceList& list) {
    const ValueRange range = ChoiceRange(area, leaf);
    return FillChoiceList(parent, leaf, list, range.lowest, range.highest, true);
}

std::string ChoiceText(std::string_view area, std::string_view leaf, std::int32_t value) {
    const LeafRow* row = Leaf(area, leaf);
    if (row == nullptr || row->choices == nullptr) {
        return {};
    }
    CValueList choices(row->lowest, row->limit);
    row->choices(choices);
    return choices.TextOf(value);
}

std::optional<Band> VersionBand(int version) {
    const z5version::SVersion* market = z5version::Find(version);
    return market != nullptr ? std::optional<Band>(market->band) : std::nullopt;
}

int FindOption(std::uint8_t optionByte, std::string_view option) {
    for (const OptionBits& bits : kOptions) {
        if (option == bits.name) {
            return (optionByte & bits.mask) == bits.value ? 1 : 0;
        }
    }
    return -1;
}

int HasOption(std::uint8_t optionByte, std::string_view option) {
    const int set = FindOption(optionByte, option);
    if (set < 0) {
        ReportUnknownName("option", option);
    }
    return set;
}

}  // namespace z5map
