// Dialog templates and menus as plain data.
//
// A template lists a dialog's controls with their kind, id, text, style and
// position in dialog units; a menu lists its items. The framework builds the
// state of every control from the template, and a toolkit backend builds the
// widgets from the same data, so neither the rules nor the tests need a display.
#pragma once

#include <span>
#include <string>
#include <vector>

enum class ControlKind {
    PushButton,
    CheckBox,
    GroupBox,
    Static, // a label
    Edit,   // a read-only edit box
    ListBox,
    Icon,
};

// Control styles, combinable.
namespace ControlStyle {
inline constexpr unsigned None = 0;
inline constexpr unsigned Centred = 1u << 0;      // text centred (labels, edit boxes)
inline constexpr unsigned Sunken = 1u << 1;       // sunken heading
inline constexpr unsigned MultiLine = 1u << 2;    // push button text may wrap
inline constexpr unsigned Sorted = 1u << 3;       // list keeps its entries sorted
inline constexpr unsigned VScroll = 1u << 4;      // list has a vertical scroll bar
inline constexpr unsigned AlwaysScroll = 1u << 5; // the scroll bar is shown even when not needed
inline constexpr unsigned DefaultButton = 1u << 6;
inline constexpr unsigned Border = 1u << 8;
inline constexpr unsigned DeleteKey = 1u << 9; // Delete on the list does what its double-click does
} // namespace ControlStyle

struct DialogItem {
    ControlKind kind;
    int id;           // IDC_STATIC for labels and group boxes
    const char* text; // caption, label text, or empty
    int x, y, cx, cy; // dialog units
    unsigned style;
};

// What a control is called for assistive technology (a screen reader) and
// the help section (an anchor of the help document) its F1 opens. Either may
// be null: a box or list is then called by its label, and F1 opens the
// dialog's own help topic.
struct ControlGuide {
    int id;
    const char* accessibleName;
    const char* helpSection;
};

// Window styles of a dialog.
namespace DialogStyle {
inline constexpr unsigned Caption = 1u << 0;
inline constexpr unsigned SysMenu = 1u << 1;
inline constexpr unsigned MinimizeBox = 1u << 2;
inline constexpr unsigned ModalFrame = 1u << 3;
} // namespace DialogStyle

// Alt plus a letter or digit gives a control the focus straight away, as a
// click into it does, without passing through the controls between.
struct AccessKey {
    char key; // '0' to '9' or 'A' to 'Z'
    int id;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int cx, cy; // dialog units
    const char* fontName;
    int fontPointSize;
    unsigned style;
    std::span<const DialogItem> items;
    std::span<const AccessKey> accessKeys{};
    std::span<const ControlGuide> guides = {}; // by control id, any order
};

// The guide of a control of a template, or null when the template has none for it.
const ControlGuide* GuideOf(const DialogTemplate& dialogTemplate, int id);

// One menu item; a popup carries its children, a separator has neither id nor text.
struct MenuItem {
    enum Kind { Command, Separator, Popup };
    MenuItem(Kind kind_, std::string text_, int id_ = 0, bool checked_ = false,
             bool grayed_ = false, std::vector<MenuItem> children_ = {})
        : kind(kind_), text(std::move(text_)), id(id_), checked(checked_), grayed(grayed_),
          children(std::move(children_)) {}

    Kind kind;
    std::string text;
    int id = 0;
    bool checked = false;
    bool grayed = false;
    std::vector<MenuItem> children;
};

struct MenuTemplate {
    int id;
    std::vector<MenuItem> items; // the top-level popups of a menu bar
};
