// Running one scenario against the program in this process.
//
// The program is started the way the real one is (its application object,
// AfxWinMain, InitInstance, the modal design sheet) on a Qt platform that
// records every message box and dialog box and answers it as a person would: a
// message box with its OK button, a dialog box with Enter, which its default
// OK button with the first focus must take. The scenario's commands run inside
// the sheet's modal loop as mouse and key events on the real widgets. The
// program-wide objects are those of this process, so each process runs one
// scenario.
#pragma once

#include "testing/scenario/Scenario.h"

#include <string>

struct ScenarioResult {
    bool passed = true;
    int line = 0;        // where it failed
    std::string message; // what failed
};

// Runs the scenario; programPath is the path the program runs under (its
// name is the application's name, its folder the place of the help document
// and the catalogues); argv0 is the runner's own name, given to Qt.
ScenarioResult RunScenario(const Scenario& scenario, const std::string& programPath, char* argv0);
