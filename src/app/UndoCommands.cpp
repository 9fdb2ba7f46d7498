#include "app/UndoCommands.h"

#include "document/CloneSupportDoc.h"
#include "ui/CommandIds.h"

namespace {

struct SStepVerb {
    int id;
    const char* verb;
};

constexpr SStepVerb kStepVerbs[] = {
    {Cmd::EditMemory, "Edit"},
    {Cmd::EditCut, "Cut"},
    {Cmd::EditPaste, "Paste"},
    {Cmd::EditClear, "Clear"},
    {Cmd::EditDelete, "Delete"},
    {Cmd::EditInsert, "Insert"},
    {Cmd::PgrMemory, "PGR Memory"},
    {Cmd::DtmfAutodial, "DTMF Autodial"},
    {Cmd::CommonSetting, "Common Setting"},
    {Cmd::FileImportCsv, "Import CSV"},
};

std::string Labelled(const char* action, const std::string& step) {
    return step.empty() ? std::string(action) : std::string(action) + " " + step;
}

}  // namespace

void CUndoCommands::Register(const Handler& handle) {
    handle(
        Cmd::EditUndo, [this] { RunGuarded(&CCloneSupportDoc::Undo); },
        [this] {
            return SCommandState{m_document.CanUndo(), false,
                                 Labelled("&Undo", m_document.UndoName())};
        });
    handle(
        Cmd::EditRedo, [this] { RunGuarded(&CCloneSupportDoc::Redo); },
        [this] {
            return SCommandState{m_document.CanRedo(), false,
                                 Labelled("&Redo", m_document.RedoName())};
        });
}

void CUndoCommands::RunGuarded(bool (CCloneSupportDoc::*step)()) {
    if (CCloneSupportDoc::TryEnterCommand()) {
        (m_document.*step)();
        CCloneSupportDoc::LeaveCommand();
    }
}

void CUndoCommands::CommandRuns(int id) {
    m_document.SetStepVerb(StepVerb(id));
}

std::string CUndoCommands::StepVerb(int id) {
    for (const SStepVerb& entry : kStepVerbs) {
        if (entry.id == id) {
            return entry.verb;
        }
    }
    return "";
}
