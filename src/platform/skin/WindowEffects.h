// What a skinned window does when it is shown: it fades in to its opacity, and the
// first time it comes up it is centred on its monitor.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace platform {

// The opacities of a fade-in to `target` (of 255): 0, then up by target / 15 (at
// least 1) at a time, never past the target, ending on it.
[[nodiscard]] std::vector<int> fadeInSteps(int target);

// Where a window of outer size `outer` stands centred on `monitor`.
[[nodiscard]] QPoint centredPosition(QRect monitor, QSize outer);

// Fades `window` in each time it is shown, one step whenever more than 5 ms have
// passed since the last, then holds it at `target`. The time is the monotonic
// clock's: a wall clock set back would hold the window transparent.
class FadeIn : public QObject {
    Q_OBJECT

public:
    FadeIn(QWidget *window, int target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QWidget *window_;
    std::vector<int> steps_;
    std::size_t next_ = 0;
    int timer_ = 0;
    QElapsedTimer sinceLastStep_;
};

} // namespace platform
