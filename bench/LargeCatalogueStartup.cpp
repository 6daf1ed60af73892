// Start-up with a large equipment catalogue: 100,000 rows whose names come in
// alphabetical order, and the same rows shuffled. Each start-up is the
// program's real one (application object, catalogues read and checked, the
// design sheet built, shown and painted once) on the Qt platform, in a child
// process of its own, timed from its start to the end of the first paint.
//
//   kestrav_bench_large_catalogue [RUNS]
//
// Prints, per order, the median and the slowest of RUNS start-ups (default 5),
// and the ratio of the medians (shuffled / sorted).

#include "app/KestravApp.h"
#include "bench/FirstPaintPlatform.h"
#include "bench/MonotonicClock.h"
#include "catalog/CatalogFolder.h"
#include "catalog/CatalogNames.h"
#include "tools/SqlScript.h"

#include <QApplication>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 100000;

// A catalogue folder: the project's engines and structure, and kRows equipment rows.
std::string MakeFolder(const std::string& project, bool shuffled) {
    char pattern[] = "/tmp/kestrav-bench-XXXXXX";
    if (!mkdtemp(pattern)) std::exit(1);
    const std::string folder = pattern;
    for (const char* name : {kEnginesCatalog, kInternalCatalog}) {
        const std::string file = std::string(name) + ".db";
        fs::copy_file(fs::path(project) / file, fs::path(folder) / file);
    }
    std::vector<int> order(kRows);
    for (int i = 0; i < kRows; ++i)
        order[static_cast<std::size_t>(i)] = i;
    if (shuffled) std::shuffle(order.begin(), order.end(), std::mt19937(20261206));
    std::string script = "CREATE TABLE [Equipment] ([Item] TEXT, [Tonnage] REAL, [Criticals] "
                         "REAL, [Damage] SMALLINT, [Heat] SMALLINT, [Long] SMALLINT, [Medium] "
                         "SMALLINT, [Minimum] SMALLINT, [Short] SMALLINT); BEGIN;";
    char row[128];
    for (int i : order) {
        std::snprintf(row, sizeof row,
                      "INSERT INTO [Equipment] VALUES ('Item %06d', 1.0, 1.0, 0, 0, 0, 0, 0, 0);",
                      i);
        script += row;
    }
    CreateDatabaseFromScript(folder + "/" + kEquipmentCatalog + ".db", script + "COMMIT;");
    return folder;
}

// One start-up in a child process; its time in seconds.
double StartOnce(const std::string& folder, const std::string& program) {
    const MonotonicClock::time_point start = MonotonicClock::now();
    const pid_t child = fork();
    if (child == 0) {
        SetCatalogFolderForTesting(folder);
        int argc = 1;
        char name[] = "kestrav";
        char* argv[] = {name, nullptr};
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QApplication application(argc, argv);
        FirstPaintPlatform platform;
        if (AfxGetApp() != &theApp) std::_Exit(2);
        AfxWinMain(platform, program);
        std::_Exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the start-up failed (status %d)\n", status);
        std::exit(1);
    }
    return SecondsSince(start);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string program = (fs::path(argv[0]).parent_path() / "kestrav").string();
    const std::string project = KESTRAV_CATALOG_DIR;
    double medians[2] = {0, 0};
    for (int shuffled = 0; shuffled < 2; ++shuffled) {
        const std::string folder = MakeFolder(project, shuffled != 0);
        StartOnce(folder, program); // a warm file cache
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
            times.push_back(StartOnce(folder, program));
        std::sort(times.begin(), times.end());
        medians[shuffled] = times[times.size() / 2];
        std::printf("%-8s %d rows: median %.3f s, slowest %.3f s\n",
                    shuffled ? "shuffled" : "sorted", kRows, medians[shuffled], times.back());
        fs::remove_all(folder);
    }
    std::printf("ratio shuffled / sorted: %.2f\n", medians[1] / medians[0]);
    return 0;
}
