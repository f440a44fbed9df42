#pragma once

#include "mount/currentmountsubscription.h"
#include "mount/trackingstatus.h"

#include <QObject>
#include <QString>

#include <memory>

namespace Ko {

class IMountConnection;

// The tracking page: whether and how the current mount tracks, the choice of off, sidereal,
// lunar or solar, and the name of the object a point-and-track follows. Holds no tracking state
// of its own: everything is read from and written to the mount, and the page hears of a change
// through the mount's tracking notification or a change of mount. It shows tracking as the mount
// acknowledged it: a choice made while the link is dead shows once the mount has taken it.
// Threads: main thread only for the getters and the setter; trackingStatusChanged may be emitted
// from any thread.
class TrackingUI : public QObject {
    Q_OBJECT
    Q_PROPERTY(
        Ko::TrackingStatus_::E trackingStatus READ trackingStatus NOTIFY trackingStatusChanged)
    Q_PROPERTY(QString pointAndTrackTarget READ pointAndTrackTarget NOTIFY trackingStatusChanged)
public:
    explicit TrackingUI(std::shared_ptr<IMountConnection> connection);

    TrackingStatus_::E trackingStatus() const;
    QString pointAndTrackTarget() const;
    // PointAndTrack is started from an object's page, not here: it changes nothing.
    Q_INVOKABLE void setTrackingStatus(Ko::TrackingStatus_::E status);

signals:
    void trackingStatusChanged();

private:
    const std::shared_ptr<IMountConnection> m_connection;
    // Last: ended first, so no notification reaches a page that is being destroyed.
    CurrentMountSubscription m_trackingSubscription;
};

} // namespace Ko
