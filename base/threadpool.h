#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <type_traits>
#include <vector>

namespace Ko {

// Runs fn and hands its value, or what it threw, to promise. The function runs before the
// promise is touched on purpose: a std::packaged_task or std::async runs it inside the standard
// library's call_once, and ThreadSanitizer ignores every access made inside an interceptor that
// uninstrumented code calls, so races of the job itself went unseen.
template <class R, class F>
void fulfil(std::promise<R>& promise, F& fn) {
    try {
        if constexpr (std::is_void_v<R>) {
            fn();
            promise.set_value();
        } else {
            promise.set_value(fn());
        }
    } catch (...) {
        promise.set_exception(std::current_exception());
    }
}

} // namespace Ko

// A fixed set of workers over a FIFO queue. Built with one worker it is a serial background
// queue: jobs run one at a time in submission order. Destruction runs every job already queued.
// Threads: any thread, except the destructor, which must not run on one of its own workers.
class ThreadPool {
public:
    explicit ThreadPool(size_t threads);
    ~ThreadPool();
    ThreadPool(const ThreadPool&) = delete;
    ThreadPool& operator=(const ThreadPool&) = delete;

    template <class F, class... Args>
    auto enqueue(F&& f, Args&&... args) -> std::future<std::invoke_result_t<F, Args...>>;

private:
    void workerLoop();

    std::vector<std::thread> workers;
    std::deque<std::function<void()>> tasks;
    std::mutex queue_mutex;
    std::condition_variable condition;
    bool stop = false;
};

template <class F, class... Args>
auto ThreadPool::enqueue(F&& f, Args&&... args) -> std::future<std::invoke_result_t<F, Args...>> {
    using R = std::invoke_result_t<F, Args...>;
    auto bound = [fn = std::forward<F>(f), ... a = std::forward<Args>(args)]() mutable -> R {
        return std::invoke(std::move(fn), std::move(a)...);
    };
    // Shared, so that the queued job stays copyable for std::function with a move-only f.
    auto call = std::make_shared<decltype(bound)>(std::move(bound));
    auto promise = std::make_shared<std::promise<R>>();
    std::future<R> result = promise->get_future();
    {
        std::unique_lock lock(queue_mutex);
        if (stop)
            throw std::runtime_error("enqueue on stopped ThreadPool");
        tasks.emplace_back([promise, call] { Ko::fulfil(*promise, *call); });
    }
    condition.notify_one();
    return result;
}
