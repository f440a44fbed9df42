#include "base/cancellable.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace Ko {

bool ControlledCancellable::isCancelled() {
    return m_cancelled.load();
}

void ControlledCancellable::cancel() {
    {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_cv.notify_all();
}

bool ControlledCancellable::sleep(int64_t ms) {
    using namespace std::chrono;
    std::unique_lock lock(m_mutex);
    const auto start = system_clock::now();
    if (ms < 1)
        return false;
    int64_t remaining = ms;
    for (;;) {
        // Waits in slices of at most 500 ms, measuring the total on the wall clock.
        const auto deadline = steady_clock::now() + milliseconds(std::min<int64_t>(remaining, 500));
        if (m_cv.wait_until(lock, deadline, [this] { return m_cancelled.load(); }))
            return true;
        if (m_cancelled)
            return true;
        const auto elapsed = duration_cast<milliseconds>(system_clock::now() - start).count();
        remaining = ms - elapsed;
        if (remaining <= 0)
            return false;
    }
}

bool NullCancellable::sleep(int64_t ms) {
    using namespace std::chrono;
    if (ms < 1)
        return false;
    constexpr int64_t kLargest = 9223372036000;
    if (ms >= kLargest)
        std::this_thread::sleep_for(nanoseconds::max());
    else
        std::this_thread::sleep_for(milliseconds(ms));
    return false;
}

namespace {
thread_local std::shared_ptr<ICancellable> t_current;
}

TCCancellable::TCCancellable(std::shared_ptr<ICancellable> fallback)
    : m_fallback(std::move(fallback)) {}

std::shared_ptr<ICancellable> TCCancellable::target() {
    return t_current ? t_current : m_fallback;
}

bool TCCancellable::isCancelled() {
    const auto t = target();
    return t && t->isCancelled();
}

bool TCCancellable::sleep(int64_t ms) {
    const auto t = target();
    return t ? t->sleep(ms) : false;
}

std::shared_ptr<ICancellable> TCCancellable::current() {
    return t_current;
}

void TCCancellable::setCurrent(std::shared_ptr<ICancellable> token) {
    t_current = std::move(token);
}

} // namespace Ko
