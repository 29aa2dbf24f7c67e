#include "skin/WindowEffects.h"

#include <QEvent>
#include <QTimerEvent>
#include <QWidget>

#include <algorithm>

namespace platform {

std::vector<int> fadeInSteps(int target) {
    const int step = std::max(1, target / 15);
    std::vector<int> steps;
    for (int opacity = 0; opacity < target; opacity += step)
        steps.push_back(opacity);
    steps.push_back(target);
    return steps;
}

QPoint centredPosition(QRect monitor, QSize outer) {
    return {monitor.left() + monitor.width() / 2 - outer.width() / 2,
            monitor.top() + monitor.height() / 2 - outer.height() / 2};
}

FadeIn::FadeIn(QWidget *window, int target)
    : QObject(window)
    , window_(window)
    , steps_(fadeInSteps(target)) {
    window->setWindowOpacity(target / 255.0);
    window->installEventFilter(this);
}

bool FadeIn::eventFilter(QObject *, QEvent *event) {
    if (event->type() == QEvent::Show) {
        next_ = 0;
        window_->setWindowOpacity(steps_[next_++] / 255.0);
        sinceLastStep_.start();
        if (!timer_)
            timer_ = startTimer(1, Qt::PreciseTimer);
    }
    return false;
}

void FadeIn::timerEvent(QTimerEvent *) {
    if (sinceLastStep_.elapsed() <= 5)
        return;
    sinceLastStep_.start();
    window_->setWindowOpacity(steps_[next_++] / 255.0);
    if (next_ == steps_.size()) {
        killTimer(timer_);
        timer_ = 0;
    }
}

} // namespace platform
