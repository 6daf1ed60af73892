// CQtPlatform: the framework's dialogs as real Qt windows.
//
// RunModal builds one widget per template control, runs the dialog's start-up,
// shows it and runs a local event loop until the dialog ends. What the user
// does goes to the dialog's entry points; after every call the widgets show
// the framework's control state again (only the controls whose revision
// changed). Message boxes are QMessageBoxes owned by the main window, their
// one button carrying text only. Help shows the shipped help document in the
// program's own help window at the topic or section asked for; no browser is
// needed; Escape or Ctrl+W closes it.
//
// Tests subclass it: the protected hooks run once a window or a message box is
// on screen, inside its modal loop, so a test can read it and answer it.
#pragma once

#include "framework/WinApp.h"

#include <QIcon>
#include <QPointer>

#include <vector>

class QDialog;
class QMessageBox;
class QTextBrowser;
class QWidget;
class CQtDialogWindow;

class CQtPlatform : public CPlatform {
  public:
    CQtPlatform();
    ~CQtPlatform() override;

    int ShowMessageBox(CDialog* owner, const std::string& text, const std::string& caption,
                       unsigned type) override;
    int RunModal(CDialog& dialog) override;
    void FocusChanged(CDialog& dialog, int id) override;
    bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data) override;
    bool ShowHelpSection(const std::string& helpFile, const std::string& section) override;
    bool IsIconic(const CDialog& dialog) const override;
    void Minimize(CDialog& dialog) override;
    void GetClientSize(const CDialog& dialog, int& cx, int& cy) const override;
    void GetIconSize(int& cx, int& cy) const override;
    void DrawIcon(CDialog& dialog, int x, int y, HICON icon) override;

    // Shows the dialog's control state in its widgets; ends its modal loop once it has ended.
    void Sync(CDialog& dialog);
    // The widget of a control of a dialog on screen, or null.
    QWidget* ControlWidget(const CDialog& dialog, int id) const;
    // The help window's document view while it is open, or null.
    QTextBrowser* HelpBrowser() const;

  protected:
    // A dialog's window is shown; its modal loop is about to run.
    virtual void DialogShown(CDialog& /*dialog*/, QDialog& /*window*/) {}
    // A message box is on screen, inside its modal loop.
    virtual void MessageBoxShown(QMessageBox& /*box*/) {}

  private:
    CQtDialogWindow* Find(const CDialog& dialog) const;
    // Shows the help document in the help window at an anchor.
    bool OpenHelp(const std::string& helpFile, const std::string& anchor);

    std::vector<CQtDialogWindow*> m_windows; // on screen, innermost last
    QPointer<QWidget> m_help;                // the help window, while it exists
};

// The program's icon (resource 128) at 16, 32 and 48 pixels.
QIcon ApplicationIcon();
