// A value that the host's threads share: every read and write is one whole, unordered access.
#pragma once

#include <atomic>

template <class T> class Relaxed {
public:
    static_assert(std::atomic<T>::is_always_lock_free && sizeof(std::atomic<T>) == sizeof(T));

    constexpr Relaxed(T initial = T{}) noexcept : value(initial) {}
    Relaxed(const Relaxed&) = delete;
    Relaxed& operator=(const Relaxed&) = delete;

    operator T() const noexcept { return value.load(std::memory_order_relaxed); }
    Relaxed& operator=(T v) noexcept {
        value.store(v, std::memory_order_relaxed);
        return *this;
    }

private:
    std::atomic<T> value;
};
