#include "ManualPictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>

#include "CloneFiles.h"
#include "ModalCatcher.h"
#include "WindowPicture.h"
#include "app/CloneStatusBar.h"
#include "app/CommandLineInfo.h"
#include "app/HistoryCommands.h"
#include "app/IndicatorPane.h"
#include "app/PrintJob.h"
#include "app/PrintSelectDlg.h"
#include "app/QtUserInterface.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "app/Z5TreeView.h"
#include "clone/ReadHistory.h"
#include "model/ImageBuffer.h"
#include "model/Z5MemoryMap.h"
#include "print/PrintDevice.h"
#include "radio/VirtualRadio.h"
#include "transport/PortName.h"
#include "transport/SettingsKeys.h"
#include "ui/CloneProgressWindow.h"
#include "ui/CommPortSetupDlg.h"
#include "ui/CommandIds.h"
#include "ui/FindChannelBar.h"
#include "ui/ListSheet.h"

namespace {

// The radio of the pictures: a USA version with the receive range
// extension and the scrambler unit (option byte bits 0-1, 2, 3-6). No radio
// shows both the scrambler and the ANI pages: the scrambler needs bit 5 of
// the option byte set, the ANI unit needs it clear.
constexpr int kVersion = 2;
constexpr const char* kVersionName = "USA";
constexpr std::uint8_t kOptionByte = 0x7E;
constexpr unsigned kPort = 1;
// What the pictures show for the cable's device, wherever the virtual radio's
// terminal is.
constexpr const char* kCableDevice = "/dev/ttyUSB0";

// The main window's size in the pictures: the tree and the first columns of
// the grid, as on a small screen.
constexpr QSize kMainWindowSize(900, 520);
// The history window would take its width from the name of the folder the
// pictures are made in.
constexpr QSize kHistorySize(620, 400);
// The row the channel pictures show (HILL, a repeater with a tone).
constexpr int kChannelRow = 1;
constexpr const char* kFindText = "147";
// The read that the transfer picture stops in: the radio falls silent after
// this many data frames, with the bar at 60 %.
constexpr unsigned kStalledFrames = 80;
constexpr const char* kStalledPercent = "60%";
constexpr int kSettleMs = 30;
constexpr int kFadeMs = 400;
// The date the printed pages show.
constexpr const char* kPrintDate = "2026-12-03";

// The reads the history window lists: the demo files, read at these times.
struct SKeptRead {
    const char* file;
    std::time_t when;
};
constexpr std::array<SKeptRead, 3> kKeptReads = {{
    {CManualPictures::kDemoFile, 1786271400},   // 2026-08-09 10:30:00 UTC
    {CManualPictures::kOtherFile, 1791028800},  // 2026-10-03 12:00:00 UTC
    {CManualPictures::kDemoFile, 1796291412},   // 2026-12-03 09:50:12 UTC
}};

void Settle(int milliseconds = kSettleMs) {
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (timer.elapsed() < milliseconds);
}

std::unique_ptr<CVirtualRadio> StartRadio(const CImageBuffer& memory, const CRadioFault& fault,
                                          QStringList& failures) {
    CVirtualRadio::SConfig config;
    config.optionByte = kOptionByte;
    config.fault = fault;
    auto radio = std::make_unique<CVirtualRadio>(memory, config);
    if (!radio->Start()) {
        failures << QStringLiteral("the virtual radio did not start: %1")
                        .arg(QString::fromStdString(radio->Error()));
        return nullptr;
    }
    return radio;
}

// Yes (or OK) to a question.
void Agree(QWidget& window) {
    if (auto* box = qobject_cast<QMessageBox*>(&window); box != nullptr) {
        if (QAbstractButton* agree = box->defaultButton()) {
            agree->click();
        }
    }
}

void PressOk(QWidget& window) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->objectName() == QLatin1String("1")) {
            button->click();
            return;
        }
    }
}

}  // namespace

std::span<const CManualPictures::SPicture> CManualPictures::Catalogue() {
    static constexpr SPicture kCatalogue[] = {
        {"main-window.png", 0, &CManualPictures::TakeMainWindow},
        {"setup.png", 0, &CManualPictures::TakeSetup},
        {"information.png", Cmd::CloneInformation, &CManualPictures::TakeWindowOfCommand},
        {"edit-memory.png", Cmd::EditMemory, &CManualPictures::TakeEditMemory},
        {"set-field.png", Cmd::EditSetField, &CManualPictures::TakeSetField},
        {"common-setting.png", Cmd::CommonSetting, &CManualPictures::TakeWindowOfCommand},
        {"dtmf-autodial.png", Cmd::DtmfAutodial, &CManualPictures::TakeWindowOfCommand},
        {"pgr-memory.png", Cmd::PgrMemory, &CManualPictures::TakeWindowOfCommand},
        {"find-bar.png", Cmd::EditFind, &CManualPictures::TakeFindBar},
        {"print.png", Cmd::FilePrint, &CManualPictures::TakeWindowOfCommand},
        {"print-preview.png", Cmd::FilePrintPreview, &CManualPictures::TakePrintPreview},
        {"compare.png", Cmd::FileCompare, &CManualPictures::TakeCompare},
        {"radio-history.png", Cmd::FileHistory, &CManualPictures::TakeHistory},
        {"transfer.png", Cmd::CloneRead, &CManualPictures::TakeTransfer},
    };
    return kCatalogue;
}

CManualPictures::CManualPictures(std::string demoFolder, std::string output)
    : m_demoFolder(std::move(demoFolder)), m_output(std::move(output)) {}

CManualPictures::~CManualPictures() {
    m_program.reset();
    CPortName::Bind(kPort, "");
}

QStringList CManualPictures::Run() {
    if (!PrepareOutput() || !Start() || !ReadTheRadio()) {
        return m_failures;
    }
    for (const SPicture& picture : Catalogue()) {
        (this->*picture.take)(picture);
        m_failures << m_modals->TakeFailures();
    }
    return m_failures;
}

bool CManualPictures::PrepareOutput() {
    QDir folder(QString::fromStdString(m_output));
    if (!folder.mkpath(QStringLiteral("."))) {
        m_failures << QStringLiteral("%1 cannot be made").arg(folder.path());
        return false;
    }
    for (const QString& file : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const bool listed = std::ranges::any_of(
            Catalogue(), [&file](const SPicture& picture) { return file == picture.file; });
        if (!listed) {
            folder.remove(file);
        }
    }
    return true;
}

// The program on settings and folders of its own, set up for the radio, with
// a PDF printer.
bool CManualPictures::Start() {
    const QString home = m_work.filePath(QStringLiteral("home"));
    const QString runtime = m_work.filePath(QStringLiteral("runtime"));
    if (!m_work.isValid() || !QDir().mkpath(home + QStringLiteral("/.local/share")) ||
        !QDir().mkpath(runtime)) {
        m_failures << QStringLiteral("no work folder");
        return false;
    }
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());

    SettingsKey::WriteInt(m_settings, SettingsKey::kSetup, 1);
    for (const SettingsKey::SOptionSetting& option : SettingsKey::kOptionSettings) {
        SettingsKey::WriteInt(m_settings, option.setting,
                              static_cast<int>((kOptionByte >> option.shift) & option.mask));
    }
    m_settings.SetString(CPrintDevice::kProfileSection, CPrintDevice::kProfileDevice,
                         "CP-Z5 PDF," + std::string(CPrintDevice::kPdfDriver) + "," +
                             m_work.filePath(QStringLiteral("printout.pdf")).toStdString());

    CImageBuffer memory(z5map::kImageSize);
    std::string error;
    const std::string demo = m_demoFolder + "/" + kDemoFile;
    if (!LoadCloneFile(demo, kVersion, memory, error)) {
        m_failures << QStringLiteral("%1: %2").arg(QString::fromStdString(demo),
                                                   QString::fromStdString(error));
        return false;
    }
    m_radio = StartRadio(memory, CRadioFault(), m_failures);
    if (m_radio == nullptr) {
        return false;
    }
    CPortName::Bind(kPort, m_radio->SlavePath());
    m_picture = std::make_unique<CWindowPicture>(std::vector<CWindowPicture::SReplacement>{
        {home, QStringLiteral("~")},
        {QString::fromStdString(m_radio->SlavePath()), QString::fromLatin1(kCableDevice)}});
    m_modals = std::make_unique<CModalCatcher>();

    m_program = std::make_unique<CZ5App>(m_settings);
    m_program->UserInterface().SetBeepWaits(false);
    if (!m_program->InitInstance(CCommandLineInfo({}))) {
        m_failures << QStringLiteral("the program did not start");
        return false;
    }
    Frame().move(0, 0);
    Frame().resize(kMainWindowSize);
    Settle();
    return true;
}

bool CManualPictures::ReadTheRadio() {
    if (!Frame().RunCommand(Cmd::CloneRead)) {
        m_failures << QStringLiteral("Read <- TR did not run");
    }
    Settle();
    m_failures << m_modals->TakeFailures();
    return m_failures.isEmpty();
}

CZ5MainFrame& CManualPictures::Frame() const {
    return *m_program->MainFrame();
}

void CManualPictures::Steady() {
    Frame().UpdateCommands();
    for (const char* pane : {"CAP", "NUM", "SCRL"}) {
        if (CIndicatorPane* indicator = Frame().StatusBar()->Pane(QString::fromLatin1(pane))) {
            indicator->SetOn(false);
        }
    }
    Settle();
}

void CManualPictures::Save(const SPicture& picture, const QImage& image) {
    const QString path =
        QString::fromStdString(m_output) + QLatin1Char('/') + QString::fromLatin1(picture.file);
    if (image.isNull() || !image.save(path, "PNG")) {
        m_failures << QStringLiteral("%1 was not written").arg(path);
    }
}

void CManualPictures::Save(const SPicture& picture, QWidget& window) {
    Inspect(QString::fromLatin1(picture.file), window);
    Save(picture, m_picture->Take(window));
}

void CManualPictures::Inspect(const QString& what, QWidget& window) {
    if (m_inspect) {
        m_inspect(what, window);
    }
}

std::function<void(QWidget&)> CManualPictures::Inspected(const QString& what,
                                                         std::function<void(QWidget&)> handler) {
    return [this, what, handler = std::move(handler)](QWidget& window) {
        Inspect(what, window);
        handler(window);
    };
}

void CManualPictures::RunAndTake(int command, const SPicture& picture, QSize size) {
    bool taken = false;
    m_modals->Expect(QString::fromLatin1(picture.file), [&](QWidget& window) {
        Settle();
        Inspect(QString::fromLatin1(picture.file), window);
        Save(picture, m_picture->Take(window, size));
        taken = true;
        CModalCatcher::Close(window);
    });
    Frame().RunCommand(command);
    if (!taken) {
        m_failures << QStringLiteral("%1: command %2 opened no window")
                          .arg(QString::fromLatin1(picture.file))
                          .arg(command);
    }
}

void CManualPictures::TakeWindowOfCommand(const SPicture& picture) {
    RunAndTake(picture.command, picture);
}

void CManualPictures::TakeMainWindow(const SPicture& picture) {
    Steady();
    Save(picture, Frame());
}

// The machine's own serial devices would differ from one machine to the next:
// the window offers one USB cable.
void CManualPictures::TakeSetup(const SPicture& picture) {
    const auto describe = [](int port) {
        return std::string(CPortName::kDefaultDevicePrefix) + std::to_string(port - 1);
    };
    CCommPortSetupDlg setup(
        static_cast<int>(kPort), describe, [](int) { return false; }, &Frame());
    SSerialPortInfo cable;
    cable.device = kCableDevice;
    cable.stableName = "/dev/serial/by-id/usb-Generic_USB_Serial_Cable_0001-if00-port0";
    cable.maker = "Generic";
    cable.product = "USB Serial Cable";
    setup.SetPortFinder([cable] { return std::vector<SSerialPortInfo>{cable}; },
                        [](int, const std::string&) {});
    setup.show();
    Settle();
    Save(picture, setup);
}

void CManualPictures::TakeEditMemory(const SPicture& picture) {
    Frame().ShownList()->SelectRow(kChannelRow);
    RunAndTake(picture.command, picture);
}

// Set Field acts on every selected channel: all of them here.
void CManualPictures::TakeSetField(const SPicture& picture) {
    Frame().RunCommand(Cmd::EditSelectAll);
    RunAndTake(picture.command, picture);
}

void CManualPictures::TakeFindBar(const SPicture& picture) {
    Frame().ShownList()->SelectRow(0);
    Frame().RunCommand(picture.command);
    Frame().FindBar()->SetText(QString::fromLatin1(kFindText));
    Frame().RunCommand(Cmd::EditFindNext);
    // The field's clear button fades in.
    Settle(kFadeMs);
    Steady();
    Save(picture, Frame());
    Frame().FindBar()->Close();
}

// The print selection comes first; OK there shows the preview, its footers
// dated as the last read of the history window.
void CManualPictures::TakePrintPreview(const SPicture& picture) {
    const QString selection = QStringLiteral("the print selection");
    m_modals->Expect(selection, Inspected(selection, [this](QWidget& window) {
                         PressOk(window);
                         CPrintJob& job = m_program->PrintDialog()->Job();
                         SPrintOptions options = job.Options();
                         options.date = kPrintDate;
                         job.SetOptions(options);
                     }));
    RunAndTake(picture.command, picture);
}

void CManualPictures::TakeCompare(const SPicture& picture) {
    const QString other = m_work.filePath(QString::fromLatin1(kOtherFile));
    QFile::remove(other);
    QFile::copy(QString::fromStdString(m_demoFolder + "/" + kOtherFile), other);
    m_program->HistoryCommands()->SetComparePrompt([other] { return other.toStdString(); });
    RunAndTake(picture.command, picture);
}

// The history holds the demo files as reads of fixed times (the read made
// for the pictures would show the time it was made).
void CManualPictures::TakeHistory(const SPicture& picture) {
    const std::string folder = CReadHistory::DefaultFolder();
    const std::vector<SHistoryEntry> made = CReadHistory(folder, 1).Entries();
    const std::string identity = made.empty() ? std::string("QM-Z5") : made.back().identity;
    for (const SHistoryEntry& entry : made) {
        QFile::remove(QString::fromStdString(entry.path));
    }
    CReadHistory history(folder, static_cast<int>(kKeptReads.size()));
    for (const SKeptRead& read : kKeptReads) {
        const std::string error =
            history.Store(m_demoFolder + "/" + read.file, kVersionName, identity, read.when);
        if (!error.empty()) {
            m_failures << QString::fromStdString(error);
        }
    }
    RunAndTake(picture.command, picture, kHistorySize);
}

// A read from a radio that falls silent part of the way: the picture is taken
// while the bar stands still, then the read is cancelled.
void CManualPictures::TakeTransfer(const SPicture& picture) {
    CImageBuffer memory = m_radio->GetMemory();
    std::unique_ptr<CVirtualRadio> stalling =
        StartRadio(memory, CRadioFault(CRadioFault::EKind::StallAfter, kStalledFrames), m_failures);
    if (stalling == nullptr) {
        return;
    }
    CPortName::Bind(kPort, stalling->SlavePath());
    bool taken = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        CCloneProgressWindow* window = m_program->UserInterface().ProgressWindow();
        const auto* percent =
            window != nullptr ? window->findChild<QLabel*>(QStringLiteral("10004")) : nullptr;
        if (taken || percent == nullptr || !window->isVisible() ||
            percent->text() != QLatin1String(kStalledPercent)) {
            return;
        }
        taken = true;
        Save(picture, *window);
        window->reject();
    });
    watch.start(CModalCatcher::kPollMs);
    // The data just read counts as changed: the program asks before a read
    // replaces it.
    const QString question = QStringLiteral("the question before the read");
    m_modals->Expect(question, Inspected(question, Agree));
    Frame().RunCommand(picture.command);
    watch.stop();
    CPortName::Bind(kPort, m_radio->SlavePath());
    if (!taken) {
        m_failures << QStringLiteral("%1: the read did not stop at %2")
                          .arg(QString::fromLatin1(picture.file),
                               QString::fromLatin1(kStalledPercent));
    }
}
