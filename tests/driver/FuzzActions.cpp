// A coverage-guided fuzzer over user actions: each input is a sequence of
// actions played on a fresh design, with every invariant checked after each.
// Built only with a compiler that offers libFuzzer; for long runs by hand.

#include "tests/driver/ActionDriver.h"

#include "testing/HeadlessPlatform.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DriverSession session(KESTRAV_CATALOG_DIR);
    if (!session.Platform().boxes.empty()) {
        std::fprintf(stderr, "the sheet did not start: %s\n",
                     session.Platform().boxes.front().text.c_str());
        std::abort();
    }
    std::vector<Action> actions;
    for (std::size_t at = 0; at < size && actions.size() < 200;) {
        std::size_t used = 0;
        actions.push_back(ActionGenerator::FromBytes(data + at, size - at, used));
        at += used;
        const std::string broken = session.Play(actions.back());
        if (!broken.empty()) {
            std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
            for (const Action& action : actions)
                std::fprintf(stderr, "    %s\n", action.ToScenarioLine().c_str());
            std::abort();
        }
    }
    return 0;
}
