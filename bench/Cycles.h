// The action families both benchmarks time, written once over a driver: the
// rules-only benchmark drives the sheet's entry points, the window benchmark
// the real widgets with mouse events.
//
// Each family is a cycle of user actions that returns the design to where it
// was, so every iteration does the same work; only the steps marked timed
// belong to the family. They play on a live design (BuildLiveDesign).
#pragma once

#include "res/resource.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class Driver {
  public:
    virtual ~Driver() = default;
    // A click on a button or check box.
    virtual void Click(int id) = 0;
    // A click on the entry of a list with this text, or (empty text) below
    // its last entry; twice: a double-click.
    virtual void ClickEntry(int list, const std::string& text, bool twice) = 0;
    // What the sheet shows of the design, to tell that a cycle restored it.
    virtual std::string Snapshot() const = 0;
};

struct Step {
    bool timed;
    std::function<void(Driver&)> act;
};

struct Family {
    const char* name;
    std::vector<Step> cycle;
};

namespace cycles {

inline std::function<void(Driver&)> Click(int id) {
    return [id](Driver& d) { d.Click(id); };
}
inline std::function<void(Driver&)> Select(int list, std::string text) {
    return [=](Driver& d) { d.ClickEntry(list, text, false); };
}
inline std::function<void(Driver&)> DoubleClick(int list, std::string text) {
    return [=](Driver& d) { d.ClickEntry(list, text, true); };
}
inline std::function<void(Driver&)> ClickBelow(int list) {
    return [list](Driver& d) { d.ClickEntry(list, "", false); };
}
inline Step Timed(std::function<void(Driver&)> act) {
    return {true, std::move(act)};
}
inline Step Untimed(std::function<void(Driver&)> act) {
    return {false, std::move(act)};
}
inline Family Pair(const char* name, int one, int other) {
    return {name, {Timed(Click(one)), Timed(Click(other))}};
}

// A weapon added, placed into L/TORSO by a click on the list and removed by a
// double-click on it there; either the placing or the removing is timed.
inline std::vector<Step> PlaceAndRemove(bool timePlace) {
    return {Untimed(Select(IDC_WEAPONS, "Medium Laser")),
            Untimed(Click(IDC_ADD_COMPONENT)),
            {timePlace, ClickBelow(IDC_LIST_LEFTTORSO)},
            {!timePlace, DoubleClick(IDC_LIST_LEFTTORSO, "Medium Laser")}};
}

} // namespace cycles

// The families, in the order of the figures.
inline std::vector<Family> Families() {
    using namespace cycles;
    std::vector<Family> families = {
        Pair("tonnage", IDC_TONNAGE_UP, IDC_TONNAGE_DOWN),
        Pair("speed", IDC_SPEED_DOWN, IDC_SPEED_UP),
        Pair("armour", IDC_ARMOUR_UP, IDC_ARMOUR_DOWN),
        Pair("armour-UD", IDC_UP_LA, IDC_DOWN_LA),
        Pair("jump-jets", IDC_JUMPJETS_DOWN, IDC_JUMPJETS_UP),
    };
    // Each construction option set and cleared again.
    Family options{"options", {}};
    for (int id : {IDC_XL_ENGINE, IDC_FERRO_FIBROUS, IDC_ENDO_STEEL, IDC_DOUBLE_HEATSINKS}) {
        options.cycle.push_back(Timed(Click(id)));
        options.cycle.push_back(Timed(Click(id)));
    }
    families.push_back(options);
    // Add Component on a selected weapon: the pending component is replaced each time.
    families.push_back(
        {"add", {Untimed(Select(IDC_WEAPONS, "PPC")), Timed(Click(IDC_ADD_COMPONENT))}});
    families.push_back({"place", PlaceAndRemove(true)});
    families.push_back({"remove", PlaceAndRemove(false)});
    // A placed weapon moved from R/TORSO to L/TORSO and back: the Move
    // Component click and the click that puts it down.
    Family move{"move", {}};
    for (auto [from, to] : {std::pair{IDC_LIST_RIGHTTORSO, IDC_LIST_LEFTTORSO},
                            std::pair{IDC_LIST_LEFTTORSO, IDC_LIST_RIGHTTORSO}}) {
        move.cycle.push_back(Untimed(Select(from, "SRM 4")));
        move.cycle.push_back(Timed(Click(IDC_MOVE_COMPONENT)));
        move.cycle.push_back(Timed(ClickBelow(to)));
    }
    families.push_back(move);
    // An engine heat sink taken by a double-click on the engine's list and put
    // into L/LEG; given back by a double-click on it there (untimed).
    families.push_back(
        {"engine-sink",
         {Timed(DoubleClick(IDC_ENGINE_HEATSINKS, "Heat Sink")),
          Timed(ClickBelow(IDC_LIST_LEFTLEG)), Untimed(DoubleClick(IDC_LIST_LEFTLEG, "Heat Sink")),
          Untimed(Click(IDC_TONNAGE_UP)), Untimed(Click(IDC_TONNAGE_DOWN))}});
    return families;
}

// A design of 50 t at speed 4 with some armour, jets and two weapons placed in R/TORSO.
inline void BuildLiveDesign(Driver& d) {
    for (int i = 0; i < 8; ++i)
        d.Click(IDC_TONNAGE_UP);
    for (int i = 0; i < 3; ++i)
        d.Click(IDC_SPEED_UP);
    for (int i = 0; i < 6; ++i)
        d.Click(IDC_ARMOUR_UP);
    for (int i = 0; i < 2; ++i)
        d.Click(IDC_JUMPJETS_UP);
    for (const char* weapon : {"Medium Laser", "SRM 4"}) {
        d.ClickEntry(IDC_WEAPONS, weapon, false);
        d.Click(IDC_ADD_COMPONENT);
        d.ClickEntry(IDC_LIST_RIGHTTORSO, "", false);
    }
}

// Reports single-action times (seconds) as counters in microseconds:
// <name>_med_us, <name>_p99_us and <name>_max_us.
inline void ReportSamples(benchmark::State& state, const std::string& name,
                          std::vector<double> values) {
    if (values.empty()) return;
    std::sort(values.begin(), values.end());
    const auto at = [&values](double share) {
        return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))] *
               1e6;
    };
    state.counters[name + "_med_us"] = at(0.5);
    state.counters[name + "_p99_us"] = at(0.99);
    state.counters[name + "_max_us"] = at(1.0);
}

// The largest of the repetitions' values: with the "max" statistic, a
// repeated benchmark reports its worst single action over every repetition.
inline double Largest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Plays the family's cycle once an iteration and makes the iteration's time
// the mean of its timed actions. `untimed(step)` plays a step that is not
// timed; `timed(step)` plays a timed one and returns the seconds it counts.
template <class PlayUntimed, class PlayTimed>
void TimeCycles(benchmark::State& state, const Family& family, PlayUntimed untimed,
                PlayTimed timed) {
    for (auto _ : state) {
        double total = 0;
        int count = 0;
        for (const Step& step : family.cycle) {
            if (!step.timed) {
                untimed(step);
                continue;
            }
            total += timed(step);
            ++count;
        }
        state.SetIterationTime(total / count); // per action
    }
}

// Registers one benchmark per family, timed by hand in microseconds, whose
// "max" statistic is the worst single action over every repetition.
inline void RegisterFamilies(void (*run)(benchmark::State&, const Family&)) {
    for (const Family& family : Families())
        benchmark::RegisterBenchmark(family.name, run, family)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond)
            ->ComputeStatistics("max", Largest);
}
