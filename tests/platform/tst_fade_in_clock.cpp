// The fade-in against a wall clock that is set back while it runs, as a user or a
// time service may do. This test's own clock functions stand in for the C
// library's, for the whole process: the monotonic clocks tell the truth, the wall
// clock runs behind by what the test sets.
#include "skin/WindowEffects.h"

#include <QTest>
#include <QWidget>

#include <atomic>
#include <sys/syscall.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

namespace {

std::atomic<long> wallClockBehindSeconds{0};

} // namespace

extern "C" int gettimeofday(struct timeval *__restrict now, void *__restrict zone) noexcept {
    const int result = int(syscall(SYS_gettimeofday, now, zone));
    if (result == 0)
        now->tv_sec -= wallClockBehindSeconds;
    return result;
}

extern "C" int clock_gettime(clockid_t clock, struct timespec *now) noexcept {
    const int result = int(syscall(SYS_clock_gettime, clock, now));
    if (result == 0 && (clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE))
        now->tv_sec -= wallClockBehindSeconds;
    return result;
}

class tst_FadeInClock : public QObject {
    Q_OBJECT

private slots:
    void fadesInThoughTheWallClockIsSetBack() {
        QWidget window;
        new platform::FadeIn(&window, 234);
        window.show();
        QCOMPARE(window.windowOpacity(), 0.0);
        wallClockBehindSeconds = 3600;
        QTRY_VERIFY(qAbs(window.windowOpacity() - 234 / 255.0) < 1e-3);
    }

    void cleanup() { wallClockBehindSeconds = 0; }
};

QTEST_MAIN(tst_FadeInClock)
#include "tst_fade_in_clock.moc"
