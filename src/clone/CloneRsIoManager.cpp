#include "clone/CloneRsIoManager.h"

#include <algorithm>

#include "clone/CloneDocument.h"
#include "clone/CloneManager.h"
#include "clone/ModelCheck.h"
#include "clone/ModelInfo.h"
#include "platform/MemorySettingsStore.h"
#include "platform/SilentUserInterface.h"
#include "platform/StringTable.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"
#include "transport/CloneRsEngine.h"
#include "transport/PortName.h"
#include "transport/SettingsKeys.h"

CPZ5_IMPLEMENT_CLASS(CCloneRsIoManager, CCloneManagerObject)

namespace {

const SCloneResultMessage& MessageOf(ECloneResult result, CCloneRsIoManager::EJob job) {
    const SCloneResultTexts& texts = CloneResultTexts(result);
    switch (job) {
        case CCloneRsIoManager::EJob::Read:
            return texts.read;
        case CCloneRsIoManager::EJob::Write:
            return texts.write;
        default:
            return texts.information;
    }
}

}  // namespace

CCloneRsIoManager::CCloneRsIoManager() = default;

CCloneRsIoManager::~CCloneRsIoManager() {
    if (m_engine && m_settings != nullptr) {
        SettingsKey::WriteInt(*m_settings, SettingsKey::kPortNumber,
                              static_cast<int>(m_engine->GetPortNumber()));
    }
    if (m_tempFile) {
        m_tempFile->Close();
    }
}

void CCloneRsIoManager::Initialize() {
    TakeDocumentServices();
    Attach(nullptr);
}

void CCloneRsIoManager::TakeDocumentServices() {
    if (CCloneDocument* document = Document()) {
        m_ui = &document->UserInterface();
        m_settings = &document->Settings();
        return;
    }
    m_silentUi = std::make_unique<CSilentUserInterface>();
    m_ownSettings = std::make_unique<CMemorySettingsStore>();
    m_ui = m_silentUi.get();
    m_settings = m_ownSettings.get();
}

void CCloneRsIoManager::Attach(std::unique_ptr<CModelInfo> info) {
    m_radioInfo = info ? std::move(info) : std::make_unique<CModelInfo>();
    m_tempName = std::make_unique<CTempFile>(CTempFile::kTransferPrefix);
    m_tempFile = std::make_unique<CTextFile>(m_tempName->Path());
    m_engine = std::make_unique<CCloneRsEngine>(*m_ui, m_settings);
    m_engine->SetReadLineTotal(256);
    const int port = SettingsKey::ReadInt(*m_settings, SettingsKey::kPortNumber);
    m_engine->SetPortNumber(static_cast<std::uint32_t>(port));
    m_engine->SetModelCode(static_cast<std::uint16_t>(m_radioInfo->GetModelCode()));
    m_engine->SetRevision(static_cast<std::uint16_t>(m_radioInfo->GetRevision()));
}

void CCloneRsIoManager::RenewTempFile() {
    m_tempFile->Close();
    m_tempName->Disown();
    m_tempName = std::make_unique<CTempFile>(CTempFile::kTransferPrefix);
    m_tempFile = std::make_unique<CTextFile>(m_tempName->Path());
}

void CCloneRsIoManager::RemoveTempFile() {
    m_tempFile->Close();
    m_tempName->Remove();
}

void CCloneRsIoManager::SetPortNumber(std::uint32_t number) {
    m_engine->SetPortNumber(number);
}

std::uint32_t CCloneRsIoManager::GetPortNumber() const {
    return m_engine->GetPortNumber();
}

const std::string& CCloneRsIoManager::GetTempPath() const {
    return m_tempName->Path();
}

CCloneDocument* CCloneRsIoManager::Document() const {
    return GetOwner() != nullptr ? GetOwner()->GetDocument() : nullptr;
}

CModelInfo* CCloneRsIoManager::GetDocumentInfo() {
    return m_radioInfo.get();
}

CModelInfo* CCloneRsIoManager::GetRadioInfo() {
    return m_radioInfo.get();
}

ECloneFileResult CCloneRsIoManager::LoadTempFile(const std::string&) {
    return ECloneFileResult::Ok;
}

ECloneFileResult CCloneRsIoManager::SaveTempFile(const std::string&) {
    return ECloneFileResult::Ok;
}

ECloneResult CCloneRsIoManager::CheckRadio(const CModelInfo& document, const CModelInfo& radio) {
    return CModelCheck::Check(document, radio);
}

void CCloneRsIoManager::ShowInformation(const CModelInfo& radio) {
    Ui().ShowRadioInformation("QM-XXX  X.X  XXX", radio.GetText());
}

template <class Fn>
ECloneResult CCloneRsIoManager::WithWaitCursor(Fn fn) {
    Ui().BeginWaitCursor();
    const ECloneResult result = fn();
    Ui().EndWaitCursor();
    return result;
}

ECloneResult CCloneRsIoManager::Identify() {
    m_engine->SetModelCode(static_cast<std::uint16_t>(GetDocumentInfo()->GetModelCode()));
    m_engine->SetRevision(0);
    m_tempFile->Close();
    m_engine->SetCloneFile(m_tempFile.get());
    const ECloneResult result = WithWaitCursor([this] { return m_engine->CloneInformation(); });

    const CCloneRsEngine::SModelInfo& answer = m_engine->GetModelInfo();
    CModelInfo& radio = *GetRadioInfo();
    radio.SetModelCode(answer.modelCode);
    radio.SetRevision(answer.revision);
    for (std::size_t i = 0; i < radio.GetDataCapacity(); ++i) {
        radio.SetDataByte(i, i < answer.dataLength ? answer.data[i] : 0);
    }
    radio.UpdateFromData();

    if (result != ECloneResult::Success) {
        return result;
    }
    return CheckRadio(*GetDocumentInfo(), radio);
}

void CCloneRsIoManager::AddressRadio() {
    const CModelInfo& radio = *GetRadioInfo();
    m_engine->SetModelCode(static_cast<std::uint16_t>(radio.GetModelCode()));
    m_engine->SetRevision(static_cast<std::uint16_t>(radio.GetRevision()));
    CCloneRsEngine::SModelInfo record;
    record.modelCode = static_cast<std::uint16_t>(radio.GetModelCode());
    record.revision = static_cast<std::uint16_t>(radio.GetRevision());
    record.dataLength = static_cast<std::uint16_t>(
        std::min(radio.GetDataLength(), CCloneRsEngine::kModelDataCapacity));
    std::copy_n(radio.GetData(), record.dataLength, record.data.begin());
    m_engine->SetModelInfo(record);
}

std::string CCloneRsIoManager::PortDevice() const {
    std::string device = CPortName(m_settings).ResolveNumber(m_engine->GetPortNumber());
    return device.empty() ? CPortName::ComName(m_engine->GetPortNumber()) : device;
}

void CCloneRsIoManager::NoteLocalFailure(const std::string& reason) {
    m_localFailure =
        reason.empty() ? CTranslation::Tr("CCloneRsIoManager", "unknown error") : reason;
}

void CCloneRsIoManager::TakeEngineFileFailure(ECloneResult result) {
    if (result == ECloneResult::BadFile ||
        (result == ECloneResult::Failure &&
         m_engine->GetStatus() == CCloneRsEngine::EStatus::FileError)) {
        NoteLocalFailure(m_engine->GetFileError());
    }
}

// The port's box with the cause of the failure after its first paragraph.
std::string CCloneRsIoManager::WithPortCause(const std::string& box) const {
    const int error = m_engine->GetOpenError();
    if (error == 0) {
        return box;
    }
    const std::string device =
        m_engine->GetDevicePath().empty() ? PortDevice() : m_engine->GetDevicePath();
    const std::string cause =
        CTranslation::Args(CTranslation::Tr("CCloneRsIoManager", "Reason: %1"),
                           {CCommPort::DescribeOpenError(device, error)});
    const std::size_t paragraph = box.find("\n\n");
    if (paragraph == std::string::npos) {
        return box + "\n\n" + cause;
    }
    return box.substr(0, paragraph) + "\n\n" + cause + box.substr(paragraph);
}

void CCloneRsIoManager::ReportResult(EJob job, ECloneResult result) {
    m_engine->Beep(result == ECloneResult::Success);
    const SCloneResultMessage& message = MessageOf(result, job);
    if (message.status != 0) {
        Ui().SetStatusText(CStringTable::Get(message.status));
    }
    std::string box;
    if (result == ECloneResult::Failure && !m_localFailure.empty()) {
        box = CStringTable::Format(Ids::TempFileFailedBox,
                                   m_tempName->Path() + ": " + m_localFailure);
    } else if (message.box != 0) {
        box = CStringTable::Format(message.box, PortDevice());
    }
    if (result == ECloneResult::PortNotOpened) {
        box = WithPortCause(box);
    }
    m_localFailure.clear();
    if (!box.empty()) {
        Ui().MessageBox(box, CCloneDocument::kMessageTitle, MessageStyle::Ok | message.icon);
    }
}

bool CCloneRsIoManager::AskOkCancel(const std::string& question) {
    return Ui().MessageBox(question, CCloneDocument::kMessageTitle,
                           MessageStyle::OkCancel | MessageStyle::IconQuestion) == IDOK;
}

ECloneResult CCloneRsIoManager::ReadFromRadio() {
    if (Document() != nullptr && Document()->IsModified() &&
        !AskOkCancel(CStringTable::Get(Ids::ReadModifiedQuestion1) + "," +
                     CStringTable::Get(Ids::ReadModifiedQuestion2))) {
        return ECloneResult::Cancelled;
    }
    ECloneResult result = Identify();
    if (result == ECloneResult::Success) {
        AddressRadio();
        result = WithWaitCursor([this] { return m_engine->CloneRead(); });
        TakeEngineFileFailure(result);
    }
    // A read that cannot be loaded is a failed read: the document keeps its data.
    if (result == ECloneResult::Success) {
        const ECloneFileResult loaded = LoadTempFile(m_tempName->Path());
        if (loaded != ECloneFileResult::Ok) {
            NoteLocalFailure(std::string(CloneFileResultText(loaded)));
            result = ECloneResult::Failure;
        }
    }
    result = CommandResultOf(result);
    ReportResult(EJob::Read, result);
    return result;
}

// The image into the temporary clone file of the write. A clone file that
// could not be written must never reach the radio.
ECloneResult CCloneRsIoManager::SaveWriteFile() {
    const ECloneFileResult saved = SaveTempFile(m_tempName->Path());
    if (saved != ECloneFileResult::Ok) {
        NoteLocalFailure(std::string(CloneFileResultText(saved)));
        return ECloneResult::Failure;
    }
    return ECloneResult::Success;
}

ECloneResult CCloneRsIoManager::WriteToRadio() {
    if (!AskOkCancel(CStringTable::Get(Ids::WriteQuestion))) {
        return ECloneResult::Cancelled;
    }
    ECloneResult result = Identify();
    if (result == ECloneResult::Success) {
        result = SaveWriteFile();
    }
    if (result == ECloneResult::Success && m_beforeWriting) {
        if (const ECloneResult step = m_beforeWriting(); step != ECloneResult::Success) {
            return step;
        }
    }
    if (result == ECloneResult::Success) {
        AddressRadio();
        m_engine->SetCloneFile(m_tempFile.get());
        result = WithWaitCursor([this] { return m_engine->CloneWrite(); });
        TakeEngineFileFailure(result);
    }
    result = CommandResultOf(result);
    ReportResult(EJob::Write, result);
    return result;
}

ECloneResult CCloneRsIoManager::ShowRadioInformation() {
    const ECloneResult result = CommandResultOf(Identify());
    if (result == ECloneResult::Success) {
        AddressRadio();
        m_engine->Beep(true);
        ShowInformation(*GetRadioInfo());
        return result;
    }
    ReportResult(EJob::Information, result);
    return result;
}
