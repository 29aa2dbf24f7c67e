// Magnetic edges: while a window is moved, an edge that comes within `distance`
// pixels of the same edge of the work area (on either side) snaps flush to it and
// stays there until the pointer has moved more than `distance` pixels on that
// axis since the snap; then the window follows the pointer again.
#pragma once

#include <QPoint>
#include <QRect>

namespace platform {

class EdgeSnapper {
public:
    EdgeSnapper(QRect workArea, int distance);

    // A move starts with the window at `window` and the pointer at `pointer`; an
    // edge that is flush already counts as snapped from this pointer position.
    void start(QRect window, QPoint pointer);
    // The window's new top-left for the pointer at `pointer`.
    [[nodiscard]] QPoint move(QPoint pointer);

private:
    // One axis: the window's near edge at `position`, its size, the work area's ends.
    struct Axis {
        int position = 0;
        int size = 0;
        int low = 0, high = 0;
        int lastPointer = 0;
        enum class Snapped { No, Low, High } snapped = Snapped::No;
        int snapPointer = 0;

        void start(int windowPosition, int windowSize, int pointer, int distance);
        int move(int pointer, int distance);
    };

    QRect workArea_;
    int distance_;
    Axis horizontal_, vertical_;
};

} // namespace platform
