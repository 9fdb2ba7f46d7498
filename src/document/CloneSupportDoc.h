// CCloneSupportDoc: the document of one radio clone, independent of the radio
// model. It owns the clone manager with all its components, loads and saves
// clone files through a temporary text file ("~CP..." in the temporary
// directory, removed with the document), tracks whether the data changed and
// tells the views when the model changed and when nodes changed
// (NodeChanges: a file opened, a transfer with the radio, a new model
// version, and every edit announced through AnnounceChange).
//
// The settings store and the user-interface port are handed in and must
// outlive the document. While a document lives, its node tree is the root of
// CNode::ResolvePath (the last document made wins; a document that goes
// clears it if it is still its own).
//
// Opening a file never damages the document: a file that does not read Ok
// leaves image, nodes, path name and modified flag as they were. Saving never
// damages the file that was there: the new file replaces it only when all of
// it has been written and flushed to the disk.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "clone/CloneDocument.h"
#include "clone/MemoryRange.h"
#include "document/Document.h"
#include "document/NodeChanges.h"
#include "document/UndoHistory.h"
#include "transport/CloneResult.h"

class CCloneManager;
class CCloneRsIoManager;
class CSettingsStore;
class CTempFile;

class CCloneSupportDoc : public CDocument, public CCloneDocument {
  public:
    ~CCloneSupportDoc() override;

    CCloneManager& GetCloneManager() { return *m_manager; }
    const CCloneManager& GetCloneManager() const { return *m_manager; }

    // The document's modified flag, or else whether any node was modified.
    bool IsModified() override;
    // Sets the document's own flag only (the nodes keep theirs).
    void SetModifiedFlag(bool modified) override;

    // The message of a failed open starts with the clone file reader's
    // result text ("CANNOT_OPEN_FILE", "FORMAT_ERROR", ...), followed by the
    // cause where the system gave one ("CANNOT_OPEN_FILE: Permission denied",
    // "CANNOT_OPEN_FILE: is a directory"). Lines may end in LF or CR LF. A
    // file with fewer data lines than the image needs opens over the factory
    // image of the model version, and the user is warned (status bar and
    // message box) how many lines it held.
    SFileResult OpenFile(const std::string& path) override;
    // After an open of path: "" when the file held every byte of the image,
    // else what it lacks ("PATH holds only 12 of the 122 data lines of a full
    // clone file").
    std::string CutShortNote(const std::string& path) const;
    // Writes the clone file with CR LF line ends. A failed save's message
    // starts with the result text ("CANNOT_OPEN_FILE" when the file cannot be
    // created or is refused, see ReplacingFile.h; "ERROR" when writing
    // failed, or the writer's result) and says what failed and why.
    SFileResult SaveFile(const std::string& path) override;

    // CCloneDocument
    CUserInterface& UserInterface() override { return GetUserInterface(); }
    CSettingsStore& Settings() override { return m_settings; }
    // The base: 0x0000 to 0x0FFF.
    std::span<const SMemoryRange> GetMemoryRange() const override;
    void OnModelChanged() override;
    void OnModelReset() override;

    // The views' reactions to OnModelChanged and OnModelReset (the program
    // installs them; without one nothing happens).
    void SetModelChangedHandler(std::function<void()> handler) {
        m_onModelChanged = std::move(handler);
    }
    void SetModelResetHandler(std::function<void()> handler) {
        m_onModelReset = std::move(handler);
    }

    // The announcements of changed nodes that every view follows.
    CNodeChanges& NodeChanges() { return m_nodeChanges; }
    // Whoever changed nodes tells the document: an edit marks it modified;
    // then every view hears of the change.
    void AnnounceChange(const SNodeChange& change);

    // Undo and Redo: every change the views hear of (an edit, a read from
    // the radio) is one step of the history, named by the verb of
    // SetStepVerb (default "Edit") and the first channel that changed
    // ("Delete CH 12"); a change of everything is named by the verb alone, or
    // "Edit settings". Undo and Redo restore the data as it was before or after
    // the step, announce that everything changed and set the modified flag
    // unless the data is as it was saved. Open, New and a model change start
    // a fresh history; a save marks its state clean.
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    std::string UndoName() const { return m_history.UndoName(); }
    std::string RedoName() const { return m_history.RedoName(); }
    bool Undo();
    bool Redo();
    void SetStepVerb(std::string verb) { m_stepVerb = std::move(verb); }
    void StartFreshHistory();

    // The option test by name on the model information's option byte:
    // "DETOP_RXEXP" bit 2; "DETOP_SCRM" bits 3, 5 and 6 all set; "DETOP_ANI"
    // bits 4 and 6 set and bit 5 clear. 1 or 0; -1 for any other name.
    int HasModelOption(std::string_view name) const;

    // The process-wide command busy flag around every modal dialog, clone
    // transfer and file command: TryEnterCommand sets it and answers true
    // when it was free, answers false and changes nothing when it was set.
    static bool TryEnterCommand();
    static void LeaveCommand();

    // The COM Port commands: the serial transfer's port number becomes
    // number (1 to 4); the menu item of a port is checked while it is the
    // transfer's port. Not guarded.
    void OnComPort(unsigned number);
    bool IsComPortChecked(unsigned number) const;

    // The Clone commands Read <- TR, Write -> TR and Information..., each
    // guarded by the busy flag. The result is the transfer's, or Busy when
    // another command is running (nothing was done).
    ECloneResult OnCloneRead();
    ECloneResult OnCloneWrite();
    ECloneResult OnCloneInformation();

    // For a process forked from the one that made the document, so that it
    // need not build one: RenewTempFiles gives it temporary files of its own
    // (the inherited ones stay with their maker), RemoveTempFiles removes
    // them before it ends without destroying the document.
    void RenewTempFiles();
    void RemoveTempFiles();

  protected:
    CCloneSupportDoc(CSettingsStore& settings, CUserInterface& ui);

    // Takes the clone manager whose slots the model's document filled, makes
    // itself its document, links the components, sets the model version from
    // the settings ("ModelVer"), fills the image and nodes from that
    // version's factory image and creates the temporary file.
    void InitializeClone(std::unique_ptr<CCloneManager> manager);

  private:
    CCloneRsIoManager* SerialTransfer() const;
    ECloneResult RunGuarded(ECloneResult (CCloneRsIoManager::*command)(), bool bringsData);

    CUndoHistory::State CurrentState();
    std::vector<SMemoryRange> StateRanges() const;
    void RecordStep(const SNodeChange& change);
    bool Restore(const CUndoHistory::State* state);

    SFileResult CopyIntoTempFile(const std::string& path);
    SFileResult LoadTempFile();
    void WarnIfCutShort(const std::string& path);
    SFileResult StoreTempFile();
    SFileResult CopyTempFileTo(const std::string& path);
    std::string TempFileProblem(const std::string& reason) const;
    SFileResult TempFileFailed(const std::string& reason) const;
    SFileResult NoTempFile() const;

    CSettingsStore& m_settings;
    std::unique_ptr<CCloneManager> m_manager;
    std::unique_ptr<CTempFile> m_tempFile;
    std::function<void()> m_onModelChanged;
    std::function<void()> m_onModelReset;
    CNodeChanges m_nodeChanges;
    CUndoHistory m_history;
    std::string m_stepVerb;
    bool m_withoutStep = false;  // the change announced is no step of the history
    CNodeChanges::CSubscription m_recording;
};
