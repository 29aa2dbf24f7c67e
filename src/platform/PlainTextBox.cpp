#include "PlainTextBox.h"

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

QScrollBar *sibling(QWidget *box, const QString &name)
{
    auto *bar = box->parentWidget()
                    ? box->parentWidget()->findChild<QScrollBar *>(name, Qt::FindDirectChildrenOnly)
                    : nullptr;
    Q_ASSERT_X(bar, "PlainTextBox", "a linked scroll bar must be created before its box");
    return bar;
}

QString nameOf(const QScrollBar *bar) { return bar ? bar->objectName() : QString(); }

} // namespace

QString PlainTextBox::horizontalScrollBarName() const { return nameOf(linkedHorizontal_); }

void PlainTextBox::setHorizontalScrollBarName(const QString &name)
{
    linkedHorizontal_ = sibling(this, name);
    link(horizontalScrollBar(), linkedHorizontal_);
}

QString PlainTextBox::verticalScrollBarName() const { return nameOf(linkedVertical_); }

void PlainTextBox::setVerticalScrollBarName(const QString &name)
{
    linkedVertical_ = sibling(this, name);
    link(verticalScrollBar(), linkedVertical_);
}

void PlainTextBox::link(QScrollBar *own, QScrollBar *linked)
{
    if (!linked)
        return;
    const auto follow = [own, linked] {
        linked->setRange(own->minimum(), own->maximum());
        linked->setPageStep(own->pageStep());
        linked->setSingleStep(own->singleStep());
        linked->setValue(own->value());
        linked->setEnabled(own->maximum() > own->minimum());
    };
    connect(own, &QScrollBar::rangeChanged, linked, follow);
    connect(own, &QScrollBar::valueChanged, linked, &QScrollBar::setValue);
    connect(linked, &QScrollBar::valueChanged, own, &QScrollBar::setValue);
    follow();
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
