// CZ5App: the desktop program: it runs the first-start setup when the radio
// was never identified (or -S asks for it), makes the one document and the
// main window, and owns the commands of the program as a whole: New, Open,
// the recent files, Print, Help and About.
//
// The settings store is not owned and must outlive the program object. The
// program keeps exactly one document for its whole run; New and Open re-use
// it. Only one copy of the program runs per user: main() checks that (see
// CInstanceLock) before the program object is made.
#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "app/QtUserInterface.h"
#include "app/RecentFileList.h"
#include "ui/CommandTarget.h"
#include "views/ModelOptions.h"

class CCommandLineInfo;
class CCsvCommands;
class CDataCommands;
class CHelpWindow;
class CHistoryCommands;
class CPdfExport;
class CUndoCommands;
class CPrintFramePane;
class CPrintSelectDlg;
class CSettingsStore;
class CZ5Doc;
class CZ5MainFrame;
class QTimer;

class CZ5App : public QObject, public CCommandTarget, public CModelOptions {
    Q_OBJECT
  public:
    static constexpr const char* kAlreadyOpen = QT_TR_NOOP("The file already opened.");

    // The file dialogs' filter of clone files, and the one of all files that
    // follows another filter (";;" and the filter).
    static QString CloneFilesFilter();
    static QString AnyFileFilter();

    // Asks the user for a file name ("" when cancelled).
    using FilePrompt = std::function<std::string()>;

    explicit CZ5App(CSettingsStore& settings);
    ~CZ5App() override;

    // The start: the setup window when needed, then the document and the main
    // window, shown maximised when it was maximised at the last close. False
    // when the program cannot start.
    bool InitInstance(const CCommandLineInfo& commandLine);

    // Opens a clone file into the document under its absolute name. The file
    // that is open already (the same file on disk, whatever name, link or
    // relative path leads to it) is not opened again: the user is told so.
    // When the file cannot be read the document keeps its data, its file
    // name and its modified state. True unless the file does not exist (the
    // user cancelling the save question keeps it too).
    bool OpenDocumentFile(const std::string& name);

    // A file that a second start of the program was asked to open: the main
    // window comes to the front and the file opens as File > Open opens it.
    // Requests that come while a dialog is open or a command runs wait for
    // it to end.
    void OpenRequestedFile(const std::string& path);

    // New of the menu: after the save question, the factory data of the
    // current model version.
    void OnFileNewMenu();

    CZ5MainFrame* MainFrame() const { return m_frame.get(); }
    CZ5Doc* Document() const { return m_document.get(); }
    CQtUserInterface& UserInterface() { return m_ui; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }
    // The print selection dialog, kept for the whole run (nullptr before the
    // main window exists).
    CPrintSelectDlg* PrintDialog() const { return m_printDialog.get(); }
    // File > Export PDF... (nullptr before the main window exists).
    CPdfExport* PdfExport() const { return m_pdfExport.get(); }
    // Compare With..., Radio History... and the Clone menu's write checks.
    CHistoryCommands* HistoryCommands() const { return m_historyCommands.get(); }

    // The file dialogs; tests replace them.
    void SetOpenPrompt(FilePrompt prompt) { m_openPrompt = std::move(prompt); }
    void SetSavePrompt(FilePrompt prompt);
    // The CSV file dialogs of Import CSV... and Export CSV....
    void SetCsvPrompts(FilePrompt importPrompt, FilePrompt exportPrompt);

    int HasModelOption(const std::string& name) const override;
    int GetModelVersion() const override;

    // Whether the setup window must run at start.
    bool IsSetupNeeded(const CCommandLineInfo& commandLine) const;

  private:
    void RunSetup();
    void CreateDocument();
    void CreateMainFrame();
    void RegisterCommands();
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(int index);
    void OnHelpContents();
    void OnAppAbout();
    void OnFilePrint();
    void OnModelChanged();
    void OnModelReset();
    void ShowDocument();
    void OnFileSaved();
    std::string AskOpenPath() const;
    std::string AskSavePath() const;
    std::string AskCsvPath(bool save) const;
    void OpenPendingFiles();
    void RaiseMainWindow();

    CSettingsStore& m_settings;
    CQtUserInterface m_ui;
    CRecentFileList m_recentFiles;
    std::unique_ptr<CZ5Doc> m_document;
    std::unique_ptr<CDataCommands> m_dataCommands;
    std::unique_ptr<CCsvCommands> m_csvCommands;
    std::unique_ptr<CHistoryCommands> m_historyCommands;
    std::unique_ptr<CUndoCommands> m_undoCommands;
    std::unique_ptr<CZ5MainFrame> m_frame;
    std::unique_ptr<CPrintFramePane> m_printPane;
    std::unique_ptr<CPrintSelectDlg> m_printDialog;
    std::unique_ptr<CPdfExport> m_pdfExport;
    QPointer<CHelpWindow> m_help;
    FilePrompt m_openPrompt;
    std::deque<std::string> m_pendingOpens;
    QTimer* m_openRetry = nullptr;
};
