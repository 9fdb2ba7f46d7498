#include "app/DataCommands.h"

#include <utility>

#include "app/CommandTable.h"
#include "clone/CloneManager.h"
#include "clone/ModelManager.h"
#include "document/Z5Doc.h"
#include "ui/CommandIds.h"

CDataCommands::CDataCommands(CZ5Doc& document, std::function<void()> saved)
    : m_document(document), m_saved(std::move(saved)) {
    RegisterFileCommands();
    RegisterTransferCommands();
    RegisterModelCommands();
}

int CDataCommands::VersionOfCommand(int id) {
    const std::span<const int> commands = CCommandTable::ModelVersionCommands();
    for (size_t version = 0; version < commands.size(); ++version) {
        if (commands[version] == id) {
            return static_cast<int>(version);
        }
    }
    return -1;
}

void CDataCommands::RegisterFileCommands() {
    HandleCommand(Cmd::FileSave, [this] {
        if (m_document.OnFileSave() && m_saved) {
            m_saved();
        }
    });
    HandleCommand(Cmd::FileSaveAs, [this] {
        if (m_document.OnFileSaveAs() && m_saved) {
            m_saved();
        }
    });
}

bool CDataCommands::HasTransfer() const {
    return m_document.GetCloneManager().GetSerialTransfer() != nullptr;
}

// The Clone commands guard themselves with the busy flag and report their
// own results.
void CDataCommands::RegisterTransferCommands() {
    const auto available = [this] { return Enabled(HasTransfer()); };
    HandleCommand(
        Cmd::CloneRead, [this] { m_document.OnCloneRead(); }, available);
    HandleCommand(
        Cmd::CloneWrite, [this] { m_document.OnCloneWrite(); }, available);
    HandleCommand(
        Cmd::CloneInformation, [this] { m_document.OnCloneInformation(); }, available);
    constexpr int kPorts[] = {Cmd::Com1, Cmd::Com2, Cmd::Com3, Cmd::Com4};
    for (unsigned port = 1; port <= std::size(kPorts); ++port) {
        HandleCommand(
            kPorts[port - 1], [this, port] { m_document.OnComPort(port); },
            [this, port] {
                return SCommandState{HasTransfer(), m_document.IsComPortChecked(port)};
            });
    }
}

// Changing the version throws the data away, after a question.
void CDataCommands::RegisterModelCommands() {
    for (const int id : CCommandTable::ModelVersionCommands()) {
        const int version = VersionOfCommand(id);
        HandleCommand(
            id, [this, version] { ChangeModel(version); },
            [this, version] { return Checked(CurrentVersion() == version); });
    }
}

int CDataCommands::CurrentVersion() const {
    const CModelManager* models = m_document.GetCloneManager().GetModelManager();
    return models != nullptr ? models->GetVersion() : -1;
}

void CDataCommands::ChangeModel(int version) {
    CModelManager* models = m_document.GetCloneManager().GetModelManager();
    if (models != nullptr && models->GetVersion() != version) {
        models->ChangeModel(version, true);
    }
}
