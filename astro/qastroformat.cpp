#include "astro/qastroformat.h"

#include "astro/angleutil.h"
#include "base/ilanguagemanager.h"

#include <QCoreApplication>
#include <QString>

#include <cmath>
#include <iomanip>
#include <sstream>

namespace Ko {

namespace {

const char* const kContext = "cardinal_direction";

const char* const kDegree = "\u00B0";
const char* const kMinute = "\u2032";
const char* const kSecond = "\u2033";

const char* const kCompass[9] = {
    QT_TRANSLATE_NOOP("cardinal_direction", "N"), QT_TRANSLATE_NOOP("cardinal_direction", "NE"),
    QT_TRANSLATE_NOOP("cardinal_direction", "E"), QT_TRANSLATE_NOOP("cardinal_direction", "SE"),
    QT_TRANSLATE_NOOP("cardinal_direction", "S"), QT_TRANSLATE_NOOP("cardinal_direction", "SW"),
    QT_TRANSLATE_NOOP("cardinal_direction", "W"), QT_TRANSLATE_NOOP("cardinal_direction", "NW"),
    QT_TRANSLATE_NOOP("cardinal_direction", "N"),
};

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

const char* signChar(int32_t sign) {
    return sign > 0 ? "+" : (sign < 0 ? "-" : " ");
}

std::string dms(const SexagesimalText& t) {
    return t.whole + kDegree + t.minutes + kMinute + t.seconds + kSecond;
}

// An angle reduced to one turn. Just below a full turn the rounding carries into 24 hours or
// 360 degrees, which is the start of the turn again.
SexagesimalText turnText(bool degrees, int mode, double angle) {
    SexagesimalText t = formatAngleText(degrees, mode, wrapTo2Pi(angle));
    if (t.whole == (degrees ? "360" : "24"))
        t.whole = "0";
    return t;
}

// Whole degrees and minutes with a direction letter, through the translated pattern.
std::string formatGeographic(double angle, const char* positive, const char* negative) {
    const SexagesimalText t = formatAngleText(true, 4, angle);
    const QString pattern =
        QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("cardinal_direction", "%1°%2′%3"));
    const QString letter =
        t.sign > 0 ? translated(positive) : (t.sign < 0 ? translated(negative) : QString());
    return pattern.arg(QString::fromStdString(t.whole), QString::fromStdString(t.minutes), letter)
        .toStdString();
}

} // namespace

QAstroFormat::QAstroFormat(std::shared_ptr<ILanguageManager> languageManager)
    : m_languageManager(std::move(languageManager)) {}

std::string QAstroFormat::cardinalDirection(double az) {
    const double k = std::floor((wrapTo2Pi(az) + kPi / 8) / (kPi / 4));
    if (!(k >= 0.0 && k <= 8.0))
        return {};
    return translated(kCompass[static_cast<int>(k)]).toStdString();
}

std::string QAstroFormat::formatSignedDms(double angle) {
    const SexagesimalText t = formatAngleText(true, 2, angle);
    return signChar(t.sign) + dms(t);
}

std::string QAstroFormat::formatUnsignedDms(double angle) {
    return dms(formatAngleText(true, 2, angle));
}

std::string QAstroFormat::formatTwelveHour(double hours, bool noSuffix) {
    const double r = wrapTo2Pi(hours * (kPi / 12));
    if (!std::isfinite(r))
        return {};
    const SexagesimalParts p = splitAngleSexagesimal(false, 4, r);
    if (!(p.whole >= 0 && p.whole <= 24 && p.minutes >= 0 && p.minutes < 60))
        return {};
    int h = static_cast<int>(p.whole);
    // Minutes that round up just before midnight carry into hour 24, which is the next day's
    // midnight, not noon.
    if (h >= 24)
        h -= 24;
    const bool pm = h >= 12;
    int dial = pm ? h - 12 : h;
    if (dial == 0)
        dial = 12;
    const QLatin1Char zero('0');
    const QString suffix = noSuffix ? QString() : QString::fromLatin1(pm ? "PM" : "AM");
    return QStringLiteral("%1:%2%3")
        .arg(dial, 2, 10, zero)
        .arg(static_cast<int>(p.minutes), 2, 10, zero)
        .arg(suffix)
        .toStdString();
}

std::string QAstroFormat::formatWithLocale(const std::tm& time, const char* pattern) const {
    std::ostringstream out;
    if (m_languageManager)
        out.imbue(m_languageManager->locale());
    out << std::put_time(&time, pattern);
    return out.str();
}

std::string QAstroFormat::formatTimeOfDay12h(double hours) const {
    return formatTwelveHour(hours, false);
}

std::string QAstroFormat::formatDateTimeWithZone(std::tm time) const {
    return formatWithLocale(time, "%T GMT%z");
}

std::string QAstroFormat::formatTime(std::tm time) const {
    return formatWithLocale(time, "%T");
}

std::string QAstroFormat::formatClockPosition(double angle) const {
    return formatTwelveHour(angle * (6 / kPi), true);
}

std::string QAstroFormat::formatOneDecimal(float value) const {
    return formatFixed(0, 1, static_cast<double>(value));
}

std::string QAstroFormat::formatDegMin(double angle) const {
    const SexagesimalText t = formatAngleText(true, 2, angle);
    return t.whole + kDegree + t.minutes + kMinute;
}

std::string QAstroFormat::formatHourMin(double angle) const {
    const SexagesimalText t = turnText(false, 3, angle);
    return t.whole + "h" + t.minutes + "m";
}

std::string QAstroFormat::formatHourMinSec(double angle) const {
    const SexagesimalText t = turnText(false, 2, angle);
    return t.whole + "h" + t.minutes + "m" + t.seconds + "s";
}

std::string QAstroFormat::formatRaDec(double ra, double dec) const {
    return formatHourMinSec(ra) + " " + formatSignedDms(dec);
}

std::string QAstroFormat::formatAzAltWholeDegrees(double az, double alt) const {
    const SexagesimalText a = turnText(true, 6, az);
    const SexagesimalText h = formatAngleText(true, 6, alt);
    return cardinalDirection(az) + " " + a.whole + kDegree + " " + signChar(h.sign) + h.whole +
           kDegree;
}

std::string QAstroFormat::formatAzAlt(double az, double alt) const {
    return dms(turnText(true, 2, az)) + " " + formatSignedDms(alt);
}

std::string QAstroFormat::formatAzAltWithCardinal(double az, double alt) const {
    return cardinalDirection(az) + " " + formatAzAlt(az, alt);
}

std::string QAstroFormat::formatSignedPair(double a, double b) const {
    return formatSignedDms(a) + " " + formatSignedDms(b);
}

std::string QAstroFormat::formatLongitude(double longitude) const {
    return formatGeographic(longitude, QT_TRANSLATE_NOOP("cardinal_direction", "W"),
                            QT_TRANSLATE_NOOP("cardinal_direction", "E"));
}

std::string QAstroFormat::formatLatitude(double latitude) const {
    return formatGeographic(latitude, QT_TRANSLATE_NOOP("cardinal_direction", "N"),
                            QT_TRANSLATE_NOOP("cardinal_direction", "S"));
}

} // namespace Ko
