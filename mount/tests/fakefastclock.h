#pragma once

#include "base/cancellable.h"
#include "base/clock.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

namespace Ko {

// Time on a mount that runs kFastSpeedUp times as fast as the wall clock: the application clock
// and the sleeps of the task threads agree, so a GoTo of twenty seconds is over in two.
inline constexpr int64_t kFastSpeedUp = 10;

// Any thread. Runs scale times as fast as the wall clock. freeze() stops the time where it is, for
// every reader, until resume() lets it run on from there: what the test reads in between (the
// mount's axes, the turning sky) holds still.
class FakeFastClock : public IClock {
public:
    explicit FakeFastClock(int64_t startMs, int64_t scale = kFastSpeedUp)
        : m_scale(scale), m_startMs(startMs) {}
    int64_t nowMs() const override {
        std::lock_guard lock(m_mutex);
        return m_frozenAt ? *m_frozenAt : runningNowLocked();
    }
    void freeze() {
        std::lock_guard lock(m_mutex);
        if (!m_frozenAt)
            m_frozenAt = runningNowLocked();
    }
    void resume() {
        std::lock_guard lock(m_mutex);
        if (!m_frozenAt)
            return;
        m_startMs = *m_frozenAt;
        m_start = std::chrono::steady_clock::now();
        m_frozenAt.reset();
    }

private:
    int64_t runningNowLocked() const {
        const auto wall = std::chrono::steady_clock::now() - m_start;
        return m_startMs +
               std::chrono::duration_cast<std::chrono::microseconds>(wall).count() * m_scale / 1000;
    }

    const int64_t m_scale;
    mutable std::mutex m_mutex;
    // Guarded by m_mutex.
    int64_t m_startMs;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::optional<int64_t> m_frozenAt;
};

// The thread-context token of the task threads, its sleeps shortened to keep pace with a clock of
// the same scale (rounded up, so that a wake-up never comes before the clock reached the time).
class FakeFastTCCancellable : public ITCCancellable, public ICancellableThreadContext {
public:
    explicit FakeFastTCCancellable(int64_t scale = kFastSpeedUp) : m_scale(scale) {}
    bool isCancelled() override { return m_inner.isCancelled(); }
    bool sleep(int64_t ms) override {
        return m_inner.sleep(ms <= 0 ? 0 : (ms + m_scale - 1) / m_scale);
    }
    std::shared_ptr<ICancellable> current() override { return m_inner.current(); }
    void setCurrent(std::shared_ptr<ICancellable> token) override { m_inner.setCurrent(token); }

private:
    const int64_t m_scale;
    TCCancellable m_inner{std::make_shared<NullCancellable>()};
};

} // namespace Ko
