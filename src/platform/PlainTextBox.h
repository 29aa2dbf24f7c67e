// A plain-text box whose own scroll bars stay hidden: it drives two separate
// scroll bars beside it instead, named in the stored layout, which take its range,
// page and position, are disabled while nothing scrolls, and scroll it when moved.
#pragma once

#include "FontDescription.h"

#include <QPlainTextEdit>

class QScrollBar;

namespace platform {

class PlainTextBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString horizontalScrollBarName READ horizontalScrollBarName WRITE
                   setHorizontalScrollBarName)
    Q_PROPERTY(QString verticalScrollBarName READ verticalScrollBarName WRITE setVerticalScrollBarName)

public:
    explicit PlainTextBox(QWidget *parent = nullptr);

    // The bars are siblings of the box; the layout creates them before it.
    [[nodiscard]] QString horizontalScrollBarName() const;
    void setHorizontalScrollBarName(const QString &name);
    [[nodiscard]] QString verticalScrollBarName() const;
    void setVerticalScrollBarName(const QString &name);

    [[nodiscard]] FontDescription fontDescription() const;
    void setFontDescription(const FontDescription &description);

    // Adds `text` as one new line: the box then ends with a line break.
    void appendLine(const QString &text);

private:
    QScrollBar *linkedHorizontal_ = nullptr;
    QScrollBar *linkedVertical_ = nullptr;
};

} // namespace platform
