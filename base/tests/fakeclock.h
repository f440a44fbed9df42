#pragma once

#include "base/clock.h"

#include <atomic>
#include <cstdint>

namespace Ko {

// Milliseconds since 1970 at the Julian date jd, to the nearest millisecond.
inline int64_t julianDateToMs(double jd) {
    return static_cast<int64_t>((jd - 2440587.5) * 86400000.0 + 0.5);
}

// A clock that stands still until the test moves it; starts at startMs (1000 unless told).
class FakeClock : public IClock {
public:
    explicit FakeClock(int64_t startMs = 1000) : m_now(startMs) {}
    int64_t nowMs() const override { return m_now.load(); }
    void set(int64_t ms) { m_now.store(ms); }
    void setJulianDate(double jd) { set(julianDateToMs(jd)); }
    void advance(int64_t ms) { m_now.fetch_add(ms); }
    void advanceHours(double hours) { advance(static_cast<int64_t>(hours * 3600000.0)); }

private:
    std::atomic<int64_t> m_now;
};

} // namespace Ko
