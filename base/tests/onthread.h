#pragma once

// Runs a function on a thread of its own for a test, as std::async(std::launch::async) does, and
// joins that thread when the result is destroyed. Unlike std::async it does not run the function
// inside the standard library's call_once, where ThreadSanitizer ignores every access, so races
// between the function and the test's thread are reported.
// Threads: any thread; the result is read and destroyed on the caller's thread.

#include "base/threadpool.h"

#include <chrono>
#include <future>
#include <thread>
#include <type_traits>
#include <utility>

namespace Ko {

template <class R>
class ThreadFuture : public std::future<R> {
public:
    ThreadFuture(std::future<R> future, std::thread thread)
        : std::future<R>(std::move(future)), m_thread(std::move(thread)) {}
    ThreadFuture(ThreadFuture&&) noexcept = default;
    ThreadFuture& operator=(ThreadFuture&&) = delete;
    ~ThreadFuture() {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};

template <class F>
auto onThread(F f) {
    using R = std::invoke_result_t<F&>;
    std::promise<R> promise;
    std::future<R> future = promise.get_future();
    std::thread thread(
        [f = std::move(f), promise = std::move(promise)]() mutable { fulfil(promise, f); });
    return ThreadFuture<R>(std::move(future), std::move(thread));
}

template <class T>
bool isReady(const std::future<T>& f) {
    return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

} // namespace Ko
