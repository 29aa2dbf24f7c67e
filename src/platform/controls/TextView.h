// A text box for texts of any size and shape, editable or read-only: both of the
// window's text boxes are one. It keeps its text exactly as given (TextDocument),
// wraps it into rows at its width (TextRows) and lays out and paints only the rows
// in view, so that a dump of millions of characters on one line scrolls, edits and
// paints as fast as a short one. It scrolls by rows, drives two scroll bars beside
// it instead of its own, and edits as a plain text box does: typing, selection by
// mouse and keys, the clipboard and the X11 selection, undo and redo, a context
// menu and input methods.
#pragma once

#include "controls/FontDescription.h"
#include "controls/ScrollBarLink.h"
#include "controls/TextDocument.h"
#include "controls/TextRows.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <memory>

class QMenu;
class QTextLayout;

namespace platform {

class TextView : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(QString horizontalScrollBarName READ horizontalScrollBarName WRITE
                   setHorizontalScrollBarName)
    Q_PROPERTY(
        QString verticalScrollBarName READ verticalScrollBarName WRITE setVerticalScrollBarName)

public:
    // Tab stops every half inch, as text boxes on Windows have them.
    static constexpr qreal kTabStop = 48;

    explicit TextView(QWidget *parent = nullptr);
    ~TextView() override;

    [[nodiscard]] bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);

    [[nodiscard]] QString horizontalScrollBarName() const { return linkedBars_.horizontalName(); }
    void setHorizontalScrollBarName(const QString &name) { linkedBars_.setHorizontalName(name); }
    [[nodiscard]] QString verticalScrollBarName() const { return linkedBars_.verticalName(); }
    void setVerticalScrollBarName(const QString &name) { linkedBars_.setVerticalName(name); }

    [[nodiscard]] FontDescription fontDescription() const { return fontDescriptionOf(*this); }
    void setFontDescription(const FontDescription &description) {
        applyFontDescription(*this, description);
    }

    // The text exactly as it was given and edited. Shared, not copied: another
    // thread may keep it while the box goes on editing its own.
    [[nodiscard]] const QString &text() const { return document_.text(); }
    void setText(QString text);
    void clear() { setText(QString()); }
    [[nodiscard]] bool isEmpty() const { return text().isEmpty(); }

    [[nodiscard]] qsizetype cursorPosition() const { return document_.cursor(); }
    void setCursorPosition(qsizetype position);
    [[nodiscard]] qsizetype anchorPosition() const { return document_.anchor(); }
    [[nodiscard]] QString selectedText() const { return document_.selectedText(); }
    // The rows the text is wrapped into, the first one in view, and how many fit.
    [[nodiscard]] const TextRows &rows() const { return rows_; }
    [[nodiscard]] qsizetype firstVisibleRow() const;
    [[nodiscard]] int rowsInView() const;

    [[nodiscard]] std::unique_ptr<QMenu> createStandardContextMenu();
    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

public Q_SLOTS:
    void selectAll();
    void copy() const;
    void cut();
    void paste();
    void undo();
    void redo();

Q_SIGNALS:
    void textChanged();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void timerEvent(QTimerEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct Place {
        qsizetype position;
        // A position where a row wraps is also the end of the row before it; the
        // caret shows there after End or a click behind the row.
        bool atRowEnd;
    };

    [[nodiscard]] std::unique_ptr<QTextLayout> layOutRow(qsizetype row) const;
    [[nodiscard]] int rowHeight() const;
    [[nodiscard]] qreal textWidth() const;
    [[nodiscard]] qsizetype caretRow() const;
    [[nodiscard]] QRect caretRect() const;
    [[nodiscard]] qreal caretX() const;
    [[nodiscard]] Place placeAt(QPoint point) const;
    [[nodiscard]] Place placeOnRow(qsizetype row, qreal x) const;
    bool navigate(const QKeyEvent *event);
    bool editByKey(const QKeyEvent *event);
    void moveCaret(Place place, bool extend, bool keepColumn = false);
    // Runs an edit of the text; when memory runs out, says so and keeps the text.
    template <class Edit> void edit(Edit &&change);
    void rewrap();
    void updateScrollRange();
    void ensureCaretVisible();
    void showCaret();
    void dragTo(QPoint point);
    void offerSelection() const;

    TextDocument document_;
    TextRows rows_;
    bool readOnly_ = false;
    bool caretAtRowEnd_ = false;
    bool caretShown_ = true;
    bool selecting_ = false;
    qreal preferredX_ = -1;
    QString preedit_;
    int preeditCursor_ = 0;
    QPoint dragPoint_;
    QBasicTimer blinkTimer_;
    QBasicTimer autoScrollTimer_;
    LinkedScrollBars linkedBars_;
};

} // namespace platform
