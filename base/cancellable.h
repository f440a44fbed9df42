#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace Ko {

// A token that long-running work asks whether it should stop, and sleeps on so that a cancel
// wakes it at once. sleep returns true when the token is (or becomes) cancelled.
// Threads: any thread.
class ICancellable {
public:
    virtual ~ICancellable() = default;
    virtual bool isCancelled() = 0;
    virtual bool sleep(int64_t ms) = 0;
};

class ICanceller {
public:
    virtual ~ICanceller() = default;
    virtual void cancel() = 0;
};

class ITCCancellable : public ICancellable {
public:
    virtual std::shared_ptr<ICancellable> current() = 0;
    virtual void setCurrent(std::shared_ptr<ICancellable> token) = 0;
};

class ICancellableThreadContext {
public:
    virtual ~ICancellableThreadContext() = default;
    virtual void setCurrent(std::shared_ptr<ICancellable> token) = 0;
};

class ControlledCancellable : public ICancellable, public ICanceller {
public:
    bool isCancelled() override;
    bool sleep(int64_t ms) override;
    void cancel() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::atomic<bool> m_cancelled{false};
};

class NullCancellable : public ICancellable {
public:
    bool isCancelled() override { return false; }
    bool sleep(int64_t ms) override;
};

// Forwards to the calling thread's current token, or to the fallback when the thread has none.
// The current token is per thread and shared by every instance.
class TCCancellable : public ITCCancellable, public ICancellableThreadContext {
public:
    explicit TCCancellable(std::shared_ptr<ICancellable> fallback);
    bool isCancelled() override;
    bool sleep(int64_t ms) override;
    std::shared_ptr<ICancellable> current() override;
    void setCurrent(std::shared_ptr<ICancellable> token) override;

private:
    std::shared_ptr<ICancellable> target();
    std::shared_ptr<ICancellable> m_fallback;
};

} // namespace Ko
