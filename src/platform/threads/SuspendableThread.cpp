#include "threads/SuspendableThread.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

std::mutex liveThreadsMutex;
std::vector<SuspendableThread *> liveThreads;
thread_local SuspendableThread *runningThread = nullptr;

} // namespace

SuspendableThread::SuspendableThread(bool createSuspended) {
    waitState_->suspended = createSuspended;
    std::lock_guard lock(liveThreadsMutex);
    liveThreads.push_back(this);
}

SuspendableThread::~SuspendableThread() {
    std::lock_guard lock(liveThreadsMutex);
    std::erase(liveThreads, this);
}

void SuspendableThread::launch() {
    if (freeOnTerminate_)
        connect(this, &QThread::finished, this, &QObject::deleteLater);
    start(priority_);
}

void SuspendableThread::setPriorityLevel(QThread::Priority priority) {
    priority_ = priority;
    if (isRunning())
        setPriority(priority_);
}

bool SuspendableThread::isSuspended() const {
    std::lock_guard lock(waitState_->mutex);
    return waitState_->suspended;
}

bool SuspendableThread::resume() {
    std::lock_guard lock(waitState_->mutex);
    if (!waitState_->suspended)
        return false;
    waitState_->suspended = false;
    waitState_->changed.notify_all();
    return true;
}

void SuspendableThread::suspendSelf() {
    std::unique_lock lock(waitState_->mutex);
    waitState_->suspended = true;
    waitState_->changed.wait(lock,
                             [this] { return !waitState_->suspended || waitState_->stopping; });
    if (waitState_->stopping)
        throw ThreadStopped{};
}

void SuspendableThread::pause(std::chrono::milliseconds duration) {
    std::unique_lock lock(waitState_->mutex);
    if (waitState_->changed.wait_for(lock, duration, [this] { return waitState_->stopping; }))
        throw ThreadStopped{};
}

void SuspendableThread::run() {
    runningThread = this;
    try {
        bool stopped;
        {
            std::unique_lock lock(waitState_->mutex);
            waitState_->changed.wait(
                lock, [this] { return !waitState_->suspended || waitState_->stopping; });
            stopped = waitState_->stopping;
        }
        if (!stopped)
            execute();
    } catch (const ThreadStopped &) {
    }
    std::lock_guard lock(waitState_->mutex);
    waitState_->finished = true;
    waitState_->changed.notify_all();
}

void SuspendableThread::requestStop() {
    std::lock_guard lock(waitState_->mutex);
    waitState_->stopping = true;
    waitState_->changed.notify_all();
}

SuspendableThread *SuspendableThread::current() {
    return runningThread;
}

void SuspendableThread::stopAll() {
    std::vector<SuspendableThread *> threads;
    {
        std::lock_guard lock(liveThreadsMutex);
        threads = liveThreads;
    }
    for (SuspendableThread *thread : threads)
        thread->requestStop();
    // The threads are the process's: they end with it, and nothing holds them after.
    for (SuspendableThread *thread : threads) {
        // Seen through the mutex, the body's end comes before the deletion also for
        // a race detector, which does not see into QThread::wait().
        {
            std::unique_lock lock(thread->waitState_->mutex);
            thread->waitState_->changed.wait(
                lock, [&] { return thread->waitState_->finished || !thread->isRunning(); });
        }
        thread->wait();
        delete thread;
    }
}

} // namespace platform
