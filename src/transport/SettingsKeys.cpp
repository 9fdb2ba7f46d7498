#include "transport/SettingsKeys.h"

#include "platform/SettingsStore.h"

namespace SettingsKey {
namespace {

constexpr const SSetting* kSchema[] = {
    &kSetup,      &kModelVer,    &kRxexp,     &kScrambler,      &kAni,           &kOp0,
    &kOp1,        &kPortNumber,  &kComDevice, &kLeft,           &kTop,           &kWidth,
    &kHeight,     &kCmdShow,     &kSplitterV, &kSplitterH,      &kBarState,      &kStatusBar,
    &kRecentFile, &kColumnWidth, &kPrintAll,  &kPrintCommon,    &kPrintDtmf,     &kPrintPgr,
    &kPrintMch,   &kPrintPch,    &kPrintCch,  &kPrintInUseOnly, &kPrinterDevice, &kHistoryKeep,
    &kBackup,     &kVerify,
};

}  // namespace

std::span<const SSetting* const> Schema() {
    return kSchema;
}

std::string NameOf(const SSetting& family, int number) {
    return family.name + std::to_string(number);
}

int ReadInt(const CSettingsStore& store, const SSetting& setting) {
    return store.GetInt(setting.section, setting.name, setting.defaultValue);
}

std::string ReadText(const CSettingsStore& store, const SSetting& setting) {
    return store.GetString(setting.section, setting.name, "");
}

int ReadInt(const CSettingsStore& store, const SSetting& family, int number, int defaultValue) {
    return store.GetInt(family.section, NameOf(family, number), defaultValue);
}

std::string ReadText(const CSettingsStore& store, const SSetting& family, int number) {
    return store.GetString(family.section, NameOf(family, number), "");
}

void WriteInt(CSettingsStore& store, const SSetting& setting, int value) {
    store.SetInt(setting.section, setting.name, value);
}

void WriteText(CSettingsStore& store, const SSetting& setting, const std::string& value) {
    store.SetString(setting.section, setting.name, value);
}

void WriteInt(CSettingsStore& store, const SSetting& family, int number, int value) {
    store.SetInt(family.section, NameOf(family, number), value);
}

void WriteText(CSettingsStore& store, const SSetting& family, int number,
               const std::string& value) {
    store.SetString(family.section, NameOf(family, number), value);
}

bool IsStored(const CSettingsStore& store, const SSetting& setting) {
    return store.Contains(setting.section, setting.name);
}

}  // namespace SettingsKey
