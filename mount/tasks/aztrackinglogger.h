#pragma once

#include "mount/tasks/iaztrackinglogger.h"

#include <array>
#include <functional>
#include <memory>
#include <mutex>

namespace Ko {

// The newest eight samples of each of four channels ("err P", "err I", "err D", "pidOut"), written
// by the tracking task's thread and read by the test page on the main thread. After every sample
// the notify callback runs on the writer's thread. m_mutex guards the rings and the write
// position; m_notifyMutex guards the callback and is held while it runs, so that a caller of
// setNotify may destroy the old callback's target once setNotify has returned.
// Threads: any thread.
class AZTrackingLogger : public IAZTrackingLogger {
public:
    static constexpr int kChannels = 4;
    static constexpr int kRingSize = 8;

    void reset(double periodSec, double p, double i, double d) override;
    void log(double tSec, double errP1, double errP2, double errI1, double errI2, double errD1,
             double errD2, std::pair<double, double> pidOut) override;

    // index 0 is the newest sample, 1 the one before it, and so on around the ring; axis 0 is
    // axis 1. A channel or axis out of range reads 0.0.
    double sample(int channel, int index, int axis) const;
    void setNotify(std::function<void()> notify);

private:
    using Sample = std::pair<double, double>;

    mutable std::mutex m_mutex;
    std::array<std::array<Sample, kRingSize>, kChannels> m_rings{};
    // The next slot to write, shared by the four channels.
    int m_writePosition = 0;

    std::mutex m_notifyMutex;
    std::function<void()> m_notify;
};

// The gains of the tracking loop and its logger, one of each per process: the test page changes
// them on the main thread while a tracking task reads them at every step. The gains are atomic;
// the logger pointer is guarded by a lock, so a task never sees it half-written.
namespace AZTrackingTuning {
inline constexpr double kDefaultP = 0.05;
inline constexpr double kDefaultI = 0.05;
inline constexpr double kDefaultD = 0.0;

double p();
double i();
double d();
void setP(double value);
void setI(double value);
void setD(double value);

// Empty until the first test page makes one.
std::shared_ptr<IAZTrackingLogger> logger();
// The process's logger, made on the first call.
std::shared_ptr<AZTrackingLogger> ensureLogger();
} // namespace AZTrackingTuning

} // namespace Ko
