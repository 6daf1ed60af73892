// The design sheet started headless on the program's own start-up path, for
// unit tests, the random-action driver and the rules benchmark.
//
// While it exists, the program's application object shows its boxes and
// dialogs on the recording platform below; each Start makes a fresh sheet on
// a catalogue folder, from the program-wide values of a program start.
#pragma once

#include "design/KestravDlg.h"
#include "testing/HeadlessPlatform.h"

#include <memory>
#include <string>

// Closes the catalogues and puts the program-wide values back to their
// program-start state.
void ResetProgramWideValues();

class HeadlessSheet {
  public:
    HeadlessSheet();
    ~HeadlessSheet();
    HeadlessSheet(const HeadlessSheet&) = delete;
    HeadlessSheet& operator=(const HeadlessSheet&) = delete;

    // Starts a fresh sheet on the catalogues in folder (empty: the project's,
    // as the build lays them out).
    void Start(const std::string& folder = "");

    CHeadlessPlatform platform;
    std::unique_ptr<CKestravDlg> sheet;
};
