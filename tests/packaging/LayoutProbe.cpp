// Prints the design sheet's layout in pixels of the screen, then ends it with
// Escape. The high-DPI test runs it at two scale factors and compares them:
//
//   window WIDTH HEIGHT
//   screen WIDTH HEIGHT                (the screen's available area)
//   scroll none | scroll VIEW_HEIGHT CLIENT_HEIGHT REACH
//   control INDEX CLASS X Y WIDTH HEIGHT fits|clipped
//
// one control line per widget of the client area, in template order, placed
// relative to the window. "clipped" means the control's text needs more room
// than the control has, measured with its own font: the caption of a button,
// check box, label or group box, the text of an edit box, the widest entry of
// a list (as the row is drawn, narrowed where it is wider than the list).
// The scroll line tells whether the sheet shows in a scrollable area and how
// far its scroll bar reaches (the bottom of the client area is reachable when
// REACH is at least CLIENT_HEIGHT). A message box at start-up is printed as
// "message TEXT" and answered.

#include "catalog/CatalogFolder.h"
#include "framework/WinApp.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPlatform.h"
#include "testing/ProgramHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The widest line of a caption and its number of lines.
struct TextExtent {
    int width = 0;
    int lines = 0;
};

TextExtent Extent(const QWidget& widget, const QString& text) {
    const QFontMetrics metrics(widget.font());
    TextExtent extent;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        extent.width = std::max(extent.width, metrics.horizontalAdvance(line));
        ++extent.lines;
    }
    return extent;
}

bool CaptionFits(const QWidget& widget, const QString& text, int besideText) {
    const TextExtent extent = Extent(widget, text);
    return besideText + extent.width <= widget.width() &&
           extent.lines * QFontMetrics(widget.font()).height() <= widget.height();
}

bool Fits(const QWidget& widget) {
    const QStyle& style = *widget.style();
    if (auto* button = qobject_cast<const QPushButton*>(&widget))
        return CaptionFits(widget, button->text(), 2 * style.pixelMetric(QStyle::PM_ButtonMargin));
    if (auto* box = qobject_cast<const QCheckBox*>(&widget))
        return CaptionFits(widget, box->text(),
                           style.pixelMetric(QStyle::PM_IndicatorWidth) +
                               style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    if (auto* group = qobject_cast<const QGroupBox*>(&widget))
        return Extent(widget, group->title()).width <= widget.width();
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty()) return true; // the icon
        return label->heightForWidth(label->width()) <= label->height() &&
               label->minimumSizeHint().width() <= label->width();
    }
    if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        const int frame = edit->hasFrame() ? style.pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        return Extent(widget, edit->text()).width + 2 * frame <= widget.width();
    }
    if (auto* list = qobject_cast<const QListWidget*>(&widget)) {
        for (int row = 0; row < list->count(); ++row)
            if (ShownRowWidth(*list, row) > ListTextRoom(*list)) return false;
        return true;
    }
    return true;
}

int Device(int logical, qreal ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

void Report(QDialog& window) {
    const qreal ratio = window.devicePixelRatioF();
    std::printf("window %d %d\n", Device(window.width(), ratio), Device(window.height(), ratio));
    const QRect screen = window.screen()->availableGeometry();
    std::printf("screen %d %d\n", Device(screen.width(), ratio), Device(screen.height(), ratio));
    if (auto* scroll = window.findChild<QScrollArea*>()) {
        const QScrollBar* bar = scroll->verticalScrollBar();
        std::printf("scroll %d %d %d\n", Device(scroll->viewport()->height(), ratio),
                    Device(scroll->widget()->height(), ratio),
                    Device(bar->maximum() + scroll->viewport()->height(), ratio));
    } else {
        std::printf("scroll none\n");
    }
    const QWidget* client = window.findChild<QWidget*>(QStringLiteral("client"));
    if (!client) return;
    int index = 0;
    for (QObject* child : client->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget) continue;
        const QPoint at = widget->mapTo(&window, QPoint(0, 0));
        std::printf("control %d %s %d %d %d %d %s\n", index++, widget->metaObject()->className(),
                    Device(at.x(), ratio), Device(at.y(), ratio), Device(widget->width(), ratio),
                    Device(widget->height(), ratio), Fits(*widget) ? "fits" : "clipped");
    }
}

class ProbePlatform : public CQtPlatform {
  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
        // Once the window is on screen and its loop runs: report, then Escape.
        QTimer::singleShot(0, &window, [this, &dialog, &window] {
            Report(window);
            std::fflush(stdout);
            dialog.PressEscape();
            Sync(dialog);
        });
    }
    void MessageBoxShown(QMessageBox& box) override {
        std::printf("message %s\n", box.text().toStdString().c_str());
        box.accept();
    }
};

} // namespace

int main(int, char** argv) {
    ProgramHost host(argv[0]);
    SetCatalogFolderForTesting(KESTRAV_CATALOG_DIR);
    ProbePlatform platform;
    return host.Run(platform);
}
