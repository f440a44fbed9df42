#pragma once

namespace Ko {

// The angle from true north to magnetic north at the site, degrees, east positive.
// Threads: any thread.
class IMagneticDeclination {
public:
    virtual ~IMagneticDeclination() = default;
    virtual double declination() = 0;
};

} // namespace Ko
