#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "astro/visibility.h"
#include "base/clock.h"
#include "base/location2.h"
#include "base/tests/datarow.h"
#include "base/tests/fakeclock.h"

#include <QTest>

#include <cmath>

using namespace Ko;

Q_DECLARE_METATYPE(Ko::RiseTransitSetState)

namespace {

// The tests run in a fixed zone three hours east of Greenwich, so that the local clock differs
// from UTC.
constexpr const char* kZone = "<+03>-3";
constexpr double kZoneHours = 3.0;
// 2024-03-20 20:00:00 UTC, 23:00 on the local clock: a transit soon after makes times wrap past
// midnight.
constexpr int64_t kNowMs = 1710964800000;
// sin(-34'): the standard altitude of a star.
const double kSinStandardAltitude = std::sin(-34.0 / 60.0 * kDeg);
// Mean sidereal day in milliseconds.
constexpr double kSiderealDayMs = 86164090.5;
constexpr double kHourMs = 3600000.0;

struct Crossings {
    RiseTransitSetState state = RisesAndSets;
    double rise = 0, transit = 0, set = 0; // local clock hours
};

// Straight from the sphere: walks the sky's rotation with the chain's sidereal time and finds the
// crossings of the standard altitude by bisection, in double precision. Whether the object rises
// at all is decided as the system does: first by the geometric horizon (its highest or lowest
// altitude at 0), then by the standard altitude.
class IndependentRiseSet {
public:
    // Degrees, longitude east.
    IndependentRiseSet(double eastLongitude, double latitude, double ra, double dec)
        : m_longitudeWest(-eastLongitude * kDeg), m_latDeg(latitude), m_decDeg(dec),
          m_lat(latitude * kDeg), m_ra(ra), m_dec(dec * kDeg) {}

    Crossings at(int64_t nowMs) const {
        Crossings c;
        // Altitudes at the lower and upper culmination. On the geometric horizon an object on
        // the site's side of the equator counts as circumpolar, one on the other side as never
        // rising.
        const double lowestDeg = std::fabs(m_latDeg + m_decDeg) - 90;
        const double highestDeg = 90 - std::fabs(m_latDeg - m_decDeg);
        const bool siteSide = (m_latDeg >= 0) == (m_decDeg >= 0);
        if (lowestDeg > 0 || (lowestDeg == 0 && siteSide))
            c.state = Circumpolar;
        else if (highestDeg < 0 || (highestDeg == 0 && !siteSide))
            c.state = NeverRises;
        else if (std::sin(lowestDeg * kDeg) > kSinStandardAltitude)
            c.state = Circumpolar;
        else if (std::sin(highestDeg * kDeg) < kSinStandardAltitude)
            c.state = NeverRises;
        if (c.state != RisesAndSets)
            return c;
        // The transit nearest to now: hour angle zero, by Newton steps on the sidereal clock.
        double t = static_cast<double>(nowMs);
        for (int i = 0; i < 5; ++i)
            t -= hourAngle(t) / k2Pi * kSiderealDayMs;
        const double halfDay = kSiderealDayMs / 2;
        c.transit = localHours(t);
        c.rise = localHours(crossing(t - halfDay, t));
        c.set = localHours(crossing(t + halfDay, t));
        return c;
    }

private:
    double hourAngle(double ms) const {
        const double jd = unixMsToJulianDate(static_cast<int64_t>(std::llround(ms)));
        return wrapToPi(AstroCalc::localSiderealAt(jd, m_longitudeWest) - m_ra);
    }
    double sinAltitude(double ms) const {
        return std::sin(m_lat) * std::sin(m_dec) +
               std::cos(m_lat) * std::cos(m_dec) * std::cos(hourAngle(ms));
    }
    // Between a time below the standard altitude and one above it.
    double crossing(double below, double above) const {
        for (int i = 0; i < 60; ++i) {
            const double mid = (below + above) / 2;
            (sinAltitude(mid) < kSinStandardAltitude ? below : above) = mid;
        }
        return (below + above) / 2;
    }
    static double localHours(double ms) {
        const double h = std::fmod(ms / kHourMs + kZoneHours, 24.0);
        return h < 0 ? h + 24.0 : h;
    }

    double m_longitudeWest, m_latDeg, m_decDeg, m_lat, m_ra, m_dec;
};

// Distance between two clock times, across midnight.
double clockSeconds(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 24.0 - d) * 3600.0;
}

} // namespace

class TestVisibility : public QObject {
    Q_OBJECT

    std::shared_ptr<FakeClock> m_clock = std::make_shared<FakeClock>();
    std::shared_ptr<Location2> m_location = std::make_shared<Location2>(nullptr);
    std::shared_ptr<AstroCalc> m_calc =
        std::make_shared<AstroCalc>(m_location, std::make_shared<AstroClock>(m_clock));
    Visibility m_visibility{m_location, m_calc, m_clock};

    void setSite(double eastLongitudeDeg, double latitudeDeg) {
        CLocation l;
        l.longitudeRad = -eastLongitudeDeg * kDeg;
        l.latitudeRad = latitudeDeg * kDeg;
        m_location->setLocation(l);
    }

private slots:
    void initTestCase() {
        qputenv("TZ", kZone);
        tzset();
        m_clock->set(kNowMs);
    }

    // Against the independent crossing search. The system works in single precision on the
    // sidereal time truncated to whole seconds: 5 seconds of time is well above what that costs.
    void riseTransitSetAgainstCrossingSearch_data() {
        QTest::addColumn<double>("eastLongitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("hoursAhead"); // right ascension minus sidereal time, hours
        QTest::addColumn<double>("dec");
        QTest::addColumn<RiseTransitSetState>("state");

        QTest::newRow("transits now, at 23:00") << 10.0 << 52.0 << 0.0 << 20.0 << RisesAndSets;
        QTest::newRow("set wraps past midnight") << 10.0 << 52.0 << 0.5 << 30.0 << RisesAndSets;
        QTest::newRow("transit wraps past midnight") << 10.0 << 52.0 << 1.5 << 30.0 << RisesAndSets;
        dataRow("13 sidereal hours ahead transits 11 hours ago", 10.0, 52.0, 13.0, -10.0,
                RisesAndSets);
        QTest::newRow("11 sidereal hours ago") << -70.0 << 35.0 << -11.0 << 5.0 << RisesAndSets;
        QTest::newRow("equator, dec 80") << 100.0 << 0.0 << 3.0 << 80.0 << RisesAndSets;
        QTest::newRow("equator, dec -60") << 100.0 << 0.0 << -6.0 << -60.0 << RisesAndSets;
        QTest::newRow("equator, dec 90") << 100.0 << 0.0 << 1.0 << 90.0 << Circumpolar;
        QTest::newRow("equator, dec -90") << 100.0 << 0.0 << 1.0 << -90.0 << NeverRises;
        QTest::newRow("45, dec 45 is circumpolar") << 0.0 << 45.0 << 2.0 << 45.0 << Circumpolar;
        QTest::newRow("45, dec -45 never rises") << 0.0 << 45.0 << 2.0 << -45.0 << NeverRises;
        QTest::newRow("45, dec 44 rises") << 0.0 << 45.0 << 2.0 << 44.0 << RisesAndSets;
        dataRow("45, dec 44.3 rises just below the pole's edge", 0.0, 45.0, -4.0, 44.3,
                RisesAndSets);
        dataRow("45, dec 44.5 never dips to -34'", 0.0, 45.0, -4.0, 44.5, Circumpolar);
        dataRow("45, dec 44.95 never dips to -34'", 0.0, 45.0, 8.0, 44.95, Circumpolar);
        QTest::newRow("45, dec -44.8 rises briefly") << 0.0 << 45.0 << 5.0 << -44.8 << RisesAndSets;
        dataRow("45, peak just below the horizon counts as never rising", 0.0, 45.0, 5.0, -45.2,
                NeverRises);
        dataRow("south -33.9, dec -55.5 rises", 151.2, -33.9, 7.0, -55.5, RisesAndSets);
        dataRow("south -33.9, dec -56.0 never dips to -34'", 151.2, -33.9, 7.0, -56.0, Circumpolar);
        dataRow("south -33.9, dec -56.4 is circumpolar", 151.2, -33.9, 7.0, -56.4, Circumpolar);
        dataRow("south -33.9, dec 56.4 never rises", 151.2, -33.9, 7.0, 56.4, NeverRises);
        dataRow("south -33.9, dec 50 rises", 151.2, -33.9, -2.0, 50.0, RisesAndSets);
        QTest::newRow("arctic 70, dec 19.3 rises") << 25.0 << 70.0 << 10.0 << 19.3 << RisesAndSets;
        dataRow("arctic 70, dec 19.7 stays up", 25.0, 70.0, 10.0, 19.7, Circumpolar);
        dataRow("arctic 70, dec -19.5 rises briefly", 25.0, 70.0, -9.0, -19.5, RisesAndSets);
    }

    void riseTransitSetAgainstCrossingSearch() {
        QFETCH(double, eastLongitude);
        QFETCH(double, latitude);
        QFETCH(double, hoursAhead);
        QFETCH(double, dec);
        QFETCH(RiseTransitSetState, state);
        setSite(eastLongitude, latitude);

        const double ra = wrapTo2Pi(m_calc->localSiderealRad() + hoursAhead * kPi / 12.0);
        const Crossings expected = IndependentRiseSet(eastLongitude, latitude, ra, dec).at(kNowMs);
        QCOMPARE(expected.state, state);

        const RiseTransitSetResult r =
            m_visibility.riseTransitSet(U_ASTRO_COORD{ra, dec * kDeg, CoordType::RDJNow});
        QCOMPARE(r.state, static_cast<uint32_t>(state));
        if (state != RisesAndSets) {
            QCOMPARE(r.riseHours, 0.0);
            QCOMPARE(r.transitHours, 0.0);
            QCOMPARE(r.setHours, 0.0);
            return;
        }
        for (double h : {r.riseHours, r.transitHours, r.setHours})
            QVERIFY2(h >= 0 && h < 24, qPrintable(QString::number(h)));
        QVERIFY2(clockSeconds(r.transitHours, expected.transit) < 5,
                 qPrintable(QString("transit %1 vs %2").arg(r.transitHours).arg(expected.transit)));
        QVERIFY2(clockSeconds(r.riseHours, expected.rise) < 5,
                 qPrintable(QString("rise %1 vs %2").arg(r.riseHours).arg(expected.rise)));
        QVERIFY2(clockSeconds(r.setHours, expected.set) < 5,
                 qPrintable(QString("set %1 vs %2").arg(r.setHours).arg(expected.set)));
    }
};

QTEST_GUILESS_MAIN(TestVisibility)
#include "tst_visibility.moc"
