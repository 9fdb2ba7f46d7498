// Times editing in the desktop program's window (offscreen), each operation
// as the user makes it, with the undo step it records and the grid drawn
// again: an edit of a frequency cell, its Undo and Redo (each should take
// well under a frame, 16 ms), and the Edit commands on all 100 memory
// channels at once (a paste of 100 rows should take under 50 ms), and the
// ways with many channels: Set Field on 100 channels, a sort from a column
// header and switching Channels in Use Only (each should take under a
// frame). Prints the median and the slowest of --runs N runs (default 20)
// per operation.
#include <QApplication>
#include <QClipboard>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/CommandLineInfo.h"
#include "app/Z5App.h"
#include "app/Z5ListFrame.h"
#include "app/Z5MainFrame.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "platform/MemorySettingsStore.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"
#include "ui/Z5ChListSheet.h"

namespace {

constexpr int kChannels = 100;
constexpr int kFrequencyColumn = 1;
constexpr int kCtcssColumn = 8;

// The time of run; a command the window did not run is reported.
double Milliseconds(const std::function<bool()>& run, const char* what) {
    const auto start = std::chrono::steady_clock::now();
    if (!run()) {
        std::fprintf(stderr, "%s: the command did not run\n", what);
    }
    QApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void Fill() {
    for (int n = 0; n < kChannels; ++n) {
        CNode* channel = CNode::ResolvePath("MCH.CH" + std::to_string(n));
        SetNodeText(channel, "Clear", "OFF");
        SetNodeValue(channel, "FreqRx", 144'000'000 + n * 12'500);
        SetNodeText(channel, "SCRMCode", "01");
        SetNodeString(channel, "Name", "C" + std::to_string(n));
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int runs = 20;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    QApplication application(argc, argv);
    CMemorySettingsStore settings;
    settings.SetInt("Model", "Setup", 1);
    settings.SetInt("Model", "ModelVer", 2);
    CZ5App program(settings);
    program.UserInterface().SetBeepWaits(false);
    if (!program.InitInstance(CCommandLineInfo({}))) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    CZ5MainFrame& frame = *program.MainFrame();
    frame.resize(1100, 700);
    frame.show();
    CListSheet& grid = *frame.ShownList();
    auto& channels = static_cast<CZ5ChListSheet&>(grid);
    const auto selectAll = [&grid] {
        grid.SelectRow(0);
        grid.selectAll();
    };
    const auto selectFirstHalf = [&grid] {
        grid.SelectRow(0);
        grid.selectionModel()->select(
            QItemSelection(grid.model()->index(0, 0), grid.model()->index(kChannels / 2 - 1, 0)),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    const auto clearChannels = [](int first, int end) {
        for (int n = first; n < end; ++n) {
            SetNodeText(CNode::ResolvePath("MCH.CH" + std::to_string(n)), "Clear", "ON");
        }
    };
    struct SStep {
        const char* what;
        std::function<void()> prepare;
        std::function<bool()> run;
    };
    const auto fillAndSelectAll = [&] {
        Fill();
        selectAll();
    };
    const std::string text = [&] {
        fillAndSelectAll();
        frame.RunCommand(Cmd::EditCopy);
        return QApplication::clipboard()->text().toStdString();
    }();
    // A new frequency in the cell of a channel in the middle of the list.
    int edits = 0;
    const auto editCell = [&grid, &edits] {
        const QModelIndex cell = grid.model()->index(kChannels / 2, kFrequencyColumn);
        const double megahertz = 145.0 + 0.0125 * (++edits % 80);
        return grid.model()->setData(cell, QString::number(megahertz, 'f', 5));
    };
    // A command as a step's run, and a preparation two steps share.
    const auto command = [&frame](int id) { return [&frame, id] { return frame.RunCommand(id); }; };
    const auto halfClearedInUseOnly = [&](bool inUseOnly) {
        return [&, inUseOnly] {
            Fill();
            clearChannels(kChannels / 2, kChannels);
            frame.ListFrame()->SetRowsInUseOnly(inUseOnly);
        };
    };
    const std::vector<SStep> steps = {
        {"Edit a frequency cell", [] {}, editCell},
        {"Undo of the cell edit", [&] { editCell(); }, command(Cmd::EditUndo)},
        {"Redo of the cell edit",
         [&] {
             editCell();
             frame.RunCommand(Cmd::EditUndo);
         },
         command(Cmd::EditRedo)},
        {"Copy 100 rows", fillAndSelectAll, command(Cmd::EditCopy)},
        {"Paste 100 records (onto cleared)",
         [&] {
             fillAndSelectAll();
             frame.RunCommand(Cmd::EditCopy);
             frame.RunCommand(Cmd::EditClear);
             grid.SelectRow(0);
         },
         command(Cmd::EditPaste)},
        {"Paste 100 CSV rows (onto cleared)",
         [&] {
             selectAll();
             frame.RunCommand(Cmd::EditClear);
             QApplication::clipboard()->setText(QString::fromStdString(text));
             grid.SelectRow(0);
         },
         command(Cmd::EditPaste)},
        {"Clear 100 rows", fillAndSelectAll, command(Cmd::EditClear)},
        {"Insert 50 rows (empty tail)",
         [&] {
             Fill();
             clearChannels(kChannels / 2, kChannels);
             selectFirstHalf();
         },
         command(Cmd::EditInsert)},
        {"Delete 50 rows (all cleared)",
         [&] {
             clearChannels(0, kChannels);
             selectFirstHalf();
         },
         command(Cmd::EditDelete)},
        {"Set Field on 100 channels", fillAndSelectAll,
         [&] {
             return channels.SetField(
                 kCtcssColumn, ++edits % 2 == 0 ? QStringLiteral("88.5") : QStringLiteral("100.0"));
         }},
        {"Header sort, 100 channels reversed",
         [&] {
             Fill();
             grid.SelectRow(0);
         },
         [&] { return channels.SortBy(z5channel::ESortKey::Frequency, true); }},
        {"Channels in Use Only, on (50 cleared)", halfClearedInUseOnly(false),
         command(Cmd::ViewInUseOnly)},
        {"Channels in Use Only, off (50 cleared)", halfClearedInUseOnly(true),
         command(Cmd::ViewInUseOnly)},
        {"Undo of Clear 100 rows",
         [&] {
             fillAndSelectAll();
             frame.RunCommand(Cmd::EditClear);
         },
         command(Cmd::EditUndo)},
    };
    std::printf("%-40s %10s %10s\n", "command", "median ms", "max ms");
    for (const SStep& step : steps) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            step.prepare();
            times.push_back(Milliseconds(step.run, step.what));
        }
        std::sort(times.begin(), times.end());
        std::printf("%-40s %10.2f %10.2f\n", step.what, times[times.size() / 2], times.back());
    }
    return 0;
}
