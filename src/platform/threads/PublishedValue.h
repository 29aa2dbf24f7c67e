// A value a control publishes for other threads to read at any moment without a
// round trip to the UI thread.
#pragma once

#include <atomic>

namespace platform {

// For reads too frequent to carry to the UI thread one by one.
template <class T> class PublishedValue {
    static_assert(std::atomic<T>::is_always_lock_free);

public:
    explicit PublishedValue(T value)
        : value_(value) {}
    void publish(T value) { value_.store(value, std::memory_order_relaxed); }
    [[nodiscard]] T current() const { return value_.load(std::memory_order_relaxed); }

private:
    std::atomic<T> value_;
};

} // namespace platform
