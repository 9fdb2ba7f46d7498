// The rows of the three pages of the common settings sheet (Common, ANI,
// Scrambler): each caption with the leaf of "Common" it shows and its
// control id, in the order the pages show them. The pages build their
// controls from them and the printout prints the same captions in the same
// order.
#pragma once

#include <array>

#include "model/Z5MemoryMap.h"
#include "platform/Translation.h"

// The captions are written in English and shown and printed translated, with
// the context "settingrows".
//
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
    {QT_TRANSLATE_NOOP("settingrows", "ScanResume"), z5leaf::kResume, 1097},
    {QT_TRANSLATE_NOOP("settingrows", "LCD Back Light"), z5leaf::kLight, 11128},
    {QT_TRANSLATE_NOOP("settingrows", "LCD Contrast"), z5leaf::kContrast, 11129},
    {QT_TRANSLATE_NOOP("settingrows", "Power Save"), z5leaf::kPowSave, 11130},
    {QT_TRANSLATE_NOOP("settingrows", "SP-31C Function"), z5leaf::kMicFunc, 11127},
    {QT_TRANSLATE_NOOP("settingrows", "Auto Repeater"), z5leaf::kRepeater, 1096},
    {QT_TRANSLATE_NOOP("settingrows", "Function Mode"), z5leaf::kFuncMode, 1108},
    {QT_TRANSLATE_NOOP("settingrows", "Auto Power-OFF"), z5leaf::kPowOff, 1095},
    {QT_TRANSLATE_NOOP("settingrows", "Time-Out Timer"), z5leaf::kTot, 1098},
    {QT_TRANSLATE_NOOP("settingrows", "Lockout"), z5leaf::kLockout, 11122},
    {QT_TRANSLATE_NOOP("settingrows", "Squelch Delay"), z5leaf::kSqlDelay, 11123},
    {QT_TRANSLATE_NOOP("settingrows", "Dial Select"), z5leaf::kDialSel, 11124},
    {QT_TRANSLATE_NOOP("settingrows", "Memory Disp"), z5leaf::kMemoDisp, 11125},
    {QT_TRANSLATE_NOOP("settingrows", "Scan Edge"), z5leaf::kScanEdge, 1110},
}};
inline constexpr std::size_t kCommonFirstColumnRows = 7;
// The Common page's check boxes, one under each column of lists.
inline constexpr std::array<SChoiceRow, 2> kCommonChecks{{
    {QT_TRANSLATE_NOOP("settingrows", "Operation Beep"), z5leaf::kBeep, 11149},
    {QT_TRANSLATE_NOOP("settingrows", "Dial Speedup"), z5leaf::kDialSpeed, 11150},
}};
// The Common page's comment line.
inline constexpr SChoiceRow kComment{QT_TRANSLATE_NOOP("settingrows", "Comment"),
                                     z5leaf::kCloneComment, 1053};

// The ANI page: the function (OFF / ON buttons), then its lists.
inline constexpr SSettingLabel kAniFunction{QT_TRANSLATE_NOOP("settingrows", "ANI Function"),
                                            z5leaf::kAniFunc};
inline constexpr std::array<SChoiceRow, 3> kAniLists{{
    {QT_TRANSLATE_NOOP("settingrows", "Lockout"), z5leaf::kAniLockout, 1106},
    {QT_TRANSLATE_NOOP("settingrows", "Time-Out Timer"), z5leaf::kAniTot, 1099},
    {QT_TRANSLATE_NOOP("settingrows", "TX CH"), z5leaf::kAniTxCh, 11126},
}};

// The Scrambler page's lists in the order they are shown and stored.
inline constexpr std::array<SChoiceRow, 4> kScramblerLists{{
    {QT_TRANSLATE_NOOP("settingrows", "Type"), z5leaf::kType, 1100},
    {QT_TRANSLATE_NOOP("settingrows", "Group Code"), z5leaf::kGCode, 1101},
    {QT_TRANSLATE_NOOP("settingrows", "Synchronous Capture"), z5leaf::kSynchro, 1107},
    {QT_TRANSLATE_NOOP("settingrows", "Tone Start Timing"), z5leaf::kTiming, 1111},
}};

}  // namespace settingrows
