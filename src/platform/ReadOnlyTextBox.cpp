#include "ReadOnlyTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>

namespace platform {

namespace {

constexpr int kMargin = 4;
// Tab stops every half inch, as text boxes on Windows have them.
constexpr qreal kTabStop = 48;

} // namespace

ReadOnlyTextBox::ReadOnlyTextBox(QWidget *parent)
    : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    // The panel behind shows through; the text is drawn on it.
    viewport()->setAutoFillBackground(false);
    updateScrollRange();
}

ReadOnlyTextBox::~ReadOnlyTextBox() = default;

void ReadOnlyTextBox::clear() {
    setContent(TextContent());
}

void ReadOnlyTextBox::setContent(TextContent content) {
    content_ = std::move(content);
    anchor_ = cursor_ = 0;
    verticalScrollBar()->setValue(0);
    updateScrollRange();
    viewport()->update();
    Q_EMIT textChanged();
}

QString ReadOnlyTextBox::toPlainText() const {
    return content_.plainText(0, content_.size());
}

QString ReadOnlyTextBox::selectedText() const {
    return content_.plainText(std::min(anchor_, cursor_), std::max(anchor_, cursor_));
}

void ReadOnlyTextBox::selectAll() {
    anchor_ = 0;
    cursor_ = content_.size();
    viewport()->update();
}

void ReadOnlyTextBox::copy() const {
    if (anchor_ != cursor_)
        QApplication::clipboard()->setText(selectedText());
}

int ReadOnlyTextBox::textWidth() const {
    return std::max(1, viewport()->width() - 2 * kMargin);
}

std::unique_ptr<QTextLayout> ReadOnlyTextBox::layOut(qsizetype line) const {
    auto layout = std::make_unique<QTextLayout>(content_.lineText(line).toString(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(kTabStop);
    layout->setTextOption(option);
    layout->beginLayout();
    qreal height = 0;
    for (QTextLine row = layout->createLine(); row.isValid(); row = layout->createLine()) {
        row.setLineWidth(textWidth());
        row.setPosition(QPointF(0, height));
        height += row.height();
    }
    layout->endLayout();
    return layout;
}

std::vector<ReadOnlyTextBox::VisibleLine> ReadOnlyTextBox::visibleLines() const {
    std::vector<VisibleLine> lines;
    if (content_.isEmpty())
        return lines;
    int top = kMargin;
    for (qsizetype line = verticalScrollBar()->value();
         line < content_.lineCount() && top < viewport()->height(); ++line) {
        auto layout = layOut(line);
        const int height = static_cast<int>(std::ceil(layout->boundingRect().height()));
        lines.push_back({line, top, std::move(layout)});
        top += height;
    }
    return lines;
}

void ReadOnlyTextBox::updateScrollRange() {
    // The last line may come to the top no further than where the lines after it
    // still fill the box; only those few lines are laid out to find out.
    qsizetype last = content_.isEmpty() ? 0 : content_.lineCount() - 1;
    int filled = 0;
    const int room = viewport()->height() - 2 * kMargin;
    while (last > 0) {
        filled += static_cast<int>(std::ceil(layOut(last)->boundingRect().height()));
        if (filled > room)
            break;
        --last;
    }
    if (filled > room && last < content_.lineCount() - 1)
        ++last;
    const int lineHeight = std::max(1, fontMetrics().lineSpacing());
    verticalScrollBar()->setPageStep(std::max(1, room / lineHeight));
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<qsizetype>(last, INT_MAX)));
    horizontalScrollBar()->setRange(0, 0);
}

void ReadOnlyTextBox::paintEvent(QPaintEvent *) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const qsizetype selectionStart = std::min(anchor_, cursor_);
    const qsizetype selectionEnd = std::max(anchor_, cursor_);
    for (const VisibleLine &visible : visibleLines()) {
        const qsizetype start = content_.lineStart(visible.line);
        const qsizetype end = content_.lineEnd(visible.line);
        QList<QTextLayout::FormatRange> selection;
        if (selectionStart < end && selectionEnd > start) {
            QTextLayout::FormatRange range;
            range.start = static_cast<int>(std::max(selectionStart, start) - start);
            range.length = static_cast<int>(std::min(selectionEnd, end) - start) - range.start;
            range.format.setBackground(palette().brush(QPalette::Highlight));
            range.format.setForeground(palette().brush(QPalette::HighlightedText));
            selection << range;
        }
        const QPointF origin(kMargin, visible.top);
        visible.layout->draw(&painter, origin, selection);
        if (hasFocus() && cursor_ >= start && cursor_ <= end)
            visible.layout->drawCursor(&painter, origin, static_cast<int>(cursor_ - start));
    }
}

qsizetype ReadOnlyTextBox::positionAt(QPoint point) const {
    const auto lines = visibleLines();
    if (lines.empty())
        return 0;
    for (const VisibleLine &visible : lines) {
        const qreal y = point.y() - visible.top;
        const qreal height = visible.layout->boundingRect().height();
        if (y >= height && &visible != &lines.back())
            continue;
        const qsizetype start = content_.lineStart(visible.line);
        if (y < 0)
            return start;
        for (int i = 0; i < visible.layout->lineCount(); ++i) {
            const QTextLine row = visible.layout->lineAt(i);
            if (y < row.y() + row.height() || i + 1 == visible.layout->lineCount())
                return start + row.xToCursor(point.x() - kMargin);
        }
    }
    return content_.lineEnd(lines.back().line);
}

void ReadOnlyTextBox::moveCursor(qsizetype position, bool extend) {
    cursor_ = std::clamp<qsizetype>(position, 0, content_.size());
    if (!extend)
        anchor_ = cursor_;
    ensureCursorVisible();
    viewport()->update();
}

void ReadOnlyTextBox::ensureCursorVisible() {
    const qsizetype line = content_.lineOf(cursor_);
    QScrollBar *bar = verticalScrollBar();
    if (line < bar->value())
        bar->setValue(static_cast<int>(line));
    else if (line >= bar->value() + bar->pageStep())
        bar->setValue(static_cast<int>(line - bar->pageStep() + 1));
}

void ReadOnlyTextBox::mousePressEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    moveCursor(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void ReadOnlyTextBox::mouseMoveEvent(QMouseEvent *event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint at = event->position().toPoint();
    if (at.y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (at.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    cursor_ = positionAt(at);
    viewport()->update();
}

void ReadOnlyTextBox::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton || content_.isEmpty())
        return;
    // A word is a run of letters and digits: one element, "0x4D", say.
    const qsizetype at = positionAt(event->position().toPoint());
    const qsizetype line = content_.lineOf(at);
    const QStringView text = content_.lineText(line);
    const qsizetype start = content_.lineStart(line);
    qsizetype begin = at - start, end = at - start;
    while (begin > 0 && text[begin - 1].isLetterOrNumber())
        --begin;
    while (end < text.size() && text[end].isLetterOrNumber())
        ++end;
    anchor_ = start + begin;
    cursor_ = start + end;
    viewport()->update();
}

void ReadOnlyTextBox::keyPressEvent(QKeyEvent *event) {
    if (event == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool wholeText = event->modifiers() & Qt::ControlModifier;
    const qsizetype line = content_.lineOf(cursor_);
    const qsizetype column = cursor_ - content_.lineStart(line);
    const auto onLine = [&](qsizetype target) {
        target = std::clamp<qsizetype>(target, 0, std::max<qsizetype>(0, content_.lineCount() - 1));
        return content_.isEmpty()
                   ? 0
                   : std::min(content_.lineStart(target) + column, content_.lineEnd(target));
    };
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursor(cursor_ == content_.lineStart(line) && line > 0 ? content_.lineEnd(line - 1)
                                                                   : cursor_ - 1,
                   extend);
        break;
    case Qt::Key_Right:
        moveCursor(!content_.isEmpty() && cursor_ >= content_.lineEnd(line) &&
                           line + 1 < content_.lineCount()
                       ? content_.lineStart(line + 1)
                       : cursor_ + 1,
                   extend);
        break;
    case Qt::Key_Up:
        moveCursor(onLine(line - 1), extend);
        break;
    case Qt::Key_Down:
        moveCursor(onLine(line + 1), extend);
        break;
    case Qt::Key_PageUp:
        moveCursor(onLine(line - verticalScrollBar()->pageStep()), extend);
        break;
    case Qt::Key_PageDown:
        moveCursor(onLine(line + verticalScrollBar()->pageStep()), extend);
        break;
    case Qt::Key_Home:
        moveCursor(wholeText || content_.isEmpty() ? 0 : content_.lineStart(line), extend);
        break;
    case Qt::Key_End:
        moveCursor(wholeText || content_.isEmpty() ? content_.size() : content_.lineEnd(line),
                   extend);
        break;
    default:
        // Typing changes nothing; the key goes on to the window (Alt+F4, say).
        event->ignore();
    }
}

void ReadOnlyTextBox::contextMenuEvent(QContextMenuEvent *event) {
    QMenu menu(this);
    QAction *copyAction = menu.addAction(QStringLiteral("复制"), this, &ReadOnlyTextBox::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(anchor_ != cursor_);
    menu.addAction(QStringLiteral("全选"), this, &ReadOnlyTextBox::selectAll)
        ->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

void ReadOnlyTextBox::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void ReadOnlyTextBox::changeEvent(QEvent *event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateScrollRange();
        viewport()->update();
    }
}

void ReadOnlyTextBox::scrollContentsBy(int, int) {
    viewport()->update();
}

} // namespace platform
