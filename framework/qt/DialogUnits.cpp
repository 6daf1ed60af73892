// Dialog-unit conversion, word wrapping, double-click pairing and the help
// document's place: the Qt backend's arithmetic.

#include "framework/qt/DialogUnits.h"

#include "framework/Afx.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

DialogBaseUnits BaseUnitsFromFont(int widthOfAllLetters, int lineHeight) {
    return DialogBaseUnits{(widthOfAllLetters + 26) / 52, lineHeight};
}

int HorizontalDluToPixels(int dlu, DialogBaseUnits base) {
    return MulDiv(dlu, base.x, 4);
}

int VerticalDluToPixels(int dlu, DialogBaseUnits base) {
    return MulDiv(dlu, base.y, 8);
}

PixelRect DluRectToPixels(int x, int y, int cx, int cy, DialogBaseUnits base) {
    const int left = HorizontalDluToPixels(x, base);
    const int top = VerticalDluToPixels(y, base);
    const int right = HorizontalDluToPixels(x + cx, base);
    const int bottom = VerticalDluToPixels(y + cy, base);
    return PixelRect{left, top, right - left, bottom - top};
}

PixelRect DialogClientRect(const DialogTemplate& dialogTemplate, DialogBaseUnits base) {
    return DluRectToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy, base);
}

std::vector<std::string> WrapWords(const std::string& text, int maxWidth,
                                   const std::function<int(const std::string&)>& widthOf) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string line;
    while (words >> word) {
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (line.empty() || widthOf(candidate) <= maxWidth) {
            line = candidate;
        } else {
            lines.push_back(line);
            line = word;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool DoubleClickTracker::IsSecondPress(unsigned long timestamp, int x, int y, int button) {
    const bool second = m_havePrevious && button == m_button &&
                        timestamp - m_timestamp < m_interval && std::abs(x - m_x) <= m_distance &&
                        std::abs(y - m_y) <= m_distance;
    // After a double-click the next press starts a new series.
    m_havePrevious = !second;
    m_timestamp = timestamp;
    m_x = x;
    m_y = y;
    m_button = button;
    return second;
}

int RowAfterListKey(ListKey key, int current, int count, int pageRows) {
    if (count <= 0) return -1;
    const int last = count - 1;
    const int page = std::max(1, pageRows - 1);
    if (current < 0 || current > last) return key == ListKey::End ? last : 0;
    switch (key) {
    case ListKey::Up:
        return std::max(0, current - 1);
    case ListKey::Down:
        return std::min(last, current + 1);
    case ListKey::Home:
        return 0;
    case ListKey::End:
        return last;
    case ListKey::PageUp:
        return std::max(0, current - page);
    case ListKey::PageDown:
        return std::min(last, current + page);
    }
    return current;
}

namespace {

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

std::string LabelText(const char* text) {
    std::string label;
    for (const char* c = text; *c; ++c)
        if (*c != '&') label += *c;
    const auto first = label.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return label.substr(first, label.find_last_not_of(' ') - first + 1);
}

} // namespace

int RowByTypedPrefix(const std::vector<std::string>& entries, int current,
                     const std::string& prefix) {
    const int count = static_cast<int>(entries.size());
    if (count == 0 || prefix.empty()) return -1;
    const int start = current < 0 ? 0 : (prefix.size() == 1 ? current + 1 : current);
    for (int i = 0; i < count; ++i) {
        const int row = (start + i) % count;
        if (StartsWithIgnoringCase(entries[row], prefix)) return row;
    }
    return -1;
}

std::string LabelOf(const DialogTemplate& dialogTemplate, const DialogItem& item) {
    std::string best;
    int bestGap = INT_MAX;
    for (const DialogItem& other : dialogTemplate.items) {
        if (other.kind != ControlKind::Static || !other.text) continue;
        const std::string text = LabelText(other.text);
        if (text.empty()) continue;
        const bool sameRow = other.y < item.y + item.cy && other.y + other.cy > item.y;
        const bool sameColumns = other.x < item.x + item.cx && other.x + other.cx > item.x;
        int gap = INT_MAX;
        if (sameRow && other.x + other.cx <= item.x + 2)
            gap = item.x - (other.x + other.cx);
        else if (sameColumns && other.y + other.cy <= item.y + 2)
            gap = item.y - (other.y + other.cy);
        if (gap < bestGap) {
            bestGap = gap;
            best = text;
        }
    }
    return best;
}

std::string AccessibleNameOf(const DialogTemplate& dialogTemplate, const DialogItem& item) {
    if (item.id == IDC_STATIC) return "";
    if (const ControlGuide* guide = GuideOf(dialogTemplate, item.id);
        guide && guide->accessibleName)
        return guide->accessibleName;
    switch (item.kind) {
    case ControlKind::Edit:
    case ControlKind::ListBox:
        return LabelOf(dialogTemplate, item);
    case ControlKind::PushButton:
    case ControlKind::CheckBox: {
        // One line: the caption's words with single spaces between them.
        std::string words;
        for (const char* c = item.text ? item.text : ""; *c; ++c) {
            if (*c == '&') continue;
            const bool blank = std::isspace(static_cast<unsigned char>(*c)) != 0;
            if (!blank)
                words += *c;
            else if (!words.empty() && words.back() != ' ')
                words += ' ';
        }
        if (!words.empty() && words.back() == ' ') words.pop_back();
        return words;
    }
    default:
        return "";
    }
}

std::string HelpDocumentPath(const std::string& executableFolder) {
    const std::filesystem::path path = std::filesystem::path(executableFolder) / ".." / "share" /
                                       "kestrav" / "help" / "index.html";
    return path.lexically_normal().string();
}

std::string HelpAnchor(unsigned long context) {
    return "context-" + std::to_string(context);
}
