// Dialog-unit conversion, word wrapping, double-click pairing and the help
// document's place: the Qt backend's arithmetic.

#include "framework/qt/DialogUnits.h"

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

std::string HelpDocumentPath(const std::string& executableFolder) {
    const std::filesystem::path path =
        std::filesystem::path(executableFolder) / ".." / "share" / "doc" / "kestrav" / "index.html";
    return path.lexically_normal().string();
}

std::string HelpAnchor(unsigned long context) {
    return "context-" + std::to_string(context);
}
