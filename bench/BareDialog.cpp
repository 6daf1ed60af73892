// The floor for Kestrav's start-up: a bare Qt program that shows one dialog
// with the same widgets as the design sheet (the same kinds, count, places
// and captions, read from the sheet's template; the same menu bar; lists of
// the same lengths) and ends after its first paint. It reads no catalogue
// and runs no rule. kestrav_bench_startup runs it beside StartupProbe.
//
//   kestrav_bench_bare [--lists=n1,n2,...]   entries per list, in template order
//
// It prints "painted <CLOCK_MONOTONIC in ns>" when the first paint ended.

#include "bench/MonotonicClock.h"
#include "framework/qt/DialogUnits.h"
#include "res/Templates.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<int> ListLengths(int argc, char** argv) {
    std::vector<int> lengths;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--lists=", 8) != 0) continue;
        std::stringstream in(argv[i] + 8);
        std::string number;
        while (std::getline(in, number, ','))
            lengths.push_back(std::stoi(number));
    }
    return lengths;
}

void AddMenu(QWidget* parent, const MenuItem& item) {
    if (item.kind == MenuItem::Popup) {
        auto* menu = new QMenu(QString::fromStdString(item.text), parent);
        for (const MenuItem& child : item.children)
            AddMenu(menu, child);
        parent->addAction(menu->menuAction());
    } else if (item.kind == MenuItem::Separator) {
        static_cast<QMenu*>(parent)->addSeparator();
    } else {
        parent->addAction(new QAction(QString::fromStdString(item.text), parent));
    }
}

// Ends the program once the dialog's first paint has ended.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QDialog& dialog) : m_dialog(dialog) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_dialog && event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, &m_dialog, [this] {
                std::printf("painted %lld\n", MonotonicNanoseconds());
                std::fflush(stdout);
                m_dialog.done(0);
            });
        }
        return false;
    }

  private:
    QDialog& m_dialog;
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<int> lengths = ListLengths(argc, argv);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);

    const DialogTemplate& t = MainDialogTemplate();
    QDialog dialog;
    dialog.setWindowTitle(QString::fromUtf8(t.caption));
    // The sheet's face (framework/qt/DialogUnits.h), or the desktop's where it is missing.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (QFontDatabase::hasFamily(QString::fromLatin1(kTemplateFace)))
        font = QFont(QString::fromLatin1(kTemplateFace));
    font.setPointSize(t.fontPointSize);
    dialog.setFont(font);
    const QFontMetrics metrics(font);
    // Dialog units as the sheet measures them: the average letter width and the line height.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int baseX = (letters + 26) / 52;
    const int baseY = metrics.height();
    auto px = [baseX, baseY](int x, int y, int cx, int cy) {
        return QRect(x * baseX / 4, y * baseY / 8, cx * baseX / 4, cy * baseY / 8);
    };

    auto* bar = new QMenuBar(&dialog);
    for (const MenuItem& item : MainMenu().items)
        AddMenu(bar, item);
    const int barHeight = bar->sizeHint().height();
    auto* client = new QWidget(&dialog);
    const QRect size = px(0, 0, t.cx, t.cy);
    bar->setGeometry(0, 0, size.width(), barHeight);
    client->setGeometry(0, barHeight, size.width(), size.height());
    dialog.setFixedSize(size.width(), size.height() + barHeight);

    std::size_t list = 0;
    for (const DialogItem& item : t.items) {
        const QString text = QString::fromUtf8(item.text ? item.text : "");
        QWidget* widget = nullptr;
        switch (item.kind) {
        case ControlKind::PushButton:
            widget = new QPushButton(text, client);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(text, client);
            break;
        case ControlKind::GroupBox:
            widget = new QGroupBox(text, client);
            break;
        case ControlKind::Static:
            widget = new QLabel(text, client);
            break;
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(QStringLiteral("0"), client);
            edit->setReadOnly(true);
            widget = edit;
            break;
        }
        case ControlKind::ListBox: {
            auto* box = new QListWidget(client);
            const int count = list < lengths.size() ? lengths[list] : 0;
            ++list;
            for (int i = 0; i < count; ++i)
                box->addItem(QStringLiteral("Entry %1").arg(i));
            widget = box;
            break;
        }
        case ControlKind::Icon: {
            auto* label = new QLabel(client);
            label->setPixmap(
                dialog.style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32));
            widget = label;
            break;
        }
        }
        widget->setGeometry(px(item.x, item.y, item.cx, item.cy));
    }

    FirstPaint watcher(dialog);
    dialog.installEventFilter(&watcher);
    return dialog.exec();
}
