// Scenario files: the end-to-end test format, read into commands.
//
// One command per line; blank lines and lines starting with '#' are ignored.
// Arguments are separated by spaces; a text argument is in double quotes with
// \" and \\ as its only escapes; a dialog field is ID="TEXT". Every verb's
// arguments are checked here, so a file that reads is a file that can run.
//
// ID is a control: its numeric id (1001) or the name of the dialog member
// bound to it (m_btnTonnageUp, m_listLeftTorso, m_fTonnageRemaining). The names
// are those the binding pass records (DDX_Control and DDX_Text pass the member
// as written), looked up in the window, or for a dialog field in that dialog
// box, when the command runs; a name nothing is bound to fails the scenario
// there. CMD, a menu or system-menu command, is a number.
//
//   catalog DIR                      (first command only) catalogues from DIR
//   click ID [N]                     select ID ROW|"TEXT"|empty
//   dblclick ID ROW|"TEXT"|empty     focus ID
//   menu CMD    sysmenu CMD          close
//   key KEY [N]                      KEY pressed N times (once), to whichever control has
//                                    the focus, or the open menu; KEY is one of enter,
//                                    escape, up, down, home, end, pageup, pagedown, left,
//                                    right, tab, shift+tab, space, delete, f1, f10, alt, or
//                                    alt+L with L a letter or digit (alt+3, alt+f)
//   type "TEXT"                      the letters of TEXT, one key each (type-ahead)
//   expect ID "TEXT"                 expect-list ID ["A" ...]    expect-count ID N
//   expect-selected ID ROW|none      expect-checked ID yes|no    expect-enabled ID yes|no
//   expect-focus ID|window           expect-ended ok|cancel
//   expect-help "SECTION"|none       the help window is open at SECTION (an anchor
//                                    of the help document), or no help window is open
//   expect-menu "TITLE"|none         the menu open on top is TITLE ("Mech Types", as
//                                    shown, without its access key's ampersand), or none is
//   message "CAPTION" "TEXT"         message-contains "CAPTION"|* "PART"
//   dialog "CAPTION" [ID="TEXT" ...]
//
// The runner answers each message box with OK and each dialog box with Enter;
// a message or dialog line must state it before the next action or check.
//
// A catalog folder holds MechEngines, equipment and Internal as .db files or
// .sql scripts; a catalogue without a file there is missing, so start-up meets
// what a user would. A script whose first line is "-- based on the project's
// catalogue" runs on a copy of the project's own catalogue; in a folder holding
// such a script a catalogue without a file is the project's own, but one named
// by an empty file BASE.missing (MechEngines.missing).
#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

enum class Verb {
    Catalog,
    Click,
    Select,
    DoubleClick,
    Focus,
    Menu,
    SysMenu,
    Key,
    Type,
    Close,
    Expect,
    ExpectList,
    ExpectCount,
    ExpectSelected,
    ExpectChecked,
    ExpectEnabled,
    ExpectFocus,
    ExpectEnded,
    ExpectHelp,
    ExpectMenu,
    Message,
    MessageContains,
    Dialog,
};

// Which entry of a list a command means, or which of two words it gave.
enum class Target { None, Row, Text, Empty };

struct Command {
    int line = 0;
    std::string source; // the line as written, for reports
    Verb verb = Verb::Close;
    int id = 0;         // control id or command id
    std::string member; // the control's member name, when the id was given as one
    int number = 1;     // click count, row, entry count
    Target target = Target::None;
    std::string text;               // text argument, caption, folder, or the word given
    std::string text2;              // message text
    bool yes = false;               // yes/ok/window
    std::vector<std::string> texts; // expect-list entries
    std::vector<std::pair<std::string, std::string>> fields; // dialog fields: ID as written, text
};

struct Scenario {
    std::string file;
    std::vector<Command> commands;
    int lastLine = 0;
};

class ScenarioError : public std::runtime_error {
  public:
    ScenarioError(int line, const std::string& what) : std::runtime_error(what), m_line(line) {}
    int line() const { return m_line; }

  private:
    int m_line;
};

// Reads a scenario from its text; throws ScenarioError naming the line.
Scenario ParseScenario(const std::string& file, const std::string& content);
// Reads a scenario file; throws ScenarioError (line 0 when the file cannot be read).
Scenario LoadScenario(const std::string& file);

// True for the checks of recorded boxes, which may run while boxes are unchecked.
bool ChecksABox(Verb verb);
// True for the commands that act on the window.
bool IsAction(Verb verb);
