#include "PlainTextBox.h"

#include "ScrollBarLink.h"

#include <QScrollBar>
#include <QTextCursor>

namespace platform {

PlainTextBox::PlainTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
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

namespace {

QString nameOf(const QScrollBar *bar) { return bar ? bar->objectName() : QString(); }

} // namespace

QString PlainTextBox::horizontalScrollBarName() const { return nameOf(linkedHorizontal_); }

void PlainTextBox::setHorizontalScrollBarName(const QString &name)
{
    linkedHorizontal_ = siblingScrollBar(this, name);
    linkScrollBar(horizontalScrollBar(), linkedHorizontal_);
}

QString PlainTextBox::verticalScrollBarName() const { return nameOf(linkedVertical_); }

void PlainTextBox::setVerticalScrollBarName(const QString &name)
{
    linkedVertical_ = siblingScrollBar(this, name);
    linkScrollBar(verticalScrollBar(), linkedVertical_);
}

FontDescription PlainTextBox::fontDescription() const
{
    return {font(), palette().color(QPalette::Text)};
}

void PlainTextBox::setFontDescription(const FontDescription &description)
{
    setFont(description.font);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, description.color);
    setPalette(colours);
}

void PlainTextBox::appendLine(const QString &text)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(text + u'\n');
}

} // namespace platform
