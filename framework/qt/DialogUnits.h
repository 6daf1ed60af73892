// Dialog units to pixels, and the small pieces of layout arithmetic the Qt
// backend needs, kept free of Qt so they can be tested without a display.
//
// A dialog template places its controls in dialog units: a horizontal unit is
// a quarter of the dialog font's average letter width, a vertical unit an
// eighth of its line height. Edges are converted, not sizes, so controls that
// touch in the template still touch on screen.
#pragma once

#include "framework/DialogTemplate.h"

#include <functional>
#include <string>
#include <vector>

// The face the templates' 8-point "MS Sans Serif" maps to: measured at 96 dpi,
// DejaVu Sans Condensed at 8 points averages 6.1 px over A-Z a-z and is 13 px
// high, the 6 x 13 base units the templates were laid out for (Liberation
// Sans and Arimo give 6 x 12, FreeSans 6 x 11, DejaVu Sans 7 x 13). Debian
// ships it in fonts-dejavu-extra.
inline constexpr char kTemplateFace[] = "DejaVu Sans Condensed";

struct DialogBaseUnits {
    int x; // average width of the letters A-Z a-z, in pixels
    int y; // line height of the dialog font, in pixels
};

struct PixelRect {
    int x, y, width, height;
};

// Base units from the width of the 52 letters A-Z a-z set side by side and the line height.
DialogBaseUnits BaseUnitsFromFont(int widthOfAllLetters, int lineHeight);
// One coordinate, rounded to the nearest pixel.
int HorizontalDluToPixels(int dlu, DialogBaseUnits base);
int VerticalDluToPixels(int dlu, DialogBaseUnits base);
PixelRect DluRectToPixels(int x, int y, int cx, int cy, DialogBaseUnits base);
// The client area of a template, in pixels.
PixelRect DialogClientRect(const DialogTemplate& dialogTemplate, DialogBaseUnits base);

// Breaks text into lines no wider than maxWidth, word by word; a word wider
// than maxWidth keeps a line of its own. Spaces at either end of a line are
// dropped (button captions are padded with leading spaces to push a word to
// the next line; wrapping by width does that already).
std::vector<std::string> WrapWords(const std::string& text, int maxWidth,
                                   const std::function<int(const std::string&)>& widthOf);

// Tells apart a press that is the second press of a double-click. The
// toolkit delivers that press as well as the double-click itself; a list
// must treat it as part of the double-click, not as another click. The rule
// is the toolkit's own: same button, within the double-click interval and
// distance of the previous press, and the previous press not itself a second one.
class DoubleClickTracker {
  public:
    DoubleClickTracker(unsigned long interval, int distance)
        : m_interval(interval), m_distance(distance) {}
    bool IsSecondPress(unsigned long timestamp, int x, int y, int button);

  private:
    unsigned long m_interval;
    int m_distance;
    bool m_havePrevious = false;
    unsigned long m_timestamp = 0;
    int m_x = 0, m_y = 0, m_button = 0;
};

// The keys with which a native list box moves its selection.
enum class ListKey { Up, Down, Home, End, PageUp, PageDown };
// The row a key selects in a list of count entries whose selection is
// current (-1: none) and that shows pageRows rows; -1 when the list is empty.
// Without a selection every key but End selects the first entry.
int RowAfterListKey(ListKey key, int current, int count, int pageRows);
// Type-ahead: the first entry, going down from current and round again,
// that starts with prefix, ignoring case; -1 when none does. A single
// letter starts after the selection (typing it again steps through the
// entries with that letter); a longer prefix may keep the selection.
int RowByTypedPrefix(const std::vector<std::string>& entries, int current,
                     const std::string& prefix);
// The label a control of a template is known by: the nearest text with
// words in it to its left on its row, or above it over its columns; its
// access-key marks and padding dropped. Empty when there is none.
std::string LabelOf(const DialogTemplate& dialogTemplate, const DialogItem& item);
// The name assistive technology knows a control by: the template's guide
// name, else a box's or list's label, else a button's caption on one line.
// Empty for labels, group boxes and icons, which their own text names.
std::string AccessibleNameOf(const DialogTemplate& dialogTemplate, const DialogItem& item);

// The help document beside an installed or built program, and the anchor of a help context.
std::string HelpDocumentPath(const std::string& executableFolder);
std::string HelpAnchor(unsigned long context);
