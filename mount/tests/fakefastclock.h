#pragma once

#include "base/cancellable.h"
#include "base/clock.h"

#include <chrono>
#include <cstdint>
#include <memory>

namespace Ko {

// Time on a mount that runs kFastSpeedUp times as fast as the wall clock: the application clock
// and the sleeps of the task threads agree, so a GoTo of twenty seconds is over in two.
inline constexpr int64_t kFastSpeedUp = 10;

class FakeFastClock : public IClock {
public:
    explicit FakeFastClock(int64_t startMs) : m_startMs(startMs) {}
    int64_t nowMs() const override {
        const auto wall = std::chrono::steady_clock::now() - m_start;
        return m_startMs +
               std::chrono::duration_cast<std::chrono::milliseconds>(wall).count() * kFastSpeedUp;
    }

private:
    const int64_t m_startMs;
    const std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

// The thread-context token of the task threads, its sleeps shortened to keep pace.
class FakeFastTCCancellable : public ITCCancellable, public ICancellableThreadContext {
public:
    bool isCancelled() override { return m_inner.isCancelled(); }
    bool sleep(int64_t ms) override {
        return m_inner.sleep((ms + kFastSpeedUp - 1) / kFastSpeedUp);
    }
    std::shared_ptr<ICancellable> current() override { return m_inner.current(); }
    void setCurrent(std::shared_ptr<ICancellable> token) override { m_inner.setCurrent(token); }

private:
    TCCancellable m_inner{std::make_shared<NullCancellable>()};
};

} // namespace Ko
