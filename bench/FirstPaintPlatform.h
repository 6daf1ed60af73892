// The Qt platform of the start-up benchmarks: it ends the main window as soon
// as the window has been painted once. The window's own paint comes first in
// a repaint of it; the timer fires once the whole repaint (every control, and
// the flush) has ended, and FirstPaintEnded runs then, before the window ends.
#pragma once

#include "framework/WinApp.h"
#include "framework/qt/QtPlatform.h"

#include <QDialog>
#include <QEvent>
#include <QObject>
#include <QTimer>

class FirstPaintPlatform : public CQtPlatform, public QObject {
  protected:
    // What a benchmark notes when the first paint has ended.
    virtual void FirstPaintEnded(CDialog& /*dialog*/) {}

    void DialogShown(CDialog& dialog, QDialog& window) override {
        if (AfxGetApp()->m_pMainWnd != &dialog) return;
        m_dialog = &dialog;
        m_window = &window;
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, m_window, [this] {
                FirstPaintEnded(*m_dialog);
                m_dialog->EndDialog(IDCANCEL);
                Sync(*m_dialog);
            });
        }
        return false;
    }

  private:
    CDialog* m_dialog = nullptr;
    QDialog* m_window = nullptr;
    bool m_painted = false;
};
