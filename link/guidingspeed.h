#pragma once

#include <QtCore/qobjectdefs.h>

namespace Ko {

// The autoguider-port speed of an axis as a fraction of the sidereal rate. Seen by QML as
// "GuidingSpeed"; stored settings keep it as its integer value.
// Threads: any thread.
struct GuidingSpeed_ {
    Q_GADGET
public:
    enum E : int { X125 = 0, X25 = 1, X5 = 2, X75 = 3, Sidereal = 4 };
    Q_ENUM(E)
};

} // namespace Ko
