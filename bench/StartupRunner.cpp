// Times two programs' start-ups as whole processes, from outside, and reads
// their peak memory in the same runs.
//
//   kestrav_bench_startup RUNS PROBE BARE
//
// PROBE (kestrav_bench_startup_probe) and BARE (kestrav_bench_bare) each
// print "painted <CLOCK_MONOTONIC ns>" at the end of their first paint; the
// probe also prints the lengths of its lists, which the bare dialog is given.
// After one untimed run of each (so both start from a warm file cache), the
// two are run RUNS times, interleaved and in alternating order. For each run:
// the time from spawning the process to the end of its first paint, the time
// to its exit, and its peak resident memory (the kernel's maximum resident
// set size of the child, from wait4). Printed: the median of each, per
// program, and the median ratios, one figure per line:
//   <figure> <probe median> <bare median> <ratio>

#include "bench/MonotonicClock.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double paintMs = 0;
    double exitMs = 0;
    double peakKb = 0;
    std::string lists; // the probe's list lengths
};

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "kestrav_bench_startup: %s\n", what.c_str());
    std::exit(1);
}

Run Measure(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) Fail("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);

    const long long start = MonotonicNanoseconds();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        Fail("cannot start " + command[0]);
    close(out[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long long end = MonotonicNanoseconds();
    close(out[0]);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail(command[0] + " failed");

    Run run;
    std::istringstream lines(output);
    std::string word;
    long long painted = 0;
    while (lines >> word) {
        if (word == "painted") lines >> painted;
        if (word == "lists") lines >> run.lists;
    }
    if (painted == 0) Fail(command[0] + " never painted");
    run.paintMs = static_cast<double>(painted - start) / 1e6;
    run.exitMs = static_cast<double>(end - start) / 1e6;
    run.peakKb = static_cast<double>(usage.ru_maxrss);
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kestrav_bench_startup RUNS PROBE BARE\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::string> probe = {argv[2]};
    const Run warm = Measure(probe);
    const std::vector<std::string> bare = {argv[3], "--lists=" + warm.lists};
    Measure(bare);

    std::vector<Run> probeRuns, bareRuns;
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            probeRuns.push_back(Measure(probe));
            bareRuns.push_back(Measure(bare));
        } else {
            bareRuns.push_back(Measure(bare));
            probeRuns.push_back(Measure(probe));
        }
    }
    auto figure = [&](const char* name, double Run::*field) {
        std::vector<double> p, b, ratios;
        for (int i = 0; i < runs; ++i) {
            p.push_back(probeRuns[i].*field);
            b.push_back(bareRuns[i].*field);
            ratios.push_back(p.back() / b.back());
        }
        std::printf("%s %.1f %.1f %.3f\n", name, Median(p), Median(b), Median(ratios));
    };
    figure("startup_paint_ms", &Run::paintMs);
    figure("startup_exit_ms", &Run::exitMs);
    figure("peak_rss_kb", &Run::peakKb);
    return 0;
}
