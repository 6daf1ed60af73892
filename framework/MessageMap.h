// Message tables: from a control id and a notification to a member handler.
//
// Each window class lists its handlers in a static table; the dispatcher looks
// a notification up in the class's table, then in its base's. Handlers take no
// arguments and return nothing.
#pragma once

#include <span>

class CCmdTarget;
using AFX_PMSG = void (CCmdTarget::*)();

enum class Notification {
    Clicked,       // a push button or check box was clicked
    DoubleClicked, // a list was double-clicked
    SetFocus,      // a list gained the keyboard focus
    Command,       // a menu command
};

struct MessageMapEntry {
    Notification code;
    int id;
    AFX_PMSG handler;
};

struct MessageMap {
    const MessageMap* base;
    std::span<const MessageMapEntry> entries;
};

#define ON_BN_CLICKED(id, fn)                                                                      \
    MessageMapEntry {                                                                              \
        Notification::Clicked, (id), static_cast<AFX_PMSG>(fn)                                     \
    }
#define ON_LBN_DBLCLK(id, fn)                                                                      \
    MessageMapEntry {                                                                              \
        Notification::DoubleClicked, (id), static_cast<AFX_PMSG>(fn)                               \
    }
#define ON_LBN_SETFOCUS(id, fn)                                                                    \
    MessageMapEntry {                                                                              \
        Notification::SetFocus, (id), static_cast<AFX_PMSG>(fn)                                    \
    }
#define ON_COMMAND(id, fn)                                                                         \
    MessageMapEntry {                                                                              \
        Notification::Command, (id), static_cast<AFX_PMSG>(fn)                                     \
    }

class CCmdTarget {
  public:
    virtual ~CCmdTarget() = default;
    virtual const MessageMap* GetMessageMap() const;

    // The table entry for a notification, searching base tables too; null when none.
    const MessageMapEntry* FindHandler(int id, Notification code) const;
};
