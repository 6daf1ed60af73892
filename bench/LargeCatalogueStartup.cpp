// A large equipment catalogue: 200,000 rows, the most a table may hold (the
// project's own, then numbered items), their names in alphabetical order and
// shuffled.
//
// Start-up: each is the program's real one (application object, catalogues
// read and checked, the design sheet built, shown and painted once) on the Qt
// platform, in a child process of its own, timed from its start to the end of
// the first paint, with the child's peak resident memory.
//
// Actions: the families of bench/Cycles.h on a live design of the headless
// sheet, rules only, with the project's catalogues and with the large one:
// the median of each family's timed actions, in rounds that alternate the two.
//
//   kestrav_bench_large_catalogue [RUNS [ROUNDS]]
//
// Prints, per order, the median and the slowest of RUNS start-ups (default 5),
// the ratio of the medians (shuffled / sorted), the start-up without the
// window, and per action family both medians and their ratio (large / shipped).

#include "app/KestravApp.h"
#include "bench/Cycles.h"
#include "bench/FirstPaintPlatform.h"
#include "bench/MonotonicClock.h"
#include "catalog/CatalogFolder.h"
#include "catalog/CatalogNames.h"
#include "testing/HeadlessSheet.h"
#include "tools/SqlScript.h"

#include <QApplication>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 200000;

// A catalogue folder: the project's three catalogues, the equipment made up
// to kRows rows with numbered items, in alphabetical order or shuffled.
std::string MakeFolder(const std::string& project, bool shuffled) {
    char pattern[] = "/tmp/kestrav-bench-XXXXXX";
    if (!mkdtemp(pattern)) std::exit(1);
    const std::string folder = pattern;
    for (const char* file : {kEnginesCatalog, kInternalCatalog, kEquipmentCatalog})
        fs::copy_file(fs::path(project) / (std::string(file) + ".db"),
                      fs::path(folder) / (std::string(file) + ".db"));
    const std::string equipment = folder + "/" + kEquipmentCatalog + ".db";
    ApplyScriptToDatabase(
        equipment, "PRAGMA synchronous = OFF; CREATE TABLE [Shipped] AS SELECT * FROM "
                   "[Equipment]; DELETE FROM [Equipment]; INSERT INTO [Equipment] SELECT * "
                   "FROM [Shipped]; DROP TABLE [Shipped]; WITH RECURSIVE n(i) AS (SELECT 1 "
                   "UNION ALL SELECT i + 1 FROM n WHERE i < " +
                       std::to_string(kRows) +
                       " - (SELECT count(*) FROM [Equipment])) INSERT INTO [Equipment] SELECT "
                       "printf('Item %06d', i), 1.0, 1.0, 0, 0, 0, 0, 0, 0 FROM n ORDER BY " +
                       (shuffled ? "(i * 7919) % 200003" : "i") + "; VACUUM;");
    return folder;
}

struct StartUp {
    double seconds;
    double residentMiB;
};

// One start-up in a child process; its time and peak resident memory.
StartUp StartOnce(const std::string& folder, const std::string& program) {
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
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the start-up failed (status %d)\n", status);
        std::exit(1);
    }
    return {SecondsSince(start), static_cast<double>(usage.ru_maxrss) / 1024};
}

// The headless sheet driven through its entry points, as bench/RulesBench.cpp does.
class HeadlessDriver : public Driver {
  public:
    explicit HeadlessDriver(const std::string& folder) { m_headless.Start(folder); }
    void Click(int id) override { m_headless.sheet->ClickButton(id); }
    void ClickEntry(int list, const std::string& text, bool twice) override {
        int row = -1;
        if (!text.empty()) row = Row(list, text);
        m_headless.sheet->ClickList(list, row);
        if (twice) m_headless.sheet->DoubleClickList(list, row);
    }
    std::string Snapshot() const override { return ""; }
    // Where a person clicks costs nothing: the weapons list's rows, which no
    // action changes, are looked up once, not searched on every click.
    int Row(int list, const std::string& text) {
        const auto& items = m_headless.sheet->Control(list).items;
        if (list != IDC_WEAPONS)
            return static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
        if (m_weapons.empty())
            for (std::size_t i = 0; i < items.size(); ++i)
                m_weapons.emplace(items[i], static_cast<int>(i));
        return m_weapons.at(text);
    }
    std::size_t Boxes() const { return m_headless.platform.boxes.size(); }

  private:
    HeadlessSheet m_headless;
    std::unordered_map<std::string, int> m_weapons;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median time of each family's timed actions on a live design, in microseconds.
std::vector<double> ActionMedians(const std::string& folder, int cycles) {
    HeadlessDriver sheet(folder);
    BuildLiveDesign(sheet);
    std::vector<double> medians;
    for (const Family& family : Families()) {
        std::vector<double> samples;
        for (int i = 0; i < cycles; ++i)
            for (const Step& step : family.cycle) {
                const auto start = MonotonicClock::now();
                step.act(sheet);
                if (step.timed) samples.push_back(SecondsSince(start) * 1e6);
            }
        medians.push_back(Median(samples));
    }
    if (sheet.Boxes() != 0) { // every row of both is sound
        std::fprintf(stderr, "a message box was shown\n");
        std::exit(1);
    }
    return medians;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string program = (fs::path(argv[0]).parent_path() / "kestrav").string();
    const std::string project = KESTRAV_CATALOG_DIR;
    double medians[2] = {0, 0};
    std::string sorted;
    for (int shuffled = 0; shuffled < 2; ++shuffled) {
        const std::string folder = MakeFolder(project, shuffled != 0);
        StartOnce(folder, program); // a warm file cache
        std::vector<double> times, resident;
        for (int i = 0; i < runs; ++i) {
            const StartUp once = StartOnce(folder, program);
            times.push_back(once.seconds);
            resident.push_back(once.residentMiB);
        }
        std::sort(times.begin(), times.end());
        medians[shuffled] = times[times.size() / 2];
        std::printf("%-8s %d rows: median %.3f s, slowest %.3f s, peak resident %.0f MiB\n",
                    shuffled ? "shuffled" : "sorted", kRows, medians[shuffled], times.back(),
                    Median(resident));
        if (shuffled)
            fs::remove_all(folder);
        else
            sorted = folder;
    }
    std::printf("ratio shuffled / sorted: %.2f\n", medians[1] / medians[0]);

    // The start-up itself, without a window: the headless sheet, in this process.
    std::vector<double> headless;
    for (int i = 0; i < runs; ++i) {
        const auto start = MonotonicClock::now();
        HeadlessSheet sheet;
        sheet.Start(sorted);
        headless.push_back(SecondsSince(start));
    }
    std::printf("start-up without the window, sorted: median %.3f s\n", Median(headless));

    // Actions: rounds alternating the project's catalogues and the large one.
    const std::vector<Family> families = Families();
    std::vector<std::vector<double>> shipped(families.size()), large(families.size());
    for (int round = 0; round < rounds; ++round) {
        const std::vector<double> a = ActionMedians(project, 200);
        const std::vector<double> b = ActionMedians(sorted, 200);
        for (std::size_t f = 0; f < families.size(); ++f) {
            shipped[f].push_back(a[f]);
            large[f].push_back(b[f]);
        }
    }
    std::printf("%-12s %14s %14s %7s\n", "action", "shipped (us)", "200,000 (us)", "ratio");
    for (std::size_t f = 0; f < families.size(); ++f)
        std::printf("%-12s %14.1f %14.1f %7.2f\n", families[f].name, Median(shipped[f]),
                    Median(large[f]), Median(large[f]) / Median(shipped[f]));
    fs::remove_all(sorted);
    return 0;
}
