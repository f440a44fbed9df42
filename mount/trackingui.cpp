#include "mount/trackingui.h"

#include "base/koassert.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

namespace Ko {

TrackingUI::TrackingUI(std::shared_ptr<IMountConnection> connection)
    : m_connection(std::move(connection)),
      m_trackingSubscription(
          m_connection, &IMount::trackingStateChanged, [this] { emit trackingStatusChanged(); },
          [this] { emit trackingStatusChanged(); }) {
    KO_ASSERT(m_connection);
}

TrackingStatus_::E TrackingUI::trackingStatus() const {
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    if (!mount)
        return TrackingStatus_::Idle;
    // What the mount took, not what was asked: a choice that has not reached it is not shown.
    const IMount::AcknowledgedTracking tracking = mount->acknowledgedTracking();
    if (!tracking.on)
        return TrackingStatus_::Idle;
    const Nullable<TrackingRate> rate = tracking.rate;
    if (!rate.hasValue())
        return TrackingStatus_::PointAndTrack;
    switch (rate.value()) {
    case TrackingRate::Solar:
        return TrackingStatus_::Solar;
    case TrackingRate::Lunar:
        return TrackingStatus_::Lunar;
    default:
        return TrackingStatus_::Sidereal;
    }
}

QString TrackingUI::pointAndTrackTarget() const {
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    const Nullable<MountTarget> target =
        mount ? mount->acknowledgedTracking().target : Nullable<MountTarget>();
    return target.hasValue() ? QString::fromStdString(target.value().name) : QString();
}

void TrackingUI::setTrackingStatus(TrackingStatus_::E status) {
    const std::shared_ptr<IMount> mount = m_connection->sharedMount();
    if (!mount || status == TrackingStatus_::PointAndTrack)
        return;
    if (status == TrackingStatus_::Idle) {
        mount->setTrackingEnabled(false);
        return;
    }
    switch (status) {
    case TrackingStatus_::Lunar:
        mount->setTrackingRate(TrackingRate::Lunar);
        break;
    case TrackingStatus_::Solar:
        mount->setTrackingRate(TrackingRate::Solar);
        break;
    default:
        mount->setTrackingRate(TrackingRate::Sidereal);
        break;
    }
    mount->setTrackingEnabled(true);
}

} // namespace Ko
