#include "controls/TextView.h"

#include "controls/ErrorBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

namespace platform {

namespace {

constexpr int kMargin = 4;
// A row longer than this holds only blanks or marks past the box's width; only
// its start is laid out.
constexpr qsizetype kLongestShownRow = 4096;
constexpr int kAutoScrollInterval = 50;

const QString kOutOfMemory =
    QStringLiteral("内存不足，无法容纳这么多数据。输入框中的数据保持不变。");

// Qt's own texts for a text box's menu, in the language of Qt's loaded translation.
QString menuText(const char *text) {
    return QCoreApplication::translate("QWidgetTextControl", text);
}

bool isTyping(const QKeyEvent *event) {
    const QString text = event->text();
    if (text.isEmpty() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7f; });
}

} // namespace

TextView::TextView(QWidget *parent)
    : QAbstractScrollArea(parent)
    , rows_(CharacterWidths::of(font(), kTabStop), 1) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    // The panel behind shows through; the text is drawn on it.
    viewport()->setAutoFillBackground(false);
    document_.setChangeObserver([this](qsizetype position, qsizetype removed, qsizetype inserted) {
        rows_.update(document_.text(), position, removed, inserted);
    });
    rewrap();
}

TextView::~TextView() = default;

void TextView::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
}

void TextView::setText(QString text) {
    document_.setText(std::move(text));
    caretAtRowEnd_ = false;
    preferredX_ = -1;
    verticalScrollBar()->setValue(0);
    updateScrollRange();
    viewport()->update();
    Q_EMIT textChanged();
}

void TextView::setCursorPosition(qsizetype position) {
    moveCaret({position, false}, false);
}

template <class Edit> void TextView::edit(Edit &&change) {
    try {
        change();
    } catch (const std::bad_alloc &) {
        showErrorBox(kOutOfMemory);
        return;
    }
    caretAtRowEnd_ = false;
    preferredX_ = -1;
    updateScrollRange();
    ensureCaretVisible();
    showCaret();
    Q_EMIT textChanged();
}

// Rows

int TextView::rowHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

qreal TextView::textWidth() const {
    return std::max(1, viewport()->width() - 2 * kMargin);
}

int TextView::rowsInView() const {
    return std::max(1, (viewport()->height() - 2 * kMargin) / rowHeight());
}

qsizetype TextView::firstVisibleRow() const {
    return std::min<qsizetype>(verticalScrollBar()->value(), rows_.count() - 1);
}

void TextView::rewrap() {
    const qsizetype firstShown = rows_.start(firstVisibleRow());
    rows_ = TextRows(CharacterWidths::of(font(), kTabStop), textWidth());
    rows_.wrap(text());
    updateScrollRange();
    verticalScrollBar()->setValue(static_cast<int>(rows_.rowOf(firstShown)));
    viewport()->update();
}

void TextView::updateScrollRange() {
    QScrollBar *bar = verticalScrollBar();
    const qsizetype last = std::max<qsizetype>(0, rows_.count() - rowsInView());
    bar->setPageStep(rowsInView());
    bar->setSingleStep(1);
    bar->setRange(0, static_cast<int>(std::min<qsizetype>(last, INT_MAX)));
    horizontalScrollBar()->setRange(0, 0);
}

std::unique_ptr<QTextLayout> TextView::layOutRow(qsizetype row) const {
    const qsizetype start = rows_.start(row);
    const qsizetype end = std::min(rows_.end(text(), row), start + kLongestShownRow);
    QString shown = text().mid(start, end - start);
    for (QChar &c : shown)
        c = CharacterWidths::shownAs(c.unicode());
    auto layout = std::make_unique<QTextLayout>(shown, font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kTabStop);
    layout->setTextOption(option);
    if (!preedit_.isEmpty() && row == caretRow())
        layout->setPreeditArea(static_cast<int>(document_.cursor() - start), preedit_);
    layout->beginLayout();
    layout->createLine().setPosition(QPointF(0, 0));
    layout->endLayout();
    return layout;
}

qsizetype TextView::caretRow() const {
    const qsizetype cursor = document_.cursor();
    const qsizetype row = rows_.rowOf(cursor);
    if (caretAtRowEnd_ && row > 0 && rows_.start(row) == cursor && text()[cursor - 1] != u'\n')
        return row - 1;
    return row;
}

qreal TextView::caretX() const {
    const qsizetype row = caretRow();
    const auto column =
        static_cast<int>(std::min(document_.cursor() - rows_.start(row), kLongestShownRow));
    return layOutRow(row)->lineAt(0).cursorToX(column + (preedit_.isEmpty() ? 0 : preeditCursor_));
}

QRect TextView::caretRect() const {
    const int top = kMargin + static_cast<int>(caretRow() - firstVisibleRow()) * rowHeight();
    return QRect(kMargin + static_cast<int>(caretX()), top, 1, rowHeight());
}

TextView::Place TextView::placeOnRow(qsizetype row, qreal x) const {
    row = std::clamp<qsizetype>(row, 0, rows_.count() - 1);
    const qsizetype start = rows_.start(row);
    const qsizetype end = rows_.end(text(), row);
    const qsizetype position =
        document_.snapped(std::min(end, start + layOutRow(row)->lineAt(0).xToCursor(x)));
    const bool wraps = row + 1 < rows_.count() && rows_.start(row + 1) == end;
    return {position, wraps && position == end};
}

TextView::Place TextView::placeAt(QPoint point) const {
    const qsizetype row =
        firstVisibleRow() +
        static_cast<qsizetype>(std::floor(qreal(point.y() - kMargin) / rowHeight()));
    return placeOnRow(row, point.x() - kMargin);
}

void TextView::moveCaret(Place place, bool extend, bool keepColumn) {
    if (!keepColumn)
        preferredX_ = -1;
    document_.moveCursor(place.position, extend);
    caretAtRowEnd_ = place.atRowEnd;
    ensureCaretVisible();
    showCaret();
}

void TextView::ensureCaretVisible() {
    const qsizetype row = caretRow();
    QScrollBar *bar = verticalScrollBar();
    if (row < bar->value())
        bar->setValue(static_cast<int>(row));
    else if (row >= bar->value() + rowsInView())
        bar->setValue(static_cast<int>(row - rowsInView() + 1));
}

void TextView::showCaret() {
    caretShown_ = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        blinkTimer_.start(flash / 2, this);
    else
        blinkTimer_.stop();
    viewport()->update();
}

// Painting

void TextView::paintEvent(QPaintEvent *) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const qsizetype selectionStart = document_.selectionStart();
    const qsizetype selectionEnd = document_.selectionEnd();
    const qsizetype first = firstVisibleRow();
    const qsizetype caret = hasFocus() && caretShown_ ? caretRow() : -1;
    const int height = rowHeight();
    for (qsizetype row = first; row < rows_.count(); ++row) {
        const int top = kMargin + static_cast<int>(row - first) * height;
        if (top >= viewport()->height())
            break;
        const auto layout = layOutRow(row);
        const qsizetype start = rows_.start(row);
        const qsizetype end = start + layout->text().size();
        QList<QTextLayout::FormatRange> selection;
        if (selectionStart < end && selectionEnd > start) {
            QTextLayout::FormatRange range;
            range.start = static_cast<int>(std::max(selectionStart, start) - start);
            range.length = static_cast<int>(std::min(selectionEnd, end) - start) - range.start;
            range.format.setBackground(palette().brush(QPalette::Highlight));
            range.format.setForeground(palette().brush(QPalette::HighlightedText));
            selection << range;
        }
        const QPointF origin(kMargin, top);
        layout->draw(&painter, origin, selection);
        // A selected line break shows as a blank's width of selection.
        const qsizetype shownEnd = rows_.end(text(), row);
        const qsizetype next = row + 1 < rows_.count() ? rows_.start(row + 1) : text().size();
        if (next > shownEnd && selectionStart <= shownEnd && selectionEnd >= next)
            painter.fillRect(QRectF(kMargin + layout->lineAt(0).naturalTextWidth(), top,
                                    fontMetrics().horizontalAdvance(u' '), height),
                             palette().brush(QPalette::Highlight));
        if (row == caret) {
            const auto column =
                static_cast<int>(std::min(document_.cursor() - start, kLongestShownRow));
            layout->drawCursor(&painter, origin,
                               column + (preedit_.isEmpty() ? 0 : preeditCursor_));
        }
    }
}

// Keys

void TextView::keyPressEvent(QKeyEvent *event) {
    if (navigate(event) || (!readOnly_ && editByKey(event)))
        return;
    const QKeyCombination key(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    if (key == (Qt::CTRL | Qt::Key_A))
        selectAll();
    else if (key == (Qt::CTRL | Qt::Key_C) || key == (Qt::CTRL | Qt::Key_Insert))
        copy();
    else
        // Typing into a read-only box and keys it has no use for go on to the
        // window (Alt+F4, say).
        event->ignore();
}

bool TextView::navigate(const QKeyEvent *event) {
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    const qsizetype cursor = document_.cursor();
    const bool collapse = document_.hasSelection() && !extend && !control;
    switch (event->key()) {
    case Qt::Key_Left:
        moveCaret({collapse  ? document_.selectionStart()
                   : control ? document_.previousWordStart(cursor)
                             : document_.previousPosition(cursor),
                   false},
                  extend);
        return true;
    case Qt::Key_Right:
        moveCaret({collapse  ? document_.selectionEnd()
                   : control ? document_.nextWordStart(cursor)
                             : document_.nextPosition(cursor),
                   false},
                  extend);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        if (control)
            return false;
        if (preferredX_ < 0)
            preferredX_ = caretX();
        const bool page = event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
        const bool down = event->key() == Qt::Key_Down || event->key() == Qt::Key_PageDown;
        const int step = page ? rowsInView() : 1;
        if (page)
            verticalScrollBar()->setValue(verticalScrollBar()->value() + (down ? step : -step));
        moveCaret(placeOnRow(caretRow() + (down ? step : -step), preferredX_), extend, true);
        return true;
    }
    case Qt::Key_Home:
        moveCaret({control ? 0 : rows_.start(caretRow()), false}, extend);
        return true;
    case Qt::Key_End: {
        if (control) {
            moveCaret({document_.size(), false}, extend);
            return true;
        }
        const qsizetype row = caretRow();
        const qsizetype end = rows_.end(text(), row);
        moveCaret({end, row + 1 < rows_.count() && rows_.start(row + 1) == end}, extend);
        return true;
    }
    default:
        return false;
    }
}

bool TextView::editByKey(const QKeyEvent *event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QKeyCombination key(modifiers, Qt::Key(event->key()));
    if (key == (Qt::CTRL | Qt::Key_X) || key == (Qt::SHIFT | Qt::Key_Delete))
        cut();
    else if (key == (Qt::CTRL | Qt::Key_V) || key == (Qt::SHIFT | Qt::Key_Insert))
        paste();
    else if (key == (Qt::CTRL | Qt::Key_Z))
        undo();
    else if (key == (Qt::CTRL | Qt::Key_Y) || key == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z))
        redo();
    else if (key == QKeyCombination(Qt::Key_Backspace) || key == (Qt::SHIFT | Qt::Key_Backspace))
        edit([this] { document_.removeTo(document_.previousPosition(document_.cursor())); });
    else if (key == QKeyCombination(Qt::Key_Delete))
        edit([this] { document_.removeTo(document_.nextPosition(document_.cursor())); });
    else if (key == (Qt::CTRL | Qt::Key_Backspace))
        edit([this] { document_.removeTo(document_.previousWordStart(document_.cursor())); });
    else if (key == (Qt::CTRL | Qt::Key_Delete))
        edit([this] { document_.removeTo(document_.nextWordStart(document_.cursor())); });
    else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
             !(modifiers & ~Qt::ShiftModifier))
        edit([this] { document_.insert(QStringLiteral("\n")); });
    else if (isTyping(event))
        edit(
            [this, typed = event->text()] { document_.insert(typed, TextDocument::Edit::Typing); });
    else
        return false;
    return true;
}

// Clipboard and history

void TextView::selectAll() {
    document_.selectAll();
    caretAtRowEnd_ = false;
    offerSelection();
    viewport()->update();
}

void TextView::copy() const {
    if (document_.hasSelection())
        QGuiApplication::clipboard()->setText(document_.selectedText());
}

void TextView::cut() {
    if (readOnly_ || !document_.hasSelection())
        return;
    copy();
    edit([this] { document_.removeSelection(); });
}

void TextView::paste() {
    if (readOnly_)
        return;
    edit([this] {
        const QString pasted = QGuiApplication::clipboard()->text();
        if (!pasted.isEmpty())
            document_.insert(pasted);
    });
}

void TextView::undo() {
    if (!readOnly_ && document_.canUndo())
        edit([this] { document_.undo(); });
}

void TextView::redo() {
    if (!readOnly_ && document_.canRedo())
        edit([this] { document_.redo(); });
}

void TextView::offerSelection() const {
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && document_.hasSelection())
        clipboard->setText(document_.selectedText(), QClipboard::Selection);
}

std::unique_ptr<QMenu> TextView::createStandardContextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    const bool selected = document_.hasSelection();
    const auto add = [&](const char *text, auto slot, QKeySequence::StandardKey key, bool enabled) {
        QAction *action = menu->addAction(menuText(text), this, slot);
        action->setShortcut(key);
        action->setEnabled(enabled);
    };
    if (!readOnly_) {
        add("&Undo", &TextView::undo, QKeySequence::Undo, document_.canUndo());
        add("&Redo", &TextView::redo, QKeySequence::Redo, document_.canRedo());
        menu->addSeparator();
        add("Cu&t", &TextView::cut, QKeySequence::Cut, selected);
    }
    add("&Copy", &TextView::copy, QKeySequence::Copy, selected);
    if (!readOnly_) {
        add("&Paste", &TextView::paste, QKeySequence::Paste,
            !QGuiApplication::clipboard()->text().isEmpty());
        menu->addAction(menuText("Delete"), this,
                        [this] { edit([this] { document_.removeSelection(); }); })
            ->setEnabled(selected);
    }
    menu->addSeparator();
    add("Select All", &TextView::selectAll, QKeySequence::SelectAll, !isEmpty());
    return menu;
}

void TextView::contextMenuEvent(QContextMenuEvent *event) {
    createStandardContextMenu()->exec(event->globalPos());
}

// Input methods

void TextView::inputMethodEvent(QInputMethodEvent *event) {
    if (readOnly_) {
        event->ignore();
        return;
    }
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) {
        edit([this, event] {
            if (event->replacementLength() > 0) {
                const qsizetype from = document_.cursor() + event->replacementStart();
                document_.select(from, from + event->replacementLength());
            }
            document_.insert(event->commitString(), TextDocument::Edit::Typing);
        });
    }
    preedit_ = event->preeditString();
    preeditCursor_ = static_cast<int>(preedit_.size());
    for (const QInputMethodEvent::Attribute &attribute : event->attributes())
        if (attribute.type == QInputMethodEvent::Cursor)
            preeditCursor_ = attribute.start;
    ensureCaretVisible();
    showCaret();
}

QVariant TextView::inputMethodQuery(Qt::InputMethodQuery query) const {
    const qsizetype row = caretRow();
    const qsizetype rowStart = rows_.start(row);
    switch (query) {
    case Qt::ImEnabled:
        return !readOnly_;
    case Qt::ImCursorRectangle:
        return caretRect().translated(viewport()->pos());
    case Qt::ImFont:
        return font();
    case Qt::ImHints:
        return int(Qt::ImhMultiLine);
    case Qt::ImSurroundingText:
        return text().mid(rowStart, rows_.end(text(), row) - rowStart);
    case Qt::ImCursorPosition:
        return int(document_.cursor() - rowStart);
    case Qt::ImAnchorPosition:
        return int(std::clamp(document_.anchor(), rowStart, rows_.end(text(), row)) - rowStart);
    case Qt::ImCurrentSelection:
        return document_.selectionEnd() - document_.selectionStart() <= kLongestShownRow
                   ? document_.selectedText()
                   : QString();
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// Mouse

void TextView::mousePressEvent(QMouseEvent *event) {
    // Every press stays here: none falls through to the window behind.
    event->accept();
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        moveCaret(placeAt(at), event->modifiers() & Qt::ShiftModifier);
        selecting_ = true;
    } else if (event->button() == Qt::MiddleButton && !readOnly_ &&
               QGuiApplication::clipboard()->supportsSelection()) {
        setFocus(Qt::MouseFocusReason);
        moveCaret(placeAt(at), false);
        edit([this] {
            const QString pasted = QGuiApplication::clipboard()->text(QClipboard::Selection);
            if (!pasted.isEmpty())
                document_.insert(pasted);
        });
    }
}

void TextView::mouseMoveEvent(QMouseEvent *event) {
    event->accept();
    if (!selecting_ || !(event->buttons() & Qt::LeftButton))
        return;
    dragPoint_ = event->position().toPoint();
    if (viewport()->rect().contains(QPoint(viewport()->width() / 2, dragPoint_.y())))
        autoScrollTimer_.stop();
    else if (!autoScrollTimer_.isActive())
        autoScrollTimer_.start(kAutoScrollInterval, this);
    dragTo(dragPoint_);
}

void TextView::dragTo(QPoint point) {
    const Place place = placeAt(point);
    document_.moveCursor(place.position, true);
    caretAtRowEnd_ = place.atRowEnd;
    preferredX_ = -1;
    showCaret();
}

void TextView::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !selecting_)
        return;
    selecting_ = false;
    autoScrollTimer_.stop();
    offerSelection();
}

void TextView::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const auto [begin, end] = document_.wordAt(placeAt(event->position().toPoint()).position);
    document_.select(begin, end);
    caretAtRowEnd_ = false;
    selecting_ = false;
    offerSelection();
    showCaret();
}

void TextView::timerEvent(QTimerEvent *event) {
    if (event->timerId() == blinkTimer_.timerId()) {
        caretShown_ = !caretShown_;
        viewport()->update(caretRect().adjusted(-2, 0, 2, 0));
    } else if (event->timerId() == autoScrollTimer_.timerId()) {
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(bar->value() + (dragPoint_.y() < 0 ? -1 : 1));
        dragTo(dragPoint_);
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

// The box itself

bool TextView::event(QEvent *event) {
    // Polished before it is first shown: the layout is complete by then.
    if (event->type() == QEvent::Polish)
        linkedBars_.link(this);
    return QAbstractScrollArea::event(event);
}

void TextView::focusInEvent(QFocusEvent *event) {
    QAbstractScrollArea::focusInEvent(event);
    showCaret();
}

void TextView::focusOutEvent(QFocusEvent *event) {
    QAbstractScrollArea::focusOutEvent(event);
    blinkTimer_.stop();
    autoScrollTimer_.stop();
    selecting_ = false;
    viewport()->update();
}

void TextView::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    if (textWidth() != rows_.width())
        rewrap();
    else
        updateScrollRange();
}

void TextView::changeEvent(QEvent *event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        rewrap();
}

void TextView::scrollContentsBy(int, int) {
    viewport()->update();
}

} // namespace platform
