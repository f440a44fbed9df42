#pragma once

#include <utility>

namespace Ko {

// Where the altitude-azimuth tracking loop reports each controller step, so that a developer can
// watch the error terms and the output while tuning the gains.
// Threads: any thread.
class IAZTrackingLogger {
public:
    virtual ~IAZTrackingLogger() = default;

    // Clears every stored sample; the arguments describe the run and are not kept.
    virtual void reset(double periodSec, double p, double i, double d) = 0;
    // One sample per channel, each a pair (axis 1, axis 2); tSec is the time since the loop's
    // reference and is not kept.
    virtual void log(double tSec, double errP1, double errP2, double errI1, double errI2,
                     double errD1, double errD2, std::pair<double, double> pidOut) = 0;
};

} // namespace Ko
