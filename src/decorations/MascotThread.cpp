#include "MascotThread.h"

#include "controls/ReflectedImageView.h"
#include "threads/UiHandoff.h"

using platform::UiHandoff;

TMascotThread::TMascotThread(bool createSuspended, platform::ReflectedImageView *imageView)
    : SuspendableThread(createSuspended) {
    setPriorityLevel(QThread::HighestPriority);
    this->imageView = imageView;
}

void TMascotThread::execute() {
    for (;;) {
        Step();
        pause(std::chrono::milliseconds(100));
    }
}

void TMascotThread::Step() {
    const int current =
        UiHandoff::fetch(imageView, [view = imageView] { return view->imageIndex(); });
    // Four frames, whatever the store holds; the remainder truncates toward zero.
    const int next = (current + 1) % 4;
    UiHandoff::post(imageView, [view = imageView, next] { view->setImageIndex(next); });
}
