// Finding, counting and taking entries out of a list by name.
//
// The rules take built-in entries back out of lists: filler entries (jump
// jets, Endo Steel, Ferro Fibrous) out of the critical lists, heat sinks out
// of the locations and the engine list, XL Engine's "Engine" entries.
//
// Fillers go in by the automatic placement order (AppendByPlacementOrder) and
// come out by the filler removal order (kFillerRemovalOrder), which visits the
// left side before the right: L/TORSO, R/TORSO, L/ARM, R/ARM, LEFT LEG, RIGHT
// LEG, C/TORSO, HEAD.
// Only an entry that the search finds is deleted, so a list without one keeps
// its entries whatever is selected in it.
#pragma once

#include "framework/Controls.h"

#include <string>

// The topmost entry whose text is the whole name, exactly; LB_ERR when none
// is. A catalogue item whose name merely begins with a built-in entry's
// ("Jump Jet Pack", "Heat Sink Array") is never taken for it.
inline int FindEntry(const CListBox& list, const std::string& name) {
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.GetText(i) == name) return i;
    return LB_ERR;
}

// Selects and removes the topmost entry named exactly name; false, and
// nothing removed or selected, when there is none.
inline bool RemoveFirstEntry(CListBox& list, const std::string& name) {
    const int found = FindEntry(list, name);
    if (found == LB_ERR) return false;
    list.SetCurSel(found);
    list.DeleteString(found);
    return true;
}

// Entries of the list whose text is exactly name.
inline int CountNamed(const CListBox& list, const std::string& name) {
    int count = 0;
    for (int i = 0; i < list.GetCount(); ++i)
        count += list.GetText(i) == name;
    return count;
}

// Deletes up to count entries whose text is exactly name, topmost first;
// returns how many went.
inline int DeleteNamed(CListBox& list, const std::string& name, int count) {
    int deleted = 0;
    for (int i = 0; i < list.GetCount() && deleted < count;) {
        if (list.GetText(i) == name) {
            list.DeleteString(i);
            ++deleted;
        } else {
            ++i;
        }
    }
    return deleted;
}
