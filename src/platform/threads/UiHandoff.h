// The one way the program's threads reach the window's controls: every access is
// carried to the control's own (the UI) thread. Writes are queued and run there in
// the order they were posted, also across controls; a read waits for the control's
// value at that moment. Called on the UI thread itself, both act at once.
#pragma once

#include "threads/SuspendableThread.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <exception>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

namespace platform {

class UiHandoff {
public:
    template <class Write> static void post(QObject *control, Write &&write) {
        if (control->thread() == QThread::currentThread())
            write();
        else
            QMetaObject::invokeMethod(control, std::forward<Write>(write), Qt::QueuedConnection);
    }

    // A failure of `read` on the UI thread is thrown here, on the calling thread.
    // Throws ThreadStopped when the program stops the calling thread meanwhile.
    template <class Read> static auto fetch(QObject *control, Read &&read) {
        using Value = std::invoke_result_t<Read>;
        if (control->thread() == QThread::currentThread())
            return read();
        SuspendableThread *const caller = SuspendableThread::current();
        Q_ASSERT(caller);
        const auto state = caller->waitState();
        struct Answer {
            std::optional<Value> value;
            std::exception_ptr failure;
        };
        auto answer = std::make_shared<Answer>();
        post(control, [state, answer, read = std::forward<Read>(read)] {
            std::optional<Value> value;
            std::exception_ptr failure;
            try {
                value = read();
            } catch (...) {
                failure = std::current_exception();
            }
            std::lock_guard lock(state->mutex);
            answer->value = std::move(value);
            answer->failure = failure;
            state->changed.notify_all();
        });
        std::unique_lock lock(state->mutex);
        const auto answered = [&] { return answer->value.has_value() || answer->failure; };
        state->changed.wait(lock, [&] { return answered() || state->stopping; });
        if (answer->failure)
            std::rethrow_exception(answer->failure);
        if (!answered())
            throw ThreadStopped{};
        return std::move(*answer->value);
    }
};

} // namespace platform
