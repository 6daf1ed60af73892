// CQtDialogWindow: the Qt window of one framework dialog.
//
// It owns one widget per template control (objectName: the control id), the
// menu bar and the system-menu stand-in, forwards clicks, double-clicks, Tab
// focus, keys and commands to the dialog, and after each call shows the
// dialog's state again. Qt's own behaviour is held back where it would change
// a control by itself: a click does not toggle a check mark, a list selects
// only through the dialog's state (a click, or the keys of a native list box:
// arrows, Home, End, Page Up, Page Down and type-ahead), Enter and Escape do
// not end the window except through the dialog. F1 asks for help, F10 and a
// lone Alt open the menu bar, Alt and a menu title's underlined letter that menu.
// Every mouse gesture has its key: Alt and a control's access key (from the
// template) give it the focus as a click does; Space on a list does what a
// double-click on its selected entry does, and so does Delete on a list whose
// style asks for it.
//
// Texts are shown whole: a read-only edit box or a list entry wider than its
// control is drawn narrower (a narrower cut of the dialog font, a list row
// scaled; down to two thirds of its width); a list entry that is still too
// wide keeps a tooltip.
// Lists show whole rows only, and a window taller or wider than the screen
// shows its controls in a scrollable area.
#pragma once

#include "framework/Dialog.h"
#include "framework/qt/DialogUnits.h"

#include <QAccessible>
#include <QDialog>
#include <QEventLoop>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QMenuBar;
class QPainter;
class QScrollArea;

// The dialog font: the template's face mapped to kTemplateFace at the
// template's size, or to the desktop's sans-serif when that face is missing.
QFont DialogFont(const DialogTemplate& dialogTemplate);
DialogBaseUnits DialogBaseUnitsOf(const QFont& font);
// The width in which an edit box, or a list's rows, lay out their text.
int EditTextRoom(const QLineEdit& edit);
int ListTextRoom(const QListWidget& list);
// A list row wider than its list is drawn narrowed by this factor (item
// data), never below kNarrowest; the width a row's text takes as drawn.
inline constexpr int kNarrowRole = Qt::UserRole + 1;
inline constexpr double kNarrowest = 2.0 / 3.0;
int ShownRowWidth(const QListWidget& list, int row);
// font, or a narrower cut of it (not under two thirds of its width) in
// which text fits room pixels; the narrowest cut when none does.
QFont FittingFont(const QFont& font, const QString& text, int room);

class CQtDialogWindow : public QDialog, public QAccessible::ActivationObserver {
  public:
    CQtDialogWindow(CDialog& dialog, QWidget* parent);
    ~CQtDialogWindow() override;

    CDialog& Dialog() const { return m_dialog; }
    // Builds the controls; call before the dialog's Create().
    void BuildControls();
    // Menu bar, icon and size, from what the dialog's start-up set; call after Create().
    void BuildFrame();
    // Shows the framework's state in the widgets, and ends the loop once the dialog has ended.
    void Sync();
    // Runs the modal loop until the dialog ends.
    void RunLoop();
    // Moves Qt's focus to a control (kFocusDialog: the window itself), silently.
    void MoveFocus(int id);
    QWidget* ControlWidget(int id) const;
    // Opens the menu bar's first menu, as F10 and a lone Alt do.
    void OpenMenuBar();
    // The window ends only when its dialog ends, never by Qt's own Enter or Escape.
    void reject() override {}
    void accept() override {}
    // Set while a minimised window paints: where DrawIcon draws.
    QPainter* m_pIconPainter = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Every control takes its accessible name (AccessibleNameOf) once assistive technology listens.
    void accessibilityActiveChanged(bool active) override;

  private:
    struct Control {
        const DialogItem* item;
        QWidget* widget;
        unsigned revision = 0;
        std::string text;           // caption shown, to tell when it changes
        unsigned itemsRevision = 0; // the list entries shown (ControlState::itemsRevision)
    };

    QWidget* CreateWidget(const DialogItem& item);
    QString ShownCaption(const DialogItem& item, const std::string& text) const;
    void ShowControl(Control& control, const ControlState& state);
    void ShowList(Control& control, const ControlState& state);
    bool HandleKey(QKeyEvent* key, QListWidget* list);
    bool HandleListKey(QKeyEvent* key, QListWidget* list);
    // The control the template gives the key as its access key (Alt+1), or 0.
    int AccessKeyControl(const QKeyEvent& key) const;
    bool HasStyle(int id, unsigned style) const;
    void SelectListRow(int id, int row);
    bool HandleListMouse(int id, QListWidget* list, QMouseEvent* mouse);
    void ShowSystemMenu(const QPoint& globalPos);
    void AddMenu(QWidget* menu, const MenuItem& item);
    // Calls into the dialog, then shows its state.
    void Dispatch(const std::function<void()>& call);

    CDialog& m_dialog;
    QFont m_font;
    DialogBaseUnits m_base{};
    QWidget* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QScrollArea* m_scroll = nullptr;
    std::vector<Control> m_controls; // in template order, as the dialog's state
    std::map<int, QWidget*> m_byId;
    std::vector<std::pair<QWidget*, QString>> m_accessibleNames;
    std::map<int, DoubleClickTracker> m_pressSeries; // per list
    QEventLoop m_loop;
    bool m_movingFocus = false;
    bool m_loneAlt = false; // Alt is down and nothing else happened since
    QString m_typed;        // type-ahead in a list
    qint64 m_typedAt = 0;   // when the last letter was typed, ms
    QWidget* m_typedIn = nullptr;
};
