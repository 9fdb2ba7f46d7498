// Times the radio history with many reads kept (--entries N, default 10000):
// the listing of the folder, File > Radio History in the desktop program's
// window (offscreen) from the command until the window shows, the details of
// the chosen read, and keeping one more read when the folder is at its limit
// (which removes the oldest). Prints the median and the slowest of --runs N
// runs (default 5) and the load average, as the machine may be shared.
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/CommandLineInfo.h"
#include "app/HistoryCommands.h"
#include "app/HistoryDlg.h"
#include "app/Z5App.h"
#include "clone/ReadHistory.h"
#include "document/Z5Doc.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultEntries = 10000;
constexpr int kDefaultRuns = 5;
constexpr std::time_t kFirstRead = 1796731200;  // 2026-12-08 12:00:00 UTC

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    return file >> one >> five >> fifteen ? one + " " + five + " " + fifteen : "?";
}

void QuietNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtWarningMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// The history window as it shows: the time until then, and the time until
// the details of its chosen read show; then it is closed.
struct SWindowTimes {
    double shown = 0;
    double details = 0;
};

SWindowTimes TimeHistoryWindow(CHistoryCommands& commands) {
    SWindowTimes times;
    const Clock::time_point start = Clock::now();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CHistoryDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        if (times.shown == 0) {
            times.shown = MillisecondsSince(start);
        }
        if (!dialog->DetailsText().isEmpty()) {
            times.details = MillisecondsSince(start);
            dialog->reject();
        }
    });
    poll.start(1);
    commands.ShowHistory();
    return times;
}

void PrintFigure(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-52s %10.1f %10.1f\n", what, times[times.size() / 2], times.back());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietNotes);
    int entries = kDefaultEntries;
    int runs = kDefaultRuns;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--entries") == 0) {
            entries = std::clamp(std::atoi(argv[i + 1]), 1, CReadHistory::kMaxKeep);
        } else if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    const std::string dir =
        CTempFile::Directory() + "/cpz5-bench-history-" + std::to_string(getpid());
    const std::string folder = dir + "/history";
    std::filesystem::create_directories(folder);
    QApplication application(argc, argv);
    CMemorySettingsStore settings;
    settings.SetInt("Model", "Setup", 1);
    CZ5App program(settings);
    if (!program.InitInstance(CCommandLineInfo({}))) {
        std::fprintf(stderr, "bench_history: the program did not start\n");
        return 1;
    }
    // Every entry is a whole clone file, as a read leaves it, named as the
    // history names it.
    const std::string read = dir + "/read.cz5";
    program.Document()->SaveFile(read);
    program.Document()->EnableReadHistory(folder);
    for (int i = 0; i < entries; ++i) {
        std::filesystem::copy_file(
            read, folder + "/" + CReadHistory::EntryName(kFirstRead + i * 61, "USA", "QM-Z5"));
    }
    CReadHistory history(folder, entries);

    std::printf("load average before: %s\n", LoadAverage().c_str());
    std::vector<double> listing, shown, details, store;
    for (int run = 0; run < runs; ++run) {
        Clock::time_point start = Clock::now();
        const std::size_t listed = history.Entries().size();
        listing.push_back(MillisecondsSince(start));
        if (listed != static_cast<std::size_t>(entries)) {
            std::fprintf(stderr, "bench_history: %zu entries listed of %d\n", listed, entries);
        }
        const SWindowTimes window = TimeHistoryWindow(*program.HistoryCommands());
        shown.push_back(window.shown);
        details.push_back(window.details);
        start = Clock::now();
        history.Store(read, "USA", "QM-Z5", kFirstRead + (entries + run) * 61);
        store.push_back(MillisecondsSince(start));
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    std::printf("%d reads kept, %d runs\n", entries, runs);
    std::printf("%-52s %10s %10s\n", "", "median ms", "max ms");
    PrintFigure("list the folder's entries", listing);
    PrintFigure("File > Radio History until the window shows", shown);
    PrintFigure("... until the newest read's details show", details);
    PrintFigure("keep one more read at the limit (removes the oldest)", store);
    std::printf("(the window reads the details once the choice has rested a moment)\n");
    std::filesystem::remove_all(dir);
    return 0;
}
