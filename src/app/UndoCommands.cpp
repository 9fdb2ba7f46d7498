#include "app/UndoCommands.h"

#include "document/CloneSupportDoc.h"
#include "platform/Translation.h"
#include "ui/CommandIds.h"

namespace {

struct SStepVerb {
    int id;
    const char* verb;
};

constexpr SStepVerb kStepVerbs[] = {
    {Cmd::EditMemory, QT_TRANSLATE_NOOP("CUndoCommands", "Edit")},
    {Cmd::EditCut, QT_TRANSLATE_NOOP("CUndoCommands", "Cut")},
    {Cmd::EditPaste, QT_TRANSLATE_NOOP("CUndoCommands", "Paste")},
    {Cmd::EditClear, QT_TRANSLATE_NOOP("CUndoCommands", "Clear")},
    {Cmd::EditDelete, QT_TRANSLATE_NOOP("CUndoCommands", "Delete")},
    {Cmd::EditInsert, QT_TRANSLATE_NOOP("CUndoCommands", "Insert")},
    {Cmd::PgrMemory, QT_TRANSLATE_NOOP("CUndoCommands", "PGR Memory")},
    {Cmd::DtmfAutodial, QT_TRANSLATE_NOOP("CUndoCommands", "DTMF Autodial")},
    {Cmd::CommonSetting, QT_TRANSLATE_NOOP("CUndoCommands", "Common Setting")},
    {Cmd::FileImportCsv, QT_TRANSLATE_NOOP("CUndoCommands", "Import CSV")},
};

// The menu text of Undo or Redo: action alone, or labelled with the step.
std::string Labelled(const char* action, const char* labelledAction, const std::string& step) {
    return step.empty()
               ? CTranslation::Tr("CUndoCommands", action)
               : CTranslation::Args(CTranslation::Tr("CUndoCommands", labelledAction), {step});
}

}  // namespace

void CUndoCommands::Register(const Handler& handle) {
    handle(
        Cmd::EditUndo, [this] { RunGuarded(&CCloneSupportDoc::Undo); },
        [this] {
            return SCommandState{
                m_document.CanUndo(), false,
                Labelled(QT_TRANSLATE_NOOP("CUndoCommands", "&Undo"),
                         QT_TRANSLATE_NOOP("CUndoCommands", "&Undo %1"), m_document.UndoName())};
        });
    handle(
        Cmd::EditRedo, [this] { RunGuarded(&CCloneSupportDoc::Redo); },
        [this] {
            return SCommandState{
                m_document.CanRedo(), false,
                Labelled(QT_TRANSLATE_NOOP("CUndoCommands", "&Redo"),
                         QT_TRANSLATE_NOOP("CUndoCommands", "&Redo %1"), m_document.RedoName())};
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
            return CTranslation::Tr("CUndoCommands", entry.verb);
        }
    }
    return "";
}
