// Any sequence of user actions keeps the design whole: a seeded run of random
// actions, each followed by every invariant check. A failure is shrunk to the
// shortest sequence that shows it and printed as scenario lines.

#include "tests/driver/ActionDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace {

std::uint64_t Setting(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value ? std::strtoull(value, nullptr, 10) : fallback;
}

TEST(RandomActions, EveryActionKeepsTheDesignsInvariants) {
    const std::uint64_t seed = Setting("KESTRAV_SEED", 20261206);
    const std::uint64_t total = Setting("KESTRAV_ACTIONS", 100000);
    const std::size_t perDesign = 400; // a fresh design every so often
    std::cout << "seed " << seed << ", " << total << " actions\n";

    ActionGenerator generator(seed);
    std::uint64_t played = 0;
    while (played < total) {
        std::vector<Action> actions;
        DriverSession session(KESTRAV_CATALOG_DIR);
        ASSERT_TRUE(session.StartedSound()) << "at start-up";
        ASSERT_EQ(session.Check(), "") << "at start-up";
        for (std::size_t i = 0; i < perDesign && played < total; ++i, ++played) {
            actions.push_back(generator.Next(session.Sheet()));
            const std::string broken = session.Play(actions.back());
            if (broken.empty()) continue;
            const std::vector<Action> shortest = Shrink(KESTRAV_CATALOG_DIR, actions);
            std::string lines;
            for (const Action& action : shortest)
                lines += "    " + action.ToScenarioLine() + "\n";
            const ReplayResult replayed = Replay(KESTRAV_CATALOG_DIR, shortest);
            FAIL() << "after " << played + 1 << " actions (seed " << seed << "): " << broken
                   << "\nshortest sequence (" << shortest.size()
                   << " actions): " << replayed.message << "\n"
                   << lines;
        }
    }
    std::cout << played << " actions played\n";
}

} // namespace
