// Starts the program's design sheet, prints its layout in pixels of the
// screen, then ends it with Escape. The window test runs it at each scale
// factor beside the program itself:
//
//   window WIDTH HEIGHT MENU_BAR_HEIGHT
//   face BASE_X BASE_Y FAMILY          (the dialog font: its base units, its face)
//   scroll none | scroll VIEW_HEIGHT CLIENT_HEIGHT REACH
//   control CLASS X Y WIDTH HEIGHT fits|clipped
//
// one control line per widget of the client area, in template order, placed
// relative to the window. "clipped" means the control's text needs more room
// than the control gives it, measured with its own font: the caption of a
// button, check box, label or group box, the text of an edit box, each entry
// of a list as the row is drawn. The scroll line tells whether the sheet
// shows in a scrollable area and how far its scroll bar reaches. The probe
// stands beside the program (bin/) and so reads the program's catalogues.

#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPlatform.h"
#include "testing/ProgramHost.h"

#include <QtWidgets>

#include <cstdio>

namespace {

bool Fits(const QWidget& widget) {
    const QStyle& style = *widget.style();
    QString text;
    int room = widget.width();
    if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        text = button->text();
        room -= 2 * style.pixelMetric(QStyle::PM_ButtonMargin);
    } else if (auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        text = box->text();
        room -= style.pixelMetric(QStyle::PM_IndicatorWidth) +
                style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    } else if (auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        text = group->title();
    } else if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        text = edit->text();
        room = EditTextRoom(*edit);
    } else if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->heightForWidth(label->width()) <= label->height() &&
               label->minimumSizeHint().width() <= label->width();
    } else if (auto* list = qobject_cast<const QListWidget*>(&widget)) {
        for (int row = 0; row < list->count(); ++row)
            if (ShownRowWidth(*list, row) > ListTextRoom(*list)) return false;
    }
    const QSize needed = QFontMetrics(widget.font()).size(0, text);
    return needed.width() <= room && needed.height() <= widget.height();
}

void Report(QDialog& window) {
    const auto px = [&window](int logical) { return qRound(logical * window.devicePixelRatioF()); };
    const QMenuBar* menu = window.findChild<QMenuBar*>();
    std::printf("window %d %d %d\n", px(window.width()), px(window.height()),
                menu ? px(menu->height()) : 0);
    const DialogBaseUnits base = DialogBaseUnitsOf(window.font());
    std::printf("face %d %d %s\n", base.x, base.y,
                QFontInfo(window.font()).family().toStdString().c_str());
    if (auto* scroll = window.findChild<QScrollArea*>()) {
        const int view = scroll->viewport()->height();
        std::printf("scroll %d %d %d\n", px(view), px(scroll->widget()->height()),
                    px(scroll->verticalScrollBar()->maximum() + view));
    } else {
        std::printf("scroll none\n");
    }
    const QWidget* client = window.findChild<QWidget*>(QStringLiteral("client"));
    for (const QWidget* widget : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QPoint at = widget->mapTo(&window, QPoint(0, 0));
        std::printf("control %s %d %d %d %d %s\n", widget->metaObject()->className(), px(at.x()),
                    px(at.y()), px(widget->width()), px(widget->height()),
                    Fits(*widget) ? "fits" : "clipped");
    }
}

class ProbePlatform : public CQtPlatform {
  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
        // Once the window is on screen and its loop runs: report, then Escape.
        QTimer::singleShot(0, &window, [this, &dialog, &window] {
            Report(window);
            dialog.PressEscape();
            Sync(dialog);
        });
    }
};

} // namespace

int main(int, char** argv) {
    ProgramHost host(argv[0]);
    ProbePlatform platform;
    return host.Run(platform);
}
