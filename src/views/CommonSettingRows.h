// The rows of the three pages of the common settings sheet (Common, ANI,
// Scrambler): each caption with the leaf of "Common" it shows and its
// control id, in the order the pages show them. The pages build their
// controls from them and the printout prints the same captions in the same
// order.
#pragma once

#include <array>

#include "model/Z5MemoryMap.h"

// One setting of a page: its caption (also its printed label), its leaf of
// "Common" and its control id. A drop-down list offers the values of the
// leaf's choice range in the memory map; a check box sets the leaf to 0 or 1.
struct SChoiceRow {
    const char* label;
    const char* leaf;
    int controlId;
};

// A setting as the printout lists it: its caption and its leaf of "Common".
struct SSettingLabel {
    const char* label;
    const char* leaf;
};

namespace settingrows {

// The Common page's lists in the order they are shown and stored: the first
// column (kCommonFirstColumnRows of them), then the second.
inline constexpr std::array<SChoiceRow, 14> kCommonLists{{
    {"ScanResume", z5leaf::kResume, 1097},
    {"LCD Back Light", z5leaf::kLight, 11128},
    {"LCD Contrast", z5leaf::kContrast, 11129},
    {"Power Save", z5leaf::kPowSave, 11130},
    {"SP-31C Function", z5leaf::kMicFunc, 11127},
    {"Auto Repeater", z5leaf::kRepeater, 1096},
    {"Function Mode", z5leaf::kFuncMode, 1108},
    {"Auto Power-OFF", z5leaf::kPowOff, 1095},
    {"Time-Out Timer", z5leaf::kTot, 1098},
    {"Lockout", z5leaf::kLockout, 11122},
    {"Squelch Delay", z5leaf::kSqlDelay, 11123},
    {"Dial Select", z5leaf::kDialSel, 11124},
    {"Memory Disp", z5leaf::kMemoDisp, 11125},
    {"Scan Edge", z5leaf::kScanEdge, 1110},
}};
inline constexpr std::size_t kCommonFirstColumnRows = 7;
// The Common page's check boxes, one under each column of lists.
inline constexpr std::array<SChoiceRow, 2> kCommonChecks{{
    {"Operation Beep", z5leaf::kBeep, 11149},
    {"Dial Speedup", z5leaf::kDialSpeed, 11150},
}};
// The Common page's comment line.
inline constexpr SChoiceRow kComment{"Comment", z5leaf::kCloneComment, 1053};

// The ANI page: the function (OFF / ON buttons), then its lists.
inline constexpr SSettingLabel kAniFunction{"ANI Function", z5leaf::kAniFunc};
inline constexpr std::array<SChoiceRow, 3> kAniLists{{
    {"Lockout", z5leaf::kAniLockout, 1106},
    {"Time-Out Timer", z5leaf::kAniTot, 1099},
    {"TX CH", z5leaf::kAniTxCh, 11126},
}};

// The Scrambler page's lists in the order they are shown and stored.
inline constexpr std::array<SChoiceRow, 4> kScramblerLists{{
    {"Type", z5leaf::kType, 1100},
    {"Group Code", z5leaf::kGCode, 1101},
    {"Synchronous Capture", z5leaf::kSynchro, 1107},
    {"Tone Start Timing", z5leaf::kTiming, 1111},
}};

}  // namespace settingrows
