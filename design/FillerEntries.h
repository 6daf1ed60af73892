// Taking built-in entries back out of a list: filler entries (jump jets, Endo
// Steel, Ferro Fibrous) out of the critical lists, heat sinks out of the
// locations and the engine list, XL Engine's "Engine" entries.
//
// Fillers go in by the automatic placement order (AppendByPlacementOrder) and
// come out by the filler removal order (kFillerRemovalOrder), which visits the
// left side before the right: L/TORSO, R/TORSO, L/ARM, R/ARM, LEFT LEG, RIGHT
// LEG, C/TORSO, HEAD.
// Only an entry that the search finds is deleted, so a list without one keeps
// its entries whatever is selected in it.
#pragma once

#include "design/KestravDlg.h"
#include "design/Locations.h"

// Removes the topmost entry of list that begins with name (ignoring case);
// false, and nothing removed, when there is none.
inline bool RemoveFirstEntry(CListBox& list, const char* name) {
    const int found = list.SelectString(-1, name);
    if (found == LB_ERR) return false;
    list.DeleteString(found);
    return true;
}
