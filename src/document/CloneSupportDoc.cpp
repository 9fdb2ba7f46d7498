#include "document/CloneSupportDoc.h"

#include <atomic>

#include "clone/CloneFileIoManager.h"
#include "clone/CloneFileResult.h"
#include "clone/CloneManager.h"
#include "clone/CloneRsIoManager.h"
#include "clone/DefaultDataManager.h"
#include "clone/LineReader.h"
#include "clone/ModelManager.h"
#include "model/EepromDataManager.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"
#include "model/Z5Areas.h"
#include "model/Z5MemoryMap.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsStore.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"
#include "platform/WaitCursor.h"
#include "transport/SettingsKeys.h"

namespace {

constexpr SMemoryRange kBaseMemoryRange[] = {{0x0000, 0x0FFF}, {0xFFFF, 0xFFFF}};

// Lines longer than any valid clone file line are cut when copied: they stay
// too long for a header or data line, and a comment line stays a comment.
constexpr std::size_t kCopiedLineLimit = CCloneFileIoManager::kMaxDataLineLength + 1;

std::atomic<int> g_commandBusy{0};

CNode* RootOf(CCloneManager& manager) {
    CRadioDataManager* map = manager.GetRadioData();
    return map != nullptr ? map->GetRoot() : nullptr;
}

std::string ResultWithDetail(ECloneFileResult result, const std::string& detail) {
    const std::string text(CloneFileResultText(result));
    return detail.empty() ? text : text + ": " + detail;
}

CDocument::SFileResult Succeeded() {
    return {true, std::string(CloneFileResultText(ECloneFileResult::Ok))};
}

// A channel as the channel lists label it: "CH 12", "scan edge 1A", "call
// channel".
std::string ChannelLabel(int area, int channel) {
    if (area == kAreaScanEdge) {
        return CTranslation::Args(CTranslation::Tr("CCloneSupportDoc", "scan edge %1"),
                                  {z5area::RowLabel(z5area::kScanEdgeArea, channel)});
    }
    return area == kAreaCall ? CTranslation::Tr("CCloneSupportDoc", "call channel")
                             : CTranslation::Args(CTranslation::Tr("CCloneSupportDoc", "CH %1"),
                                                  {std::to_string(channel)});
}

// The name of a step: the change's own, else the verb and the first
// channel that changed.
std::string StepName(const std::string& verb, const SNodeChange& change) {
    if (!change.stepName.empty()) {
        return change.stepName;
    }
    if (change.everything || change.area == kAreaNone) {
        return verb.empty() ? CTranslation::Tr("CCloneSupportDoc", "Edit settings") : verb;
    }
    const std::string label = ChannelLabel(change.area, change.firstChannel);
    if (verb.empty()) {
        return CTranslation::Args(CTranslation::Tr("CCloneSupportDoc", "Edit %1"), {label});
    }
    //: A step of the history: what was done ("Delete") and the first channel
    //: it changed ("CH 12").
    return CTranslation::Args(CTranslation::Tr("CCloneSupportDoc", "%1 %2"), {verb, label});
}

}  // namespace

CCloneSupportDoc::CCloneSupportDoc(CSettingsStore& settings, CUserInterface& ui)
    : CDocument(ui), m_settings(settings) {}

CCloneSupportDoc::~CCloneSupportDoc() {
    if (m_manager != nullptr && CNode::GetActiveRoot() == RootOf(*m_manager)) {
        CNode::SetActiveRoot(nullptr);
    }
    m_manager.reset();
    m_tempFile.reset();
}

void CCloneSupportDoc::InitializeClone(std::unique_ptr<CCloneManager> manager) {
    m_manager = std::move(manager);
    m_manager->SetDocument(this);
    m_manager->LinkComponents();
    if (CModelManager* models = m_manager->GetModelManager()) {
        models->SetVersion(SettingsKey::ReadInt(m_settings, SettingsKey::kModelVer), false);
    }
    m_manager->ResetToDefaults();
    m_tempFile = std::make_unique<CTempFile>(CTempFile::kDocumentPrefix);
    CNode::SetActiveRoot(RootOf(*m_manager));
    m_recording =
        m_nodeChanges.Subscribe([this](const SNodeChange& change) { RecordStep(change); });
    StartFreshHistory();
}

bool CCloneSupportDoc::IsModified() {
    if (CDocument::IsModified()) {
        return true;
    }
    CNode* root = m_manager != nullptr ? RootOf(*m_manager) : nullptr;
    return root != nullptr && root->IsModifiedTree();
}

void CCloneSupportDoc::SetModifiedFlag(bool modified) {
    CDocument::SetModifiedFlag(modified);
}

std::span<const SMemoryRange> CCloneSupportDoc::GetMemoryRange() const {
    return kBaseMemoryRange;
}

void CCloneSupportDoc::OnModelChanged() {
    if (m_onModelChanged) {
        m_onModelChanged();
    }
}

void CCloneSupportDoc::AnnounceChange(const SNodeChange& change) {
    if (change.edit) {
        SetModifiedFlag(true);
    }
    m_nodeChanges.Announce(change);
}

void CCloneSupportDoc::OnModelReset() {
    AnnounceChange(SNodeChange::Everything(false));
    StartFreshHistory();
    if (m_onModelReset) {
        m_onModelReset();
    }
}

int CCloneSupportDoc::HasModelOption(std::string_view name) const {
    const CModelManager* models = m_manager != nullptr ? m_manager->GetModelManager() : nullptr;
    const std::uint8_t options = models != nullptr ? models->GetModelInfo().GetOptionByte() : 0;
    return z5map::FindOption(options, name);
}

// The bytes of the memory range as the nodes would store them; the image
// itself stays as it is (it may hold what the nodes cannot show until the
// next save).
CUndoHistory::State CCloneSupportDoc::CurrentState() {
    const CEepromDataManager* image = m_manager != nullptr ? m_manager->GetMemoryImage() : nullptr;
    CRadioDataManager* map = m_manager != nullptr ? m_manager->GetRadioData() : nullptr;
    if (image == nullptr || map == nullptr) {
        return {};
    }
    CImageBuffer stored(*image);
    map->NodesToImage(map->GetRoot(), stored);
    CUndoHistory::State state;
    for (const SMemoryRange& range : StateRanges()) {
        state.insert(state.end(), stored.Data() + range.first, stored.Data() + range.last + 1);
    }
    return state;
}

void CCloneSupportDoc::StartFreshHistory() {
    m_stepVerb.clear();
    m_history.Reset(CurrentState());
}

void CCloneSupportDoc::RecordStep(const SNodeChange& change) {
    if (m_withoutStep) {
        return;
    }
    m_history.Record(StepName(m_stepVerb, change), CurrentState());
    m_stepVerb.clear();
}

bool CCloneSupportDoc::Restore(const CUndoHistory::State* state) {
    CEepromDataManager* image = m_manager != nullptr ? m_manager->GetMemoryImage() : nullptr;
    if (state == nullptr || image == nullptr) {
        return false;
    }
    std::size_t offset = 0;
    for (const SMemoryRange& range : StateRanges()) {
        const std::uint32_t count = range.last - range.first + 1;
        if (offset + count <= state->size()) {
            image->Write(range.first, state->data() + offset, count);
        }
        offset += count;
    }
    m_manager->LoadNodes();
    m_withoutStep = true;
    AnnounceChange(SNodeChange::Everything(false));
    m_withoutStep = false;
    SetModifiedFlag(!m_history.IsClean());
    return true;
}

// The ranges of the memory range that lie in the image.
std::vector<SMemoryRange> CCloneSupportDoc::StateRanges() const {
    const CEepromDataManager* image = m_manager != nullptr ? m_manager->GetMemoryImage() : nullptr;
    std::vector<SMemoryRange> ranges;
    for (const SMemoryRange& range : GetMemoryRange()) {
        if (image != nullptr && range.first <= range.last &&
            image->IsValidRange(range.first, range.last - range.first + 1)) {
            ranges.push_back(range);
        }
    }
    return ranges;
}

bool CCloneSupportDoc::Undo() {
    return Restore(m_history.Undo());
}

bool CCloneSupportDoc::Redo() {
    return Restore(m_history.Redo());
}

bool CCloneSupportDoc::TryEnterCommand() {
    int free = 0;
    return g_commandBusy.compare_exchange_strong(free, 1);
}

void CCloneSupportDoc::LeaveCommand() {
    g_commandBusy = 0;
}

CDocument::SFileResult CCloneSupportDoc::OpenFile(const std::string& path) {
    CWaitCursor wait(&GetUserInterface());
    SFileResult result = CopyIntoTempFile(path);
    if (result.ok) {
        result = LoadTempFile();
    }
    if (!result.ok) {
        return result;
    }
    m_manager->LoadNodes();
    SetModifiedFlag(false);
    SetPathName(path);
    AnnounceChange(SNodeChange::Everything(false));
    StartFreshHistory();
    WarnIfCutShort(path);
    return result;
}

// The temporary file gets the lines of path with "\n" ends, whatever ends
// they had (a file saved here has CR LF).
CDocument::SFileResult CCloneSupportDoc::CopyIntoTempFile(const std::string& path) {
    CLineReader source(kCopiedLineLimit);
    if (!source.Open(path)) {
        return {false, ResultWithDetail(ECloneFileResult::CannotOpenFile, source.Error())};
    }
    if (m_tempFile == nullptr || !m_tempFile->IsValid()) {
        return NoTempFile();
    }
    CTextFile temp(m_tempFile->Path());
    if (!temp.OpenForWrite()) {
        return TempFileFailed(temp.Error());
    }
    std::string line;
    bool written = true;
    while (written && source.ReadLine(line)) {
        written = temp.WriteLine(line);
    }
    written = temp.Close() && written;
    if (source.HasError()) {
        return {false, ResultWithDetail(ECloneFileResult::CannotOpenFile, source.Error())};
    }
    return written ? Succeeded() : TempFileFailed(temp.Error());
}

// The file is read over the factory image of the model version, so that what
// a file cut short does not hold is factory data rather than what the
// document held before; a file that does not read Ok leaves the image as
// it was.
CDocument::SFileResult CCloneSupportDoc::LoadTempFile() {
    CCloneFileIoManager* files = m_manager->GetCloneFileIo();
    CEepromDataManager* image = m_manager->GetMemoryImage();
    if (files == nullptr || image == nullptr) {
        return {false, ResultWithDetail(ECloneFileResult::Error, "")};
    }
    const CImageBuffer before(*image);
    if (CDefaultDataManager* defaults = m_manager->GetDefaultData()) {
        const CModelManager* models = m_manager->GetModelManager();
        defaults->CopyAll(models != nullptr ? models->GetVersion() : 0);
    }
    const ECloneFileResult result = files->Load(m_tempFile->Path(), *image);
    if (result != ECloneFileResult::Ok) {
        image->Assign(before);
        return {false, ResultWithDetail(result, files->GetFailureReason())};
    }
    return Succeeded();
}

std::string CCloneSupportDoc::CutShortNote(const std::string& path) const {
    const CCloneFileIoManager* files = m_manager->GetCloneFileIo();
    if (files == nullptr || files->CoveredWholeImage()) {
        return {};
    }
    return CTranslation::Args(
        CTranslation::Tr("CCloneSupportDoc",
                         "%1 holds only %2 of the %3 data lines of a full clone file"),
        {path, std::to_string(files->GetDataLinesRead()), std::to_string(files->GetLineCount())});
}

void CCloneSupportDoc::WarnIfCutShort(const std::string& path) {
    const std::string note = CutShortNote(path);
    if (note.empty()) {
        return;
    }
    const std::string warning = CTranslation::Args(
        CTranslation::Tr("CCloneSupportDoc", "%1; the rest is factory data."), {note});
    GetUserInterface().SetStatusText(warning);
    GetUserInterface().MessageBox(warning, kMessageTitle,
                                  MessageStyle::Ok | MessageStyle::IconExclamation);
}

CDocument::SFileResult CCloneSupportDoc::SaveFile(const std::string& path) {
    CWaitCursor wait(&GetUserInterface());
    SFileResult result = StoreTempFile();
    if (result.ok) {
        result = CopyTempFileTo(path);
    }
    if (result.ok) {
        SetModifiedFlag(false);
        SetPathName(path);
        m_history.MarkClean();
    }
    return result;
}

// The nodes go into the image and the image, through the clone file writer,
// into the temporary file.
CDocument::SFileResult CCloneSupportDoc::StoreTempFile() {
    CCloneFileIoManager* files = m_manager->GetCloneFileIo();
    CEepromDataManager* image = m_manager->GetMemoryImage();
    if (files == nullptr || image == nullptr) {
        return {false, ResultWithDetail(ECloneFileResult::Error, "")};
    }
    if (m_tempFile == nullptr || !m_tempFile->IsValid()) {
        return NoTempFile();
    }
    m_manager->StoreNodes();
    const ECloneFileResult result = files->Save(m_tempFile->Path(), GetMemoryRange(), *image);
    if (result != ECloneFileResult::Ok) {
        return {false, ResultWithDetail(result, TempFileProblem(files->GetFailureReason()))};
    }
    return Succeeded();
}

// Every line of the temporary file, ended by CR LF, replaces the file at
// path only when all of it reached the disk.
CDocument::SFileResult CCloneSupportDoc::CopyTempFileTo(const std::string& path) {
    CLineReader temp(SIZE_MAX);
    if (!temp.Open(m_tempFile->Path())) {
        return {false, ResultWithDetail(ECloneFileResult::Error, TempFileProblem(temp.Error()))};
    }
    CReplacingFile target(path);
    if (!target.Open()) {
        return {false, ResultWithDetail(ECloneFileResult::CannotOpenFile, target.Error())};
    }
    std::string line;
    while (temp.ReadLine(line)) {
        target.Write(line);
        target.Write("\r\n");
    }
    if (temp.HasError()) {
        return {false, ResultWithDetail(ECloneFileResult::Error, TempFileProblem(temp.Error()))};
    }
    if (!target.Commit()) {
        return {false, ResultWithDetail(ECloneFileResult::Error, target.Error())};
    }
    return Succeeded();
}

std::string CCloneSupportDoc::TempFileProblem(const std::string& reason) const {
    std::string text = CTranslation::Args(
        CTranslation::Tr("CCloneSupportDoc", "the temporary file %1 could not be written"),
        {m_tempFile->Path()});
    return reason.empty() ? text : text + ": " + reason;
}

CDocument::SFileResult CCloneSupportDoc::TempFileFailed(const std::string& reason) const {
    return {false, ResultWithDetail(ECloneFileResult::Error, TempFileProblem(reason))};
}

CDocument::SFileResult CCloneSupportDoc::NoTempFile() const {
    const std::string reason = m_tempFile != nullptr ? m_tempFile->Error() : std::string();
    return {false, ResultWithDetail(
                       ECloneFileResult::Error,
                       CTranslation::Args(CTranslation::Tr("CCloneSupportDoc",
                                                           "no temporary file could be made in %1"),
                                          {reason}))};
}

CCloneRsIoManager* CCloneSupportDoc::SerialTransfer() const {
    return dynamic_cast<CCloneRsIoManager*>(m_manager->GetSerialTransfer());
}

void CCloneSupportDoc::OnComPort(unsigned number) {
    if (CCloneRsIoManager* transfer = SerialTransfer()) {
        transfer->SetPortNumber(number);
    }
}

bool CCloneSupportDoc::IsComPortChecked(unsigned number) const {
    CCloneRsIoManager* transfer = SerialTransfer();
    return transfer != nullptr && transfer->GetPortNumber() == number;
}

void CCloneSupportDoc::RenewTempFiles() {
    if (m_tempFile != nullptr) {
        m_tempFile->Disown();
    }
    m_tempFile = std::make_unique<CTempFile>(CTempFile::kDocumentPrefix);
    if (CCloneRsIoManager* transfer = SerialTransfer()) {
        transfer->RenewTempFile();
    }
}

void CCloneSupportDoc::RemoveTempFiles() {
    m_tempFile.reset();
    if (CCloneRsIoManager* transfer = SerialTransfer()) {
        transfer->RemoveTempFile();
    }
}

ECloneResult CCloneSupportDoc::RunGuarded(ECloneResult (CCloneRsIoManager::*command)(),
                                          bool bringsData) {
    CCloneRsIoManager* transfer = SerialTransfer();
    if (transfer == nullptr) {
        return ECloneResult::Failure;
    }
    if (!TryEnterCommand()) {
        return ECloneResult::Busy;
    }
    const ECloneResult result = (transfer->*command)();
    // A read brings new data, and a write may clear channels the radio
    // would refuse: the views show the nodes anew. Only a read is a step of
    // the history: after a write or an information the data is as it was.
    m_withoutStep = !bringsData;
    AnnounceChange(SNodeChange::Everything(false));
    m_withoutStep = false;
    LeaveCommand();
    return result;
}

ECloneResult CCloneSupportDoc::OnCloneRead() {
    SetStepVerb(CTranslation::Tr("CCloneSupportDoc", "Read from radio"));
    return RunGuarded(&CCloneRsIoManager::ReadFromRadio, true);
}

ECloneResult CCloneSupportDoc::OnCloneWrite() {
    return RunGuarded(&CCloneRsIoManager::WriteToRadio, false);
}

ECloneResult CCloneSupportDoc::OnCloneInformation() {
    return RunGuarded(&CCloneRsIoManager::ShowRadioInformation, false);
}
