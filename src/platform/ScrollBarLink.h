// Lets a scroll bar outside a scroll area stand in for the area's own hidden bar:
// it takes the own bar's range, page and position, is disabled while nothing
// scrolls, and moving it scrolls the area.
#pragma once

#include <QString>

class QAbstractScrollArea;
class QScrollBar;

namespace platform {

void linkScrollBar(QScrollBar *own, QScrollBar *linked);

// The two bars a text box drives, named in the stored layout: siblings of the
// box, which the layout creates before it.
class LinkedScrollBars {
public:
    [[nodiscard]] QString horizontalName() const;
    [[nodiscard]] QString verticalName() const;
    void linkHorizontal(QAbstractScrollArea *box, const QString &name);
    void linkVertical(QAbstractScrollArea *box, const QString &name);

private:
    QScrollBar *horizontal_ = nullptr;
    QScrollBar *vertical_ = nullptr;
};

} // namespace platform
