#include "mount/testtrailpoints.h"

#include "mount/imountconnection.h"
#include "mount/tasks/trailpointslistmaker.h"

namespace Ko {

TestTrailPoints::TestTrailPoints(std::shared_ptr<IMountConnection> connection, QObject* parent)
    : QObject(parent), m_connection(std::move(connection)) {}

double TestTrailPoints::autoFlipMeridianAbsDeg() const {
    return TrailPointsListMaker::autoFlipMeridianAbsDeg();
}

void TestTrailPoints::setAbsRateDps(double v) {
    m_absRateDps = v;
    emit valueChanged();
}
void TestTrailPoints::setIntervalMs(unsigned v) {
    m_intervalMs = v;
    emit valueChanged();
}
void TestTrailPoints::setHaStartDeg(double v) {
    m_haStartDeg = v;
    emit valueChanged();
}
void TestTrailPoints::setHaEndDeg(double v) {
    m_haEndDeg = v;
    emit valueChanged();
}
void TestTrailPoints::setAutoFlipMeridianAbsDeg(double v) {
    TrailPointsListMaker::setAutoFlipMeridianAbsDeg(v);
    emit valueChanged();
}

void TestTrailPoints::start() {
    IMount* const mount = m_connection->mount();
    if (!mount || !mount->canTrackTrailPoints())
        return;
    mount->setTrailPointsTestRunCountDown(0u);
    mount->trackTrailPointsAsync(
        makeSweepTrailPointsParam(m_absRateDps, m_intervalMs, m_haStartDeg, m_haEndDeg));
}

} // namespace Ko
