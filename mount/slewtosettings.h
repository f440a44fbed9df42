#pragma once

#include <atomic>

namespace Ko {

// The GoTo tolerance of one mount: written when the mount is prepared after connecting, read by
// the slew-to task at every pass on its own thread, hence atomic.
// Threads: any thread.
struct SlewToSettings {
    // 2 arc-minutes, until the connect preparation sets the mount's own.
    static constexpr double kDefaultToleranceRad = 0.0005817764173314432;

    std::atomic<double> toleranceRad{kDefaultToleranceRad};
};

} // namespace Ko
