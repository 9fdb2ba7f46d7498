// Sections and value names of the program's settings (see CSettingsStore)
// that the clone layer and the document read and write.
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

// The settings of section "Model" that make the radio's option byte: the
// bit each value starts at, the bits it covers, and whether the document
// writes it back at its end ("ModelVer" is written only by the setup).
struct SOptionSetting {
    const char* name;
    unsigned shift;
    unsigned mask;
    bool writtenBack;
};
inline constexpr SOptionSetting kOptionSettings[] = {
    {kModelVer, 0, 0x3, false}, {kRxexp, 2, 0x1, true}, {kScrambler, 3, 0x1, true},
    {kAni, 4, 0x1, true},       {kOp0, 5, 0x1, true},   {kOp1, 6, 0x1, true},
};

// Section "CommPort": the number of the COM port of the cloning cable.
inline constexpr const char* kCommPortSection = "CommPort";
inline constexpr const char* kPortNumber = "PortNumber";
inline constexpr int kDefaultPortNumber = 1;
}  // namespace SettingsKey
