// How long one user action takes in the real window.
//
// The program starts as it does for a user (its application object,
// AfxWinMain, the modal design sheet); once the sheet is on screen the
// families of bench/Cycles.h run inside its modal loop as real mouse events
// on its widgets. For every timed action three figures:
//   refresh: the mouse event, the rule it runs and the widgets set to the new
//            state, until the event returns (the benchmark's time is its mean);
//   frame:   refresh, then the repaint of what changed, as the event loop does
//            it next: the time until the window shows the result;
//   floor:   the same widget changes made by plain Qt calls (the fewest: a
//            list gains or loses only the rows that differ; the focus moved
//            where the click left it) and repainted, the least any Qt window
//            needs to show that result.
// Each reported as the median, 99th percentile and worst single action
// (counters refresh_*_us, frame_*_us, floor_*_us).

#include "bench/Cycles.h"
#include "bench/MonotonicClock.h"
#include "framework/WinApp.h"
#include "framework/qt/QtPlatform.h"
#include "testing/ListClickPoint.h"
#include "testing/ProgramHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// What one control widget shows.
struct Shown {
    QWidget* widget = nullptr;
    bool enabled = true;
    bool checked = false;
    QString text;
    QStringList items;
    int selected = -1;
};

// What the window shows: every control, and where the keyboard focus is.
struct Screen {
    std::vector<Shown> controls;
    QWidget* focus = nullptr;
};

// The sheet on screen, driven by mouse events on its widgets.
class WindowSheet : public Driver {
  public:
    WindowSheet(CQtPlatform& platform, CDialog& dialog) {
        for (const DialogItem& item : dialog.Template().items)
            if (QWidget* widget = platform.ControlWidget(dialog, item.id))
                m_widgets.push_back(widget);
    }

    void Click(int id) override {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(Widget(id)), Qt::LeftButton);
    }
    void ClickEntry(int id, const std::string& text, bool twice) override {
        auto* list = qobject_cast<QListWidget*>(Widget(id));
        QWidget* viewport = list->viewport();
        int row = -1;
        for (int i = 0; i < list->count() && !text.empty() && row < 0; ++i)
            if (list->item(i)->text().toStdString() == text) row = i;
        const QPoint at = ListClickPoint(*list, row).value_or(viewport->rect().center());
        // Clicks far apart in time, so two clicks are never taken for a double-click.
        m_clock += 2 * static_cast<unsigned long>(qApp->styleHints()->mouseDoubleClickInterval());
        Send(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
        Send(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
        if (twice) {
            Send(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
            Send(viewport, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
            Send(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
        }
    }
    std::string Snapshot() const override {
        std::string shown;
        for (const Shown& s : Capture().controls)
            shown += (s.text + (s.checked ? "|x|" : "|o|") + s.items.join("|")).toStdString();
        return shown;
    }

    // What the event loop does next after an action, until it has nothing
    // left: a list lays out its rows on a zero timer and repaints after that.
    static void Repaint() {
        QEventLoop loop;
        for (int pass = 0; pass < 10 && loop.processEvents(QEventLoop::AllEvents); ++pass) {
        }
    }

    Screen Capture() const {
        Screen screen;
        screen.focus = QApplication::focusWidget();
        for (QWidget* widget : m_widgets) {
            Shown s;
            s.widget = widget;
            s.enabled = widget->isEnabled();
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                s.checked = button->isChecked();
                s.text = button->text();
            } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                s.text = edit->text();
            } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
                for (int i = 0; i < list->count(); ++i)
                    s.items << list->item(i)->text();
                const QModelIndexList selected = list->selectionModel()->selectedIndexes();
                s.selected = selected.isEmpty() ? -1 : selected.front().row();
            }
            screen.controls.push_back(s);
        }
        return screen;
    }

    // Makes the window show what was captured, by plain Qt calls, changing
    // only what differs; the focus last, as it has to go to an enabled control.
    static void Apply(const Screen& screen) {
        for (const Shown& s : screen.controls) {
            if (s.widget->isEnabled() != s.enabled) s.widget->setEnabled(s.enabled);
            if (auto* button = qobject_cast<QAbstractButton*>(s.widget)) {
                if (button->isChecked() != s.checked) button->setChecked(s.checked);
                if (button->text() != s.text) button->setText(s.text);
            } else if (auto* edit = qobject_cast<QLineEdit*>(s.widget)) {
                if (edit->text() != s.text) edit->setText(s.text);
            } else if (auto* list = qobject_cast<QListWidget*>(s.widget)) {
                ApplyList(*list, s);
            }
        }
        if (screen.focus && QApplication::focusWidget() != screen.focus)
            screen.focus->setFocus(Qt::OtherFocusReason);
    }

  private:
    QWidget* Widget(int id) const {
        for (QWidget* widget : m_widgets)
            if (widget->objectName() == QString::number(id)) return widget;
        return nullptr;
    }
    void Send(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, held,
                          Qt::NoModifier);
        event.setTimestamp(++m_clock);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(viewport, &event);
    }
    // Keeps the rows both have at the top and the bottom; replaces the rest.
    static void ApplyList(QListWidget& list, const Shown& s) {
        QStringList now;
        for (int i = 0; i < list.count(); ++i)
            now << list.item(i)->text();
        if (now != s.items) {
            int top = 0;
            while (top < now.size() && top < s.items.size() && now[top] == s.items[top])
                ++top;
            int bottom = 0;
            while (bottom < now.size() - top && bottom < s.items.size() - top &&
                   now[now.size() - 1 - bottom] == s.items[s.items.size() - 1 - bottom])
                ++bottom;
            // New rows as high as the others, so the list keeps its look.
            const int height = list.count() > 0 ? list.item(0)->sizeHint().height() : -1;
            for (int i = now.size() - bottom - 1; i >= top; --i)
                delete list.takeItem(i);
            for (int i = top; i < s.items.size() - bottom; ++i) {
                auto* row = new QListWidgetItem(s.items[i]);
                if (height > 0)
                    row->setSizeHint(
                        QSize(list.fontMetrics().horizontalAdvance(s.items[i]) + 6, height));
                list.insertItem(i, row);
            }
        }
        QItemSelectionModel* selection = list.selectionModel();
        const QModelIndexList selected = selection->selectedIndexes();
        const int row = selected.isEmpty() ? -1 : selected.front().row();
        if (row == s.selected) return;
        if (s.selected >= 0)
            selection->setCurrentIndex(list.model()->index(s.selected, 0),
                                       QItemSelectionModel::ClearAndSelect);
        else
            selection->clearSelection();
    }

    std::vector<QWidget*> m_widgets;
    unsigned long m_clock = 1000000;
};

WindowSheet* g_sheet = nullptr; // set while the benchmarks run inside the sheet's modal loop
int g_boxes = 0;                // message boxes shown: none belongs in a cycle

struct Samples {
    std::vector<double> refresh, frame, floor;
};

void RunFamily(benchmark::State& state, const Family& family) {
    WindowSheet& sheet = *g_sheet;
    const std::string before = sheet.Snapshot();
    const int boxes = g_boxes;
    Samples samples;
    const auto untimed = [&sheet](const Step& step) {
        step.act(sheet);
        WindowSheet::Repaint();
    };
    TimeCycles(state, family, untimed, [&](const Step& step) {
        const Screen was = sheet.Capture();
        const auto start = MonotonicClock::now();
        step.act(sheet);
        const double refresh = SecondsSince(start);
        WindowSheet::Repaint();
        samples.refresh.push_back(refresh);
        samples.frame.push_back(SecondsSince(start));

        // The floor: back to what was shown, then the same change by plain Qt calls.
        const Screen is = sheet.Capture();
        WindowSheet::Apply(was);
        WindowSheet::Repaint();
        const auto floorStart = MonotonicClock::now();
        WindowSheet::Apply(is);
        WindowSheet::Repaint();
        samples.floor.push_back(SecondsSince(floorStart));
        return refresh;
    });
    if (g_boxes != boxes) state.SkipWithError("a message box was shown");
    if (sheet.Snapshot() != before) state.SkipWithError("the cycle did not restore the design");
    ReportSamples(state, "refresh", std::move(samples.refresh));
    ReportSamples(state, "frame", std::move(samples.frame));
    ReportSamples(state, "floor", std::move(samples.floor));
}

class BenchPlatform : public CQtPlatform {
  public:
    int result = 0;

  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
        if (AfxGetApp()->m_pMainWnd != &dialog) {
            // No other dialog belongs in a benchmark run.
            dialog.EndDialog(IDCANCEL);
            return;
        }
        QTimer::singleShot(0, &window, [this, &dialog, &window] { Run(dialog, window); });
    }
    void MessageBoxShown(QMessageBox& box) override {
        ++g_boxes;
        std::fprintf(stderr, "message box: %s\n", box.text().toUtf8().constData());
        box.done(QMessageBox::Ok);
    }

  private:
    void Run(CDialog& dialog, QDialog& window) {
        if (!QTest::qWaitForWindowExposed(&window, 2000)) {
            std::fprintf(stderr, "the window was never exposed\n");
            result = 1;
        } else {
            WindowSheet sheet(*this, dialog);
            BuildLiveDesign(sheet);
            WindowSheet::Repaint();
            g_sheet = &sheet;
            benchmark::RunSpecifiedBenchmarks();
            g_sheet = nullptr;
        }
        dialog.EndDialog(IDCANCEL);
        Sync(dialog);
    }
};

} // namespace

int main(int argc, char** argv) {
    RegisterFamilies(RunFamily);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ProgramHost host(argv[0]);
    BenchPlatform platform;
    if (host.Run(platform) != 0) return 1;
    benchmark::Shutdown();
    return platform.result;
}
