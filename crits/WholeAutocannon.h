// Which entries make up one whole "AC /20", when one is taken out.
//
// The "AC /20" is the only component that may spill, and it spills along one
// chain of lists:
//
//     L/ARM -> L/TORSO -> C/TORSO <- R/TORSO <- R/ARM
//
// (kSpillPath, from the location table) so every "AC /20" lies in one list or in two neighbours on
// that path. Its entries all read alike, so what matters is how many each list gives up: taking one
// out must leave the remaining entries still made of whole components, each in one list or across
// two neighbours. These functions are pure counting on the five lists of the path.
#pragma once

#include "design/Locations.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <vector>

using PathCounts = std::array<int, kSpillPath.size()>;

// True when the counts are whole components of `size` entries, each in one
// list or across two neighbours with at least one entry on each side.
inline bool SplitsIntoWhole(const PathCounts& counts, int size) {
    if (size <= 0) return true;
    // Entries the current list still owes to components begun in the list before.
    std::set<int> owed{0};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const bool last = i + 1 == counts.size();
        std::set<int> next;
        for (int debt : owed) {
            const int rest = counts[i] - debt;
            if (rest < 0) continue;
            // k components run on into the next list, with `left` entries here in all.
            for (int k = 0; k <= rest && (!last || k == 0); ++k)
                for (int left = k; left <= std::min(rest, (size - 1) * k); ++left)
                    if ((rest - left) % size == 0) next.insert(size * k - left);
        }
        owed = std::move(next);
    }
    return owed.count(0) > 0;
}

// The entries to take from each list of the path to take out one whole
// component of `size` entries that has an entry in the list at `from`: as
// many as possible from that list, the rest from the list it spilled into,
// else from the list that spilled into it; always leaving whole components
// behind. When no choice does (the lists were never made by placing), only
// the entries of the list at `from` are taken.
inline PathCounts ChooseWholeAutocannon(const PathCounts& counts, int size, int from) {
    PathCounts take{};
    if (size <= 0) return take;
    // Neighbours nearer the centre of the path are spill partners, the others spill sources.
    std::vector<int> neighbours;
    if (from < 2)
        neighbours = {from + 1, from - 1};
    else if (from > 2)
        neighbours = {from - 1, from + 1};
    else
        neighbours = {1, 3};
    auto leavesWhole = [&](const PathCounts& t) {
        PathCounts rest = counts;
        for (std::size_t i = 0; i < rest.size(); ++i)
            rest[i] -= t[i];
        return SplitsIntoWhole(rest, size);
    };
    for (int here = std::min(counts[from], size); here >= 1; --here) {
        PathCounts t{};
        t[from] = here;
        const int more = size - here;
        if (more == 0) {
            if (leavesWhole(t)) return t;
            continue;
        }
        for (int other : neighbours) {
            if (other < 0 || other >= static_cast<int>(counts.size()) || counts[other] < more)
                continue;
            PathCounts split = t;
            split[other] = more;
            if (leavesWhole(split)) return split;
        }
    }
    take[from] = std::min(counts[from], size);
    return take;
}
