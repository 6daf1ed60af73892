// How long one user action takes on a live design, rules only (no window):
// the sheet's entry points driven directly on the headless platform. The
// families and their cycles are those of bench/Cycles.h; each timed action is
// timed alone. Reported per action: the mean (the benchmark's time), and the
// median, 99th percentile and worst single action (counters rules_*_us).

#include "bench/Cycles.h"
#include "bench/MonotonicClock.h"
#include "testing/HeadlessSheet.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A fresh design sheet on the headless platform, driven through its entry points.
class RulesDriver : public Driver {
  public:
    RulesDriver() { m_headless.Start(); }

    void Click(int id) override { m_headless.sheet->ClickButton(id); }
    void ClickEntry(int list, const std::string& text, bool twice) override {
        int row = -1;
        if (!text.empty()) {
            const auto& items = m_headless.sheet->Control(list).items;
            row = static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
        }
        m_headless.sheet->ClickList(list, row);
        if (twice) m_headless.sheet->DoubleClickList(list, row);
    }
    std::string Snapshot() const override {
        std::string shown;
        for (const ControlState& control : m_headless.sheet->State().controls) {
            shown += control.text + (control.checked ? "|x|" : "|o|");
            for (const std::string& item : control.items)
                shown += item + "|";
        }
        return shown;
    }
    std::size_t Boxes() const { return m_headless.platform.boxes.size(); }

  private:
    HeadlessSheet m_headless;
};

void RunFamily(benchmark::State& state, const Family& family) {
    RulesDriver sheet;
    BuildLiveDesign(sheet);
    const std::string before = sheet.Snapshot();
    const std::size_t boxes = sheet.Boxes();
    std::vector<double> samples;
    TimeCycles(
        state, family, [&sheet](const Step& step) { step.act(sheet); },
        [&](const Step& step) {
            const auto start = MonotonicClock::now();
            step.act(sheet);
            samples.push_back(SecondsSince(start));
            return samples.back();
        });
    if (sheet.Boxes() != boxes) state.SkipWithError("a message box was shown");
    if (sheet.Snapshot() != before) state.SkipWithError("the cycle did not restore the design");
    ReportSamples(state, "rules", std::move(samples));
}

} // namespace

int main(int argc, char** argv) {
    RegisterFamilies(RunFamily);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
