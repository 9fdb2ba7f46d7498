// Measures the desktop program's memory over a long session of reads from
// the radio: the program's window on the offscreen platform reads a virtual
// radio (in this process, not paced) --reads N times (default 200), every
// read bringing other data (as reads of the radios of a club do; with
// --same-data the radio holds the same data every time), each one answered
// as the user answers (the questions and the result box).
//
// Prints the resident memory of the process and the bytes the heap holds
// after the 1st, 10th, 50th... and the last read, and the growth from the
// 10th to the last (target: under 1 MB). --runs N repeats the session in
// new windows and prints the median growth; the load average is printed
// too, as the machine may be shared.
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/CommandLineInfo.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "clone/CloneManager.h"
#include "clone/CloneRsIoManager.h"
#include "clone/Z5DefaultDataManager.h"
#include "document/Z5Doc.h"
#include "model/ImageBuffer.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "radio/VirtualRadio.h"
#include "transport/CloneRsEngine.h"
#include "transport/PortName.h"
#include "ui/CommandIds.h"

namespace {

constexpr int kDefaultReads = 200;
constexpr std::uint8_t kUsa = 2;
constexpr std::uint32_t kMemoryChannels = 100;
constexpr std::uint32_t kChannelBytes = 16;

struct SFigure {
    int reads;
    double residentMb;
    double heapMb;
};

double ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

double HeapMb() {
    return static_cast<double>(mallinfo2().uordblks) / 1e6;
}

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    return file >> one >> five >> fifteen ? one + " " + five + " " + fifteen : "?";
}

// Presses the default button of every message box that shows (the question
// before a read over changed data, the result of the read).
class CBoxAnswerer {
  public:
    CBoxAnswerer() {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                QAbstractButton* button = box->defaultButton();
                if (button == nullptr && !box->buttons().isEmpty()) {
                    button = box->buttons().first();
                }
                if (button != nullptr) {
                    button->click();
                }
            }
        });
        m_timer.start(1);
    }

  private:
    QTimer m_timer;
};

// The radio's memory for the nth read (0: the factory data): every memory
// channel holds other bytes in every read, as a club's radios do.
CImageBuffer MemoryOfRead(int n) {
    const auto& factory = CZ5DefaultDataManager::FactoryImage(kUsa);
    CImageBuffer memory(static_cast<std::uint32_t>(factory.size()));
    memory.Write(0, factory.data(), memory.GetSize());
    for (std::uint32_t address = 0; n > 0 && address < kMemoryChannels * kChannelBytes; ++address) {
        memory.SetByte(address, static_cast<std::uint8_t>(n * 31 + address));
    }
    return memory;
}

// One session of reads in a new window; the figures after the reads listed.
std::vector<SFigure> Session(CVirtualRadio& radio, int reads, bool sameData) {
    CMemorySettingsStore settings;
    settings.SetInt("Model", "Setup", 1);
    settings.SetInt("Model", "ModelVer", kUsa);
    CZ5App program(settings);
    program.UserInterface().SetBeepWaits(false);
    if (!program.InitInstance(CCommandLineInfo({}))) {
        std::fprintf(stderr, "bench_reads: the program did not start\n");
        return {};
    }
    auto* transfer =
        dynamic_cast<CCloneRsIoManager*>(program.Document()->GetCloneManager().GetSerialTransfer());
    if (transfer != nullptr) {
        transfer->SetPortNumber(1);
        // The radio's pauses take real time and do not change the memory.
        CCloneRsEngine::STiming timing;
        timing.requestPause = timing.firstDataPause = timing.closePause = 0;
        transfer->GetEngine().SetTiming(timing);
    }
    CBoxAnswerer answers;
    std::vector<SFigure> figures;
    for (int n = 1; n <= reads; ++n) {
        radio.SetMemory(MemoryOfRead(sameData ? 0 : n));
        program.MainFrame()->RunCommand(Cmd::CloneRead);
        QApplication::processEvents();
        if (n == 1 || n == 10 || n % 50 == 0 || n == reads) {
            figures.push_back({n, ResidentMb(), HeapMb()});
        }
    }
    return figures;
}

// The offscreen platform's notes on every window shown are no figures.
void QuietNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtWarningMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietNotes);
    int reads = kDefaultReads;
    int runs = 1;
    bool sameData = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--same-data") == 0) {
            sameData = true;
            continue;
        }
        if (i + 1 == argc) {
            break;
        }
        if (std::strcmp(argv[i], "--reads") == 0) {
            reads = std::max(10, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
        ++i;
    }
    // The reads kept in the history go into a folder of this run.
    const std::string dir =
        CTempFile::Directory() + "/cpz5-bench-reads-" + std::to_string(getpid());
    std::filesystem::create_directories(dir);
    setenv("XDG_DATA_HOME", dir.c_str(), 1);
    QApplication application(argc, argv);

    CVirtualRadio::SConfig config;
    config.optionByte = kUsa;
    CVirtualRadio radio(MemoryOfRead(0), config);
    if (!radio.Start()) {
        std::fprintf(stderr, "bench_reads: %s\n", radio.Error().c_str());
        return 1;
    }
    CPortName::Bind(1, radio.SlavePath());

    std::printf("load average before: %s\n", LoadAverage().c_str());
    std::vector<double> growths;
    for (int run = 1; run <= runs; ++run) {
        const std::vector<SFigure> figures = Session(radio, reads, sameData);
        if (figures.size() < 2) {
            return 1;
        }
        std::printf("run %d\n%8s %14s %10s\n", run, "reads", "resident MB", "heap MB");
        for (const SFigure& figure : figures) {
            std::printf("%8d %14.2f %10.2f\n", figure.reads, figure.residentMb, figure.heapMb);
        }
        growths.push_back(figures.back().residentMb - figures[1].residentMb);
        std::printf("resident growth from read 10 to read %d: %.3f MB\n", reads, growths.back());
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    std::sort(growths.begin(), growths.end());
    std::printf("median growth from read 10 to read %d over %d runs: %.3f MB (target < 1 MB)\n",
                reads, runs, growths[growths.size() / 2]);
    radio.Stop();
    std::filesystem::remove_all(dir);
    return 0;
}
