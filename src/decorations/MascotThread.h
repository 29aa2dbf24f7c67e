// Animates the mascot: every 100 ms the picture steps to the next of its four
// frames, 0, 1, 2, 3, 0, ... The current frame is the view's own image index.
#pragma once

#include "threads/SuspendableThread.h"

namespace platform {
class ReflectedImageView;
}

class TMascotThread : public platform::SuspendableThread {
public:
    TMascotThread(bool createSuspended, platform::ReflectedImageView *imageView);

    // One step without the wait: show the frame after the current one.
    void Step();

protected:
    void execute() override;

private:
    platform::ReflectedImageView *imageView;
};
