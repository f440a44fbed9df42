#include "base/threadpool.h"

ThreadPool::ThreadPool(size_t threads) {
    workers.reserve(threads);
    try {
        for (size_t i = 0; i < threads; ++i)
            workers.emplace_back([this] { workerLoop(); });
    } catch (const std::system_error& e) {
        {
            std::lock_guard lock(queue_mutex);
            stop = true;
        }
        condition.notify_all();
        for (auto& w : workers)
            w.join();
        throw std::system_error(e.code(), "thread constructor failed");
    }
}

ThreadPool::~ThreadPool() {
    {
        std::lock_guard lock(queue_mutex);
        stop = true;
    }
    condition.notify_all();
    for (auto& w : workers)
        w.join();
}

void ThreadPool::workerLoop() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(queue_mutex);
            condition.wait(lock, [this] { return stop || !tasks.empty(); });
            if (stop && tasks.empty())
                return;
            job = std::move(tasks.front());
            tasks.pop_front();
        }
        job();
    }
}
