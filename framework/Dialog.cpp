// CDialog: building the controls, the dispatcher with its undo, focus and keys.

#include "framework/Dialog.h"

#include "framework/WinApp.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace {

const char kActionOutOfMemoryText[] = "There is not enough memory to do that. Nothing was changed.";
const char kDialogOutOfMemoryText[] = "There is not enough memory to open the window.";

// Runs an action of the user's and hands any failure to `failed` with the
// framework's error (or null) and whether memory ran out. A user exception
// means the user has been told already: what the action did stays.
template <class Action, class Failed> void RunGuarded(Action&& action, Failed&& failed) {
    try {
        action();
    } catch (const CUserException&) {
    } catch (const CException& error) {
        failed(&error, false);
    } catch (const std::bad_alloc&) {
        failed(nullptr, true);
    } catch (const std::exception&) {
        failed(nullptr, false);
    }
}

} // namespace

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
    // Until one pass has run whole, each pass names the members (again): a
    // first pass cut short leaves none unnamed.
    CDataExchange dx(this, saveAndValidate, !m_membersNamed);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return false;
    }
    m_membersNamed = true;
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
    // The controls are built aside and taken on whole: a window that cannot
    // even be built ends at once, with the reason, and is never shown half-made.
    try {
        DialogState state;
        std::unordered_map<int, std::size_t> index;
        state.controls.reserve(m_template.items.size());
        for (const DialogItem& item : m_template.items) {
            ControlState control;
            control.id = item.id;
            control.kind = item.kind;
            control.text = item.text ? item.text : "";
            control.sorted = (item.style & ControlStyle::Sorted) != 0;
            control.revision = m_nextRevision++;
            control.itemsRevision = control.revision;
            if (item.id != IDC_STATIC) index.emplace(item.id, state.controls.size());
            state.controls.push_back(std::move(control));
        }
        m_state = std::move(state);
        m_index = std::move(index);
    } catch (const std::bad_alloc&) {
        EndDialog(IDCANCEL);
        AfxMessageBoxNoThrow(kDialogOutOfMemoryText, MB_ICONSTOP);
        return;
    }
    m_created = true;
    bool focusFirst = true;
    try {
        focusFirst = OnInitDialog();
    } catch (const CException& error) {
        Report(&error, false, false);
    } catch (const std::bad_alloc&) {
        // A dialog whose set-up ran out of memory is not shown half-made.
        EndDialog(IDCANCEL);
        Report(nullptr, false, true);
        return;
    } catch (const std::exception&) {
        Report(nullptr, false, false);
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

void CDialog::TouchControl(ControlState& control, bool itemsChanged) {
    control.revision = m_nextRevision++;
    if (itemsChanged) control.itemsRevision = control.revision;
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
    SaveControls(state->controls);
    return state;
}

void CDialog::SaveControls(DialogState& saved) const {
    saved.focusId = m_state.focusId;
    saved.controls.reserve(m_state.controls.size());
    for (const ControlState& c : m_state.controls) {
        if (UndoSavesItemsOf(c.id))
            saved.controls.push_back(c);
        else
            saved.controls.push_back(ControlState{.id = c.id,
                                                  .kind = c.kind,
                                                  .text = c.text,
                                                  .checked = c.checked,
                                                  .enabled = c.enabled,
                                                  .sorted = c.sorted,
                                                  .items = {},
                                                  .selection = c.selection,
                                                  .revision = c.revision,
                                                  .itemsRevision = c.itemsRevision});
    }
}

void CDialog::RestoreUndoState(CUndoState& state) {
    DialogState& saved = state.controls;
    // The entries the undo state did not copy stay as they are.
    for (std::size_t i = 0; i < saved.controls.size() && i < m_state.controls.size(); ++i)
        if (!UndoSavesItemsOf(saved.controls[i].id)) {
            saved.controls[i].items.swap(m_state.controls[i].items);
            saved.controls[i].itemsRevision = m_state.controls[i].itemsRevision;
        }
    // The focus is where the user left it; the restored state must not move it.
    const int focus = m_state.focusId;
    m_state = std::move(saved);
    m_state.focusId = focus;
}

bool CDialog::PreDispatch(int, Notification) {
    return true;
}

void CDialog::Notify(int id, Notification code) {
    if (!m_created || m_ended) return;
    const MessageMapEntry* entry = nullptr;
    bool dispatch = false;
    try {
        entry = FindHandler(id, code);
        dispatch = entry && PreDispatch(id, code);
    } catch (const std::bad_alloc&) {
        // A message table built on first use, or a refusal's text: nothing has run.
        Report(nullptr, code == Notification::Command, true);
        return;
    }
    if (entry) {
        if (dispatch) RunHandler(*entry);
        return;
    }
    RunDefault(id, code);
}

void CDialog::RunHandler(const MessageMapEntry& entry) {
    const bool isCommand = entry.code == Notification::Command;
    std::unique_ptr<CUndoState> undo;
    try {
        undo = SaveUndoState();
    } catch (const std::bad_alloc&) {
        // Without its undo state the action does not run at all.
        Report(nullptr, isCommand, true);
        return;
    }
    RunGuarded([&] { (this->*entry.handler)(); },
               [&](const CException* error, bool outOfMemory) {
                   RestoreUndoState(*undo);
                   Report(error, isCommand, outOfMemory);
               });
}

void CDialog::RunDefault(int id, Notification code) {
    // A click on the OK or Cancel button is that command.
    const bool standardButton = code == Notification::Clicked && (id == IDOK || id == IDCANCEL);
    if (code != Notification::Command && !standardButton) return;
    RunGuarded(
        [&] {
            if (id == IDOK) {
                OnOK();
            } else if (id == IDCANCEL) {
                OnCancel();
            } else if (CWinApp* app = AfxGetApp()) {
                // Commands the window does not handle are offered to the application.
                if (const MessageMapEntry* entry = app->FindHandler(id, code))
                    (app->*entry->handler)();
            }
        },
        [&](const CException* error, bool outOfMemory) { Report(error, true, outOfMemory); });
}

void CDialog::Report(const CException* error, bool isCommand, bool outOfMemory) noexcept {
    const char* fixed = outOfMemory ? kActionOutOfMemoryText
                        : isCommand ? "Command failed."
                                    : "Internal application error.";
    try {
        std::string text;
        if (outOfMemory || !error || !error->GetErrorMessage(text) || text.empty()) text = fixed;
        AfxMessageBox(text, MB_ICONSTOP);
        return;
    } catch (const std::bad_alloc&) {
        // The error's own text could not be made: the fixed one, once more.
    } catch (...) {
        return;
    }
    AfxMessageBoxNoThrow(outOfMemory || error == nullptr ? fixed : kActionOutOfMemoryText,
                         MB_ICONSTOP);
}

void CDialog::SysCommand(unsigned id) {
    if (!m_created || m_ended) return;
    RunGuarded(
        [&] { OnSysCommand(id); },
        [&](const CException* error, bool outOfMemory) { Report(error, true, outOfMemory); });
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
        TouchControl(*control, false);
    }
}

void CDialog::DoubleClickList(int id, int row) {
    ControlState* control = FindControl(id);
    if (!control || !control->enabled || m_ended) return;
    if (row >= 0 && row < static_cast<int>(control->items.size()) && control->selection != row) {
        control->selection = row;
        TouchControl(*control, false);
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
