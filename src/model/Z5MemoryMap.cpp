#include "model/Z5MemoryMap.h"

#include <array>
#include <cstdio>
#include <string>

#include "model/BitNode.h"
#include "model/Node.h"
#include "model/NumNode.h"
#include "model/StringNode.h"
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
    // leaf        class    offset        shift width codec               limit        choices
    {"Clear",      kBit,    kClearBitmap, 0, 1,  &kFlagBit,          1,           Listed<kOffOn>},
    {"FreqRx",     kFreq,   0,            7, 16, &kReceiveFrequency, 199'990'000, nullptr},
    {"Ref",        kBit,    0,            0, 0,  nullptr,            1,           Listed<kStepTexts>},
    {"FreqOw",     kFreq,   2,            6, 16, &kOffsetFrequency,  99'995'000,  nullptr},
    {"RefOw",      kBit,    0,            0, 0,  nullptr,            1,           Listed<kStepTexts>},
    {"TXInhibit",  kBit,    6,            0, 1,  &kNumber,           1,           Listed<kOffOn>},
    {"TXPower",    kBit,    5,            5, 1,  &kNumber,           1,           Listed<kPowerTexts>},
    {"Duplex",     kNum,    5,            6, 2,  &kDuplex,           2,           Listed<kDuplexTexts>},
    {"DupRev",     kBit,    6,            1, 1,  &kNumber,           1,           Listed<kOffOn>},
    {"Name",       kString, 7,            0, 5,  &kUpperCaseText,    0,           nullptr},
    {"TONESet",    kNum,    4,            3, 3,  &kToneSet,          3,           Listed<kToneSetTexts>},
    {"TONECode",   kNum,    12,           0, 8,  &kNumber,           49,          Listed<kToneTexts>},
    {"TSQLCode",   kNum,    13,           0, 8,  &kNumber,           49,          Listed<kToneTexts>},
    {"DTCSCode",   kNum,    14,           0, 8,  &kNumber,           103,         Listed<kDtcsTexts>},
    {"DTCSInv",    kBit,    5,            3, 1,  &kNumber,           1,           Listed<kPolarityTexts>},
    {"ANISet",     kNum,    4,            0, 3,  &kCappedOrOff,      2,           Listed<kAniSetTexts>},
    {"ANICode",    kNum,    5,            0, 3,  &kNumber,           7,           Listed<kAniCodeTexts>},
    {"SCRMSet",    kBit,    5,            4, 1,  &kNumber,           1,           Listed<kOffOn>},
    {"SCRMCode",   kNum,    15,           0, 8,  &kScrambleCode,     255,         ScrambleCode},
    {"Skip",       kBit,    kSkipBitmap,  0, 1,  &kFlagBit,          1,           Listed<kOffOn>},
};

// The settings area: absolute addresses.
const LeafRow kCommonLeaves[] = {
    // leaf          class    offset  shift width codec             limit choices
    {"Resume",       kNum,    0x6E1,  0, 8,  &kNumber,          3,    Listed<kResumeTexts>},
    {"Light",        kNum,    0x6E4,  0, 8,  &kNumber,          2,    Listed<kLightTexts>},
    {"Contrast",     kNum,    0x6F0,  4, 1,  &kNumber,          1,    Listed<kContrastTexts>},
    {"PowSave",      kNum,    0x6F7,  0, 8,  &kNumber,          5,    Listed<kPowSaveTexts>},
    {"MicFunc",      kNum,    0x6F8,  0, 8,  &kNumber,          2,    Listed<kMicFuncTexts>},
    {"Repeater",     kNum,    0x6F2,  0, 8,  &kNumber,          2,    Listed<kRepeaterTexts>},
    {"PowOff",       kNum,    0x6F3,  0, 8,  &kNumber,          3,    Listed<kPowOffTexts>},
    {"TOT",          kNum,    0x6F1,  0, 8,  &kNumber,          30,   Timer<60>},
    {"Lockout",      kNum,    0x6F4,  0, 8,  &kNumber,          2,    Listed<kLockoutTexts>},
    {"SqlDelay",     kNum,    0x6F0,  6, 1,  &kNumber,          1,    Listed<kSqlDelayTexts>},
    {"DialSel",      kNum,    0x6F0,  5, 1,  &kInvertedBit,     1,    Listed<kDialSelTexts>},
    {"MemoDisp",     kNum,    0x6F6,  0, 8,  &kNumber,          2,    Listed<kMemoDispTexts>},
    {"FuncMode",     kNum,    0x6E3,  0, 8,  &kNumber,          4,    Listed<kFuncModeTexts>},
    {"ScanEdge",     kNum,    0x6E2,  0, 8,  &kNumber,          3,    Listed<kScanEdgeTexts>},
    {"AniFunc",      kBit,    0x6F0,  2, 1,  &kNumber,          1,    Listed<kOffOn>},
    {"AniFuncTmp",   kBit,    0,      0, 0,  nullptr,           1,    Listed<kOffOn>},
    {"AniTOT",       kNum,    0x6F9,  0, 8,  &kNumber,          30,   Timer<30>},
    {"AniLockout",   kBit,    0x6F0,  1, 1,  &kNumber,          1,    Listed<kAniLockoutTexts>},
    {"AniTxCh",      kNum,    0x6FA,  0, 8,  &kChannelPlusOne,  100,  TransmitChannel},
    {"Type",         kNum,    0x6E5,  3, 1,  &kNumber,          1,    Listed<kTypeTexts>},
    {"GCode",        kNum,    0x6E5,  0, 2,  &kNumber,          3,    Listed<kGCodeTexts>},
    {"Synchro",      kNum,    0x6E5,  6, 2,  &kMirroredBit,     1,    Listed<kSynchroTexts>},
    {"Timing",       kNum,    0x6E5,  4, 2,  &kNumber,          3,    Listed<kTimingTexts>},
    {"Beep",         kBit,    0x6F0,  7, 1,  &kNumber,          1,    Listed<kOffOn>},
    {"DialSpeed",    kBit,    0x6F0,  3, 1,  &kNumber,          1,    Listed<kOffOn>},
    {"CloneComment", kString, 0x780,  0, 16, &kText,            0,    nullptr},
};

// The DTMF area: absolute addresses; each memory is 12 bytes of digits and a
// count byte.
const LeafRow kDtmfLeaves[] = {
    // leaf      class    offset  shift width codec          limit choices
    {"Speed",    kNum,    0x6F5,  0, 8,  &kNumber,      3,    Listed<kDtmfSpeedTexts>},
    {"SelectCh", kNum,    0x6E7,  0, 8,  &kNumber,      4,    Listed<kDtmfMemoryTexts>},
    {"D0",       kString, 0x700,  0, 12, &kDtmfDigits,  24,   nullptr},
    {"D1",       kString, 0x710,  0, 12, &kDtmfDigits,  24,   nullptr},
    {"D2",       kString, 0x720,  0, 12, &kDtmfDigits,  24,   nullptr},
    {"D3",       kString, 0x730,  0, 12, &kDtmfDigits,  24,   nullptr},
    {"D4",       kString, 0x740,  0, 12, &kDtmfDigits,  24,   nullptr},
};

// One pager memory of 2 bytes: three code nibbles and the skip nibble.
const LeafRow kPagerLeaves[] = {
    // leaf  class    offset shift width codec         limit choices
    {"Code", kString, 0,     0, 2,  &kPagerCode,  0,    nullptr},
    {"Skip", kBit,    1,     0, 4,  &kPagerSkip,  1,    Listed<kOffOn>},
};

const AreaLayout kAreas[] = {
    // name     records first  count size first flag leaves
    {"MCH",    "CH",    0x000, 100,  16,  0,         kChannelLeaves},
    {"PCH",    "CH",    0x640, 6,    16,  100,       kChannelLeaves},
    {"CCH",    "CH",    0x6A0, 1,    16,  -1,        kChannelLeaves},
    {"DTMF",   nullptr, 0,     1,    0,   -1,        kDtmfLeaves},
    {"PGR",    "C",     0x750, 7,    2,   -1,        kPagerLeaves},
    {"Common", nullptr, 0,     1,    0,   -1,        kCommonLeaves},
};
// clang-format on

constexpr std::string_view kCodecOrder[] = {"Common", "MCH", "PCH", "CCH", "DTMF", "PGR"};

}  // namespace

std::span<const AreaLayout> AreasInTreeOrder() {
    return kAreas;
}

std::span<const std::string_view> AreasInCodecOrder() {
    return kCodecOrder;
}

const AreaLayout* FindArea(std::string_view name) {
    for (const AreaLayout& area : kAreas) {
        if (name == area.name) {
            return &area;
        }
    }
    return nullptr;
}

}  // namespace z5map
