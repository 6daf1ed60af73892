// CDialog: a dialog built from a template, its controls' state and its dispatcher.
//
// A toolkit backend shows the dialog and forwards what the user does to the
// entry points below (clicks, focus, keys, menu commands); the dialog runs the
// handler from its message table. Before a handler runs the dialog saves its
// whole state (SaveUndoState); when an error escapes the handler the state is
// restored and the error reported, so a failed action changes nothing. Memory
// running out anywhere (saving the state included) refuses the action the
// same way: restoring moves the saved state back and allocates nothing, and
// the report falls back on a fixed text when even that cannot be made.
#pragma once

#include "framework/Afx.h"
#include "framework/ControlState.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/DialogTemplate.h"
#include "framework/MessageMap.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

using HICON = int; // an icon is named by its resource id

// What a dialog saves before a handler runs, to restore if the handler fails.
class CUndoState {
  public:
    virtual ~CUndoState() = default;
    DialogState controls;
};

// A window's system menu: the extra entries a program appends to the platform's own.
class CMenu {
  public:
    explicit CMenu(std::vector<MenuItem>* items) : m_items(items) {}
    void AppendSeparator() const;
    void AppendMenu(int id, const std::string& text) const;

  private:
    std::vector<MenuItem>* m_items;
};

// Where an icon of iconCx x iconCy is drawn to centre it in a client area of
// clientCx x clientCy: each offset is (client - icon + 1) / 2, truncated toward zero.
struct CPoint {
    int x;
    int y;
};
CPoint CentredIconOrigin(int clientCx, int clientCy, int iconCx, int iconCy);

class CDialog : public CCmdTarget {
  public:
    // The parent is accepted as the dialogs' callers name it; the platform
    // makes every box and dialog owned by the main window.
    explicit CDialog(const DialogTemplate& dialogTemplate, CDialog* parent = nullptr);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally through the platform; returns IDOK or IDCANCEL.
    int DoModal();
    void EndDialog(int result);
    bool IsEnded() const { return m_ended; }
    int GetResult() const { return m_result; }

    // The binding pass: false when a value could not be read back.
    bool UpdateData(bool saveAndValidate = true);
    virtual void DoDataExchange(CDataExchange* pDX);
    // Framework initialisation: one binding pass. True: focus the first control.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Window messages.
    virtual void OnSysCommand(unsigned id);
    virtual void OnPaint();
    virtual void OnDestroy();
    virtual HICON OnQueryDragIcon();
    // The help context of this dialog: the resource base plus its template id.
    virtual unsigned long GetHelpContext() const;

    // ---- Entry points for a backend: what the user does ----
    // Builds the controls from the template and runs OnInitDialog under the
    // framework's error report; gives the first control the focus if asked to.
    void Create();
    // Runs the handler of a notification (or the framework's default).
    void Notify(int id, Notification code);
    void Command(int id) { Notify(id, Notification::Command); }
    void SysCommand(unsigned id);
    // A control (kFocusDialog: the dialog) took the keyboard focus.
    void FocusGained(int id);
    // A click on a push button or check box; nothing when it is disabled.
    void ClickButton(int id);
    // A click into a list: the list takes the focus, then the entry at row
    // (when there is one) becomes the selection.
    void ClickList(int id, int row);
    // The second click of a double-click on a list, then its notification.
    void DoubleClickList(int id, int row);
    void PressEnter();
    void PressEscape();
    // F1: the help section of the control with the focus where the template
    // gives one, else the application's help command (as Help, Help).
    void PressHelp();
    void Destroy(); // the window goes away: OnDestroy once

    // ---- State ----
    const DialogTemplate& Template() const { return m_template; }
    const DialogState& State() const { return m_state; }
    ControlState* FindControl(int id);
    const ControlState* FindControl(int id) const;
    ControlState& Control(int id); // throws when the dialog has no such control
    CWnd GetDlgItem(int id);       // a handle on one control
    int GetFocusId() const { return m_state.focusId; }
    void SetFocus(); // the dialog itself takes the keyboard focus
    void GotoDlgCtrl(int id);
    // Records that the control changed: its entries too unless itemsChanged is false.
    void TouchControl(ControlState& control, bool itemsChanged = true);
    // The members the binding pass bound, by name ("m_btnTonnageUp"), with their control ids.
    const std::unordered_map<std::string, int>& Members() const { return m_members; }
    void NameMember(const char* member, int id) { m_members.emplace(member, id); }

    // ---- Window properties ----
    void SetIcon(HICON icon, bool bigIcon);
    HICON GetIcon(bool bigIcon) const { return bigIcon ? m_bigIcon : m_smallIcon; }
    void SetMenu(const MenuTemplate* menu) { m_menu = menu; }
    const MenuTemplate* GetMenu() const { return m_menu; }
    CMenu GetSystemMenu() { return CMenu(&m_systemMenuExtras); }
    const std::vector<MenuItem>& SystemMenuExtras() const { return m_systemMenuExtras; }
    bool IsIconic() const;

    // A modal message box owned by this dialog.
    int MessageBox(const std::string& text, const std::string& caption, unsigned type = MB_OK);

  protected:
    virtual std::unique_ptr<CUndoState> SaveUndoState() const;
    // Moves the saved state back (the state is used up); allocates nothing, so
    // it cannot fail when memory has run out.
    virtual void RestoreUndoState(CUndoState& state);
    // The controls' state as an undo state keeps it: every control, but the
    // entries only of the lists that UndoSavesItemsOf names.
    void SaveControls(DialogState& saved) const;
    // False for a list whose entries no action changes (filled once, at
    // start-up): the undo state does not copy them, so an action costs the
    // same however long that list is. Restoring keeps its entries as they are.
    virtual bool UndoSavesItemsOf(int /*id*/) const { return true; }
    // Called before a handler runs; false refuses the notification (the
    // override has told the user why).
    virtual bool PreDispatch(int id, Notification code);

  private:
    void RunHandler(const MessageMapEntry& entry);
    void RunDefault(int id, Notification code);
    // Tells the user why an action failed; never throws (a box that cannot be
    // made for want of memory is tried once more with a fixed text).
    void Report(const CException* error, bool isCommand, bool outOfMemory) noexcept;
    void SetFocusTo(int id);

    const DialogTemplate& m_template;
    DialogState m_state;
    std::unordered_map<int, std::size_t> m_index; // control id to position in m_state
    std::unordered_map<std::string, int>
        m_members; // member name to control id, from the first pass
    unsigned m_nextRevision = 1;
    bool m_membersNamed = false; // a binding pass has run whole and named every member
    bool m_created = false;
    bool m_ended = false;
    bool m_destroyed = false;
    int m_result = 0;
    HICON m_bigIcon = 0;
    HICON m_smallIcon = 0;
    const MenuTemplate* m_menu = nullptr;
    std::vector<MenuItem> m_systemMenuExtras;
};
