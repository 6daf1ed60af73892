// Where a person clicks in a list widget.

#include "testing/ListClickPoint.h"

#include <QListWidget>

std::optional<QPoint> ListClickPoint(QListWidget& list, int row) {
    QWidget* viewport = list.viewport();
    if (row >= 0) {
        list.scrollToItem(list.item(row));
        return list.visualItemRect(list.item(row)).center();
    }
    if (list.count() == 0) return viewport->rect().center();
    QListWidgetItem* last = list.item(list.count() - 1);
    list.scrollToItem(last);
    const int below = list.visualItemRect(last).bottom() + 1;
    if (below >= viewport->height()) return std::nullopt;
    return QPoint(viewport->width() / 2, (below + viewport->height()) / 2);
}
