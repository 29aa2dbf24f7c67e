// The thread class and the hand-off: waking, the lost-press race, stopping.
#include "threads/SuspendableThread.h"
#include "threads/UiHandoff.h"

#include <QTest>

#include <atomic>
#include <functional>
#include <semaphore>

namespace {

// Runs `step` once per wake-up, like the format worker.
class StepThread : public platform::SuspendableThread {
public:
    StepThread(bool createSuspended, std::function<void()> step)
        : SuspendableThread(createSuspended)
        , step_(std::move(step)) {}
    std::atomic<int> runs = 0;

protected:
    void execute() override {
        for (;;) {
            step_();
            ++runs;
            suspendSelf();
        }
    }

private:
    std::function<void()> step_;
};

} // namespace

class tst_SuspendableThread : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { platform::SuspendableThread::stopAll(); }

    void heldUntilTheFirstResume() {
        auto *thread = new StepThread(true, [] {});
        thread->setFreeOnTerminate(true);
        thread->launch();
        QTest::qWait(50);
        QCOMPARE(thread->runs.load(), 0);
        QVERIFY(thread->isSuspended());
        QVERIFY(thread->resume());
        QTRY_COMPARE(thread->runs.load(), 1);
        QTRY_VERIFY(thread->isSuspended());
    }

    // A resume while the body runs does nothing and is not remembered; one that
    // finds the mark set always gives exactly one more run, however soon it comes.
    void everyResumeOfASuspendedThreadRunsOnce() {
        std::binary_semaphore release(0);
        std::atomic<bool> block = true;
        auto *thread = new StepThread(true, [&] {
            if (block)
                release.acquire();
        });
        thread->setFreeOnTerminate(true);
        thread->launch();
        QVERIFY(thread->resume());
        QTRY_VERIFY(!thread->isSuspended());
        QVERIFY(!thread->resume());
        block = false;
        release.release();
        QTRY_COMPARE(thread->runs.load(), 1);
        QTest::qWait(30);
        QCOMPARE(thread->runs.load(), 1);

        int resumed = 0;
        for (int press = 0; press < 2000; ++press)
            resumed += thread->resume() ? 1 : 0;
        QTRY_VERIFY(thread->isSuspended());
        QCOMPARE(thread->runs.load(), 1 + resumed);
    }

    void fetchAndPostKeepTheirOrder() {
        QObject control;
        QStringList seen;
        std::atomic<int> fetched = -1;
        auto *thread = new StepThread(false, [&] {
            for (int i = 0; i < 3; ++i)
                platform::UiHandoff::post(&control, [&seen, i] { seen << QString::number(i); });
            fetched = platform::UiHandoff::fetch(&control, [&seen] { return int(seen.size()); });
            platform::UiHandoff::post(&control, [&seen] { seen << QStringLiteral("after"); });
        });
        thread->setFreeOnTerminate(true);
        thread->launch();
        QTRY_COMPARE(seen, (QStringList{"0", "1", "2", "after"}));
        QCOMPARE(fetched.load(), 3);
    }

    // A read that fails on the UI thread fails in the thread that asked for it,
    // instead of leaving it waiting for ever.
    void failedFetchReachesTheCaller() {
        QObject control;
        std::atomic<bool> caught = false;
        auto *thread = new StepThread(false, [&] {
            try {
                (void)platform::UiHandoff::fetch(&control, []() -> int { throw std::bad_alloc(); });
            } catch (const std::bad_alloc &) {
                caught = true;
            }
        });
        thread->launch();
        QTRY_VERIFY(caught.load());
        QTRY_VERIFY(thread->isSuspended());
    }

    // At exit the UI thread no longer answers: a thread waiting for a control, held,
    // suspended or asleep is stopped all the same.
    void stopAllEndsEveryWait() {
        QObject control;
        std::atomic<bool> asking = false, answered = false;
        auto *waitingForUi = new StepThread(false, [&] {
            asking = true;
            (void)platform::UiHandoff::fetch(&control, [] { return 1; });
            answered = true;
        });
        auto *held = new StepThread(true, [] {});
        waitingForUi->launch();
        held->launch();
        // Events are not processed here, so the fetch stays unanswered.
        while (!asking)
            QThread::yieldCurrentThread();
        QThread::msleep(20);
        platform::SuspendableThread::stopAll();
        // It returned, so both threads ended (and were deleted); the fetch never answered.
        QVERIFY(!answered);
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(tst_SuspendableThread)
#include "tst_suspendable_thread.moc"
