#include "catalog/cometcataloglist.h"

#include "astro/aa/aadate.h"
#include "astro/aa/aaelliptical.h"
#include "astro/aa/aanearparabolicorbit.h"
#include "astro/aa/aaparallaxcorr.h"
#include "astro/aa/aaprecessioncorr.h"
#include "astro/angleutil.h"
#include "base/clock.h"
#include "base/ilocation.h"
#include "catalog/icometfile.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace Ko {

namespace {

// Three days and one second: a file exactly three days old still counts as fresh.
constexpr int64_t kRefreshAgeSeconds = 259201;
// After a failed download the list does not try again by itself for this long: in the field
// without a network, every showing of the list would knock on a dead connection.
constexpr int64_t kRetryAfterFailureMs = 3600 * 1000;
// From this eccentricity on, the Kepler equation of the ellipse converges poorly near
// perihelion; the near-parabolic solution serves parabolas and hyperbolas as well.
constexpr double kNearParabolicFromE = 0.98;
constexpr double kJ2000 = 2451545.0;
constexpr double kHourRad = kPi / 12.0;

// Fields of a line as 0-based offset and width (the file's columns 15 to 158).
struct Field {
    size_t offset;
    size_t width;
};
constexpr Field kYear{14, 4};
constexpr Field kMonth{19, 2};
constexpr Field kDay{22, 7};
constexpr Field kQ{30, 9};
constexpr Field kE{41, 8};
constexpr Field kArgPerihelion{51, 8};
constexpr Field kNode{61, 8};
constexpr Field kInclination{71, 8};
constexpr Field kEpoch{81, 8};
constexpr Field kH{91, 4};
constexpr Field kK{96, 4};
constexpr Field kName{102, 56};

// The field's text without surrounding blanks; empty when the line ends before it.
std::string_view fieldText(std::string_view line, Field f) {
    if (line.size() < f.offset + f.width)
        return {};
    std::string_view text = line.substr(f.offset, f.width);
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The whole field must be one number; "12.5x" or an empty field is no number.
bool readNumber(std::string_view line, Field f, double& value) {
    const std::string text(fieldText(line, f));
    if (text.empty())
        return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size();
}

bool readInteger(std::string_view line, Field f, long& value) {
    const std::string_view text = fieldText(line, f);
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    return !text.empty() && error == std::errc() && end == last;
}

bool isFinite(const CometElements& el) {
    for (const double v :
         {el.perihelionJd, el.q, el.e, el.argPerihelion, el.node, el.inclination, el.h, el.k})
        if (!std::isfinite(v))
            return false;
    return true;
}

std::string printed(const char* format, double value) {
    return QString::asprintf(format, value).toStdString();
}

} // namespace

CometCatalogList::CometCatalogList(std::shared_ptr<IAstroClock> astroClock,
                                   std::shared_ptr<ILocation> location,
                                   std::shared_ptr<ICometFile> file, std::shared_ptr<IClock> clock)
    : m_astroClock(std::move(astroClock)), m_location(std::move(location)), m_file(std::move(file)),
      m_clock(std::move(clock)) {
    // A failed download fires too, so that a list waiting on refresh shows the local file.
    m_subscription = m_file->downloadFinished.append([this](bool ok) {
        if (ok)
            m_lastFailureMs.reset();
        else
            m_lastFailureMs = m_clock->nowMs();
        changed();
    });
}

CometCatalogList::~CometCatalogList() {
    m_file->downloadFinished.remove(m_subscription);
}

void CometCatalogList::shown() {
    m_mayDownload = true;
}

void CometCatalogList::refresh() {
    const int64_t nowMs = m_clock->nowMs();
    // The stored time is read from a file and may be anything: compare without subtracting it.
    const bool fresh = m_file->downloadTime() > nowMs / 1000 - kRefreshAgeSeconds;
    // A failure "in the future" (the clock set back) counts as recent, for an hour from now.
    const bool failedLately =
        m_lastFailureMs.has_value() && nowMs - kRetryAfterFailureMs < *m_lastFailureMs;
    if (fresh || !m_mayDownload || failedLately || m_file->downloading()) {
        changed();
        return;
    }
    // One try per showing: the refreshes of a search typed into the list read the local file.
    m_mayDownload = false;
    m_file->downloadAsync();
}

std::vector<AstroObj> CometCatalogList::load() {
    std::vector<AstroObj> objects;
    FILE* const stream = m_file->openFile();
    if (!stream)
        return objects;
    const double jd = m_astroClock->julianDate();
    const CLocation site = m_location->location();
    CometElements elements;
    while (readElements(stream, elements)) {
        // "nan" and "inf" read as numbers but place the comet nowhere.
        if (!isFinite(elements))
            continue;
        objects.push_back(
            computeObject(elements, jd, site.longitudeRad, site.latitudeRad, site.altitudeMeter));
    }
    std::fclose(stream);
    return objects;
}

bool CometCatalogList::parseLine(std::string_view line, CometElements& elements) {
    long year = 0;
    long month = 0;
    long epoch = 0;
    double day = 0;
    CometElements parsed;
    if (!readInteger(line, kYear, year) || !readInteger(line, kMonth, month) ||
        !readNumber(line, kDay, day) || !readNumber(line, kQ, parsed.q) ||
        !readNumber(line, kE, parsed.e) ||
        !readNumber(line, kArgPerihelion, parsed.argPerihelion) ||
        !readNumber(line, kNode, parsed.node) ||
        !readNumber(line, kInclination, parsed.inclination) || !readInteger(line, kEpoch, epoch) ||
        !readNumber(line, kH, parsed.h) || !readNumber(line, kK, parsed.k))
        return false;
    parsed.perihelionJd = AADate(year, month, day, 0, 0, 0, true).Julian();
    if (line.size() > kName.offset) {
        const std::string_view name = line.substr(kName.offset, kName.width);
        const size_t last = name.find_last_not_of(' ');
        if (last != std::string_view::npos)
            parsed.name = name.substr(0, last + 1);
    }
    elements = std::move(parsed);
    return true;
}

bool CometCatalogList::readElements(FILE* stream, CometElements& elements) {
    // Byte by byte: a NUL inside a line is one more byte of that line, not its end.
    std::string line;
    int c = 0;
    while ((c = std::getc(stream)) != EOF) {
        if (c == '\n')
            break;
        line += char(c);
    }
    if (c == EOF && line.empty())
        return false;
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return parseLine(line, elements);
}

AstroObj CometCatalogList::computeObject(const CometElements& el, double jd, double longitudeRad,
                                         double latitudeRad, double altitudeMeter) {
    AAEllipticalObjectDetails place;
    if (el.e < kNearParabolicFromE) {
        AAEllipticalObjectElements orbit;
        orbit.a = el.q / (1 - el.e);
        orbit.e = el.e;
        orbit.i = el.inclination;
        orbit.w = el.argPerihelion;
        orbit.omega = el.node;
        orbit.JDEquinox = kJ2000;
        orbit.T = el.perihelionJd;
        place = AAElliptical::Calculate(jd, orbit, false);
    } else {
        AANearParabolicObjectElements orbit;
        orbit.q = el.q;
        orbit.i = el.inclination;
        orbit.w = el.argPerihelion;
        orbit.omega = el.node;
        orbit.JDEquinox = kJ2000;
        orbit.T = el.perihelionJd;
        orbit.e = el.e;
        place = AANearParabolicOrbit::Calculate(jd, orbit, false);
    }
    const double delta = place.AstrometricGeocentricDistance;
    const AA3DCoordinate& sunward = place.HeliocentricRectangularEcliptical;
    const double r =
        std::sqrt(sunward.X * sunward.X + sunward.Y * sunward.Y + sunward.Z * sunward.Z);

    AstroObj obj;
    obj.coordJ2000 = {place.AstrometricGeocentricRA * kHourRad,
                      place.AstrometricGeocentricDeclination * kDeg};
    const AA2DCoordinate ofDate = AAPrecessionCorr::PrecessRaDec(
        place.AstrometricGeocentricRA, place.AstrometricGeocentricDeclination, kJ2000, jd);
    const AA2DCoordinate topocentric = AAParallaxCorr::ToTopocentric(
        ofDate.X, ofDate.Y, delta, longitudeRad / kDeg, latitudeRad / kDeg, altitudeMeter, jd);
    obj.coordNow = {topocentric.X * kHourRad, topocentric.Y * kDeg};
    obj.vmag = static_cast<float>(AAElliptical::CometBrightness(el.h, delta, 2.5 * el.k, r));
    obj.name = el.name;
    obj.kind = 0;
    obj.set(AstroObjKey::Distance, printed("%.4f", delta));
    obj.set(AstroObjKey::PerihelionDistance, printed("%f", el.q));
    obj.set(AstroObjKey::Eccentricity, printed("%f", el.e));
    return obj;
}

} // namespace Ko
