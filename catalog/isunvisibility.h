#pragma once

#include "base/nullable.h"
#include "catalog/astroobj.h"

#include <QObject>

namespace Ko {

// Where the Sun is, for the GoTo guard and the eye-safety banner.
// Threads: any thread.
class ISunVisibility : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The separation in radians between a position of date and the Sun when it is at most
    // 5 degrees (or not a number), otherwise empty.
    virtual Nullable<double> isTooCloseToSun(const CoordPair& raDecNow) = 0;
    // The Sun's altitude now is above 0.
    Q_INVOKABLE virtual bool sunAboveHorizon() = 0;
};

} // namespace Ko
