// Start-up of the real window against the floor window (a bare Qt window of
// the same size drawing the same two CJK faces):
// alternates the two, N runs each, timing from just before the process is
// spawned to its first painted frame, and prints medians and ratios of the
// time and of the peak resident memory.
//
//   kelvora_startup_bench [runs]      (default 25; QT_QPA_PLATFORM as set,
//                                      offscreen when there is no display)

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double ms;
    double cpuMs;  // user and system time of the whole process
    long peakKb;
    // milliseconds spent in each phase: loading the program, making the
    // application, making the window, showing it, painting the first frame
    std::array<double, 5> phaseMs;
};

constexpr std::array<const char*, 5> kPhases{"load and link", "QApplication", "window made", "show",
                                             "first paint"};

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

bool Run(const char* mode, Sample& out)
{
    int fds[2];
    if (pipe(fds) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* argv[] = {const_cast<char*>(KELVORA_STARTUP_PROBE), const_cast<char*>(mode), nullptr};

    const long long start = MonotonicNs();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, KELVORA_STARTUP_PROBE, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto cpuMs = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    long long painted = 0;
    long peak = 0;
    long long t[4] = {};
    if (std::sscanf(text.c_str(), "%lld %ld %lld %lld %lld %lld", &painted, &peak, &t[0], &t[1],
                    &t[2], &t[3]) != 6) {
        return false;
    }
    const auto ms = [](long long from, long long to) {
        return static_cast<double>(to - from) / 1e6;
    };
    out = {ms(start, painted),
           cpuMs(usage.ru_utime) + cpuMs(usage.ru_stime),
           peak,
           {ms(start, t[0]), ms(t[0], t[1]), ms(t[1], t[2]), ms(t[2], t[3]), ms(t[3], painted)}};
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    std::vector<double> realMs, bareMs, realCpu, bareCpu, realKb, bareKb;
    std::array<std::vector<double>, 5> realPhase, barePhase;
    Sample warm{};
    Run("bare", warm);  // warm the file cache once
    for (int i = 0; i < runs; ++i) {
        // alternate which goes first, so neither always follows the other
        for (const char* mode :
             (i % 2 == 0) ? std::vector{"real", "bare"} : std::vector{"bare", "real"}) {
            Sample s{};
            if (!Run(mode, s)) {
                std::fprintf(stderr, "run of %s failed\n", mode);
                return 1;
            }
            const bool real = std::string(mode) == "real";
            (real ? realMs : bareMs).push_back(s.ms);
            (real ? realCpu : bareCpu).push_back(s.cpuMs);
            (real ? realKb : bareKb).push_back(static_cast<double>(s.peakKb));
            for (std::size_t p = 0; p < kPhases.size(); ++p) {
                (real ? realPhase : barePhase)[p].push_back(s.phaseMs[p]);
            }
        }
    }
    const double rm = Median(realMs), bm = Median(bareMs);
    const double rk = Median(realKb), bk = Median(bareKb);
    const double rc = Median(realCpu), bc = Median(bareCpu);
    std::printf("platform: %s, runs: %d each, alternating\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", runs);
    std::printf(
        "start-up to first frame, median: MainWindow %.1f ms, floor window %.1f ms, "
        "ratio %.3f\n",
        rm, bm, rm / bm);
    std::printf(
        "CPU time of the whole process, median: MainWindow %.1f ms, floor window %.1f ms, "
        "ratio %.3f (goal <= 1.15)\n",
        rc, bc, rc / bc);
    std::printf(
        "peak resident memory, median: MainWindow %.0f kB, floor window %.0f kB, "
        "ratio %.3f (goal <= 1.06)\n",
        rk, bk, rk / bk);
    std::printf("where the time goes, median ms (MainWindow / bare):");
    for (std::size_t p = 0; p < kPhases.size(); ++p) {
        std::printf("%s %s %.1f / %.1f", p == 0 ? "" : ",", kPhases[p], Median(realPhase[p]),
                    Median(barePhase[p]));
    }
    std::printf("\n");
    return 0;
}
