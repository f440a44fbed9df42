#include "mount/tasks/aztrackinglogger.h"

#include <atomic>

namespace Ko {

void AZTrackingLogger::reset(double, double, double, double) {
    std::lock_guard lock(m_mutex);
    for (auto& ring : m_rings)
        ring.fill(Sample{0.0, 0.0});
}

void AZTrackingLogger::log(double, double errP1, double errP2, double errI1, double errI2,
                           double errD1, double errD2, std::pair<double, double> pidOut) {
    {
        std::lock_guard lock(m_mutex);
        const std::array<Sample, kChannels> samples = {Sample{errP1, errP2}, Sample{errI1, errI2},
                                                       Sample{errD1, errD2}, pidOut};
        for (int c = 0; c < kChannels; ++c)
            m_rings[c][m_writePosition] = samples[c];
        m_writePosition = (m_writePosition + 1) % kRingSize;
    }
    std::lock_guard lock(m_notifyMutex);
    if (m_notify)
        m_notify();
}

double AZTrackingLogger::sample(int channel, int index, int axis) const {
    if (channel < 0 || channel >= kChannels || axis < 0 || axis > 1)
        return 0.0;
    std::lock_guard lock(m_mutex);
    // The newest sample sits just before the write position; an index past the ring wraps.
    const int slot = ((m_writePosition - 1 - index) % kRingSize + kRingSize) % kRingSize;
    const Sample& s = m_rings[channel][slot];
    return axis == 0 ? s.first : s.second;
}

void AZTrackingLogger::setNotify(std::function<void()> notify) {
    std::lock_guard lock(m_notifyMutex);
    m_notify = std::move(notify);
}

namespace AZTrackingTuning {
namespace {
std::atomic<double> g_p{kDefaultP};
std::atomic<double> g_i{kDefaultI};
std::atomic<double> g_d{kDefaultD};
std::mutex g_loggerMutex;
std::shared_ptr<AZTrackingLogger> g_logger;
} // namespace

double p() {
    return g_p.load();
}
double i() {
    return g_i.load();
}
double d() {
    return g_d.load();
}
void setP(double value) {
    g_p.store(value);
}
void setI(double value) {
    g_i.store(value);
}
void setD(double value) {
    g_d.store(value);
}

std::shared_ptr<IAZTrackingLogger> logger() {
    std::lock_guard lock(g_loggerMutex);
    return g_logger;
}

std::shared_ptr<AZTrackingLogger> ensureLogger() {
    std::lock_guard lock(g_loggerMutex);
    if (!g_logger)
        g_logger = std::make_shared<AZTrackingLogger>();
    return g_logger;
}
} // namespace AZTrackingTuning

} // namespace Ko
