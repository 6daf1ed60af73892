// The binding pass between a dialog's members and its controls.
//
// DoDataExchange lists the members in order; each DDX_ call either writes a
// member into its control (integers "%d", floats "%.*g" at precision 6, text as
// it is) or, on the read-back, parses the control's text into the member. A
// text that does not parse shows the framework's message and stops the pass.
#pragma once

#include <string>

class CDialog;
class CWnd;

class CDataExchange {
  public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // Ends the pass after a message has been shown (throws CUserException).
    [[noreturn]] void Fail();

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate; // true: controls to members
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, float& value);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);

// The display formats of the binding pass.
std::string FormatInteger(int value);
std::string FormatFloat(float value);
// The read-back parsers; false when the text is not a number.
bool ParseInteger(const std::string& text, int& value);
bool ParseFloat(const std::string& text, float& value);
