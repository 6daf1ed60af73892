// The application object and the platform it runs on.
//
// CWinApp is the program's one application object: its name (the caption of the
// framework's own message boxes), its main window and the platform (a toolkit
// backend, or a headless one in tests) that shows windows and boxes.
// AfxWinMain runs InitInstance once and ends the program.
#pragma once

#include "framework/Dialog.h"
#include "framework/MessageMap.h"

#include <string>

// What the framework needs from a window system.
class CPlatform {
  public:
    virtual ~CPlatform() = default;
    // Shows a modal message box owned by owner (or by no window); returns IDOK.
    virtual int ShowMessageBox(CDialog* owner, const std::string& text, const std::string& caption,
                               unsigned type) = 0;
    // Shows the dialog, calls its Create(), and runs until it ends; returns its result.
    virtual int RunModal(CDialog& dialog) = 0;
    // The framework moved the keyboard focus (kFocusDialog: the dialog itself).
    virtual void FocusChanged(CDialog& /*dialog*/, int /*id*/) {}
    // Opens a help document at a context, or quits the viewer; false when it cannot.
    virtual bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data) = 0;
    // Opens the help document at a section (an anchor); false when it cannot.
    virtual bool ShowHelpSection(const std::string& /*helpFile*/, const std::string& /*section*/) {
        return false;
    }
    virtual bool IsIconic(const CDialog& /*dialog*/) const { return false; }
    virtual void Minimize(CDialog& /*dialog*/) {}
    // Painting while minimised.
    virtual void GetClientSize(const CDialog& /*dialog*/, int& cx, int& cy) const { cx = cy = 0; }
    virtual void GetIconSize(int& cx, int& cy) const { cx = cy = 32; }
    virtual void DrawIcon(CDialog& /*dialog*/, int /*x*/, int /*y*/, HICON /*icon*/) {}
};

class CWinApp : public CCmdTarget {
  public:
    // A null name: the name is taken from the executable's file name.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual bool InitInstance();
    const MessageMap* GetMessageMap() const override;

    // Help, Help: the main window answers with its own help context.
    void OnHelp();
    // Opens the help file at a context through the platform; reports a failure.
    void WinHelp(unsigned long data, unsigned command = HELP_CONTEXT);
    // Opens the help file at a section of its document; reports a failure.
    void ShowHelpSection(const std::string& section);

    std::string m_pszAppName;
    std::string m_pszProgramPath;  // the executable's path, as AfxWinMain was given it
    std::string m_pszHelpFilePath; // the executable's path with the extension ".HLP"
    CDialog* m_pMainWnd = nullptr;
    CPlatform* m_pPlatform = nullptr;

  private:
    CWinApp* m_pPrevious; // the application object this one stands in front of (tests)
};

CWinApp* AfxGetApp();
CPlatform& AfxGetPlatform();
// A message box owned by the main window with the application's name as caption.
int AfxMessageBox(const std::string& text, unsigned type = MB_OK);
// As AfxMessageBox, but never throws: when memory runs out while the box is
// made it is tried once more, then given up. False when no box was shown.
bool AfxMessageBoxNoThrow(const char* text, unsigned type = MB_OK) noexcept;
// Sets up the application from the executable's path, runs InitInstance, and
// gives the process's exit status. Memory running out anywhere in it ends the
// program with a message, never by an escaping exception.
int AfxWinMain(CPlatform& platform, const std::string& executablePath);
