#pragma once

#include "base/clock.h"

#include <atomic>
#include <cstdint>

namespace Ko {

// A clock that stands still until the test moves it; starts at 1000 ms.
class FakeClock : public IClock {
public:
    int64_t nowMs() const override { return m_now.load(); }
    void set(int64_t ms) { m_now.store(ms); }
    void advance(int64_t ms) { m_now.fetch_add(ms); }

private:
    std::atomic<int64_t> m_now{1000};
};

} // namespace Ko
