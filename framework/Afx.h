// The window framework's constants and its exception classes.
//
// The framework stands in for a classic dialog framework: ids for the standard
// buttons and commands, message-box styles, and the exceptions that handlers may
// let escape. An exception that escapes a handler is caught by the dispatcher,
// which restores the dialog's state and reports it (see Dialog.h).
#pragma once

#include <string>

// Standard push-button and command ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;
inline constexpr int ID_HELP = 57670; // the application's standard help command

// Message-box styles: one OK button, optionally the stop icon.
inline constexpr unsigned MB_OK = 0x0000;
inline constexpr unsigned MB_ICONSTOP = 0x0010;

// System commands.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;

// List results.
inline constexpr int LB_ERR = -1;

// Check states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// Help commands.
inline constexpr unsigned HELP_CONTEXT = 0x0001;
inline constexpr unsigned HELP_QUIT = 0x0002;
inline constexpr unsigned long HID_BASE_RESOURCE = 0x20000;

// Base of every error the framework reports for a handler.
class CException {
  public:
    virtual ~CException() = default;
    // The error's own description, or false when it carries none.
    virtual bool GetErrorMessage(std::string& text) const = 0;
};

// Thrown after the framework has already told the user (a failed read-back of a
// value): the dispatcher ends the action silently.
class CUserException : public CException {
  public:
    bool GetErrorMessage(std::string&) const override { return false; }
};

// A framework error with a fixed description.
class CSimpleException : public CException {
  public:
    explicit CSimpleException(std::string text) : m_text(std::move(text)) {}
    bool GetErrorMessage(std::string& text) const override {
        text = m_text;
        return !m_text.empty();
    }

  private:
    std::string m_text;
};
