// A thread that can be created held, suspend itself and be resumed, carries the
// suspended mark, and frees itself when its body ends: what the program's three
// threads are built on. Every wait of such a thread (held, suspended, asleep, or
// waiting for a control's value) ends early when the program stops its threads,
// so that the window is never destroyed under a thread that still uses it.
#pragma once

#include <QThread>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace platform {

// Thrown out of a wait when the program stops its threads; unwinds the body.
struct ThreadStopped {};

class SuspendableThread : public QThread {
public:
    explicit SuspendableThread(bool createSuspended);
    ~SuspendableThread() override;

    // Creates the operating-system thread. A thread created suspended is held there
    // until the first resume(); otherwise its body runs at once.
    void launch();

    // The priority its body runs at; may change while it runs.
    void setPriorityLevel(QThread::Priority priority);
    // Whether the thread deletes itself when its body ends; set before launch().
    void setFreeOnTerminate(bool free) { freeOnTerminate_ = free; }

    // The suspended mark: true while held or suspended, false while running.
    [[nodiscard]] bool isSuspended() const;
    // Lets a suspended thread run again and returns true; returns false and does
    // nothing while it runs. A resume that finds the mark set always wakes it.
    bool resume();

    // Stops every thread of this class, waits for each and deletes it: at exit,
    // before the window goes.
    static void stopAll();

    // The thread running the calling code, or null on a thread of another kind.
    [[nodiscard]] static SuspendableThread *current();

    // What every wait of one thread waits on; shared with calls it posted elsewhere,
    // which may answer after the thread stopped waiting.
    struct WaitState {
        std::mutex mutex;
        std::condition_variable changed;
        bool suspended = false;
        bool stopping = false;
        bool finished = false;
    };
    [[nodiscard]] std::shared_ptr<WaitState> waitState() const { return waitState_; }

protected:
    // The thread's body.
    virtual void execute() = 0;

    // Sets the mark and waits until resumed.
    void suspendSelf();
    // A plain sleep of the thread.
    void pause(std::chrono::milliseconds duration);

private:
    void run() final;
    void requestStop();

    std::shared_ptr<WaitState> waitState_ = std::make_shared<WaitState>();
    bool freeOnTerminate_ = false;
    QThread::Priority priority_ = QThread::NormalPriority;
};

} // namespace platform
