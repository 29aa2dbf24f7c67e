// The input box: plain text, no length limit, lines wrapped at its width. Its own
// scroll bars stay hidden: it drives two separate scroll bars beside it instead,
// named in the stored layout.
#pragma once

#include "FontDescription.h"
#include "ScrollBarLink.h"

#include <QPlainTextEdit>

namespace platform {

class PlainTextBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString horizontalScrollBarName READ horizontalScrollBarName WRITE
                   setHorizontalScrollBarName)
    Q_PROPERTY(
        QString verticalScrollBarName READ verticalScrollBarName WRITE setVerticalScrollBarName)

public:
    explicit PlainTextBox(QWidget *parent = nullptr);

    [[nodiscard]] QString horizontalScrollBarName() const { return linkedBars_.horizontalName(); }
    void setHorizontalScrollBarName(const QString &name) { linkedBars_.linkHorizontal(this, name); }
    [[nodiscard]] QString verticalScrollBarName() const { return linkedBars_.verticalName(); }
    void setVerticalScrollBarName(const QString &name) { linkedBars_.linkVertical(this, name); }

    [[nodiscard]] FontDescription fontDescription() const { return fontDescriptionOf(*this); }
    void setFontDescription(const FontDescription &description) {
        applyFontDescription(*this, description);
    }

private:
    LinkedScrollBars linkedBars_;
};

} // namespace platform
