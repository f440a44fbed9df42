#include "astro/angleutil.h"
#include "astro/geomag.h"
#include "astro/magneticdeclination.h"
#include "base/location2.h"
#include "base/tests/fakeclock.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Ko;

namespace {

// 2010-01-01 00:00:00 UTC; the tests run in UTC so that the model's local epoch is this one.
constexpr int64_t kEpochMs = 1262304000000;
constexpr double kYearMs = 31536000000.0;

int64_t msAtYear(double decimalYear) {
    return kEpochMs + static_cast<int64_t>(std::llround((decimalYear - 2010.0) * kYearMs));
}

// The official WMM2010 test points: date, height above the ellipsoid, geodetic latitude and
// east longitude, and X, Y, Z (nT) and D (degrees) as published, to 0.1 nT and 0.01 degrees.
struct TestPoint {
    const char* name;
    double year, heightKm, lat, lon, x, y, z, d;
};
constexpr TestPoint kTestPoints[] = {
    {"2010.0, 0 km, 80N 0E", 2010.0, 0, 80, 0, 6649.5, -714.6, 54346.2, -6.13},
    {"2010.0, 0 km, 0N 120E", 2010.0, 0, 0, 120, 39428.8, 664.9, -11683.8, 0.97},
    {"2010.0, 0 km, 80S 240E", 2010.0, 0, -80, 240, 5657.7, 15727.3, -53407.5, 70.21},
    {"2010.0, 100 km, 80N 0E", 2010.0, 100, 80, 0, 6332.2, -729.1, 52194.9, -6.57},
    {"2010.0, 100 km, 0N 120E", 2010.0, 100, 0, 120, 37452.0, 611.9, -11180.8, 0.94},
    {"2010.0, 100 km, 80S 240E", 2010.0, 100, -80, 240, 5484.3, 14762.8, -50834.8, 69.62},
    {"2012.5, 0 km, 80N 0E", 2012.5, 0, 80, 0, 6658.0, -606.7, 54420.4, -5.21},
    {"2012.5, 0 km, 0N 120E", 2012.5, 0, 0, 120, 39423.9, 608.1, -11540.5, 0.88},
    {"2012.5, 0 km, 80S 240E", 2012.5, 0, -80, 240, 5713.6, 15731.8, -53184.3, 70.04},
    {"2012.5, 100 km, 80N 0E", 2012.5, 100, 80, 0, 6340.9, -625.1, 52261.9, -5.63},
    {"2012.5, 100 km, 0N 120E", 2012.5, 100, 0, 120, 37448.1, 559.7, -11044.2, 0.86},
    {"2012.5, 100 km, 80S 240E", 2012.5, 100, -80, 240, 5535.5, 14765.4, -50625.9, 69.45},
};

void addTestPointRows() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(std::size(kTestPoints)); ++i)
        QTest::newRow(kTestPoints[i].name) << i;
}

CLocation geomagSite(double latDeg, double eastLonDeg, double heightMeters) {
    CLocation l;
    l.latitudeRad = latDeg * kDeg;
    l.longitudeRad = -eastLonDeg * kDeg;
    l.altitudeMeter = heightMeters;
    return l;
}

// The declination of the same coefficients evaluated in double precision: Schmidt semi-normalised
// functions by the textbook recursion, at the given geodetic latitude (beside the pole as the
// model clamps it) and east longitude, at sea level.
double referenceDeclination(int64_t nowMs, double latDeg, double lonDeg) {
    constexpr int N = GeoMag::kDegree;
    const double a2 = 6378.137 * 6378.137, b2 = 6356.7523142 * 6356.7523142;
    const double lat = latDeg * kDeg, lon = lonDeg * kDeg;
    const double geoLat = std::atan(std::tan(lat) * b2 / a2);
    const double c = std::cos(lat), s = std::sin(lat);
    const double radius =
        std::sqrt((a2 * a2 * c * c + b2 * b2 * s * s) / (a2 * c * c + b2 * s * s));
    const double theta = kPi / 2 - geoLat, st = std::sin(theta), ct = std::cos(theta);
    const double dt = double(nowMs - kEpochMs) / kYearMs;
    double p[N + 1][N + 1] = {}, dp[N + 1][N + 1] = {};
    p[0][0] = 1;
    for (int n = 1; n <= N; ++n)
        for (int m = 0; m <= n; ++m) {
            if (m == n) {
                const double f = n == 1 ? 1 : std::sqrt((2.0 * n - 1) / (2.0 * n));
                p[n][n] = f * st * p[n - 1][n - 1];
                dp[n][n] = f * (st * dp[n - 1][n - 1] + ct * p[n - 1][n - 1]);
                continue;
            }
            const double k1 = (2.0 * n - 1) / std::sqrt(double(n * n - m * m));
            const double k2 = n - 2 < m ? 0
                                        : std::sqrt(double((n - 1) * (n - 1) - m * m)) /
                                              std::sqrt(double(n * n - m * m));
            const double p2 = n - 2 < m ? 0 : p[n - 2][m], dp2 = n - 2 < m ? 0 : dp[n - 2][m];
            p[n][m] = k1 * ct * p[n - 1][m] - k2 * p2;
            dp[n][m] = k1 * (ct * dp[n - 1][m] - st * p[n - 1][m]) - k2 * dp2;
        }
    double north = 0, east = 0, down = 0;
    for (int n = 1; n <= N; ++n) {
        const double r = std::pow(6371.2 / radius, n + 2);
        for (int m = 0; m <= n; ++m) {
            const double g = GeoMag::kG[n - 1][m] + dt * GeoMag::kGDot[n - 1][m];
            const double h = GeoMag::kH[n - 1][m] + dt * GeoMag::kHDot[n - 1][m];
            const double t = g * std::cos(m * lon) + h * std::sin(m * lon);
            north += r * t * dp[n][m];
            east += r * m * (g * std::sin(m * lon) - h * std::cos(m * lon)) * p[n][m];
            down -= (n + 1) * r * t * p[n][m];
        }
    }
    east /= st;
    const double psi = geoLat - lat;
    return std::atan2(east, north * std::cos(psi) - down * std::sin(psi)) / kDeg;
}

} // namespace

class TestGeoMag : public QObject {
    Q_OBJECT

    std::shared_ptr<FakeClock> m_clock = std::make_shared<FakeClock>();
    std::shared_ptr<Location2> m_location = std::make_shared<Location2>(nullptr);

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
        QCOMPARE(GeoMag::epochMs(), kEpochMs);
    }

    // The published values carry 0.1 nT; single precision adds about 0.05 nT.
    void fieldMatchesPublishedTestValues_data() { addTestPointRows(); }
    void fieldMatchesPublishedTestValues() {
        QFETCH(int, index);
        const TestPoint& p = kTestPoints[index];
        GeoMagField f;
        GeoMag::computeField(f, msAtYear(p.year), static_cast<float>(p.lat),
                             static_cast<float>(p.lon), static_cast<float>(p.heightKm * 1000));
        const auto message = QString("X %1 Y %2 Z %3").arg(f.x).arg(f.y).arg(f.z);
        QVERIFY2(std::fabs(f.x - p.x) < 0.15, qPrintable(message));
        QVERIFY2(std::fabs(f.y - p.y) < 0.15, qPrintable(message));
        QVERIFY2(std::fabs(f.z - p.z) < 0.15, qPrintable(message));
        QVERIFY(std::fabs(GeoMag::declinationDeg(f) - p.d) < 0.006);
    }

    // The same points through the service: west-positive site longitude, height in metres,
    // time from the clock.
    void declinationOfTheSite_data() { addTestPointRows(); }
    void declinationOfTheSite() {
        QFETCH(int, index);
        const TestPoint& p = kTestPoints[index];
        m_clock->set(msAtYear(p.year));
        m_location->setLocation(geomagSite(p.lat, p.lon, p.heightKm * 1000));
        MagneticDeclination declination(m_clock, m_location);
        QVERIFY2(std::fabs(declination.declination() - p.d) < 0.006,
                 qPrintable(QString::number(declination.declination())));
    }

    void valueIsKeptUntilTheSiteChanges() {
        m_clock->set(msAtYear(2010.0));
        m_location->setLocation(geomagSite(80, 0, 0));
        MagneticDeclination declination(m_clock, m_location);
        const double first = declination.declination();
        QVERIFY(std::fabs(first - -6.13) < 0.006);

        // Ten years of secular variation move the value by degrees, but time alone does not
        // refresh it.
        m_clock->set(msAtYear(2020.0));
        QCOMPARE(declination.declination(), first);

        // A new site empties the cache; the new value is computed at the clock's time now.
        m_location->setLocation(geomagSite(80, 0, 1));
        const double moved = declination.declination();
        GeoMagField f;
        GeoMag::computeField(f, msAtYear(2020.0), 80.0f, 0.0f, 1.0f);
        QCOMPARE(moved, static_cast<double>(GeoMag::declinationDeg(f)));
        QVERIFY(std::fabs(moved - first) > 1.0);
    }

    // At a pole the east component would divide by zero; the model is evaluated just beside it.
    // Near a pole the east component divides by a tiny number; single precision must still give
    // the declination the model does, at every longitude.
    void declinationNearThePoles_data() {
        QTest::addColumn<float>("lat");
        QTest::addColumn<float>("lon");
        for (const float lat : {89.99f, 89.9999f, 89.99999f, 90.0f})
            for (const float sign : {1.0f, -1.0f})
                for (const float lon : {0.0f, -45.0f, 100.0f, 170.0f})
                    QTest::addRow("%+.5f %+.0f", double(sign * lat), double(lon))
                        << sign * lat << lon;
    }
    void declinationNearThePoles() {
        QFETCH(float, lat);
        QFETCH(float, lon);
        const int64_t when = msAtYear(2012.0);
        GeoMagField f;
        GeoMag::computeField(f, when, lat, lon, 0.0f);
        const double clamped = std::clamp(double(lat), -double(89.99999f), double(89.99999f));
        const double expected = referenceDeclination(when, clamped, lon);
        const double got = GeoMag::declinationDeg(f);
        QVERIFY2(std::fabs(got - expected) < 0.01,
                 qPrintable(QString("%1 where %2 is due").arg(got).arg(expected)));
    }

    void polesAreEvaluatedBesideThePole_data() {
        QTest::addColumn<float>("lat");
        QTest::addColumn<float>("beside");
        QTest::newRow("north") << 90.0f << 89.99999f;
        QTest::newRow("south") << -90.0f << -89.99999f;
    }
    void polesAreEvaluatedBesideThePole() {
        QFETCH(float, lat);
        QFETCH(float, beside);
        GeoMagField atPole, besidePole;
        GeoMag::computeField(atPole, msAtYear(2011.0), lat, 30.0f, 0.0f);
        GeoMag::computeField(besidePole, msAtYear(2011.0), beside, 30.0f, 0.0f);
        QVERIFY(std::isfinite(atPole.y));
        QCOMPARE(atPole.x, besidePole.x);
        QCOMPARE(atPole.y, besidePole.y);
        QCOMPARE(atPole.z, besidePole.z);
    }
};

QTEST_GUILESS_MAIN(TestGeoMag)
#include "tst_geomag.moc"
