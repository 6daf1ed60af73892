// The scenario driver: a recording Qt platform and the commands as real
// mouse and key events.

#include "testing/scenario/ScenarioDriver.h"

#include "catalog/CatalogFolder.h"
#include "catalog/CatalogNames.h"
#include "framework/WinApp.h"
#include "framework/qt/QtPlatform.h"
#include "testing/ListClickPoint.h"
#include "testing/ProgramHost.h"
#include "tools/SqlScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QtTest/qtestspontaneevent.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}
std::string Quoted(const QString& text) {
    return Quoted(text.toStdString());
}

// A message box or a dialog box the program showed.
struct ShownBox {
    bool isDialog = false;
    std::string caption;
    std::string text;
    std::map<std::string, std::string> edits; // by id and by member name

    std::string Describe() const {
        if (isDialog) return "dialog box: " + Quoted(caption);
        return "message box: " + Quoted(caption) + " " + Quoted(text);
    }
};

// The catalogue folder of a scenario: a temporary folder with the databases
// named by its catalog line, made from .db files or .sql scripts; without a
// catalog line, the project's own catalogues. A catalogue the folder has no
// file for stays missing, as it would for a user, unless the folder is based
// on the project's catalogues: a script whose first line is kBasedOnProject
// runs on a copy of the project's own catalogue, and in a folder holding such
// a script every catalogue without a file is the project's own, but one named
// by an empty BASE.missing. So a damaged-catalogue fixture states only its
// damage. Any other file of the fixture (a journal) is copied beside them.
// Every file of the folder is read at the start and compared at the end: the
// program must never write a catalogue, nor create or remove anything beside it.
const char kBasedOnProject[] = "-- based on the project's catalogue";

class CatalogCopy {
  public:
    ~CatalogCopy() {
        std::error_code ignored;
        if (!m_folder.empty()) fs::remove_all(m_folder, ignored);
        SetCatalogFolderForTesting("");
    }
    // Empty text: prepared from the folder source and the project's
    // catalogues (those of the program at programPath); otherwise what went wrong.
    std::string Prepare(const fs::path& source, const std::string& programPath) {
        if (!fs::is_directory(source)) return "no folder " + source.string();
        char pattern[] = "/tmp/kestrav-scenario-XXXXXX";
        if (!mkdtemp(pattern)) return "cannot make a temporary folder";
        m_folder = pattern;
        const fs::path project = CatalogFolderOf(programPath);
        bool basedOnProject = false;
        for (const char* base : kCatalogNames) {
            const fs::path sql = source / (std::string(base) + ".sql");
            if (fs::exists(sql) && ReadTextFile(sql.string()).rfind(kBasedOnProject, 0) == 0)
                basedOnProject = true;
        }
        for (const char* base : kCatalogNames) {
            const fs::path db = source / (std::string(base) + ".db");
            const fs::path sql = source / (std::string(base) + ".sql");
            const fs::path target = m_folder / (std::string(base) + ".db");
            try {
                if (fs::exists(db)) {
                    fs::copy_file(db, target);
                } else if (fs::exists(sql)) {
                    const std::string script = ReadTextFile(sql.string());
                    if (script.rfind(kBasedOnProject, 0) == 0) {
                        fs::copy_file(project / (std::string(base) + ".db"), target);
                        ApplyScriptToDatabase(target.string(), script);
                    } else {
                        CreateDatabaseFromScript(target.string(), script);
                    }
                } else if (basedOnProject &&
                           !fs::exists(source / (std::string(base) + ".missing"))) {
                    fs::copy_file(project / (std::string(base) + ".db"), target);
                }
                // Otherwise the file stays missing.
            } catch (const std::exception& error) {
                return std::string(base) + ": " + error.what();
            }
        }
        // Any other file of the fixture (a journal, a write-ahead log) goes beside them as it is.
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(source, error)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".db" && extension != ".sql" && extension != ".missing")
                fs::copy_file(entry.path(), m_folder / entry.path().filename(), error);
        }
        SetCatalogFolderForTesting(m_folder.string());
        return "";
    }
    // Reads every file of the catalogue folder the program at programPath will
    // use, to compare it after the run.
    void Remember(const std::string& programPath) {
        m_used = m_folder.empty() ? fs::path(CatalogFolderOf(programPath)) : m_folder;
        m_contents = FolderContents();
    }
    // The first file of the catalogue folder that appeared, went or changed
    // since Remember (a -wal, -shm or -journal file too), or "".
    std::string Changed() const {
        const auto now = FolderContents();
        for (const auto& [file, contents] : now) {
            const auto was = m_contents.find(file);
            if (was == m_contents.end()) return file + " (a new file)";
            if (was->second != contents) return file;
        }
        for (const auto& [file, contents] : m_contents)
            if (!now.count(file)) return file + " (removed)";
        return "";
    }

  private:
    std::map<std::string, std::string> FolderContents() const {
        std::map<std::string, std::string> contents;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(m_used, error)) {
            const std::string file = entry.path().string();
            contents[file] =
                entry.is_regular_file() ? ReadTextFile(file) : std::string("(not a file)");
        }
        return contents;
    }

    fs::path m_folder;
    fs::path m_used; // the folder the program reads
    std::map<std::string, std::string> m_contents;
};

class ScenarioPlatform : public CQtPlatform {
  public:
    explicit ScenarioPlatform(const Scenario& scenario) : m_scenario(scenario) {}

    ScenarioResult result;
    bool started = false;

  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
        CWinApp* app = AfxGetApp();
        if (!started && app && app->m_pMainWnd == &dialog) {
            started = true;
            m_main = &dialog;
            m_window = &window;
            QTimer::singleShot(0, &window, [this] { RunScript(); });
            return;
        }
        QTimer::singleShot(0, &window, [this, &dialog, &window] { AnswerDialog(dialog, window); });
    }

    void MessageBoxShown(QMessageBox& box) override {
        ShownBox shown;
        shown.caption = box.windowTitle().toStdString();
        shown.text = box.text().toStdString();
        m_boxes.push_back(shown);
        if (QAbstractButton* ok = box.button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
        if (box.isVisible()) box.done(QMessageBox::Ok);
    }

  private:
    void AnswerDialog(CDialog& dialog, QDialog& window) {
        ShownBox shown;
        shown.isDialog = true;
        shown.caption = window.windowTitle().toStdString();
        for (const DialogItem& item : dialog.Template().items) {
            if (item.kind != ControlKind::Edit) continue;
            if (auto* edit = qobject_cast<QLineEdit*>(ControlWidget(dialog, item.id)))
                shown.edits[std::to_string(item.id)] = edit->text().toStdString();
        }
        for (const auto& [member, id] : dialog.Members())
            if (shown.edits.count(std::to_string(id)))
                shown.edits[member] = shown.edits[std::to_string(id)];
        m_boxes.push_back(shown);
        // Answered as a person answers it: Enter, which the OK button must
        // take as the default button with the first focus.
        auto* ok = qobject_cast<QPushButton*>(ControlWidget(dialog, IDOK));
        if (!ok || !ok->isDefault() || window.focusWidget() != ok)
            Fail(0, "the dialog box " + Quoted(shown.caption) +
                        " has no default OK button with the first focus");
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_Return);
        if (!dialog.IsEnded()) {
            Fail(0, "the dialog box " + Quoted(shown.caption) + " did not end by its OK button");
            dialog.EndDialog(IDCANCEL);
            Sync(dialog);
        }
    }

    void Fail(int line, const std::string& message) {
        if (!result.passed) return;
        result.passed = false;
        result.line = line;
        result.message = message;
    }

    void RunScript() {
        if (!QTest::qWaitForWindowActive(m_window, 2000))
            Fail(1, "the window did not become active");
        for (const Command& command : m_scenario.commands) {
            if (!result.passed) break;
            if (command.verb == Verb::Catalog) continue;
            if (!ChecksABox(command.verb) && m_checked < m_boxes.size()) {
                Fail(command.line, "unchecked " + m_boxes[m_checked].Describe());
                break;
            }
            if (IsAction(command.verb) && m_main->IsEnded()) {
                Fail(command.line, command.source + ": the window has already ended");
                break;
            }
            Command resolved = command;
            if (!command.member.empty()) {
                const auto found = m_main->Members().find(command.member);
                if (found == m_main->Members().end()) {
                    Fail(command.line,
                         command.source + ": the window has no control bound to " + command.member);
                    break;
                }
                resolved.id = found->second;
            }
            const std::string error = Execute(resolved);
            QCoreApplication::processEvents();
            if (!error.empty()) Fail(command.line, command.source + ": " + error);
        }
        if (result.passed && m_checked < m_boxes.size())
            Fail(m_scenario.lastLine, "unchecked " + m_boxes[m_checked].Describe());
        // Whatever is left open is closed, so the program ends as it would.
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (!m_main->IsEnded()) m_main->EndDialog(IDCANCEL);
        Sync(*m_main);
    }

    std::string Execute(const Command& command) {
        switch (command.verb) {
        case Verb::Catalog:
            return "";
        case Verb::Click:
            return Click(command);
        case Verb::Select:
        case Verb::DoubleClick:
            return ClickEntry(command);
        case Verb::Focus:
            return Focus(command.id);
        case Verb::Menu:
            return ChooseMenu(command.id);
        case Verb::SysMenu:
            return ChooseSystemMenu(command.id);
        case Verb::Key:
            for (int i = 0; i < command.number && !m_main->IsEnded(); ++i)
                PressKey(command.text);
            return "";
        case Verb::Type:
            for (const QChar letter : QString::fromStdString(command.text))
                QTest::keyClick(FocusedWidget(), letter.toLatin1());
            return "";
        case Verb::ExpectHelp:
            return ExpectHelp(command);
        case Verb::ExpectMenu:
            return ExpectMenu(command);
        case Verb::Close:
            m_window->close();
            return "";
        case Verb::Expect:
            return ExpectText(command);
        case Verb::ExpectList:
        case Verb::ExpectCount:
        case Verb::ExpectSelected:
            return ExpectList(command);
        case Verb::ExpectChecked:
        case Verb::ExpectEnabled:
            return ExpectState(command);
        case Verb::ExpectFocus:
            return ExpectFocus(command);
        case Verb::ExpectEnded:
            return ExpectEnded(command);
        case Verb::Message:
        case Verb::MessageContains:
        case Verb::Dialog:
            return CheckBox(command);
        }
        return "";
    }

    // ---- Actions ----

    std::string Click(const Command& command) {
        QWidget* widget = ControlWidget(*m_main, command.id);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (!widget) return "the window has no control " + std::to_string(command.id);
        if (!button)
            return "control " + std::to_string(command.id) + " is not a button or check box";
        for (int i = 0; i < command.number && !m_main->IsEnded(); ++i) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        return "";
    }

    // A mouse event on a list's viewport, as the window system delivers it.
    void SendMouse(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, held,
                          Qt::NoModifier);
        event.setTimestamp(m_mouseClock);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(viewport, &event);
    }

    std::string ClickEntry(const Command& command) {
        const std::string id = std::to_string(command.id);
        auto* list = qobject_cast<QListWidget*>(ControlWidget(*m_main, command.id));
        if (!list) return "control " + id + " is not a list";
        int row = -1;
        if (command.target == Target::Row) {
            row = command.number;
            if (row >= list->count())
                return "list " + id + " has no row " + std::to_string(row) + " (it holds " +
                       std::to_string(list->count()) + ")";
        } else if (command.target == Target::Text) {
            for (int i = 0; i < list->count() && row < 0; ++i)
                if (list->item(i)->text().toStdString() == command.text) row = i;
            if (row < 0) return "list " + id + " has no entry " + Quoted(command.text);
        }
        QWidget* viewport = list->viewport();
        const std::optional<QPoint> point = ListClickPoint(*list, row);
        if (!point) return "list " + id + " has no room below its last entry";
        const QPoint at = *point;
        // A double-click is a click, then a second press that the window
        // system reports as a double-click, close in time.
        const unsigned long gap =
            static_cast<unsigned long>(qApp->styleHints()->mouseDoubleClickInterval());
        m_mouseClock += 2 * gap;
        SendMouse(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
        m_mouseClock += 1;
        SendMouse(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
        if (command.verb == Verb::DoubleClick && !m_main->IsEnded()) {
            m_mouseClock += 1;
            SendMouse(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
            SendMouse(viewport, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
            m_mouseClock += 1;
            SendMouse(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
        }
        return "";
    }

    std::string Focus(int id) {
        QWidget* widget = ControlWidget(*m_main, id);
        if (!widget) return "the window has no control " + std::to_string(id);
        if (widget->focusPolicy() & Qt::TabFocus) {
            // The sheet counts as active while its help window is (a window
            // of its own), but only the sheet's own activation lets a focus
            // move reach it as the user's.
            if (QApplication::activeWindow() != m_window) {
                m_window->activateWindow();
                if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_window; },
                                     2000))
                    return "the window is not active";
            }
            // The Tab key passes over a disabled control.
            if (widget->isEnabled()) widget->setFocus(Qt::TabFocusReason);
            return "";
        }
        return "control " + std::to_string(id) + " does not take the focus";
    }

    void PressKey(const std::string& name) {
        static const std::map<std::string, Qt::Key> keys{
            {"enter", Qt::Key_Return},  {"escape", Qt::Key_Escape},     {"up", Qt::Key_Up},
            {"down", Qt::Key_Down},     {"home", Qt::Key_Home},         {"end", Qt::Key_End},
            {"pageup", Qt::Key_PageUp}, {"pagedown", Qt::Key_PageDown}, {"f1", Qt::Key_F1},
            {"f10", Qt::Key_F10},       {"alt", Qt::Key_Alt},           {"left", Qt::Key_Left},
            {"right", Qt::Key_Right},   {"tab", Qt::Key_Tab},           {"space", Qt::Key_Space},
            {"delete", Qt::Key_Delete}, {"shift+tab", Qt::Key_Backtab}};
        if (name.rfind("alt+", 0) == 0) {
            // Alt held down around the letter or digit, as the fingers do it:
            // Alt goes down, the key is pressed and let go, Alt comes up.
            const char letter = name[4];
            const Qt::Key key = static_cast<Qt::Key>(
                std::isdigit(static_cast<unsigned char>(letter)) ? Qt::Key_0 + (letter - '0')
                                                                 : Qt::Key_A + (letter - 'a'));
            QTest::keyClick(FocusedWidget(), key, Qt::AltModifier);
        } else if (const Qt::Key key = keys.at(name); key == Qt::Key_Alt) {
            // A lone Alt goes down with its own modifier and comes up without it.
            QTest::keyPress(FocusedWidget(), key, Qt::AltModifier);
            QTest::keyRelease(FocusedWidget(), key, Qt::NoModifier);
        } else {
            QTest::keyClick(FocusedWidget(), key,
                            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCoreApplication::processEvents();
    }

    // Where the window system sends a key: an open menu, else the focus.
    QWidget* FocusedWidget() const {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        QWidget* focused = QApplication::focusWidget();
        if (!focused || focused->window() != m_window) focused = m_window->focusWidget();
        return focused ? focused : m_window;
    }

    static QAction* FindAction(const QList<QAction*>& actions, int id,
                               std::vector<QAction*>& path) {
        for (QAction* action : actions) {
            path.push_back(action);
            if (action->menu()) {
                if (QAction* found = FindAction(action->menu()->actions(), id, path)) return found;
            } else if (!action->isSeparator() && action->data().toInt() == id) {
                return action;
            }
            path.pop_back();
        }
        return nullptr;
    }

    static void CloseMenus() {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QCoreApplication::processEvents();
    }

    std::string ChooseMenu(int id) {
        auto* bar = m_window->findChild<QMenuBar*>();
        if (!bar) return "the window has no menu bar";
        std::vector<QAction*> path;
        if (!FindAction(bar->actions(), id, path))
            return "the menu bar has no command " + std::to_string(id);
        // Open each menu on the way with a click, then click the command.
        QWidget* holder = bar;
        for (QAction* action : path) {
            QRect where = holder == bar ? bar->actionGeometry(action)
                                        : static_cast<QMenu*>(holder)->actionGeometry(action);
            QTest::mouseClick(holder, Qt::LeftButton, Qt::NoModifier, where.center());
            QCoreApplication::processEvents();
            if (action->menu()) {
                // A menu opens a submenu after a short delay.
                QMenu* menu = action->menu();
                if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000)) {
                    CloseMenus();
                    return "the menu " + Quoted(action->text()) + " did not open";
                }
                holder = action->menu();
            }
        }
        // A greyed command leaves its menu open; the user closes it.
        CloseMenus();
        return "";
    }

    std::string ChooseSystemMenu(int id) {
        QTest::keyClick(FocusedWidget(), Qt::Key_Space, Qt::AltModifier);
        QCoreApplication::processEvents();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return "Alt+Space shows no system menu";
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || action->data().toInt() != id) continue;
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                              menu->actionGeometry(action).center());
            CloseMenus();
            return "";
        }
        CloseMenus();
        return "the system menu has no command " + std::to_string(id);
    }

    // ---- Checks of the window ----

    std::string ExpectText(const Command& command) {
        QWidget* widget = ControlWidget(*m_main, command.id);
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (!edit) return "control " + std::to_string(command.id) + " is not an edit box";
        const std::string shown = edit->text().toStdString();
        return shown == command.text ? "" : "shows " + Quoted(shown);
    }

    std::string ExpectList(const Command& command) {
        auto* list = qobject_cast<QListWidget*>(ControlWidget(*m_main, command.id));
        if (!list) return "control " + std::to_string(command.id) + " is not a list";
        if (command.verb == Verb::ExpectCount) {
            return list->count() == command.number
                       ? ""
                       : "holds " + std::to_string(list->count()) + " entries";
        }
        if (command.verb == Verb::ExpectSelected) {
            const QModelIndexList selected = list->selectionModel()->selectedIndexes();
            const int row = selected.isEmpty() ? -1 : selected.front().row();
            const int wanted = command.target == Target::Row ? command.number : -1;
            if (row == wanted && selected.size() <= 1) return "";
            return row < 0 ? "shows no selection"
                           : "shows row " + std::to_string(row) + " selected";
        }
        std::vector<std::string> shown;
        for (int i = 0; i < list->count(); ++i)
            shown.push_back(list->item(i)->text().toStdString());
        if (shown == command.texts) return "";
        if (shown.empty()) return "shows an empty list";
        std::string entries;
        for (const std::string& entry : shown)
            entries += (entries.empty() ? "" : " ") + Quoted(entry);
        return "shows " + entries;
    }

    std::string ExpectState(const Command& command) {
        QWidget* widget = ControlWidget(*m_main, command.id);
        if (!widget) return "the window has no control " + std::to_string(command.id);
        bool shown = widget->isEnabled();
        if (command.verb == Verb::ExpectChecked) {
            auto* box = qobject_cast<QCheckBox*>(widget);
            if (!box) return "control " + std::to_string(command.id) + " is not a check box";
            shown = box->isChecked();
            if (shown == command.yes) return "";
            return shown ? "shows the mark set" : "shows the mark cleared";
        }
        if (shown == command.yes) return "";
        return shown ? "shows it enabled" : "shows it disabled";
    }

    std::string FocusName(QWidget* widget) const {
        if (!widget) return "nothing";
        if (widget == m_window) return "window";
        bool isControl = false;
        const int id = widget->objectName().toInt(&isControl);
        if (isControl && ControlWidget(*m_main, id) == widget) return std::to_string(id);
        return "a " + std::string(widget->metaObject()->className());
    }

    std::string ExpectFocus(const Command& command) {
        const std::string wanted = command.yes ? "window" : std::to_string(command.id);
        const std::string shown = FocusName(FocusedWidget());
        const int programFocus = m_main->GetFocusId();
        const std::string program =
            programFocus == kFocusDialog ? "window" : std::to_string(programFocus);
        if (shown == wanted && program == wanted) return "";
        if (shown != program)
            return "shows the focus on " + shown + " (the program has it on " + program + ")";
        return "shows the focus on " + shown;
    }

    std::string ExpectHelp(const Command& command) {
        QTextBrowser* browser = HelpBrowser();
        const bool open = browser && browser->window()->isVisible();
        if (command.target == Target::None) return open ? "a help window is open" : "";
        if (!open) return "no help window is open";
        const QUrl source = browser->source();
        if (!source.isLocalFile() || !QFileInfo(source.toLocalFile()).isFile())
            return "the help window shows " + Quoted(source.toString());
        if (browser->toPlainText().trimmed().isEmpty()) return "the help window is empty";
        if (source.fragment().toStdString() != command.text)
            return "the help window is at " + Quoted(source.fragment());
        return "";
    }

    std::string ExpectMenu(const Command& command) const {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (command.target == Target::None)
            return menu ? "the menu " + Quoted(ShownTitle(*menu)) + " is open" : "";
        if (!menu) return "no menu is open";
        const std::string shown = ShownTitle(*menu);
        return shown == command.text ? "" : "the menu " + Quoted(shown) + " is open";
    }

    // A menu's title as the user reads it: the access key's ampersand is not
    // shown ("&&" shows one).
    static std::string ShownTitle(const QMenu& menu) {
        std::string shown;
        const std::string title = menu.title().toStdString();
        for (std::size_t i = 0; i < title.size(); ++i) {
            if (title[i] == '&' && i + 1 < title.size()) ++i;
            shown += title[i];
        }
        return shown;
    }

    std::string ExpectEnded(const Command& command) {
        if (!m_main->IsEnded()) return "the window has not ended";
        const bool ok = m_main->GetResult() == IDOK;
        if (ok == command.yes) return "";
        return ok ? "the window ended with ok" : "the window ended with cancel";
    }

    // ---- Checks of the recorded boxes ----

    std::string CheckBox(const Command& command) {
        if (m_checked >= m_boxes.size())
            return command.verb == Verb::Dialog ? "no dialog box was shown"
                                                : "no message box was shown";
        const ShownBox& box = m_boxes[m_checked++];
        if (command.verb == Verb::Dialog) {
            if (!box.isDialog) return "the next box was the " + box.Describe();
            if (box.caption != command.text) return "the dialog box was " + Quoted(box.caption);
            for (const auto& [id, text] : command.fields) {
                auto it = box.edits.find(id);
                if (it == box.edits.end()) return "the dialog box has no edit box " + id;
                if (it->second != text) return id + " showed " + Quoted(it->second);
            }
            return "";
        }
        if (box.isDialog) return "the next box was the " + box.Describe();
        const bool captionOk =
            (command.verb == Verb::MessageContains && command.yes) || box.caption == command.text;
        const bool textOk = command.verb == Verb::Message
                                ? box.text == command.text2
                                : box.text.find(command.text2) != std::string::npos;
        return captionOk && textOk ? "" : "the " + box.Describe();
    }

    const Scenario& m_scenario;
    CDialog* m_main = nullptr;
    QDialog* m_window = nullptr;
    std::vector<ShownBox> m_boxes;
    std::size_t m_checked = 0;
    unsigned long m_mouseClock = 1000000;
};

// The offscreen platform says what it cannot do (raise a window, grab the
// keyboard); nothing a scenario depends on. Everything else is passed on.
QtMessageHandler g_defaultMessages = nullptr;

void QuietOffscreenMessages(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_defaultMessages) g_defaultMessages(type, context, text);
}

} // namespace

ScenarioResult RunScenario(const Scenario& scenario, const std::string& programPath, char* argv0) {
    CatalogCopy catalog;
    if (!scenario.commands.empty() && scenario.commands.front().verb == Verb::Catalog) {
        const Command& line = scenario.commands.front();
        const fs::path folder = fs::path(scenario.file).parent_path() / line.text;
        const std::string error = catalog.Prepare(folder, programPath);
        if (!error.empty()) return ScenarioResult{false, line.line, line.source + ": " + error};
    }
    catalog.Remember(programPath);
    g_defaultMessages = qInstallMessageHandler(QuietOffscreenMessages);
    ProgramHost host(argv0);
    ScenarioPlatform platform(scenario);
    // The program's own application object (app/ProgramObjects.cpp) runs it.
    if (host.Run(platform, programPath) != 0)
        return ScenarioResult{false, 1, "no application object"};
    if (!platform.started && platform.result.passed)
        return ScenarioResult{false, 1, "the main window never opened"};
    const std::string changed = catalog.Changed();
    if (!changed.empty() && platform.result.passed)
        return ScenarioResult{false, 1, "the catalogue folder was written: " + changed};
    return platform.result;
}
