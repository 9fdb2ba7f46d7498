// Measures cpz5-cli write to many radios at once against one radio: the
// radios are virtual, each on its own pseudo-terminal, paced as a 9600-baud
// line (or --baud N); --radios N sets how many (default 32, at most the
// tool's 64).
//
// Prints the wall time of the write to one radio and to all of them, their
// ratio (target: at most 1.1) and the CPU time the tool and its port
// processes used during the many-radio write as a share of its wall time
// (target: under 5%). The radios run in this program; their CPU is not the
// tool's. --runs N repeats the many-radio write and prints each run and the
// median; the load average is printed too, as the machine may be shared.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "clone/Z5DefaultDataManager.h"
#include "model/ImageBuffer.h"
#include "platform/TempFile.h"
#include "radio/VirtualRadio.h"

extern char** environ;

namespace {

constexpr unsigned kDefaultBaud = 9600;
constexpr int kDefaultRadios = 32;
constexpr std::uint8_t kUsa = 2;

struct SRun {
    int status = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;  // user and system time of the tool and its children
};

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs cpz5-cli with arguments, its output thrown away.
SRun RunCli(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = CPZ5_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    SRun run;
    const double cpuBefore = ChildrenCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int raw = 0;
        waitpid(pid, &raw, 0);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    run.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = ChildrenCpuSeconds() - cpuBefore;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The run whose CPU share of the wall time is the median; any failed run
// makes the result fail.
SRun Median(std::vector<SRun> runs) {
    const auto share = [](const SRun& run) { return run.cpuSeconds / run.wallSeconds; };
    std::sort(runs.begin(), runs.end(),
              [&](const SRun& a, const SRun& b) { return share(a) < share(b); });
    SRun median = runs[runs.size() / 2];
    for (const SRun& run : runs) {
        median.status = run.status != 0 ? run.status : median.status;
    }
    return median;
}

// The first three fields of /proc/loadavg, "?" when it cannot be read.
std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    return file >> one >> five >> fifteen ? one + " " + five + " " + fifteen : "?";
}

std::vector<std::string> WriteArguments(const std::string& file,
                                        const std::vector<std::unique_ptr<CVirtualRadio>>& radios,
                                        std::size_t count) {
    std::vector<std::string> arguments = {"write", file, "--yes"};
    for (std::size_t i = 0; i < count; ++i) {
        arguments.push_back("--port");
        arguments.push_back(radios[i]->SlavePath());
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned baud = kDefaultBaud;
    int count = kDefaultRadios;
    int runs = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--baud") == 0) {
            baud = static_cast<unsigned>(std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--radios") == 0) {
            count = std::max(2, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    // The tool's settings and history go into a folder of this run.
    const std::string dir =
        CTempFile::Directory() + "/cpz5-bench-fleet-" + std::to_string(getpid());
    std::filesystem::create_directories(dir);
    setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (dir + "/data").c_str(), 1);

    const auto& factory = CZ5DefaultDataManager::FactoryImage(kUsa);
    CImageBuffer memory(static_cast<std::uint32_t>(factory.size()));
    memory.Write(0, factory.data(), memory.GetSize());
    std::vector<std::unique_ptr<CVirtualRadio>> radios;
    for (int i = 0; i < count; ++i) {
        CVirtualRadio::SConfig config;
        config.optionByte = kUsa;
        config.baudRate = baud;
        radios.push_back(std::make_unique<CVirtualRadio>(memory, config));
        if (!radios.back()->Start()) {
            std::fprintf(stderr, "bench_fleet: radio %d: %s\n", i, radios.back()->Error().c_str());
            return 1;
        }
    }
    const std::string file = dir + "/fleet.cz5";
    if (RunCli({"setup", "--port", radios[0]->SlavePath()}).status != 0 ||
        RunCli({"new", "-o", file}).status != 0) {
        std::fprintf(stderr, "bench_fleet: setup or new failed\n");
        return 1;
    }

    std::printf("load average before: %s\n", LoadAverage().c_str());
    const SRun one = RunCli(WriteArguments(file, radios, 1));
    std::vector<SRun> manyRuns;
    for (int run = 0; run < runs; ++run) {
        manyRuns.push_back(RunCli(WriteArguments(file, radios, static_cast<std::size_t>(count))));
        std::printf("  run %d, %d radios: %6.2f s wall, %5.3f s CPU (%.2f %%), status %d\n",
                    run + 1, count, manyRuns.back().wallSeconds, manyRuns.back().cpuSeconds,
                    100.0 * manyRuns.back().cpuSeconds / manyRuns.back().wallSeconds,
                    manyRuns.back().status);
    }
    std::printf("load average after: %s\n", LoadAverage().c_str());
    const SRun many = Median(manyRuns);
    for (auto& radio : radios) {
        radio->Stop();
    }
    std::filesystem::remove_all(dir);

    const double ratio = many.wallSeconds / one.wallSeconds;
    const double cpuShare = 100.0 * many.cpuSeconds / many.wallSeconds;
    std::printf("write at %u baud, 1 radio:   %6.2f s wall, %5.3f s CPU, status %d\n", baud,
                one.wallSeconds, one.cpuSeconds, one.status);
    std::printf("write at %u baud, %d radios: %6.2f s wall, %5.3f s CPU, status %d%s\n", baud,
                count, many.wallSeconds, many.cpuSeconds, many.status,
                runs > 1 ? " (the run of median CPU share)" : "");
    std::printf("wall ratio %d radios / 1 radio: %.3f (target <= 1.1)\n", count, ratio);
    std::printf("tool CPU share of the wall time: %.2f %% (target < 5 %%)\n", cpuShare);
    std::printf("  of which each radio's port process: %.2f %%; the one-radio write: %.2f %%\n",
                cpuShare / count, 100.0 * one.cpuSeconds / one.wallSeconds);
    return one.status == 0 && many.status == 0 ? 0 : 1;
}
