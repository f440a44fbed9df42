#pragma once

#include <QObject>

namespace Ko {

// How the current mount tracks, as the tracking page offers it. Seen by QML as "TrackingStatus".
// Threads: any thread.
struct TrackingStatus_ {
    Q_GADGET
public:
    enum E : int { Idle = 0, Sidereal = 1, Lunar = 2, Solar = 3, PointAndTrack = 4 };
    Q_ENUM(E)
};

} // namespace Ko
