#include "base/clock.h"

#include <chrono>

namespace Ko {

int64_t CRealClock::nowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

AstroClock::AstroClock(std::shared_ptr<IClock> clock) : m_clock(std::move(clock)) {}

int64_t AstroClock::nowMs() const {
    return m_clock->nowMs();
}

double AstroClock::julianDate() const {
    return unixMsToJulianDate(nowMs());
}

time_t AstroClock::timeT() const {
    return unixMsToTimeT(nowMs());
}

double unixMsToJulianDate(int64_t ms) {
    return static_cast<double>(ms) / 1000.0 / 86400.0 + 2440587.5;
}

time_t unixMsToTimeT(int64_t ms) {
    using namespace std::chrono;
    return system_clock::to_time_t(system_clock::time_point(microseconds(ms * 1000)));
}

} // namespace Ko
