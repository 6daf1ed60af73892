// A platform without a display, for tests and benchmarks: message boxes and
// dialogs are recorded and answered with OK at once, help requests recorded;
// a window minimised stays so, and the icons it paints are recorded; a test
// may make the next box fail for want of memory.
#pragma once

#include "framework/WinApp.h"

#include <string>
#include <utility>
#include <vector>

class CHeadlessPlatform : public CPlatform {
  public:
    struct Box {
        std::string caption;
        std::string text;
        unsigned type;
    };
    struct ShownDialog {
        std::string caption;
        std::vector<std::pair<int, std::string>> edits; // id and text of each edit box
    };
    struct Icon {
        int x, y;
        HICON icon;
    };

    int ShowMessageBox(CDialog* owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
    int RunModal(CDialog& dialog) override;
    bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data) override;
    bool ShowHelpSection(const std::string& helpFile, const std::string& section) override {
        helpRequests.push_back(helpFile + "#" + section);
        return helpWorks;
    }
    bool IsIconic(const CDialog&) const override { return iconic; }
    void Minimize(CDialog&) override { iconic = true; }
    void GetClientSize(const CDialog&, int& cx, int& cy) const override {
        cx = clientCx;
        cy = clientCy;
    }
    void DrawIcon(CDialog&, int x, int y, HICON icon) override { icons.push_back({x, y, icon}); }

    std::vector<Box> boxes;
    std::vector<ShownDialog> dialogs;
    std::vector<std::string> helpRequests;
    bool helpWorks = true;
    bool iconic = false;
    int clientCx = 0, clientCy = 0; // the client area, as painting asks for it
    std::vector<Icon> icons;        // each icon drawn, where
    // The next message box throws std::bad_alloc instead of showing: memory
    // running out at the moment the program reports something.
    bool outOfMemoryAtNextBox = false;
};
