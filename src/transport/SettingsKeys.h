// The program's settings (see CSettingsStore) as one schema: every value's
// section and name, its type, its default and who reads and writes it.
// Readers and writers name a value by its constant here and go through
// ReadInt, WriteInt, ReadText, WriteText and IsStored, so that a name and a
// default are each stated once. A numbered family ("File1".."File4") is one
// row whose name is the part before the number.
//
// Nothing here is written to the file unless a writer sets it: the schema's
// defaults are what a reader gets from a file that lacks the value.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/Z5Areas.h"
#include "model/Z5Versions.h"

class CSettingsStore;

namespace SettingsKey {

enum class EType { kInt, kText };

struct SSetting {
    const char* section;
    const char* name;  // a family's name without its number
    EType type;
    int defaultValue;  // an integer's; a text's default is ""
    bool numbered;     // a family: the name is followed by a number
    const char* users;
};

// The sections.
inline constexpr char kModelSection[] = "Model";
inline constexpr char kCommPortSection[] = "CommPort";
inline constexpr char kWindowSection[] = "Window Position";
inline constexpr char kBarStateSection[] = "ToolBarState-Summary";
inline constexpr char kRecentFileSection[] = "Recent File List";
inline constexpr char kColumnSection[] = "Column_ChListSheet";
inline constexpr char kPrintSection[] = "Print";
inline constexpr char kPrinterSection[] = "windows";
inline constexpr char kHistorySection[] = "History";

using enum EType;

// clang-format off
// Section "Model": the radio as the first-start setup found it; the option
// byte's bits, each kept on its own.
inline constexpr SSetting kSetup     {kModelSection, "Setup",     kInt, 0, false, "setup writes 1 once a radio answered; the start and the model check read it"};
inline constexpr SSetting kModelVer  {kModelSection, "ModelVer",  kInt, z5version::kGen, false, "setup writes option byte bits 0-1; the document reads it"};
inline constexpr SSetting kRxexp     {kModelSection, "Rxexp",     kInt, 0, false, "setup; the document reads it and writes it back at its end (bit 2)"};
inline constexpr SSetting kScrambler {kModelSection, "Scrambler", kInt, 0, false, "setup; the document (bit 3)"};
inline constexpr SSetting kAni       {kModelSection, "ANI",       kInt, 0, false, "setup; the document (bit 4)"};
inline constexpr SSetting kOp0       {kModelSection, "OP0",       kInt, 0, false, "setup; the document (bit 5)"};
inline constexpr SSetting kOp1       {kModelSection, "OP1",       kInt, 0, false, "setup; the document (bit 6)"};

// Section "CommPort": the port of the cloning cable.
inline constexpr SSetting kPortNumber {kCommPortSection, "PortNumber", kInt, 1, false, "setup and the serial transfer"};
inline constexpr SSetting kComDevice  {kCommPortSection, "COM",        kText, 0, true, "the device of port n (CPortName); the desktop's port finder writes it"};

// Section "Window Position": the main window at its last close.
inline constexpr SSetting kLeft      {kWindowSection, "Left",      kInt, 5,   false, "main window (CWindowPlacement)"};
inline constexpr SSetting kTop       {kWindowSection, "Top",       kInt, 5,   false, "main window"};
inline constexpr SSetting kWidth     {kWindowSection, "Width",     kInt, 500, false, "main window"};
inline constexpr SSetting kHeight    {kWindowSection, "Height",    kInt, 300, false, "main window"};
inline constexpr SSetting kCmdShow   {kWindowSection, "CmdShow",   kInt, 5,   false, "main window: 3 maximised"};
inline constexpr SSetting kSplitterV {kWindowSection, "SplitterV", kInt, 180, false, "main window: the tree's width"};
inline constexpr SSetting kSplitterH {kWindowSection, "SplitterH", kInt, 0,   false, "main window writes it; nothing reads it"};

// Section "ToolBarState-Summary": the bars.
inline constexpr SSetting kBarState  {kBarStateSection, "State",     kText, 0, false, "main window: Qt's state of the tool bar"};
inline constexpr SSetting kStatusBar {kBarStateSection, "StatusBar", kInt,  1, false, "main window"};

// Section "Recent File List": "File1" (the newest) to "File4".
inline constexpr SSetting kRecentFile {kRecentFileSection, "File", kText, 0, true, "the recent file list"};

// Section "Column_ChListSheet": "Width0".."Width15", each defaulting to its
// column's width (CChannelGrid).
inline constexpr SSetting kColumnWidth {kColumnSection, "Width", kInt, 0, true, "the channel lists"};

// Section "Print": the print dialog's choices.
inline constexpr SSetting kPrintAll      {kPrintSection, "All",                           kInt, 1, false, "print dialog"};
inline constexpr SSetting kPrintCommon   {kPrintSection, z5area::kCommonArea.printKey,    kInt, 0, false, "print dialog"};
inline constexpr SSetting kPrintDtmf     {kPrintSection, z5area::kDtmfArea.printKey,      kInt, 0, false, "print dialog"};
inline constexpr SSetting kPrintPgr      {kPrintSection, z5area::kPagerArea.printKey,     kInt, 0, false, "print dialog"};
inline constexpr SSetting kPrintMch      {kPrintSection, z5area::kMemoryArea.printKey,    kInt, 0, false, "print dialog"};
inline constexpr SSetting kPrintPch      {kPrintSection, z5area::kScanEdgeArea.printKey,  kInt, 0, false, "print dialog"};
inline constexpr SSetting kPrintCch      {kPrintSection, z5area::kCallArea.printKey,      kInt, 0, false, "print dialog"};
inline constexpr SSetting kPrintInUseOnly{kPrintSection, "InUseOnly",                     kInt, 0, false, "print dialog: its default is the list's Channels in Use Only"};

// Section "windows": the printer chosen in the printer setup,
// "name,driver,port".
inline constexpr SSetting kPrinterDevice {kPrinterSection, "device", kText, 0, false, "printer setup writes it; the printer device reads it"};

// Section "History": the radio history and the write's safeguards.
inline constexpr SSetting kHistoryKeep {kHistorySection, "Keep",              kInt, 50, false, "the radio history: entries kept"};
inline constexpr SSetting kBackup      {kHistorySection, "BackupBeforeWrite", kInt, 0,  false, "Clone menu; the write's safeguard"};
inline constexpr SSetting kVerify      {kHistorySection, "VerifyAfterWrite",  kInt, 0,  false, "Clone menu; the write's safeguard"};
// clang-format on

// Every setting, section by section.
std::span<const SSetting* const> Schema();

// The value name of member number of a family ("File1").
std::string NameOf(const SSetting& family, int number);

// A value, or its default when the store lacks it or holds no number.
int ReadInt(const CSettingsStore& store, const SSetting& setting);
std::string ReadText(const CSettingsStore& store, const SSetting& setting);
// Member number of a family; an integer family's default is the caller's.
int ReadInt(const CSettingsStore& store, const SSetting& family, int number, int defaultValue);
std::string ReadText(const CSettingsStore& store, const SSetting& family, int number);

void WriteInt(CSettingsStore& store, const SSetting& setting, int value);
void WriteText(CSettingsStore& store, const SSetting& setting, const std::string& value);
void WriteInt(CSettingsStore& store, const SSetting& family, int number, int value);
void WriteText(CSettingsStore& store, const SSetting& family, int number, const std::string& value);

// Whether the store holds the value.
bool IsStored(const CSettingsStore& store, const SSetting& setting);

// The settings of section "Model" that make the radio's option byte: the
// bit each value starts at, the bits it covers, and whether the document
// writes it back at its end ("ModelVer" is written only by the setup).
struct SOptionSetting {
    const SSetting& setting;
    unsigned shift;
    unsigned mask;
    bool writtenBack;
};
inline constexpr SOptionSetting kOptionSettings[] = {
    {kModelVer, 0, z5version::kOptionMask, false},
    {kRxexp, 2, 0x1, true},
    {kScrambler, 3, 0x1, true},
    {kAni, 4, 0x1, true},
    {kOp0, 5, 0x1, true},
    {kOp1, 6, 0x1, true},
};

}  // namespace SettingsKey
