#pragma once

#include <ctime>
#include <string>

namespace Ko {

// Display texts of times, angles, coordinates and compass directions, as UTF-8. Angles are
// radians; longitude is positive west.
// Threads: any thread.
class IAstroFormat {
public:
    virtual ~IAstroFormat() = default;

    // hh:mmAM or hh:mmPM on the 12-hour clock.
    virtual std::string formatTimeOfDay12h(double hours) const = 0;
    virtual std::string formatDateTimeWithZone(std::tm time) const = 0;
    virtual std::string formatTime(std::tm time) const = 0;
    // The angle as a position on a 12-hour dial (a full turn is 12 hours), hh:mm.
    virtual std::string formatClockPosition(double angle) const = 0;
    virtual std::string formatOneDecimal(float value) const = 0;
    virtual std::string formatDegMin(double angle) const = 0;
    virtual std::string formatHourMin(double angle) const = 0;
    virtual std::string formatHourMinSec(double angle) const = 0;
    virtual std::string formatRaDec(double ra, double dec) const = 0;
    virtual std::string formatAzAltWholeDegrees(double az, double alt) const = 0;
    virtual std::string formatAzAlt(double az, double alt) const = 0;
    virtual std::string formatAzAltWithCardinal(double az, double alt) const = 0;
    virtual std::string formatSignedPair(double a, double b) const = 0;
    virtual std::string formatLongitude(double longitude) const = 0;
    virtual std::string formatLatitude(double latitude) const = 0;
};

} // namespace Ko
