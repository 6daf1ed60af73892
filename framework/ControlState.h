// The state of a dialog's controls, as plain copyable data.
//
// Every control of a dialog is one ControlState: its text, check mark, enabled
// state, list entries and selection. Together with the focus this is all a
// toolkit needs to draw the dialog, and all the rules need to read and change.
// Because it is a value, an action can be undone by copying it back.
#pragma once

#include "framework/Afx.h"
#include "framework/DialogTemplate.h"

#include <string>
#include <vector>

struct ControlState {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;     // caption of a button, text of an edit box or label
    bool checked = false; // check boxes
    bool enabled = true;
    bool sorted = false;            // lists that keep their entries sorted
    std::vector<std::string> items; // list entries, top to bottom
    int selection = LB_ERR;         // selected entry of a list, or LB_ERR
    unsigned revision = 0;          // changes whenever anything above changes
    // Changes whenever the entries change (and with them revision): a window
    // tells a changed list by this number, not by comparing every entry.
    unsigned itemsRevision = 0;
};

inline constexpr int kFocusDialog = 0; // focus id meaning "the dialog itself"

struct DialogState {
    std::vector<ControlState> controls; // in template order
    int focusId = kFocusDialog;
};
