// A scroll bar that never takes the focus and keeps every press to itself, also
// while disabled: a press on it must not reach the panel behind and move the window.
// Skinned as 'bothhscrollbar', it keeps a square at its right end in cornerColor,
// for the corner below a vertical bar.
#pragma once

#include <QPainter>
#include <QScrollBar>

namespace platform {

class SkinScrollBar : public QScrollBar {
    Q_OBJECT
    Q_PROPERTY(QColor cornerColor READ cornerColor WRITE setCornerColor)

public:
    explicit SkinScrollBar(QWidget *parent = nullptr)
        : QScrollBar(parent) {
        setFocusPolicy(Qt::NoFocus);
    }

    [[nodiscard]] QColor cornerColor() const { return cornerColor_; }
    void setCornerColor(const QColor &color) {
        cornerColor_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override {
        QScrollBar::paintEvent(event);
        if (cornerColor_.isValid() && orientation() == Qt::Horizontal) {
            QPainter painter(this);
            painter.fillRect(QRect(width() - height(), 0, height(), height()), cornerColor_);
        }
    }

    bool event(QEvent *event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (!isEnabled()) {
                event->accept();
                return true;
            }
            break;
        default:
            break;
        }
        return QScrollBar::event(event);
    }

private:
    QColor cornerColor_;
};

} // namespace platform
