// A scroll bar that never takes the focus and keeps every press to itself, also
// while disabled: a press on it must not reach the panel behind and move the window.
#pragma once

#include <QScrollBar>

namespace platform {

class SkinScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit SkinScrollBar(QWidget *parent = nullptr) : QScrollBar(parent)
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    bool event(QEvent *event) override
    {
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
};

} // namespace platform
