#include "document/DocWriteSafeguard.h"

#include <cstdio>
#include <utility>

#include "clone/CloneFileIoManager.h"
#include "clone/CloneManager.h"
#include "clone/CloneRsIoManager.h"
#include "clone/ModelInfo.h"
#include "clone/ReadHistory.h"
#include "document/CommandHold.h"
#include "document/Z5CloneSupportDoc.h"
#include "model/EepromDataManager.h"
#include "model/LeafComparison.h"
#include "model/RadioDataManager.h"
#include "platform/SettingsStore.h"
#include "platform/StringTable.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"
#include "transport/CloneRsEngine.h"

namespace {

using Transfer = CCloneRsIoManager;

// At most this many differences are listed in the message; the rest are
// counted.
constexpr std::size_t kListedDifferences = 20;

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string Listed(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < kListedDifferences; ++i) {
        text += lines[i] + "\n";
    }
    if (lines.size() > kListedDifferences) {
        text += CTranslation::Args(CTranslation::Tr("CDocWriteSafeguard", "... and %1 more"),
                                   {std::to_string(lines.size() - kListedDifferences)}) +
                "\n";
    }
    return text;
}

// A line of the list of differences: where, what the write sent and what
// the radio holds there.
std::string Difference(const std::string& where, const std::string& sent, const std::string& held) {
    return CTranslation::Args(CTranslation::Tr("CDocWriteSafeguard", "%1: sent %2, radio holds %3"),
                              {where, sent, held});
}

// A value that one side does not have.
std::string None() {
    return CTranslation::Tr("CDocWriteSafeguard", "(none)");
}

}  // namespace

CDocWriteSafeguard::CDocWriteSafeguard(CZ5CloneSupportDoc& document, HistoryKeeper keep)
    : m_document(document),
      m_keep(std::move(keep)),
      m_readName(std::make_unique<CTempFile>(CTempFile::kCheckPrefix)),
      m_readFile(std::make_unique<CTextFile>(m_readName->Path())) {}

CDocWriteSafeguard::~CDocWriteSafeguard() = default;

bool CDocWriteSafeguard::IsOn(const char* setting) const {
    return m_document.Settings().GetInt(CReadHistory::kSection, setting, 0) != 0;
}

Transfer* CDocWriteSafeguard::SerialTransfer() const {
    return dynamic_cast<Transfer*>(m_document.GetCloneManager().GetSerialTransfer());
}

ECloneResult CDocWriteSafeguard::Write() {
    Transfer* transfer = SerialTransfer();
    if (transfer != nullptr && IsOn(kBackup)) {
        transfer->SetBeforeWriting([this, transfer] { return BackUp(*transfer); });
    }
    const ECloneResult result = m_document.CZ5CloneSupportDoc::OnCloneWrite();
    if (transfer != nullptr) {
        transfer->SetBeforeWriting(nullptr);
    }
    if (result != ECloneResult::Success || !IsOn(kVerify)) {
        return result;
    }
    return Verify();
}

// The memory of the radio the engine speaks to, with the model code and
// revision of the read request, into this object's clone file. The engine
// is left without a clone file.
ECloneResult CDocWriteSafeguard::ReadInto(CCloneRsEngine& engine, std::uint16_t modelCode,
                                          std::uint16_t revision) {
    CCloneFileIoManager* files = m_document.GetCloneManager().GetCloneFileIo();
    if (files == nullptr || !m_readName->IsValid()) {
        return ECloneResult::Failure;
    }
    engine.SetModelCode(modelCode);
    engine.SetRevision(revision);
    engine.SetReadLineTotal(files->GetLineCount());
    m_readFile->Close();
    engine.SetCloneFile(m_readFile.get());
    const ECloneResult result = engine.CloneRead();
    m_readFile->Close();
    engine.SetCloneFile(nullptr);
    return CommandResultOf(result);
}

// Identifies the radio as the transfer does (model code and revision must be
// the document's), then reads it.
ECloneResult CDocWriteSafeguard::ReadRadioBack() {
    Transfer* transfer = SerialTransfer();
    if (transfer == nullptr) {
        return ECloneResult::Failure;
    }
    CCommandHold hold;
    if (!hold.Held()) {
        return ECloneResult::Busy;
    }
    CCloneRsEngine& engine = transfer->GetEngine();
    const CModelInfo& expected = *transfer->GetDocumentInfo();
    engine.SetModelCode(static_cast<std::uint16_t>(expected.GetModelCode()));
    engine.SetRevision(0);
    engine.SetCloneFile(nullptr);
    ECloneResult result = engine.CloneInformation();
    const CCloneRsEngine::SModelInfo& answer = engine.GetModelInfo();
    if (result == ECloneResult::Success && (answer.modelCode != expected.GetModelCode() ||
                                            answer.revision != expected.GetRevision())) {
        result = ECloneResult::WrongModel;
    }
    return result == ECloneResult::Success ? ReadInto(engine, answer.modelCode, answer.revision)
                                           : CommandResultOf(result);
}

// Runs inside the write, which holds the command busy flag and has just
// identified and checked the radio.
ECloneResult CDocWriteSafeguard::BackUp(Transfer& transfer) {
    CUserInterface& ui = m_document.UserInterface();
    ui.SetStatusText(CStringTable::Get(Ids::BackingUp));
    const CModelInfo& radio = *transfer.GetRadioInfo();
    ECloneResult result =
        ReadInto(transfer.GetEngine(), static_cast<std::uint16_t>(radio.GetModelCode()),
                 static_cast<std::uint16_t>(radio.GetRevision()));
    std::string failure =
        result == ECloneResult::Success
            ? ""
            : CTranslation::Tr("CDocWriteSafeguard", "the radio could not be read");
    if (result == ECloneResult::Success) {
        failure = m_keep(m_readName->Path(), radio.GetName(), radio.GetText());
        result = failure.empty() ? result : ECloneResult::NotBackedUp;
    }
    if (result != ECloneResult::Success) {
        ui.Beep(EBeep::Failure);
        ui.SetStatusText(CStringTable::Get(Ids::BackupFailed));
        ui.MessageBox(CStringTable::Format(Ids::BackupFailedBox, failure),
                      CCloneDocument::kMessageTitle, MessageStyle::Ok | MessageStyle::IconError);
    }
    return result;
}

ECloneResult CDocWriteSafeguard::Verify() {
    m_differences.clear();
    m_document.UserInterface().SetStatusText(CStringTable::Get(Ids::Verifying));
    ECloneResult result = ReadRadioBack();
    if (result == ECloneResult::Success) {
        CCloneManager& manager = m_document.GetCloneManager();
        CCloneFileIoManager& files = *manager.GetCloneFileIo();
        const auto& transfer = dynamic_cast<const Transfer&>(*manager.GetSerialTransfer());
        CImageBuffer sent(*manager.GetMemoryImage());
        CImageBuffer held(sent.GetSize());
        // A byte the radio did not send back counts as different.
        for (std::uint32_t address = 0; address < sent.GetSize(); ++address) {
            held.SetByte(address, static_cast<std::uint8_t>(~sent.GetByte(address)));
        }
        if (files.Load(transfer.GetTempPath(), sent) != ECloneFileResult::Ok ||
            files.Load(m_readName->Path(), held) != ECloneFileResult::Ok) {
            result = ECloneResult::Failure;
        } else {
            m_differences = Describe(sent, held);
            result = m_differences.empty() ? result : ECloneResult::NotVerified;
        }
    }
    ReportVerify(result);
    return result;
}

// The leaves whose texts the two images give differently; the bytes when no
// leaf shows the difference. The document's own image and nodes are put
// back as they were.
std::vector<std::string> CDocWriteSafeguard::Describe(const CImageBuffer& sent,
                                                      const CImageBuffer& held) {
    CCloneManager& manager = m_document.GetCloneManager();
    CEepromDataManager& image = *manager.GetMemoryImage();
    CNode& root = *manager.GetRadioData()->GetRoot();
    const CImageBuffer original(image);
    image.Assign(sent);
    manager.LoadNodes();
    const LeafComparison::LeafTexts sentTexts = LeafComparison::TextsOf(root);
    image.Assign(held);
    manager.LoadNodes();
    const LeafComparison::LeafTexts heldTexts = LeafComparison::TextsOf(root);
    image.Assign(original);
    manager.LoadNodes();

    std::vector<std::string> lines;
    for (const auto& difference : LeafComparison::Compare(sentTexts, heldTexts)) {
        lines.push_back(Difference(difference.path, difference.first.value_or(None()),
                                   difference.second.value_or(None())));
    }
    for (std::uint32_t address = 0; lines.empty() && address < sent.GetSize(); ++address) {
        if (sent.GetByte(address) != held.GetByte(address)) {
            lines.push_back(Difference(Hex(address, 4), Hex(sent.GetByte(address), 2),
                                       Hex(held.GetByte(address), 2)));
        }
    }
    return lines;
}

void CDocWriteSafeguard::ReportVerify(ECloneResult result) {
    CUserInterface& ui = m_document.UserInterface();
    if (result == ECloneResult::Success) {
        ui.SetStatusText(CStringTable::Get(Ids::Verified));
        return;
    }
    if (result == ECloneResult::Busy) {
        return;
    }
    ui.Beep(EBeep::Failure);
    ui.SetStatusText(CStringTable::Get(Ids::VerifyFailed));
    const std::string text = result == ECloneResult::NotVerified
                                 ? CStringTable::Format(Ids::VerifyFailedBox, Listed(m_differences))
                                 : CStringTable::Get(Ids::VerifyReadFailedBox);
    ui.MessageBox(text, CCloneDocument::kMessageTitle, MessageStyle::Ok | MessageStyle::IconError);
}
