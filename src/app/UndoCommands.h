// CUndoCommands: Edit > Undo and Edit > Redo of the desktop program, with
// menu texts that name the step ("&Undo Delete CH 12", "&Redo Read from
// radio"), enabled only while there is a step to take back or do again.
//
// It also names the steps: before a command runs, the document hears the
// verb of the command ("Delete", "Paste", "Common Setting", ...), and after
// it, that no command runs any more.
//
// The document must outlive this object. Undo and Redo run under the command
// busy flag.
#pragma once

#include <functional>
#include <string>

#include "ui/CommandTarget.h"

class CCloneSupportDoc;

class CUndoCommands {
  public:
    using Handler =
        std::function<void(int id, CCommandTarget::Runner run, CCommandTarget::Updater update)>;

    explicit CUndoCommands(CCloneSupportDoc& document) : m_document(document) {}

    // Hands Undo and Redo to handle (a command target's HandleCommand).
    void Register(const Handler& handle);
    // Command id is about to run (0: the command ended).
    void CommandRuns(int id);

    // The verb that names the step of command id; "" for a command that
    // names none.
    static std::string StepVerb(int id);

  private:
    void RunGuarded(bool (CCloneSupportDoc::*step)());

    CCloneSupportDoc& m_document;
};
