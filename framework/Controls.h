// Handles on a dialog's controls: CWnd, CButton and CListBox.
//
// A control member of a dialog is a small handle (dialog and control id) that
// the binding pass attaches; every operation reads or changes the control's
// state in the dialog (ControlState.h). The list operations keep the semantics
// the design rules rely on: sorted insertion ignoring case, prefix searches
// ignoring case, and the selection rules of deletion.
#pragma once

#include "framework/ControlState.h"

#include <string>
#include <vector>

class CDialog;

class CWnd {
  public:
    virtual ~CWnd() = default;

    void Attach(CDialog* dialog, int id);
    bool IsAttached() const { return m_pDialog != nullptr; }
    int GetDlgCtrlID() const { return m_id; }

    void EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    // Gives this control the keyboard focus (a list raises its set-focus notification).
    void SetFocus();
    void SetWindowText(const std::string& text);

  protected:
    ControlState& State() const;
    // Records that the control changed; entries: that its list entries did.
    void Touch(bool entries = false) const;

    CDialog* m_pDialog = nullptr;
    int m_id = 0;
};

class CButton : public CWnd {
  public:
    int GetCheck() const;
    void SetCheck(int check);
};

class CListBox : public CWnd {
  public:
    int GetCount() const;
    // Appends at the bottom; a sorted list inserts at its alphabetical place, ignoring case.
    int AddString(const std::string& text);
    // Adds every text as AddString would, one after the other, in one sort: a
    // long list is filled in time linear in its length (and n log n to sort).
    void AddStrings(std::vector<std::string> texts);
    // Inserts before the entry at index (at the bottom when index is -1 or the count).
    int InsertString(int index, const std::string& text);
    // Removes the entry; an invalid index removes nothing and gives LB_ERR.
    int DeleteString(int index);
    int GetText(int index, std::string& text) const;
    std::string GetText(int index) const;
    int GetCurSel() const;
    // Selects the entry, or clears the selection with -1.
    int SetCurSel(int index);
    // First entry after startAfter (-1: from the top) whose text begins with prefix, ignoring case.
    int FindString(int startAfter, const std::string& prefix) const;
    // As FindString, and selects the entry found; when none is found the selection stays.
    int SelectString(int startAfter, const std::string& prefix);
};

// True when text begins with prefix, letters compared without regard to case.
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix);
// Orders two texts as a sorted list does: letters compared without regard to case.
int CompareIgnoringCase(const std::string& a, const std::string& b);
