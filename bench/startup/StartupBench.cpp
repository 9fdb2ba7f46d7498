// Measures the start of the desktop program: from the start of the process
// until its main window is shown with a clone file open ("cpz5 -platform
// offscreen --open FILE", with CPZ5_STARTUP_PROBE set so that it reports the
// shown window on stdout and ends), and the peak resident memory of the
// process (wait4's ru_maxrss).
//
//   bench_startup [RUNS] [CPZ5 [CPZ5_CLI]]
//
// With --cli it measures the command-line tool instead: "cpz5-cli dump FILE"
// against "cpz5-cli --version" (the cost of starting the program at all),
// the two taken in turns so that both see the same load:
//
//   bench_startup --cli [RUNS] [CPZ5_CLI]
//
// Every run has a settings folder of its own in which the radio counts as set
// up (no setup window) and a private runtime folder for the single-instance
// lock. The first run warms the file cache and is not counted.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kShownMarker = "cpz5: main window shown";
constexpr int kDefaultRuns = 10;
// A start that shows nothing for this long waits on something (a message
// box, the setup window) and is ended.
constexpr int kPatienceMilliseconds = 30000;

struct SStart {
    double seconds = 0;
    long peakKiB = 0;
};

struct SScratch {
    std::filesystem::path root;
    std::filesystem::path cloneFile;
};

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

std::vector<std::string> Environment(const SScratch& scratch) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    environment.push_back("XDG_CONFIG_HOME=" + (scratch.root / "config").string());
    environment.push_back("XDG_RUNTIME_DIR=" + (scratch.root / "run").string());
    environment.push_back("CPZ5_STARTUP_PROBE=1");
    return environment;
}

// Starts program with arguments and environment, its stdout on a pipe whose
// reading end goes to output. The child's id, or -1.
pid_t Spawn(std::vector<std::string> arguments, std::vector<std::string> environment, int& output) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t child = -1;
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        child = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    output = pipeEnds[0];
    return child;
}

// Reads output until it holds the marker; false at the end of output or
// when nothing comes for kPatienceMilliseconds.
bool AwaitMarker(int output) {
    std::string seen;
    char buffer[256];
    pollfd wait{output, POLLIN, 0};
    while (poll(&wait, 1, kPatienceMilliseconds) == 1) {
        const ssize_t got = read(output, buffer, sizeof buffer);
        if (got <= 0) {
            return false;
        }
        seen.append(buffer, static_cast<std::size_t>(got));
        if (seen.find(kShownMarker) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::optional<SStart> StartOnce(const std::string& program, const SScratch& scratch) {
    int output = -1;
    const auto begin = std::chrono::steady_clock::now();
    const pid_t child = Spawn({program, "-platform", "offscreen", "--open", scratch.cloneFile},
                              Environment(scratch), output);
    if (child < 0) {
        return std::nullopt;
    }
    const bool shown = AwaitMarker(output);
    const auto end = std::chrono::steady_clock::now();
    close(output);
    if (!shown) {
        kill(child, SIGKILL);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return SStart{std::chrono::duration<double>(end - begin).count(), usage.ru_maxrss};
}

bool MakeScratch(const std::string& cli, SScratch& scratch) {
    char pattern[] = "/tmp/bench_startup.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return false;
    }
    scratch.root = pattern;
    scratch.cloneFile = scratch.root / "bench.cz5";
    std::filesystem::create_directories(scratch.root / "config" / "Brel");
    std::filesystem::create_directory(scratch.root / "run");
    std::filesystem::permissions(scratch.root / "run", std::filesystem::perms::owner_all);
    std::ofstream(scratch.root / "config" / "Brel" / "CP-Z5.conf") << "[Model]\nSetup=1\n";
    int output = -1;
    const pid_t child = Spawn({cli, "new", "-o", scratch.cloneFile}, Environment(scratch), output);
    int status = 0;
    if (child > 0) {
        close(output);
        waitpid(child, &status, 0);
    }
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs program with arguments to its end, its output read and dropped.
std::optional<SStart> RunToEnd(std::vector<std::string> arguments, const SScratch& scratch) {
    int output = -1;
    const auto begin = std::chrono::steady_clock::now();
    const pid_t child = Spawn(std::move(arguments), Environment(scratch), output);
    if (child < 0) {
        return std::nullopt;
    }
    char buffer[4096];
    while (read(output, buffer, sizeof buffer) > 0) {
    }
    close(output);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return SStart{std::chrono::duration<double>(end - begin).count(), usage.ru_maxrss};
}

struct SSeries {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<double> seconds;
    std::vector<long> peaks;
};

void PrintSeries(const SSeries& series) {
    std::printf("  %-22s median %5.1f ms, best %5.1f ms, worst %5.1f ms, peak memory %.1f MiB\n",
                series.name, Median(series.seconds) * 1e3,
                *std::min_element(series.seconds.begin(), series.seconds.end()) * 1e3,
                *std::max_element(series.seconds.begin(), series.seconds.end()) * 1e3,
                static_cast<double>(Median(series.peaks)) / 1024.0);
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// cpz5-cli dump against cpz5-cli --version, in turns; the first round warms
// the file cache and is not counted.
int BenchCli(int runs, const std::string& cli, const SScratch& scratch) {
    std::vector<SSeries> series = {
        {"cpz5-cli --version", {cli, "--version"}, {}, {}},
        {"cpz5-cli dump FILE", {cli, "dump", scratch.cloneFile}, {}, {}}};
    for (int run = 0; run <= runs; ++run) {
        for (SSeries& one : series) {
            const std::optional<SStart> start = RunToEnd(one.arguments, scratch);
            if (!start) {
                std::fprintf(stderr, "bench_startup: %s failed\n", one.name);
                return 1;
            }
            if (run > 0) {
                one.seconds.push_back(start->seconds);
                one.peaks.push_back(start->peakKiB);
            }
        }
    }
    std::printf("cpz5-cli from start to end (%d runs each, load average %s):\n", runs,
                LoadAverage().c_str());
    for (const SSeries& one : series) {
        PrintSeries(one);
    }
    std::printf("  dump / --version:      %.2f\n",
                Median(series[1].seconds) / Median(series[0].seconds));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--cli") {
        const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRuns;
        const std::string cli = argc > 3 ? argv[3] : CPZ5_CLI;
        SScratch scratch;
        if (!MakeScratch(cli, scratch)) {
            std::fprintf(stderr, "bench_startup: cannot make a clone file with %s\n", cli.c_str());
            return 1;
        }
        const int status = BenchCli(runs, cli, scratch);
        std::filesystem::remove_all(scratch.root);
        return status;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    const std::string program = argc > 2 ? argv[2] : CPZ5_PROGRAM;
    const std::string cli = argc > 3 ? argv[3] : CPZ5_CLI;
    SScratch scratch;
    if (!MakeScratch(cli, scratch)) {
        std::fprintf(stderr, "bench_startup: cannot make a clone file with %s\n", cli.c_str());
        return 1;
    }
    std::vector<double> seconds;
    std::vector<long> peaks;
    for (int run = 0; run <= runs; ++run) {
        const std::optional<SStart> start = StartOnce(program, scratch);
        if (!start) {
            std::fprintf(stderr, "bench_startup: %s did not show its window\n", program.c_str());
            std::filesystem::remove_all(scratch.root);
            return 1;
        }
        if (run > 0) {
            seconds.push_back(start->seconds);
            peaks.push_back(start->peakKiB);
        }
    }
    std::filesystem::remove_all(scratch.root);
    std::printf(
        "start until the main window is shown (%d runs, offscreen, one clone file, load "
        "average %s):\n",
        runs, LoadAverage().c_str());
    std::printf("  time:        median %.0f ms, best %.0f ms, worst %.0f ms\n",
                Median(seconds) * 1e3, *std::min_element(seconds.begin(), seconds.end()) * 1e3,
                *std::max_element(seconds.begin(), seconds.end()) * 1e3);
    std::printf("  peak memory: median %.1f MiB (resident)\n",
                static_cast<double>(Median(peaks)) / 1024.0);
    return 0;
}
