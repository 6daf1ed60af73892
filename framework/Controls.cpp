// Control handles: every operation works on the control's state in its dialog.

#include "framework/Controls.h"

#include "framework/Dialog.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace {

char Fold(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Fold(text[i]) != Fold(prefix[i])) return false;
    return true;
}

int CompareIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char ca = Fold(a[i]), cb = Fold(b[i]);
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void CWnd::Attach(CDialog* dialog, int id) {
    m_pDialog = dialog;
    m_id = id;
}

ControlState& CWnd::State() const {
    if (!m_pDialog) throw std::logic_error("control used before the binding pass attached it");
    return m_pDialog->Control(m_id);
}

void CWnd::Touch(bool entries) const {
    m_pDialog->TouchControl(State(), entries);
}

void CWnd::EnableWindow(bool enable) {
    ControlState& s = State();
    if (s.enabled == enable) return;
    s.enabled = enable;
    Touch();
}

bool CWnd::IsWindowEnabled() const {
    return State().enabled;
}

void CWnd::SetFocus() {
    m_pDialog->GotoDlgCtrl(m_id);
}

void CWnd::SetWindowText(const std::string& text) {
    ControlState& s = State();
    if (s.text == text) return;
    s.text = text;
    Touch();
}

int CButton::GetCheck() const {
    return State().checked ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
    ControlState& s = State();
    const bool checked = check == BST_CHECKED;
    if (s.checked == checked) return;
    s.checked = checked;
    Touch();
}

int CListBox::GetCount() const {
    return static_cast<int>(State().items.size());
}

int CListBox::AddString(const std::string& text) {
    ControlState& s = State();
    if (!s.sorted) return InsertString(-1, text);
    // After every entry that does not sort after the new one.
    auto at = std::upper_bound(
        s.items.begin(), s.items.end(), text,
        [](const std::string& a, const std::string& b) { return CompareIgnoringCase(a, b) < 0; });
    return InsertString(static_cast<int>(at - s.items.begin()), text);
}

void CListBox::AddStrings(std::vector<std::string> texts) {
    if (texts.empty()) return;
    ControlState& s = State();
    s.items.insert(s.items.end(), std::make_move_iterator(texts.begin()),
                   std::make_move_iterator(texts.end()));
    if (s.sorted) {
        // Each text folded once, then the runs in which the entries already
        // come in order merged pairwise until one is left: a list that comes
        // mostly in order costs little more than a pass over it, and a merge
        // keeps equal texts in the order AddString would give them (the old
        // ones first, the new ones as they came).
        std::vector<std::string> keys;
        keys.reserve(s.items.size());
        for (const std::string& item : s.items) {
            std::string key = item;
            for (char& c : key)
                c = Fold(c);
            keys.push_back(std::move(key));
        }
        const std::size_t count = keys.size();
        std::vector<std::size_t> runs{0}; // where each run starts, then the end
        for (std::size_t i = 1; i < count; ++i)
            if (keys[i] < keys[i - 1]) runs.push_back(i);
        runs.push_back(count);
        if (runs.size() > 2) {
            std::vector<std::size_t> order(count), merged(count);
            for (std::size_t i = 0; i < count; ++i)
                order[i] = i;
            const auto before = [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; };
            while (runs.size() > 2) {
                std::vector<std::size_t> next{0};
                for (std::size_t r = 0; r + 1 < runs.size(); r += 2) {
                    const auto first = order.begin();
                    const std::size_t mid = runs[r + 1];
                    const std::size_t end = r + 2 < runs.size() ? runs[r + 2] : mid;
                    std::merge(first + runs[r], first + mid, first + mid, first + end,
                               merged.begin() + runs[r], before);
                    next.push_back(end);
                }
                order.swap(merged);
                runs = std::move(next);
            }
            const int selected = s.selection;
            std::vector<std::string> sorted;
            sorted.reserve(count);
            for (std::size_t i = 0; i < count; ++i) {
                sorted.push_back(std::move(s.items[order[i]]));
                if (selected != LB_ERR && order[i] == static_cast<std::size_t>(selected))
                    s.selection = static_cast<int>(i);
            }
            s.items = std::move(sorted);
        }
    }
    Touch(true);
}

int CListBox::InsertString(int index, const std::string& text) {
    ControlState& s = State();
    const int count = static_cast<int>(s.items.size());
    if (index < 0 || index > count) index = count;
    s.items.insert(s.items.begin() + index, text);
    if (s.selection != LB_ERR && s.selection >= index) ++s.selection;
    Touch(true);
    return index;
}

int CListBox::DeleteString(int index) {
    ControlState& s = State();
    const int count = static_cast<int>(s.items.size());
    if (index < 0 || index >= count) return LB_ERR;
    s.items.erase(s.items.begin() + index);
    if (s.selection == index)
        s.selection = LB_ERR;
    else if (s.selection > index)
        --s.selection;
    Touch(true);
    return count - 1;
}

int CListBox::GetText(int index, std::string& text) const {
    const ControlState& s = State();
    if (index < 0 || index >= static_cast<int>(s.items.size())) return LB_ERR;
    text = s.items[static_cast<std::size_t>(index)];
    return static_cast<int>(text.size());
}

std::string CListBox::GetText(int index) const {
    std::string text;
    GetText(index, text);
    return text;
}

int CListBox::GetCurSel() const {
    return State().selection;
}

int CListBox::SetCurSel(int index) {
    ControlState& s = State();
    const int wanted = (index >= 0 && index < static_cast<int>(s.items.size())) ? index : LB_ERR;
    if (s.selection != wanted) {
        s.selection = wanted;
        Touch();
    }
    return index == -1 || wanted != LB_ERR ? wanted : LB_ERR;
}

int CListBox::FindString(int startAfter, const std::string& prefix) const {
    const ControlState& s = State();
    const int count = static_cast<int>(s.items.size());
    for (int i = std::max(startAfter + 1, 0); i < count; ++i)
        if (StartsWithIgnoringCase(s.items[static_cast<std::size_t>(i)], prefix)) return i;
    return LB_ERR;
}

int CListBox::SelectString(int startAfter, const std::string& prefix) {
    const int found = FindString(startAfter, prefix);
    if (found != LB_ERR) SetCurSel(found);
    return found;
}
