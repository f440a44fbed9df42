#include "mount/testaztracking.h"

#include "mount/tasks/aztrackinglogger.h"

namespace Ko {

TestAZTracking::TestAZTracking(QObject* parent)
    : QObject(parent), m_logger(AZTrackingTuning::ensureLogger()) {
    m_logger->setNotify([this] { emit streamChanged(); });
}

TestAZTracking::~TestAZTracking() {
    // The logger outlives the page; once this returns, no task thread is inside our callback.
    m_logger->setNotify({});
}

double TestAZTracking::p() const {
    return AZTrackingTuning::p();
}
double TestAZTracking::i() const {
    return AZTrackingTuning::i();
}
double TestAZTracking::d() const {
    return AZTrackingTuning::d();
}

QVariantList TestAZTracking::streamChannels() const {
    return {QStringLiteral("err P"), QStringLiteral("err I"), QStringLiteral("err D"),
            QStringLiteral("pidOut")};
}

void TestAZTracking::setP(double value) {
    AZTrackingTuning::setP(value);
    emit pChanged();
}
void TestAZTracking::setI(double value) {
    AZTrackingTuning::setI(value);
    emit iChanged();
}
void TestAZTracking::setD(double value) {
    AZTrackingTuning::setD(value);
    emit dChanged();
}

double TestAZTracking::streamValue(int channelIndex, int index, int axis) const {
    return m_logger->sample(channelIndex, index, axis);
}

} // namespace Ko
