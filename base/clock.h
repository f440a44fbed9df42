#pragma once

#include <cstdint>
#include <ctime>
#include <memory>

namespace Ko {

// Threads: any thread.
class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since 1970-01-01T00:00:00 UTC.
    virtual int64_t nowMs() const = 0;
};

class IAstroClock {
public:
    virtual ~IAstroClock() = default;
    virtual int64_t nowMs() const = 0;
    virtual double julianDate() const = 0;
    virtual time_t timeT() const = 0;
};

class CRealClock : public IClock {
public:
    int64_t nowMs() const override;
};

class AstroClock : public IAstroClock {
public:
    explicit AstroClock(std::shared_ptr<IClock> clock);
    int64_t nowMs() const override;
    double julianDate() const override;
    time_t timeT() const override;

private:
    std::shared_ptr<IClock> m_clock;
};

double unixMsToJulianDate(int64_t ms);
time_t unixMsToTimeT(int64_t ms);

} // namespace Ko
