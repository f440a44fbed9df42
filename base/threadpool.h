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
    auto task = std::make_shared<std::packaged_task<R()>>(
        [fn = std::forward<F>(f), ... a = std::forward<Args>(args)]() mutable -> R {
            return std::invoke(std::move(fn), std::move(a)...);
        });
    std::future<R> result = task->get_future();
    {
        std::unique_lock lock(queue_mutex);
        if (stop)
            throw std::runtime_error("enqueue on stopped ThreadPool");
        tasks.emplace_back([task] { (*task)(); });
    }
    condition.notify_one();
    return result;
}
