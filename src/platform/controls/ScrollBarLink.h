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
// box. The names are found once the layout is complete, whatever the order in
// which it made the widgets; a name that names no bar stops the program.
class LinkedScrollBars {
public:
    [[nodiscard]] QString horizontalName() const { return horizontalName_; }
    [[nodiscard]] QString verticalName() const { return verticalName_; }
    void setHorizontalName(const QString &name) { horizontalName_ = name; }
    void setVerticalName(const QString &name) { verticalName_ = name; }
    // Links the named bars to `box`'s own; once.
    void link(QAbstractScrollArea *box);

private:
    QString horizontalName_;
    QString verticalName_;
    bool linked_ = false;
};

} // namespace platform
