#include "skin/SkinFrame.h"
#include "skin/SkinSettings.h"

#include "skin/SystemMenu.h"
#include "skin/WindowEffects.h"
#include "skin/WindowMover.h"
#include "skin/WindowShortcut.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace platform {

namespace {

QFont captionFont() {
    QFont font(QString::fromLatin1(SkinSettings::kFontFamily));
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

} // namespace

SkinFrame::SkinFrame(QWidget *client, const FrameLook &look, QList<Button> buttons)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , client_(client)
    , look_(look)
    , buttons_(std::move(buttons)) {
    setMouseTracking(true);
    client->setParent(this);
    client->move(look.border, look.border + look.captionHeight);
    client->show();
    setFixedSize(client->width() + 2 * look.border,
                 client->height() + look.captionHeight + 2 * look.border);
    setWindowTitle(client->windowTitle());
    setWindowIcon(client->windowIcon());
    client->installEventFilter(this);
    // Snapping to the screen's edges while the window is dragged; WindowMover reads it.
    new FadeIn(this, SkinSettings::kWindowOpacity);
    auto *systemMenuKey = new WindowShortcut(this, {Qt::ALT | Qt::Key_Space});
    connect(systemMenuKey, &WindowShortcut::activated, this,
            [this] { openSystemMenu(mapToGlobal(captionRect().bottomLeft())); });
}

bool SkinFrame::eventFilter(QObject *watched, QEvent *event) {
    if (watched == client_ && event->type() == QEvent::WindowTitleChange) {
        setWindowTitle(client_->windowTitle());
        update(captionRect());
    }
    return false;
}

QRect SkinFrame::buttonRectIn(const FrameLook &look, QRect outer, int indexFromRight) {
    const int size = look.buttonSize;
    const int right =
        outer.right() - look.border - look.buttonGap - indexFromRight * (size + look.buttonGap);
    const int top = outer.top() + look.border + (look.captionHeight - size) / 2;
    return {right - size + 1, top, size, size};
}

QRect SkinFrame::captionRect() const {
    return {look_.border, look_.border, width() - 2 * look_.border, look_.captionHeight};
}

QRect SkinFrame::buttonRect(Button button) const {
    const auto index = buttons_.indexOf(button);
    return index < 0 ? QRect()
                     : buttonRectIn(look_, rect(), static_cast<int>(buttons_.size() - 1 - index));
}

int SkinFrame::buttonAt(QPoint point) const {
    for (int i = 0; i < buttons_.size(); ++i)
        if (buttonRect(buttons_[i]).adjusted(-2, -2, 2, 2).contains(point))
            return i;
    return -1;
}

void SkinFrame::paintFrame(QPainter &painter, const FrameLook &look, QRect outer,
                           const QString &title, bool active, const QList<Button> &buttons,
                           int hoveredButton) {
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient frame(outer.topLeft(), outer.bottomLeft());
    frame.setColorAt(0, look.frameTop);
    frame.setColorAt(1, look.frameBottom);
    painter.fillRect(outer, frame);

    const QRect caption(outer.left() + look.border, outer.top() + look.border,
                        outer.width() - 2 * look.border, look.captionHeight);
    QLinearGradient bar(caption.topLeft(), caption.bottomLeft());
    bar.setColorAt(0, look.captionTop);
    bar.setColorAt(1, look.captionBottom);
    painter.fillRect(caption, bar);
    painter.setPen(look.highlight);
    painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.topRight() + QPoint(-1, 1));
    painter.setPen(look.outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outer.adjusted(0, 0, -1, -1));

    painter.setFont(captionFont());
    painter.setPen(active ? look.activeText : look.inactiveText);
    const int buttonsWidth =
        static_cast<int>(buttons.size()) * (look.buttonSize + look.buttonGap) + look.buttonGap;
    painter.drawText(caption.adjusted(8, 0, -buttonsWidth, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     title);

    for (int i = 0; i < buttons.size(); ++i) {
        const QRect circle = buttonRectIn(look, outer, static_cast<int>(buttons.size() - 1 - i));
        const QColor colour = buttons[i] == Button::Close      ? look.closeButton
                              : buttons[i] == Button::Minimize ? look.minimizeButton
                                                               : look.systemMenuButton;
        if (i == hoveredButton) {
            // The glow frame of a hovered caption button.
            QRadialGradient glow(QRectF(circle).center(), circle.width());
            QColor halo = look.buttonGlow;
            halo.setAlpha(170);
            glow.setColorAt(0.45, halo);
            halo.setAlpha(0);
            glow.setColorAt(1, halo);
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawEllipse(QRectF(circle).adjusted(-5, -5, 5, 5));
        }
        QRadialGradient ball(QRectF(circle).center() - QPointF(2, 3), circle.width() * 0.8);
        ball.setColorAt(0, colour.lighter(150));
        ball.setColorAt(1, colour.darker(115));
        painter.setBrush(ball);
        painter.setPen(QPen(colour.darker(170), 1));
        painter.drawEllipse(circle);
    }
}

void SkinFrame::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    paintFrame(painter, look_, rect(), windowTitle(), isActiveWindow(), buttons_, hovered_);
}

void SkinFrame::press(Button button) {
    switch (button) {
    case Button::Close:
        close();
        break;
    case Button::Minimize:
        showMinimized();
        break;
    case Button::SystemMenu:
        openSystemMenu(mapToGlobal(buttonRect(button).bottomLeft()));
        break;
    }
}

void SkinFrame::openSystemMenu(QPoint at) {
    const auto menu = createSystemMenu(this);
    menu->exec(at);
}

void SkinFrame::mousePressEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    pressed_ = buttonAt(at);
    if (pressed_ >= 0 || !captionRect().contains(at))
        return;
    if (event->button() == Qt::LeftButton)
        WindowMover::moveWithPointer(this, SkinSettings::kMagneticDistance);
    else if (event->button() == Qt::RightButton)
        openSystemMenu(event->globalPosition().toPoint());
}

void SkinFrame::mouseReleaseEvent(QMouseEvent *event) {
    const int released = buttonAt(event->position().toPoint());
    if (pressed_ >= 0 && released == pressed_ && event->button() == Qt::LeftButton)
        press(buttons_[released]);
    pressed_ = -1;
}

void SkinFrame::mouseMoveEvent(QMouseEvent *event) {
    const int hovered = buttonAt(event->position().toPoint());
    if (hovered != hovered_) {
        hovered_ = hovered;
        update(captionRect());
    }
}

void SkinFrame::leaveEvent(QEvent *) {
    hovered_ = -1;
    update(captionRect());
}

void SkinFrame::keyPressEvent(QKeyEvent *event) {
    if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_F4)
        close();
    else
        QWidget::keyPressEvent(event);
}

void SkinFrame::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange)
        update(captionRect());
    QWidget::changeEvent(event);
}

void SkinFrame::showEvent(QShowEvent *event) {
    // Centred on the nearest monitor the first time it shows in its normal state.
    if (!centred_ && windowState() == Qt::WindowNoState && screen()) {
        centred_ = true;
        move(centredPosition(screen()->geometry(), frameGeometry().size()));
    }
    QWidget::showEvent(event);
}

} // namespace platform
