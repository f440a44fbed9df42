#pragma once

#include <QtCore/qobjectdefs.h>

namespace Ko {

// Which user objects a list keeps: celestial (right ascension and declination) or terrestrial
// (mount axis angles). Seen by QML as "UserObjectMode".
// Threads: any thread.
struct UserObjectMode_ {
    Q_GADGET
public:
    enum E : int { CE = 0, TE = 1 };
    Q_ENUM(E)
};

} // namespace Ko
