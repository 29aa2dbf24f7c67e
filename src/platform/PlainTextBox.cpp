#include "PlainTextBox.h"

namespace platform {

PlainTextBox::PlainTextBox(QWidget *parent)
    : QPlainTextEdit(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    // Enter breaks the line; Tab moves on to the next box.
    setTabChangesFocus(true);
    // Tab stops every half inch, as text boxes on Windows have them.
    setTabStopDistance(48);
    // The panel behind shows through; the text is drawn on it.
    viewport()->setAutoFillBackground(false);
}

} // namespace platform
