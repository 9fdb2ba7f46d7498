#include "document/Z5Doc.h"

#include "clone/CloneManager.h"
#include "clone/CloneRsIoManager.h"
#include "clone/ModelInfo.h"
#include "clone/ReadHistory.h"
#include "document/DocWriteSafeguard.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace {

// Runs command while holding the command busy flag; false when busy.
template <class Command>
bool Guarded(Command command) {
    if (!CCloneSupportDoc::TryEnterCommand()) {
        return false;
    }
    bool done = command();
    CCloneSupportDoc::LeaveCommand();
    return done;
}

}  // namespace

bool CZ5Doc::OnFileSave() {
    return Guarded([this] { return DoFileSave(); });
}

bool CZ5Doc::OnFileSaveAs() {
    return Guarded([this] { return DoFileSaveAs(); });
}

void CZ5Doc::EnableReadHistory(std::string folder) {
    m_historyEnabled = true;
    m_historyFolder = std::move(folder);
}

std::string CZ5Doc::KeepInHistory(const std::string& source, const std::string& version,
                                  const std::string& identity) {
    CReadHistory history(m_historyFolder, CReadHistory::KeepSetting(Settings()));
    return history.Store(source, version, identity, std::time(nullptr));
}

ECloneResult CZ5Doc::OnCloneRead() {
    const ECloneResult result = CZ5CloneSupportDoc::OnCloneRead();
    auto* transfer = dynamic_cast<CCloneRsIoManager*>(GetCloneManager().GetSerialTransfer());
    if (result != ECloneResult::Success || !m_historyEnabled || transfer == nullptr) {
        return result;
    }
    const CModelInfo& radio = *transfer->GetRadioInfo();
    const std::string failure =
        KeepInHistory(transfer->GetTempPath(), radio.GetName(), radio.GetText());
    if (!failure.empty() && !m_historyFailureTold) {
        m_historyFailureTold = true;
        UserInterface().MessageBox(CStringTable::Format(Ids::HistoryNotStored, failure),
                                   CCloneDocument::kMessageTitle,
                                   MessageStyle::Ok | MessageStyle::IconExclamation);
    }
    return result;
}

ECloneResult CZ5Doc::OnCloneWrite() {
    return CDocWriteSafeguard(*this,
                              [this](const std::string& source, const std::string& version,
                                     const std::string& identity) {
                                  return KeepInHistory(source, version, identity);
                              })
        .Write();
}
