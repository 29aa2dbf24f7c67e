// A read-only text box for large texts: it keeps the text as it was handed over
// and lays out and paints only the lines in view, so that showing millions of
// lines costs the UI thread next to nothing. Lines wrap at the box's width; the
// text can be selected with the mouse and the keyboard, and copied. Like
// PlainTextBox, it drives two scroll bars beside it instead of its own.
#pragma once

#include "FontDescription.h"
#include "ScrollBarLink.h"
#include "TextContent.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>

#include <memory>
#include <vector>

class QTextLayout;

namespace platform {

class ReadOnlyTextBox : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(QString horizontalScrollBarName READ horizontalScrollBarName WRITE
                   setHorizontalScrollBarName)
    Q_PROPERTY(
        QString verticalScrollBarName READ verticalScrollBarName WRITE setVerticalScrollBarName)

public:
    explicit ReadOnlyTextBox(QWidget *parent = nullptr);
    ~ReadOnlyTextBox() override;

    [[nodiscard]] QString horizontalScrollBarName() const { return linkedBars_.horizontalName(); }
    void setHorizontalScrollBarName(const QString &name) { linkedBars_.linkHorizontal(this, name); }
    [[nodiscard]] QString verticalScrollBarName() const { return linkedBars_.verticalName(); }
    void setVerticalScrollBarName(const QString &name) { linkedBars_.linkVertical(this, name); }

    [[nodiscard]] FontDescription fontDescription() const { return fontDescriptionOf(*this); }
    void setFontDescription(const FontDescription &description) {
        applyFontDescription(*this, description);
    }

    void clear();
    // Shows `content` as the box's text: its lines, then one line break.
    void setContent(TextContent content);
    [[nodiscard]] bool isEmpty() const { return content_.isEmpty(); }
    [[nodiscard]] const TextContent &content() const { return content_; }
    [[nodiscard]] QString toPlainText() const;

    [[nodiscard]] QString selectedText() const;
    void selectAll();
    void copy() const;

Q_SIGNALS:
    void textChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct VisibleLine {
        qsizetype line;
        int top;
        std::unique_ptr<QTextLayout> layout;
    };
    [[nodiscard]] std::unique_ptr<QTextLayout> layOut(qsizetype line) const;
    [[nodiscard]] std::vector<VisibleLine> visibleLines() const;
    [[nodiscard]] qsizetype positionAt(QPoint point) const;
    void moveCursor(qsizetype position, bool extend);
    void ensureCursorVisible();
    void updateScrollRange();
    [[nodiscard]] int textWidth() const;

    TextContent content_;
    qsizetype anchor_ = 0;
    qsizetype cursor_ = 0;
    LinkedScrollBars linkedBars_;
};

} // namespace platform
