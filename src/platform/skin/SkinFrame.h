// The skinned window frame: a frameless top-level window that holds one client
// widget and draws the border, the caption bar with the client's window title, and
// round caption buttons from the skin. The caption bar moves the window and opens
// the system menu on a right click; Alt+Space opens it too, whichever control has
// the focus. A double click on the caption bar does nothing: the window neither
// maximises nor rolls up.
#pragma once

#include "skin/Skin.h"

#include <QWidget>

namespace platform {

class SkinFrame : public QWidget {
    Q_OBJECT

public:
    enum class Button { SystemMenu, Minimize, Close };

    // Takes `client` in; the frame's size follows from the client's.
    SkinFrame(QWidget *client, const FrameLook &look, QList<Button> buttons);

    [[nodiscard]] QRect captionRect() const;
    [[nodiscard]] QRect buttonRect(Button button) const;

    // Draws a frame of `look` over `outer`, for windows that draw their own.
    static void paintFrame(QPainter &painter, const FrameLook &look, QRect outer,
                           const QString &title, bool active, const QList<Button> &buttons,
                           int hoveredButton);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] static QRect buttonRectIn(const FrameLook &look, QRect outer, int indexFromRight);
    [[nodiscard]] int buttonAt(QPoint point) const;
    void openSystemMenu(QPoint at);
    void press(Button button);

    QWidget *client_;
    FrameLook look_;
    QList<Button> buttons_;
    int hovered_ = -1;
    int pressed_ = -1;
    bool centred_ = false;
};

} // namespace platform
