#pragma once

#include <QtCore/qobjectdefs.h>

namespace Ko {

// How the mount works: equatorial or altitude-azimuth. Seen by QML as "MountMode"; stored and
// packed as its integer value.
// Threads: any thread.
struct MountMode_ {
    Q_GADGET
public:
    enum E : int { EQ = 0, AZ = 1 };
    Q_ENUM(E)
};

} // namespace Ko
