// Sections and value names of the program's settings (see CSettingsStore)
// that the clone layer and the document read and write. Every value is an
// integer.
#pragma once

namespace SettingsKey {
// Section "Model": the radio model as the first-start setup found it.
inline constexpr const char* kModelSection = "Model";
inline constexpr const char* kSetup = "Setup";          // 1 once the radio was identified
inline constexpr const char* kModelVer = "ModelVer";    // option byte bits 0-1
inline constexpr const char* kRxexp = "Rxexp";          // option byte bit 2
inline constexpr const char* kScrambler = "Scrambler";  // bit 3
inline constexpr const char* kAni = "ANI";              // bit 4
inline constexpr const char* kOp0 = "OP0";              // bit 5
inline constexpr const char* kOp1 = "OP1";              // bit 6
}  // namespace SettingsKey
