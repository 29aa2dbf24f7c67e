#include "skin/EdgeSnapping.h"

#include <cstdlib>

namespace platform {

EdgeSnapper::EdgeSnapper(QRect workArea, int distance)
    : workArea_(workArea)
    , distance_(distance) {
    horizontal_.low = workArea.left();
    horizontal_.high = workArea.left() + workArea.width();
    vertical_.low = workArea.top();
    vertical_.high = workArea.top() + workArea.height();
}

void EdgeSnapper::start(QRect window, QPoint pointer) {
    horizontal_.start(window.left(), window.width(), pointer.x(), distance_);
    vertical_.start(window.top(), window.height(), pointer.y(), distance_);
}

QPoint EdgeSnapper::move(QPoint pointer) {
    // Left before right and top before bottom, as each axis checks its low end first.
    const int x = horizontal_.move(pointer.x(), distance_);
    const int y = vertical_.move(pointer.y(), distance_);
    return {x, y};
}

void EdgeSnapper::Axis::start(int windowPosition, int windowSize, int pointer, int) {
    position = windowPosition;
    size = windowSize;
    lastPointer = pointer;
    snapPointer = pointer;
    snapped = position == low           ? Snapped::Low
              : position + size == high ? Snapped::High
                                        : Snapped::No;
}

int EdgeSnapper::Axis::move(int pointer, int distance) {
    const int flushLow = low;
    const int flushHigh = high - size;
    if (snapped != Snapped::No) {
        const int moved = pointer - snapPointer;
        const int flush = snapped == Snapped::Low ? flushLow : flushHigh;
        if (std::abs(moved) <= distance) {
            position = flush;
        } else {
            // Free again, as far from the edge as the pointer went since the snap.
            position = flush + moved;
            snapped = Snapped::No;
        }
    } else {
        position += pointer - lastPointer;
        if (std::abs(position - flushLow) < distance) {
            position = flushLow;
            snapped = Snapped::Low;
            snapPointer = pointer;
        } else if (std::abs(position - flushHigh) < distance) {
            position = flushHigh;
            snapped = Snapped::High;
            snapPointer = pointer;
        }
    }
    lastPointer = pointer;
    return position;
}

} // namespace platform
