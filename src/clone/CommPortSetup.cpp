#include "clone/CommPortSetup.h"

#include "clone/CloneDocument.h"
#include "clone/Z5ModelInfo.h"
#include "platform/SettingsStore.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"
#include "transport/CloneRsEngine.h"
#include "transport/PortName.h"
#include "transport/SettingsKeys.h"

namespace {

constexpr std::size_t kOptionByteIndex = CZ5ModelInfo::kOptionByteIndex;

}  // namespace

CCommPortSetup::CCommPortSetup(CSettingsStore& settings, CUserInterface& ui)
    : m_settings(settings), m_ui(ui) {}

int CCommPortSetup::InitialPort() const {
    return SettingsKey::ReadInt(m_settings, SettingsKey::kPortNumber);
}

void CCommPortSetup::WriteModelSettings(CSettingsStore& settings, unsigned optionByte) {
    SettingsKey::WriteInt(settings, SettingsKey::kSetup, 1);
    for (const SettingsKey::SOptionSetting& option : SettingsKey::kOptionSettings) {
        SettingsKey::WriteInt(settings, option.setting,
                              static_cast<int>((optionByte >> option.shift) & option.mask));
    }
}

bool CCommPortSetup::Identify(int port) {
    CCloneRsEngine engine(m_ui, &m_settings);
    engine.SetPortNumber(static_cast<std::uint32_t>(port));
    engine.SetModelCode(static_cast<std::uint16_t>(CZ5ModelInfo::kModelCode));
    engine.SetRevision(static_cast<std::uint16_t>(CZ5ModelInfo::kRevision));
    m_ui.BeginWaitCursor();
    const ECloneResult result = engine.CloneInformation();
    m_ui.EndWaitCursor();
    const CCloneRsEngine::SModelInfo& reply = engine.GetModelInfo();
    // Only a QM-Z5 that sent its option byte may set the program up.
    const bool isRadio = result == ECloneResult::Success &&
                         reply.modelCode == CZ5ModelInfo::kModelCode &&
                         reply.dataLength > kOptionByteIndex;
    engine.Beep(isRadio);
    m_lastResult = result == ECloneResult::Success ? result : ECloneResult::Failure;
    if (result == ECloneResult::PortNotOpened) {
        m_lastResult = result;
        const std::string device = CPortName(&m_settings).ResolveNumber(port);
        ReportFailure(Ids::PortNotOpened, Ids::PortNotOpenedBox, device.c_str());
        return false;
    }
    if (result == ECloneResult::Success && !isRadio) {
        m_lastResult = ECloneResult::WrongModel;
        ReportFailure(Ids::RadioNotIdentified, Ids::WrongModelBox, "");
        return false;
    }
    if (!isRadio) {
        ReportFailure(Ids::RadioNotIdentified, Ids::NoAnswerBox, "");
        return false;
    }
    WriteModelSettings(m_settings, reply.data[kOptionByteIndex]);
    SettingsKey::WriteInt(m_settings, SettingsKey::kPortNumber, port);
    return true;
}

void CCommPortSetup::ReportFailure(int statusText, int boxText, const char* argument) {
    m_ui.SetStatusText(CStringTable::Get(statusText));
    m_ui.MessageBox(CStringTable::Format(boxText, argument), CCloneDocument::kMessageTitle,
                    MessageStyle::Ok | MessageStyle::IconExclamation);
}
