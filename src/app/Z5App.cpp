#include "app/Z5App.h"

#include "app/CsvCommands.h"
#include "clone/CloneDocument.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>
#include <filesystem>

#include "app/AboutDlg.h"
#include "app/CommandLineInfo.h"
#include "app/CsvCommands.h"
#include "app/DataCommands.h"
#include "app/HelpWindow.h"
#include "app/HistoryCommands.h"
#include "app/PdfExport.h"
#include "app/PrintFramePane.h"
#include "app/PrintJob.h"
#include "app/PrintPreviewDlg.h"
#include "app/PrintSelectDlg.h"
#include "app/UndoCommands.h"
#include "app/Z5MainFrame.h"
#include "clone/CloneManager.h"
#include "clone/CommPortSetup.h"
#include "clone/DefaultDataManager.h"
#include "clone/ModelManager.h"
#include "clone/ReadHistory.h"
#include "clone/Z5CloneFileIoManager.h"
#include "document/Z5Doc.h"
#include "model/Z5Versions.h"
#include "platform/SerialPortList.h"
#include "platform/SettingsStore.h"
#include "platform/WaitCursor.h"
#include "transport/PortName.h"
#include "transport/SettingsKeys.h"
#include "ui/CommPortSetupDlg.h"
#include "ui/CommandIds.h"
#include "ui/DialogFocusOrder.h"

namespace {

constexpr const char* kMessageTitle = CCloneDocument::kMessageTitle;
constexpr int kOpenRetryMs = 200;

// The absolute, normalised form of path (relative to the working folder), so
// that a name stays valid from any folder.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// Two names of one file: the same file on disk (links and relative names
// resolved), or the same absolute name. Letter case tells files apart.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) || AbsolutePath(a) == AbsolutePath(b);
}

// The clone files of the file dialogs.

// A name without an extension gets the clone files' extension.
std::string WithExtension(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path.toStdString();
    }
    return (path + QLatin1String(CZ5CloneFileIoManager::kFileExtension)).toStdString();
}

// Runs a command under the busy flag; does nothing while another runs.
template <class Body>
void Guarded(Body body) {
    if (!CCloneSupportDoc::TryEnterCommand()) {
        return;
    }
    body();
    CCloneSupportDoc::LeaveCommand();
}

}  // namespace

CZ5App::CZ5App(CSettingsStore& settings) : m_settings(settings), m_recentFiles(settings) {
    m_openPrompt = [this] { return AskOpenPath(); };
    CDialogFocusOrder::Install();
    m_openRetry = new QTimer(this);
    m_openRetry->setSingleShot(true);
    m_openRetry->setInterval(kOpenRetryMs);
    connect(m_openRetry, &QTimer::timeout, this, &CZ5App::OpenPendingFiles);
    RegisterCommands();
}

CZ5App::~CZ5App() {
    if (m_help != nullptr) {
        delete m_help.data();
    }
    m_ui.SetMainWindow(nullptr);
    m_pdfExport.reset();
    m_printDialog.reset();
    m_printPane.reset();
    m_frame.reset();
    m_dataCommands.reset();
    m_document.reset();
}

bool CZ5App::IsSetupNeeded(const CCommandLineInfo& commandLine) const {
    return commandLine.IsSetupRequested() ||
           SettingsKey::ReadInt(m_settings, SettingsKey::kSetup) == 0;
}

bool CZ5App::InitInstance(const CCommandLineInfo& commandLine) {
    if (IsSetupNeeded(commandLine)) {
        RunSetup();
    }
    CWaitCursor wait(&m_ui);
    CreateDocument();
    CreateMainFrame();
    if (m_frame->IsMaximizedAtStart()) {
        m_frame->showMaximized();
    } else {
        m_frame->show();
    }
    m_frame->statusBar()->showMessage(tr("Ready"));
    OpenPendingFiles();
    return true;
}

void CZ5App::RunSetup() {
    CCommPortSetup setup(m_settings, m_ui);
    const CPortName ports(&m_settings);
    CCommPortSetupDlg dialog(
        setup.InitialPort(), [&ports](int port) { return ports.ResolveNumber(port); },
        [&setup](int port) { return setup.Identify(port); });
    dialog.SetPortFinder([] { return CSerialPortList().List(); },
                         [this](int port, const std::string& device) {
                             SettingsKey::WriteText(m_settings, SettingsKey::kComDevice, port,
                                                    device);
                         });
    dialog.exec();
}

void CZ5App::CreateDocument() {
    m_document = std::make_unique<CZ5Doc>(m_settings, m_ui);
    m_document->SetSaveNamePrompt([this] { return AskSavePath(); });
    m_document->SetModelChangedHandler([this] { OnModelChanged(); });
    m_document->SetModelResetHandler([this] { OnModelReset(); });
    m_document->EnableReadHistory(CReadHistory::DefaultFolder());
    m_document->SetSavedHandler([this] { OnFileSaved(); });
    m_dataCommands = std::make_unique<CDataCommands>(*m_document, [this] { OnFileSaved(); });
    m_csvCommands = std::make_unique<CCsvCommands>(*m_document, m_ui);
    m_historyCommands = std::make_unique<CHistoryCommands>(*m_document, m_settings, m_ui);
    m_historyCommands->Register([this](int id, Runner run, Updater update) {
        HandleCommand(id, std::move(run), std::move(update));
    });
    m_undoCommands = std::make_unique<CUndoCommands>(*m_document);
    m_undoCommands->Register([this](int id, Runner run, Updater update) {
        HandleCommand(id, std::move(run), std::move(update));
    });
    SetCsvPrompts([this] { return AskCsvPath(false); }, [this] { return AskCsvPath(true); });
}

void CZ5App::CreateMainFrame() {
    m_frame = std::make_unique<CZ5MainFrame>(m_settings, *this);
    m_frame->SetCommandTargets(m_dataCommands.get(), this);
    m_frame->SetCloseQuestion([this] { return m_document->CanCloseFrame(); });
    m_frame->SetModifiedQuery([this] { return m_document->IsModified(); });
    m_frame->SetModifiedHandler([this] { m_document->SetModifiedFlag(true); });
    m_frame->SetNodeChanges(&m_document->NodeChanges());
    m_frame->SetCommandObserver([this](int id) { m_undoCommands->CommandRuns(id); });
    m_frame->SetRecentFiles(m_recentFiles.Entries());
    m_ui.SetMainWindow(m_frame.get());
    m_historyCommands->SetFrame(m_frame.get());
    m_printPane = std::make_unique<CPrintFramePane>(*m_frame);
    m_printDialog =
        std::make_unique<CPrintSelectDlg>(m_settings, m_ui, *this, *m_printPane, m_frame.get());
    m_printDialog->SetFileNameSource([this] { return m_document->GetTitle(); });
    m_pdfExport =
        std::make_unique<CPdfExport>(*m_printDialog, *m_document, m_ui, *this, *m_printPane);
    ShowDocument();
}

void CZ5App::SetSavePrompt(FilePrompt prompt) {
    if (m_document != nullptr) {
        m_document->SetSaveNamePrompt(std::move(prompt));
    }
}

void CZ5App::RegisterCommands() {
    HandleCommand(Cmd::FileNewMenu, [this] { OnFileNewMenu(); });
    HandleCommand(Cmd::FileNew, [this] { Guarded([this] { OnFileNew(); }); });
    HandleCommand(Cmd::FileOpen, [this] { Guarded([this] { OnFileOpen(); }); });
    for (int id = Cmd::FileMruFirst; id <= Cmd::FileMruLast; ++id) {
        const int index = id - Cmd::FileMruFirst;
        HandleCommand(
            id, [this, index] { Guarded([this, index] { OnOpenRecentFile(index); }); },
            [this, index] {
                return Enabled(index < static_cast<int>(m_recentFiles.Entries().size()));
            });
    }
    HandleCommand(Cmd::FileImportCsv, [this] { Guarded([this] { m_csvCommands->Import(); }); });
    HandleCommand(Cmd::FileExportCsv, [this] { Guarded([this] { m_csvCommands->Export(); }); });
    HandleCommand(Cmd::FilePrint, [this] { Guarded([this] { OnFilePrint(); }); });
    HandleCommand(Cmd::FilePrintPreview, [this] {
        Guarded([this] { CPrintPreviewDlg::Run(*m_printDialog, m_frame.get()); });
    });
    HandleCommand(Cmd::FileExportPdf,
                  [this] { Guarded([this] { m_pdfExport->Run(m_frame.get()); }); });
    HandleCommand(Cmd::HelpContents, [this] { OnHelpContents(); });
    HandleCommand(Cmd::AppAbout, [this] { OnAppAbout(); });
}

void CZ5App::OnFileNewMenu() {
    if (!m_document->SaveModified()) {
        return;
    }
    CCloneManager& manager = m_document->GetCloneManager();
    if (manager.GetDefaultData() != nullptr && manager.GetModelManager() != nullptr) {
        manager.GetDefaultData()->CopyAll(manager.GetModelManager()->GetVersion());
    }
    manager.LoadNodes();
    m_document->AnnounceChange(SNodeChange::Everything(false));
    m_document->SetModifiedFlag(false);
    m_document->StartFreshHistory();
    m_frame->RunCommand(Cmd::FileNew);
}

// The document starts over without a file.
void CZ5App::OnFileNew() {
    if (!m_document->SaveModified()) {
        return;
    }
    m_document->SetPathName("");
    m_document->SetTitle(tr("Untitled").toStdString());
    m_document->SetModifiedFlag(false);
    ShowDocument();
}

void CZ5App::OnFileOpen() {
    const std::string path = m_openPrompt ? m_openPrompt() : std::string();
    if (!path.empty()) {
        OpenDocumentFile(path);
    }
}

void CZ5App::OnOpenRecentFile(int index) {
    if (index < 0 || index >= static_cast<int>(m_recentFiles.Entries().size())) {
        return;
    }
    const std::string path = m_recentFiles.Entries()[index];
    if (!OpenDocumentFile(path)) {
        m_recentFiles.Remove(index);
        m_frame->SetRecentFiles(m_recentFiles.Entries());
    }
}

bool CZ5App::OpenDocumentFile(const std::string& name) {
    const std::string path = AbsolutePath(name);
    if (!m_document->GetPathName().empty() && SameFile(path, m_document->GetPathName())) {
        m_ui.MessageBox(tr(kAlreadyOpen).toStdString(), kMessageTitle,
                        MessageStyle::Ok | MessageStyle::IconInformation);
        return true;
    }
    if (!m_document->SaveModified()) {
        return true;  // cancelled: the file is still worth its recent entry
    }
    const CDocument::SFileResult result = m_document->OpenFile(path);
    if (!result.ok) {
        m_ui.MessageBox(
            tr("The file could not be opened as a QM-Z5 clone file.\n\n%1\n\n%2")
                .arg(QString::fromStdString(path), QString::fromStdString(result.message))
                .toStdString(),
            kMessageTitle, MessageStyle::Ok | MessageStyle::IconError);
        std::error_code error;
        return std::filesystem::exists(path, error);
    }
    m_recentFiles.Add(m_document->GetPathName());
    m_frame->SetRecentFiles(m_recentFiles.Entries());
    ShowDocument();
    return true;
}

void CZ5App::OpenRequestedFile(const std::string& path) {
    m_pendingOpens.push_back(path);
    RaiseMainWindow();
    OpenPendingFiles();
}

// Opens the requested files one after the other, each under the busy flag as
// File > Open; tries again a moment later while a dialog is open or another
// command runs. Before the main window exists the start opens them.
void CZ5App::OpenPendingFiles() {
    while (m_frame != nullptr && !m_pendingOpens.empty()) {
        if (QApplication::activeModalWidget() != nullptr || !CCloneSupportDoc::TryEnterCommand()) {
            m_openRetry->start();
            return;
        }
        const std::string path = m_pendingOpens.front();
        m_pendingOpens.pop_front();
        OpenDocumentFile(path);
        CCloneSupportDoc::LeaveCommand();
    }
}

void CZ5App::RaiseMainWindow() {
    if (m_frame == nullptr) {
        return;
    }
    if (m_frame->isMinimized()) {
        m_frame->setWindowState(m_frame->windowState() & ~Qt::WindowMinimized);
    }
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
}

void CZ5App::OnFileSaved() {
    m_recentFiles.Add(m_document->GetPathName());
    if (m_frame == nullptr) {
        return;
    }
    m_frame->SetRecentFiles(m_recentFiles.Entries());
    m_frame->SetDocumentTitle(QString::fromStdString(m_document->GetTitle()));
}

void CZ5App::ShowDocument() {
    m_frame->SetDocumentTitle(QString::fromStdString(m_document->GetTitle()));
}

// A clone read or the Information command brought the radio's options: the
// grids may gain or lose their "Scrambler" column.
void CZ5App::OnModelChanged() {
    if (m_frame != nullptr) {
        m_frame->RebuildTree();
    }
}

// A new model version replaced the data: as after New.
void CZ5App::OnModelReset() {
    m_document->SetPathName("");
    m_document->SetTitle(tr("Untitled").toStdString());
    if (m_frame != nullptr) {
        m_frame->RebuildTree();
        ShowDocument();
    }
}

void CZ5App::OnHelpContents() {
    if (m_help == nullptr) {
        auto* help = new CHelpWindow(m_frame.get());
        help->setAttribute(Qt::WA_DeleteOnClose);
        if (!help->Load()) {
            delete help;
            m_ui.MessageBox(tr("The user manual (CP-Z5.html) was found neither beside the "
                               "program nor in its\nshare/cpz5 folder.")
                                .toStdString(),
                            kMessageTitle, MessageStyle::Ok | MessageStyle::IconExclamation);
            return;
        }
        m_help = help;
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

// The chosen sections go to the printer when the dialog ends with OK.
void CZ5App::OnFilePrint() {
    if (m_printDialog->exec() == QDialog::Accepted && m_printDialog->Job().JobCount() > 0) {
        m_printDialog->Job().Run(m_frame.get());
    }
}

void CZ5App::OnAppAbout() {
    CAboutDlg about(m_frame.get());
    about.exec();
}

int CZ5App::HasModelOption(const std::string& name) const {
    return m_document != nullptr ? m_document->HasModelOption(name) : 0;
}

int CZ5App::GetModelVersion() const {
    const CModelManager* models =
        m_document != nullptr ? m_document->GetCloneManager().GetModelManager() : nullptr;
    return models != nullptr ? models->GetVersion() : z5version::kNone;
}

// The pattern is no part of the translated text.
QString CZ5App::CloneFilesFilter() {
    return tr("QM-Z5 clone files (%1)")
        .arg(QLatin1Char('*') + QLatin1String(CZ5CloneFileIoManager::kFileExtension));
}

QString CZ5App::AnyFileFilter() {
    return QStringLiteral(";;") + tr("All files (*)");
}

std::string CZ5App::AskOpenPath() const {
    return QFileDialog::getOpenFileName(m_frame.get(), tr("Open"), QString(),
                                        CloneFilesFilter() + AnyFileFilter())
        .toStdString();
}

std::string CZ5App::AskSavePath() const {
    return WithExtension(QFileDialog::getSaveFileName(
        m_frame.get(), tr("Save As"), QString::fromStdString(m_document->GetPathName()),
        CloneFilesFilter()));
}

void CZ5App::SetCsvPrompts(FilePrompt importPrompt, FilePrompt exportPrompt) {
    m_csvCommands->SetImportPrompt(std::move(importPrompt));
    m_csvCommands->SetExportPrompt(std::move(exportPrompt));
}

std::string CZ5App::AskCsvPath(bool save) const {
    const QString filter =
        tr("CSV files (%1)").arg(QLatin1String(CCsvCommands::kFilePattern)) + AnyFileFilter();
    if (save) {
        return QFileDialog::getSaveFileName(m_frame.get(), tr("Export CSV"), QString(), filter)
            .toStdString();
    }
    return QFileDialog::getOpenFileName(m_frame.get(), tr("Import CSV"), QString(), filter)
        .toStdString();
}
