// The binding pass between a dialog's members and its controls.
//
// DoDataExchange lists the members in order; each DDX_ call either writes a
// member into its control (integers "%d", floats "%.*g" at precision 6, text as
// it is) or, on the read-back, parses the control's text into the member. A
// text that does not parse shows the framework's message and stops the pass.
// The first pass also records each member's name with its control id (the
// DDX_ macros pass the member as written), so a test can name a control the
// way the code does and the names cannot drift from the binding.
#pragma once

#include <string>

class CDialog;
class CWnd;

class CDataExchange {
  public:
    CDataExchange(CDialog* dialog, bool saveAndValidate, bool nameMembers = false)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate), m_bNameMembers(nameMembers) {}

    // Ends the pass after a message has been shown (throws CUserException).
    [[noreturn]] void Fail();

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate; // true: controls to members
    bool m_bNameMembers;     // true: record each member's name with its control id
};

// DDX_Control(pDX, id, member) and DDX_Text(pDX, id, member) pass the member's name.
#define DDX_Control(pDX, id, member) DDX_ControlNamed(pDX, id, member, #member)
#define DDX_Text(pDX, id, member) DDX_TextNamed(pDX, id, member, #member)
void DDX_ControlNamed(CDataExchange* pDX, int id, CWnd& control, const char* member);
void DDX_TextNamed(CDataExchange* pDX, int id, int& value, const char* member);
void DDX_TextNamed(CDataExchange* pDX, int id, float& value, const char* member);
void DDX_TextNamed(CDataExchange* pDX, int id, std::string& value, const char* member);

// The display formats of the binding pass.
std::string FormatInteger(int value);
std::string FormatFloat(float value);
// The read-back parsers; false when the text is not a number.
bool ParseInteger(const std::string& text, int& value);
bool ParseFloat(const std::string& text, float& value);
