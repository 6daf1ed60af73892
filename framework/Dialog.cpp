// CDialog: building the controls, the dispatcher with its undo, focus and keys.

#include "framework/Dialog.h"

#include "framework/WinApp.h"

#include <exception>
#include <stdexcept>

void CMenu::AppendSeparator() const {
    m_items->push_back(MenuItem{MenuItem::Separator, "", 0});
}

void CMenu::AppendMenu(int id, const std::string& text) const {
    m_items->push_back(MenuItem{MenuItem::Command, text, id});
}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CDialog* /*parent*/)
    : m_template(dialogTemplate) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    return AfxGetPlatform().RunModal(*this);
}

void CDialog::EndDialog(int result) {
    m_ended = true;
    m_result = result;
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate, m_members.empty());
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return false;
    }
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnSysCommand(unsigned id) {
    switch (id & 0xFFF0) {
    case SC_CLOSE:
        Notify(IDCANCEL, Notification::Command);
        break;
    case SC_MINIMIZE:
        AfxGetPlatform().Minimize(*this);
        break;
    default:
        break;
    }
}

void CDialog::OnPaint() {}

void CDialog::OnDestroy() {}

HICON CDialog::OnQueryDragIcon() {
    return m_bigIcon;
}

unsigned long CDialog::GetHelpContext() const {
    return HID_BASE_RESOURCE + static_cast<unsigned long>(m_template.id);
}

const ControlGuide* GuideOf(const DialogTemplate& dialogTemplate, int id) {
    for (const ControlGuide& guide : dialogTemplate.guides)
        if (guide.id == id) return &guide;
    return nullptr;
}

void CDialog::PressHelp() {
    const ControlGuide* guide =
        m_state.focusId == kFocusDialog ? nullptr : GuideOf(m_template, m_state.focusId);
    CWinApp* app = AfxGetApp();
    if (guide && guide->helpSection && app)
        app->ShowHelpSection(guide->helpSection);
    else
        Command(ID_HELP);
}

void CDialog::Create() {
    m_state = DialogState{};
    m_index.clear();
    for (const DialogItem& item : m_template.items) {
        ControlState control;
        control.id = item.id;
        control.kind = item.kind;
        control.text = item.text ? item.text : "";
        control.sorted = (item.style & ControlStyle::Sorted) != 0;
        control.revision = m_nextRevision++;
        if (item.id != IDC_STATIC) m_index.emplace(item.id, m_state.controls.size());
        m_state.controls.push_back(std::move(control));
    }
    m_created = true;
    bool focusFirst = true;
    try {
        focusFirst = OnInitDialog();
    } catch (const CException& error) {
        Report(&error, false);
    } catch (const std::exception&) {
        Report(nullptr, false);
    }
    if (focusFirst && m_state.focusId == kFocusDialog) {
        for (const DialogItem& item : m_template.items) {
            const ControlState* control = FindControl(item.id);
            const bool takesFocus = item.kind == ControlKind::PushButton ||
                                    item.kind == ControlKind::CheckBox ||
                                    item.kind == ControlKind::ListBox;
            if (control && takesFocus && control->enabled) {
                // The first focus of a new window: no notification is raised for it.
                m_state.focusId = item.id;
                AfxGetPlatform().FocusChanged(*this, item.id);
                break;
            }
        }
    }
}

ControlState* CDialog::FindControl(int id) {
    auto it = m_index.find(id);
    return it == m_index.end() ? nullptr : &m_state.controls[it->second];
}

const ControlState* CDialog::FindControl(int id) const {
    auto it = m_index.find(id);
    return it == m_index.end() ? nullptr : &m_state.controls[it->second];
}

ControlState& CDialog::Control(int id) {
    ControlState* control = FindControl(id);
    if (!control) throw std::logic_error("dialog has no control " + std::to_string(id));
    return *control;
}

CWnd CDialog::GetDlgItem(int id) {
    CWnd handle;
    handle.Attach(this, id);
    return handle;
}

CPoint CentredIconOrigin(int clientCx, int clientCy, int iconCx, int iconCy) {
    return CPoint{(clientCx - iconCx + 1) / 2, (clientCy - iconCy + 1) / 2};
}

void CDialog::TouchControl(ControlState& control) {
    control.revision = m_nextRevision++;
}

void CDialog::SetFocus() {
    SetFocusTo(kFocusDialog);
}

void CDialog::GotoDlgCtrl(int id) {
    SetFocusTo(id);
}

void CDialog::SetFocusTo(int id) {
    if (id == m_state.focusId) return;
    m_state.focusId = id;
    AfxGetPlatform().FocusChanged(*this, id);
    const ControlState* control = FindControl(id);
    if (control && control->kind == ControlKind::ListBox) Notify(id, Notification::SetFocus);
}

void CDialog::SetIcon(HICON icon, bool bigIcon) {
    (bigIcon ? m_bigIcon : m_smallIcon) = icon;
}

bool CDialog::IsIconic() const {
    return AfxGetPlatform().IsIconic(*this);
}

int CDialog::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    return AfxGetPlatform().ShowMessageBox(this, text, caption, type);
}

std::unique_ptr<CUndoState> CDialog::SaveUndoState() const {
    auto state = std::make_unique<CUndoState>();
    state->controls = m_state;
    return state;
}

void CDialog::RestoreUndoState(const CUndoState& state) {
    const int focus = m_state.focusId;
    m_state = state.controls;
    // The focus is where the user left it; the restored state must not move it.
    m_state.focusId = focus;
}

bool CDialog::PreDispatch(int, Notification) {
    return true;
}

void CDialog::Notify(int id, Notification code) {
    if (!m_created || m_ended) return;
    if (const MessageMapEntry* entry = FindHandler(id, code)) {
        if (!PreDispatch(id, code)) return;
        RunHandler(*entry);
        return;
    }
    RunDefault(id, code);
}

void CDialog::RunHandler(const MessageMapEntry& entry) {
    std::unique_ptr<CUndoState> undo = SaveUndoState();
    const bool isCommand = entry.code == Notification::Command;
    try {
        (this->*entry.handler)();
    } catch (const CUserException&) {
        // The user has been told already; what the handler did stays.
    } catch (const CException& error) {
        RestoreUndoState(*undo);
        Report(&error, isCommand);
    } catch (const std::exception&) {
        RestoreUndoState(*undo);
        Report(nullptr, isCommand);
    }
}

void CDialog::RunDefault(int id, Notification code) {
    // A click on the OK or Cancel button is that command.
    const bool standardButton = code == Notification::Clicked && (id == IDOK || id == IDCANCEL);
    if (code != Notification::Command && !standardButton) return;
    try {
        if (id == IDOK) {
            OnOK();
        } else if (id == IDCANCEL) {
            OnCancel();
        } else if (CWinApp* app = AfxGetApp()) {
            // Commands the window does not handle are offered to the application.
            if (const MessageMapEntry* entry = app->FindHandler(id, code)) (app->*entry->handler)();
        }
    } catch (const CUserException&) {
    } catch (const CException& error) {
        Report(&error, true);
    } catch (const std::exception&) {
        Report(nullptr, true);
    }
}

void CDialog::Report(const CException* error, bool isCommand) {
    std::string text;
    if (!error || !error->GetErrorMessage(text) || text.empty())
        text = isCommand ? "Command failed." : "Internal application error.";
    AfxMessageBox(text, MB_ICONSTOP);
}

void CDialog::SysCommand(unsigned id) {
    if (!m_created || m_ended) return;
    try {
        OnSysCommand(id);
    } catch (const CException& error) {
        Report(&error, true);
    }
}

void CDialog::FocusGained(int id) {
    if (!m_created || m_ended) return;
    const ControlState* control = FindControl(id);
    if (id != kFocusDialog && (!control || !control->enabled)) return;
    SetFocusTo(id);
}

void CDialog::ClickButton(int id) {
    const ControlState* control = FindControl(id);
    if (!control || !control->enabled || m_ended) return;
    FocusGained(id);
    Notify(id, Notification::Clicked);
}

void CDialog::ClickList(int id, int row) {
    ControlState* control = FindControl(id);
    if (!control || !control->enabled || m_ended) return;
    FocusGained(id);
    control = FindControl(id);
    if (row >= 0 && row < static_cast<int>(control->items.size()) && control->selection != row) {
        control->selection = row;
        TouchControl(*control);
    }
}

void CDialog::DoubleClickList(int id, int row) {
    ControlState* control = FindControl(id);
    if (!control || !control->enabled || m_ended) return;
    if (row >= 0 && row < static_cast<int>(control->items.size()) && control->selection != row) {
        control->selection = row;
        TouchControl(*control);
    }
    Notify(id, Notification::DoubleClicked);
}

void CDialog::PressEnter() {
    if (!m_created || m_ended) return;
    const ControlState* focused = FindControl(m_state.focusId);
    if (focused && focused->kind == ControlKind::PushButton) {
        Notify(focused->id, Notification::Clicked);
        return;
    }
    for (const DialogItem& item : m_template.items) {
        if (item.kind == ControlKind::PushButton && (item.style & ControlStyle::DefaultButton)) {
            ClickButton(item.id);
            return;
        }
    }
    Notify(IDOK, Notification::Command);
}

void CDialog::PressEscape() {
    if (!m_created || m_ended) return;
    Notify(IDCANCEL, Notification::Command);
}

void CDialog::Destroy() {
    if (m_destroyed) return;
    m_destroyed = true;
    OnDestroy();
}
