// Lets a scroll bar outside a scroll area stand in for the area's own hidden bar:
// it takes the own bar's range, page and position, is disabled while nothing
// scrolls, and moving it scrolls the area.
#pragma once

#include <QString>

class QScrollBar;
class QWidget;

namespace platform {

void linkScrollBar(QScrollBar *own, QScrollBar *linked);

// The sibling of `box` named `name`; the layout creates the bars before their box.
[[nodiscard]] QScrollBar *siblingScrollBar(QWidget *box, const QString &name);

} // namespace platform
