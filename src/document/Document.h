// CDocument: the part of a document that every single-document program has:
// the path name of its file, the title shown for it, the modified flag and
// the question whether to save changes before they would be lost.
//
// The user-interface port is handed in and must outlive the document. Where
// a file name must be asked for (saving a document that has none), the
// program installs a prompt (SetSaveNamePrompt); without one such a save
// counts as cancelled.
#pragma once

#include <functional>
#include <string>

#include "platform/Translation.h"

class CUserInterface;

class CDocument {
  public:
    // The outcome of opening or saving a file. message is "OK" on success;
    // otherwise it says what failed (see the subclass).
    struct SFileResult {
        bool ok;
        std::string message;
    };

    explicit CDocument(CUserInterface& ui) : m_ui(ui) {}
    virtual ~CDocument() = default;

    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The file the document was last opened from or saved to; "" for none.
    const std::string& GetPathName() const { return m_pathName; }
    // Also sets the title to the file name without its directory.
    void SetPathName(const std::string& path);
    // The title: the file name, or "Untitled" for a document without a file.
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

    virtual bool IsModified() { return m_modified; }
    virtual void SetModifiedFlag(bool modified) { m_modified = modified; }

    // Reads path into the document; on success it becomes the document's
    // file and the document is unmodified. On failure nothing changes.
    virtual SFileResult OpenFile(const std::string& path) = 0;
    // Writes the document to path; on success path becomes the document's
    // file and the document is unmodified. On failure nothing changes and
    // the file at path is as it was.
    virtual SFileResult SaveFile(const std::string& path) = 0;

    // Before changes would be lost: when the document is modified, asks
    // whether to save them (Yes/No/Cancel). Yes saves (to the document's
    // file, or to a name the prompt asks for) and shows a failure; the result
    // is true when the caller may go on (saved, or No), false for Cancel or a
    // failed save.
    virtual bool SaveModified();
    // Whether the main window may close: SaveModified.
    virtual bool CanCloseFrame() { return SaveModified(); }

    // Saves to the document's file, or asks for a name when it has none;
    // Save As always asks. True when saved; a failure is shown to the user,
    // and when the file is one that is never replaced (read-only, not a
    // regular file, several hard links) the user is offered Save As.
    bool DoFileSave();
    bool DoFileSaveAs();

    // The prompt that asks the user for a file name to save to; it returns ""
    // when the user cancels.
    void SetSaveNamePrompt(std::function<std::string()> prompt) {
        m_saveNamePrompt = std::move(prompt);
    }

    // Runs after every successful save, whichever command or question
    // asked for it (the program updates its recent files and title).
    void SetSavedHandler(std::function<void()> handler) { m_savedHandler = std::move(handler); }

    CUserInterface& GetUserInterface() { return m_ui; }

  protected:
    // Saves to path and shows a failure in a message box (offering Save As
    // where another name is the only way).
    bool SaveAndReport(const std::string& path);

  private:
    static bool IsRefusedTarget(const std::string& path);

    CUserInterface& m_ui;
    std::string m_pathName;
    std::string m_title = CTranslation::Tr("CDocument", "Untitled");
    bool m_modified = false;
    std::function<std::string()> m_saveNamePrompt;
    std::function<void()> m_savedHandler;
};
