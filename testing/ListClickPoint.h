// Where a person clicks in a list widget: the middle of an entry, scrolled
// into view first, or the empty space below the last entry. The scenario
// runner and the window benchmark click lists the same way.
#pragma once

#include <QPoint>

#include <optional>

class QListWidget;

// The point, in the list's viewport, of entry row; with row -1, a point below
// the last entry (the middle of an empty list). Empty when the list has no
// room left below its last entry.
std::optional<QPoint> ListClickPoint(QListWidget& list, int row);
