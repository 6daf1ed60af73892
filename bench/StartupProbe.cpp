// Kestrav's start-up, ended at its first paint: the program's real start-up
// path (its application object, AfxWinMain, the catalogues read, the modal
// design sheet built and shown) on the Qt platform, and the sheet ended as
// soon as its window has been painted once. kestrav_bench_startup runs it as
// a whole process to time it and read its peak memory.
//
// It prints two lines on standard output:
//   painted <CLOCK_MONOTONIC in ns>   when the first paint of the window ended
//   lists <n1,n2,...>                 the entries each list showed, in template order
// so the bare dialog can show lists of the same lengths.

#include "bench/MonotonicClock.h"
#include "framework/WinApp.h"
#include "framework/qt/QtPlatform.h"
#include "testing/ProgramHost.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QListWidget>
#include <QTimer>

#include <cstdio>
#include <string>

namespace {

class ProbePlatform : public CQtPlatform, public QObject {
  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
        if (AfxGetApp()->m_pMainWnd != &dialog) return;
        m_dialog = &dialog;
        m_window = &window;
        window.installEventFilter(this);
    }

    // The window's own paint comes first in a repaint of it; the timer fires
    // once the whole repaint (every control, and the flush) has ended.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, m_window, [this] { Painted(); });
        }
        return false;
    }

  private:
    void Painted() {
        std::printf("painted %lld\n", MonotonicNanoseconds());
        std::string counts;
        for (const DialogItem& item : m_dialog->Template().items) {
            if (item.kind != ControlKind::ListBox) continue;
            auto* list = qobject_cast<QListWidget*>(ControlWidget(*m_dialog, item.id));
            if (!counts.empty()) counts += ',';
            counts += std::to_string(list ? list->count() : 0);
        }
        std::printf("lists %s\n", counts.c_str());
        std::fflush(stdout);
        m_dialog->EndDialog(IDCANCEL);
        Sync(*m_dialog);
    }

    CDialog* m_dialog = nullptr;
    QDialog* m_window = nullptr;
    bool m_painted = false;
};

} // namespace

// As app/main.cpp, with the probing platform.
int main(int, char** argv) {
    ProgramHost host(argv[0]);
    ProbePlatform platform;
    return host.Run(platform);
}
