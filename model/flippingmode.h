#pragma once

#include <QtCore/qobjectdefs.h>

namespace Ko {

// The pier-side choice of an equatorial mount: chosen from the hour angle (Auto), or forced to
// the normal (No) or the flipped side (Yes). Seen by QML as "FlippingMode".
// Threads: any thread.
struct FlippingMode_ {
    Q_GADGET
public:
    enum E : int { Auto = 0, No = 1, Yes = 2 };
    Q_ENUM(E)
};

} // namespace Ko
