#pragma once

#include "base/nullable.h"
#include "mount/tasks/trailpoints.h"

#include <QObject>

#include <cstdint>

namespace Ko {

// One connected mount, as far as the trail-points test page uses it.
class IMount : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canTrackTrailPoints READ canTrackTrailPoints CONSTANT)
public:
    using QObject::QObject;

    // The firmware has the extended commands that timed targets need.
    virtual bool canTrackTrailPoints() const = 0;
    // Applies to the next run only: it starts countDown / 1000 ms after it is asked for.
    virtual void setTrailPointsTestRunCountDown(Nullable<uint32_t> countDown) = 0;
    // Takes the request over and starts the run; progress and end arrive through the mount's
    // trail-point notifications.
    virtual void trackTrailPointsAsync(TrailPointsParam&& param) = 0;
};

} // namespace Ko
