#pragma once

#include "astro/iastroformat.h"

#include <memory>

namespace Ko {

class ILanguageManager;

// Compass letters and the latitude and longitude pattern are translated in the context
// "cardinal_direction"; time texts use the locale of the current language.
// Threads: any thread.
class QAstroFormat : public IAstroFormat {
public:
    explicit QAstroFormat(std::shared_ptr<ILanguageManager> languageManager);

    std::string formatTimeOfDay12h(double hours) const override;
    std::string formatDateTimeWithZone(std::tm time) const override;
    std::string formatTime(std::tm time) const override;
    std::string formatClockPosition(double angle) const override;
    std::string formatOneDecimal(float value) const override;
    std::string formatDegMin(double angle) const override;
    std::string formatHourMin(double angle) const override;
    std::string formatHourMinSec(double angle) const override;
    std::string formatRaDec(double ra, double dec) const override;
    std::string formatAzAltWholeDegrees(double az, double alt) const override;
    std::string formatAzAlt(double az, double alt) const override;
    std::string formatAzAltWithCardinal(double az, double alt) const override;
    std::string formatSignedPair(double a, double b) const override;
    std::string formatLongitude(double longitude) const override;
    std::string formatLatitude(double latitude) const override;

    // The empty text for a NaN azimuth.
    static std::string cardinalDirection(double az);
    static std::string formatSignedDms(double angle);
    static std::string formatUnsignedDms(double angle);
    static std::string formatTwelveHour(double hours, bool noSuffix);

private:
    std::string formatWithLocale(const std::tm& time, const char* pattern) const;

    std::shared_ptr<ILanguageManager> m_languageManager;
};

} // namespace Ko
