// Measures editing in the desktop program's memory grid, on the offscreen
// platform: the frequency cell of every one of the 100 memory channels edited
// in turn (the document records an undo step each time), then 100 undos and
// 100 redos through Edit > Undo and Redo. Every operation is timed until the
// grid has been drawn again, so a figure is what the user waits for one
// keystroke. Prints the median and the slowest of each kind.
//
//   bench_editing [ROUNDS]
#include <QAbstractItemModel>
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLineInfo.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "platform/MemorySettingsStore.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

constexpr int kRows = 100;
constexpr int kFrequencyColumn = 1;

struct SFigures {
    const char* what;
    std::vector<double> milliseconds;
};

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Runs operation and draws the grid; the time both took.
double Timed(CListSheet& grid, const std::function<void()>& operation) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    grid.viewport()->repaint();
    return Milliseconds(std::chrono::steady_clock::now() - start);
}

void Print(SFigures& figures) {
    std::vector<double>& times = figures.milliseconds;
    std::sort(times.begin(), times.end());
    std::printf("%-12s %5zu x  median %7.3f ms  slowest %7.3f ms\n", figures.what, times.size(),
                times[times.size() / 2], times.back());
}

QString FrequencyOfRound(int row, int round) {
    return QString::number(144.0 + 0.025 * row + 0.005 * round, 'f', 5);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    CMemorySettingsStore settings;
    settings.SetInt("Model", "Setup", 1);
    settings.SetInt("Model", "ModelVer", 2);
    auto program = std::make_unique<CZ5App>(settings);
    if (!program->InitInstance(CCommandLineInfo({}))) {
        std::fprintf(stderr, "bench_editing: the program did not start\n");
        return 1;
    }
    CZ5MainFrame& frame = *program->MainFrame();
    CListSheet& grid = *frame.ShownList();
    QAbstractItemModel& cells = *grid.model();
    QApplication::processEvents();

    SFigures edits{"cell edit", {}};
    SFigures undos{"undo", {}};
    SFigures redos{"redo", {}};
    for (int round = 0; round < rounds; ++round) {
        for (int row = 0; row < kRows; ++row) {
            const QModelIndex cell = cells.index(row, kFrequencyColumn);
            edits.milliseconds.push_back(
                Timed(grid, [&] { cells.setData(cell, FrequencyOfRound(row, round)); }));
        }
        for (int step = 0; step < kRows; ++step) {
            undos.milliseconds.push_back(Timed(grid, [&] { frame.RunCommand(Cmd::EditUndo); }));
        }
        for (int step = 0; step < kRows; ++step) {
            redos.milliseconds.push_back(Timed(grid, [&] { frame.RunCommand(Cmd::EditRedo); }));
        }
    }
    std::printf("memory grid of %d rows, %d rounds (one frame is 16 ms)\n", kRows, rounds);
    for (SFigures* figures : {&edits, &undos, &redos}) {
        Print(*figures);
    }
    return 0;
}
