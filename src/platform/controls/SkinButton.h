// A push button that never takes the focus and tells when its caption changes.
#pragma once

#include <QPushButton>

namespace platform {

class SkinButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)

public:
    explicit SkinButton(QWidget *parent = nullptr)
        : QPushButton(parent) {
        setFocusPolicy(Qt::NoFocus);
    }
    [[nodiscard]] QString caption() const { return text(); }
    void setCaption(const QString &caption) {
        if (caption == text())
            return;
        setText(caption);
        Q_EMIT captionChanged(caption);
    }

Q_SIGNALS:
    void captionChanged(const QString &caption);
};

} // namespace platform
