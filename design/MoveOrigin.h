// MoveOrigin: where a component that is being moved came from.
//
// Move Component takes a component's entries out of its location before the
// user says where it goes. Until it is placed, the design remembers which
// lists gave up how many entries and what the component weighs, so that a
// cancelled move can put it back and a removal in the meantime cannot change
// the data of the component that waits. It is part of the design value, so the
// undo of a failed action restores it with everything else.
#pragma once

#include <string>
#include <vector>

struct MoveOrigin {
    // Entries taken out of one location list (its control id).
    struct Part {
        int listId = 0;
        int entries = 0;
        bool operator==(const Part&) const = default;
    };

    std::string name; // empty: no move in progress
    float tonnage = 0;
    float criticals = 0;
    std::vector<Part> parts;

    bool Active() const { return !name.empty(); }
    bool operator==(const MoveOrigin&) const = default;
};
