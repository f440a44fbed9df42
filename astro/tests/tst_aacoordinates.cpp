// Coordinate conversions, the FK5 corrections, further precession routines, parallax and the
// Earth's globe of the astronomical library. "Meeus" is J. Meeus, Astronomical Algorithms,
// 2nd ed. (1998).

#include "aareference.h"
#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aafk5frame.h"
#include "astro/aa/aanutationterms.h"
#include "astro/aa/aaobserverglobe.h"
#include "astro/aa/aaparallaxcorr.h"
#include "astro/aa/aaprecessioncorr.h"
#include "astro/aa/aasiderealtimes.h"
#include "base/tests/datarow.h"

#include <libnova/transform.h>

#include <QTest>

#include <cmath>

using namespace Ko;
using namespace Ko::Test;

namespace {

using CT = AACoordinateTransformation;

// A distance between two places on the sphere, arcseconds; X in hours or degrees as told.
double separation(double x1, double y1, double x2, double y2, bool hours) {
    const double f = hours ? 15.0 : 1.0;
    const double a1 = CT::DegreesToRadians(x1 * f), a2 = CT::DegreesToRadians(x2 * f);
    const double d1 = CT::DegreesToRadians(y1), d2 = CT::DegreesToRadians(y2);
    const double c = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(a1 - a2);
    const double s =
        std::hypot(std::cos(d2) * std::sin(a1 - a2),
                   std::cos(d1) * std::sin(d2) - std::sin(d1) * std::cos(d2) * std::cos(a1 - a2));
    return CT::RadiansToDegrees(std::atan2(s, c)) * 3600;
}

enum class Conversion { Ecliptic, Horizontal, Galactic };

} // namespace

class TestAACoordinates : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data() {
        QTest::addColumn<int>("conversion");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("parameter");
        QTest::addColumn<double>("expectedX");
        QTest::addColumn<double>("expectedY");
        // Meeus example 13.a: Pollux, J2000, obliquity 23.4392911: lambda 113.215630,
        // beta 6.684170 (degrees, printed digits).
        dataRow("13.a Pollux", int(Conversion::Ecliptic), hms(7, 45, 18.946),
                CT::DMSToDegrees(28, 1, 34.26), 23.4392911, 113.215630, 6.684170);
        // Meeus example 13.b: Venus from Washington, hour angle 64.352133 deg, declination
        // -6 43'11.61", latitude 38 55'17": azimuth 68.0337 (from the south), altitude 15.1249.
        dataRow("13.b Venus at Washington", int(Conversion::Horizontal), 64.352133 / 15,
                -CT::DMSToDegrees(6, 43, 11.61), CT::DMSToDegrees(38, 55, 17), 68.0337, 15.1249);
        // Meeus chapter 13: Nova Serpentis 1978, B1950 17h48m59.74s -14 43'08.2":
        // l = 12.9593, b = +6.0463.
        dataRow("Nova Serpentis 1978", int(Conversion::Galactic), hms(17, 48, 59.74),
                -CT::DMSToDegrees(14, 43, 8.2), 0.0, 12.9593, 6.0463);
    }

    // To the last printed digit of each example.
    void workedExamples() {
        QFETCH(int, conversion);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, parameter);
        QFETCH(double, expectedX);
        QFETCH(double, expectedY);
        AA2DCoordinate r;
        double tolerance = 1e-6;
        switch (Conversion(conversion)) {
        case Conversion::Ecliptic:
            r = CT::Equatorial2Ecliptic(x, y, parameter);
            break;
        case Conversion::Horizontal:
            r = CT::Equatorial2Horizontal(x, y, parameter);
            tolerance = 1e-4;
            break;
        case Conversion::Galactic:
            r = CT::Equatorial2Galactic(x, y);
            tolerance = 1e-4;
            break;
        }
        QVERIFY2(std::fabs(r.X - expectedX) <= tolerance, qPrintable(QString::number(r.X, 'f', 7)));
        QVERIFY2(std::fabs(r.Y - expectedY) <= tolerance, qPrintable(QString::number(r.Y, 'f', 7)));
    }

    void roundTrips_data() {
        QTest::addColumn<int>("conversion");
        QTest::addColumn<double>("parameter");
        QTest::newRow("ecliptic, J2000 obliquity") << int(Conversion::Ecliptic) << 23.4392911;
        QTest::newRow("ecliptic, steep obliquity") << int(Conversion::Ecliptic) << 60.0;
        QTest::newRow("horizontal, northern site") << int(Conversion::Horizontal) << 47.8;
        QTest::newRow("horizontal, southern site") << int(Conversion::Horizontal) << -33.9;
        QTest::newRow("horizontal, equator") << int(Conversion::Horizontal) << 0.0;
        QTest::newRow("galactic") << int(Conversion::Galactic) << 0.0;
    }

    // Each conversion and its inverse over a grid of the sphere (declinations short of the
    // poles) come back to the start within 1e-6"; results stay in their ranges.
    void roundTrips() {
        QFETCH(int, conversion);
        QFETCH(double, parameter);
        for (double ra = 0.1; ra < 24; ra += 1.3) {
            for (double dec = -85; dec <= 85; dec += 8.5) {
                AA2DCoordinate there;
                AA2DCoordinate back;
                switch (Conversion(conversion)) {
                case Conversion::Ecliptic:
                    there = CT::Equatorial2Ecliptic(ra, dec, parameter);
                    back = CT::Ecliptic2Equatorial(there.X, there.Y, parameter);
                    break;
                case Conversion::Horizontal:
                    there = CT::Equatorial2Horizontal(ra, dec, parameter);
                    back = CT::Horizontal2Equatorial(there.X, there.Y, parameter);
                    break;
                case Conversion::Galactic:
                    there = CT::Equatorial2Galactic(ra, dec);
                    back = CT::Galactic2Equatorial(there.X, there.Y);
                    break;
                }
                QVERIFY(there.X >= 0 && there.X < 360 && back.X >= 0 && back.X < 24);
                QVERIFY2(separation(ra, dec, back.X, back.Y, true) < 1e-6,
                         qPrintable(QStringLiteral("%1 %2").arg(ra).arg(dec)));
            }
        }
    }

    // libnova's horizontal (azimuth also from the south) and galactic conversions within 0.001".
    void againstLibnova() {
        ln_lnlat_posn observer{0.0, 47.8};
        for (double ra = 0.1; ra < 24; ra += 2.3) {
            for (double dec = -80; dec <= 80; dec += 16) {
                ln_equ_posn object{ra * 15, dec};
                ln_hrz_posn hrz{};
                // Sidereal time 0 at longitude 0: the hour angle is minus the right ascension.
                ln_get_hrz_from_equ_sidereal_time(&object, &observer, 0.0, &hrz);
                const AA2DCoordinate ours = CT::Equatorial2Horizontal(24 - ra, dec, 47.8);
                QVERIFY(separation(ours.X, ours.Y, hrz.az, hrz.alt, false) < 0.001);
                ln_gal_posn gal{};
                ln_get_gal_from_equ(&object, &gal);
                const AA2DCoordinate g = CT::Equatorial2Galactic(ra, dec);
                QVERIFY(separation(g.X, g.Y, gal.l, gal.b, false) < 0.001);
            }
        }
    }

    void hourAngleCombinations() {
        // H = 6 h: sin H = 1, cos H = 0.
        QVERIFY(std::fabs(CT::HourAngleLatitudeCombination(6, 45, 30, 2, 5) -
                          (0.5 + std::cos(CT::DegreesToRadians(30))) * 2) < 1e-12);
        // H = 0: only the cos H term of y remains besides cos phi x.
        QVERIFY(std::fabs(CT::HourAngleLatitudeCombination(0, 45, 60, 2, 5) - (1.0 - 5.0)) < 1e-12);
        QVERIFY(std::fabs(CT::HourAngleTiltCombination(6, 30, 2, 5) - 5) < 1e-12);
        QVERIFY(std::fabs(CT::HourAngleTiltCombination(0, 30, 2, 5) - 1) < 1e-12);
    }

    // The FK5 correction: -0.09033" in longitude plus a term of the latitude's tangent, and
    // 0.03916 (cos l' - sin l") in latitude; l' = l - 1.397 T: at J2000 and l = 0 both
    // trigonometric factors are 1.
    void fk5Corrections() {
        QVERIFY(std::fabs(AAFK5Frame::CorrectionInLongitude(0, 0, 2451545) * 3600 - -0.09033) <
                1e-9);
        QVERIFY(std::fabs(AAFK5Frame::CorrectionInLongitude(0, 45, 2451545) * 3600 -
                          (-0.09033 + 0.03916)) < 1e-9);
        QVERIFY(std::fabs(AAFK5Frame::CorrectionInLatitude(0, 2451545) * 3600 - 0.03916) < 1e-9);
        // A century later l' is 1.397 degrees behind.
        const double lp = CT::DegreesToRadians(90 - 1.397 - 0.00031);
        QVERIFY(std::fabs(AAFK5Frame::CorrectionInLatitude(90, 2451545 + 36525) * 3600 -
                          0.03916 * (std::cos(lp) - std::sin(lp))) < 1e-9);
    }

    void eclipticPrecession_data() {
        QTest::addColumn<double>("lambda");
        QTest::addColumn<double>("beta");
        QTest::addColumn<double>("jd0");
        QTest::addColumn<double>("jd");
        QTest::newRow("Venus to 1900") << 149.48194 << 1.76549 << 2451545.0 << 2415020.5;
        QTest::newRow("to 2100") << 10.0 << -60.0 << 2451545.0 << 2488070.5;
        QTest::newRow("from 1950 to 2050") << 300.0 << 80.0 << 2433282.4235 << 2469807.5;
        QTest::newRow("ecliptic pole region") << 200.0 << 89.0 << 2451545.0 << 2470000.5;
    }

    // Precessing on the ecliptic agrees within 0.01" with turning to the equator, precessing
    // there and turning back with the mean obliquities of both epochs (the same IAU 1976 theory
    // by another road); going back returns the start within 1e-4" (the angles' polynomials are
    // inverse only to their truncation).
    void eclipticPrecession() {
        QFETCH(double, lambda);
        QFETCH(double, beta);
        QFETCH(double, jd0);
        QFETCH(double, jd);
        const AA2DCoordinate p = AAPrecessionCorr::PrecessEcliptic(lambda, beta, jd0, jd);
        const AA2DCoordinate eq =
            CT::Ecliptic2Equatorial(lambda, beta, AANutationTerms::MeanObliquity(jd0));
        const AA2DCoordinate pe = AAPrecessionCorr::PrecessRaDec(eq.X, eq.Y, jd0, jd);
        const AA2DCoordinate viaEquator =
            CT::Equatorial2Ecliptic(pe.X, pe.Y, AANutationTerms::MeanObliquity(jd));
        QVERIFY2(
            separation(p.X, p.Y, viaEquator.X, viaEquator.Y, false) < 0.01,
            qPrintable(QString::number(separation(p.X, p.Y, viaEquator.X, viaEquator.Y, false))));
        const AA2DCoordinate back = AAPrecessionCorr::PrecessEcliptic(p.X, p.Y, jd, jd0);
        QVERIFY(separation(lambda, beta, back.X, back.Y, false) < 1e-4);
    }

    // The FK4 precession with Newcomb's angles: within 1.5" of the FK5 one over half a century
    // (the two systems' equinoxes drift apart by about 1" a century), and back within 0.001"
    // (Newcomb's polynomials are inverse only to their truncation, some 0.0006" here).
    void fk4Precession() {
        for (double ra = 0.5; ra < 24; ra += 3.7) {
            for (double dec = -70; dec <= 70; dec += 35) {
                const AA2DCoordinate fk4 =
                    AAPrecessionCorr::PrecessRaDecFK4(ra, dec, 2433282.4235, 2451545.0);
                const AA2DCoordinate fk5 =
                    AAPrecessionCorr::PrecessRaDec(ra, dec, 2433282.4235, 2451545.0);
                QVERIFY(separation(fk4.X, fk4.Y, fk5.X, fk5.Y, true) < 1.5);
                const AA2DCoordinate back =
                    AAPrecessionCorr::PrecessRaDecFK4(fk4.X, fk4.Y, 2451545.0, 2433282.4235);
                QVERIFY(separation(ra, dec, back.X, back.Y, true) < 0.001);
            }
        }
    }

    // Meeus example 21.b: theta Persei's proper motion (+0.03425 s and -0.0895" a year) over
    // 28.86705 years gives 2h44m12.9747s, +49 13'39.896".
    void uniformProperMotion() {
        const AA2DCoordinate p = AAPrecessionCorr::AdjustPositionUsingUniformProperMotion(
            28.86705, hms(2, 44, 11.986), CT::DMSToDegrees(49, 13, 42.48), 0.03425, -0.0895);
        QVERIFY(std::fabs(p.X - hms(2, 44, 12.9747)) < 0.0001 / 3600);
        QVERIFY(std::fabs(p.Y - CT::DMSToDegrees(49, 13, 39.896)) < 0.001 * kArcsecInDeg);
    }

    void motionInSpace_data() {
        QTest::addColumn<double>("radialVelocity");
        QTest::addColumn<double>("limit"); // arcseconds from the uniform motion
        // Without radial motion the path is a straight line across the sky: over 100 years it
        // departs from the uniform motion only by the curvature, a fraction of an arcsecond.
        QTest::newRow("no radial velocity") << 0.0 << 0.05;
        // A star closing in at 100 km/s (2.6 pc away) over 100 years comes 0.01 pc nearer, and
        // its proper motion grows by the same 0.4 %.
        QTest::newRow("approaching") << -100.0 << 0.05 + 0.004 * 134;
    }

    // Against the uniform motion of a nearby star with a large proper motion (Sirius-like:
    // -0.0379 s and -1.2" a year, 2.64 pc) over 100 years; a purely radial motion leaves the
    // direction unchanged.
    void motionInSpace() {
        QFETCH(double, radialVelocity);
        QFETCH(double, limit);
        const double ra = hms(6, 45, 8.917), dec = -CT::DMSToDegrees(16, 42, 58.02);
        const AA2DCoordinate space = AAPrecessionCorr::AdjustPositionUsingMotionInSpace(
            2.64, radialVelocity, 100, ra, dec, -0.0379, -1.2);
        const AA2DCoordinate uniform =
            AAPrecessionCorr::AdjustPositionUsingUniformProperMotion(100, ra, dec, -0.0379, -1.2);
        const double apart = separation(space.X, space.Y, uniform.X, uniform.Y, true);
        QVERIFY2(apart < limit, qPrintable(QString::number(apart)));
        QVERIFY(separation(space.X, space.Y, ra, dec, true) > 100);
        const AA2DCoordinate radial =
            AAPrecessionCorr::AdjustPositionUsingMotionInSpace(2.64, -100, 100, ra, dec, 0, 0);
        QVERIFY(separation(radial.X, radial.Y, ra, dec, true) < 1e-6);
    }

    // The ecliptic proper motion equals the rate of the ecliptic place as the equatorial place
    // moves (a central difference over a year), within 0.0001" a year.
    void properMotionToEcliptic() {
        const double eps = 23.4392911;
        for (double ra = 1.0; ra < 24; ra += 4.9) {
            for (double dec = -60; dec <= 60; dec += 30) {
                const double pmRa = 0.8, pmDec = -0.5; // arcseconds a year
                const AA2DCoordinate ecl = CT::Equatorial2Ecliptic(ra, dec, eps);
                const AA2DCoordinate pm =
                    AAPrecessionCorr::EquatorialPMToEcliptic(ra, dec, ecl.Y, eps, pmRa, pmDec);
                const auto at = [&](double years) {
                    return CT::Equatorial2Ecliptic(ra + pmRa * years / 15 * kArcsecInDeg,
                                                   dec + pmDec * years * kArcsecInDeg, eps);
                };
                const AA2DCoordinate a = at(-1), b = at(1);
                const double dLambda = std::remainder(b.X - a.X, 360.0) / 2 * 3600;
                const double dBeta = (b.Y - a.Y) / 2 * 3600;
                QVERIFY2(std::fabs(pm.X - dLambda) < 1e-4,
                         qPrintable(QStringLiteral("%1 %2").arg(pm.X).arg(dLambda)));
                QVERIFY(std::fabs(pm.Y - dBeta) < 1e-4);
            }
        }
    }

    // Meeus example 40.b: the Moon's topocentric ecliptic place, for lambda 181 46'22.5", beta
    // 2 17'26.2", semidiameter 16'15.5", parallax 0 59'27.7", latitude 50 05'07.8", height 0,
    // obliquity 23 28'0.8" and local sidereal time 209 46'07.9": 181 48'5.0", 1 29'7.1" and
    // 16'25.5" (to the printed 0.1"). The site's longitude sets that sidereal time.
    void topocentricEcliptic() {
        const double jd = 2452000.5;
        const double westLongitude =
            AASiderealTimes::GreenwichApparent(jd) * 15 - CT::DMSToDegrees(209, 46, 7.9);
        const double distance = AAParallaxCorr::ParallaxToDistance(CT::DMSToDegrees(0, 59, 27.7));
        const AATopocentricEclipticDetails t = AAParallaxCorr::Ecliptic2Topocentric(
            CT::DMSToDegrees(181, 46, 22.5), CT::DMSToDegrees(2, 17, 26.2),
            CT::DMSToDegrees(0, 16, 15.5), distance, CT::DMSToDegrees(23, 28, 0.8), westLongitude,
            CT::DMSToDegrees(50, 5, 7.8), 0, jd);
        QVERIFY(std::fabs(t.Lambda - CT::DMSToDegrees(181, 48, 5.0)) < 0.06 * kArcsecInDeg);
        QVERIFY(std::fabs(t.Beta - CT::DMSToDegrees(1, 29, 7.1)) < 0.06 * kArcsecInDeg);
        QVERIFY(std::fabs(t.Semidiameter - CT::DMSToDegrees(0, 16, 25.5)) < 0.06 * kArcsecInDeg);

        // A site 90 degrees further west sees the Moon from elsewhere.
        const AATopocentricEclipticDetails elsewhere = AAParallaxCorr::Ecliptic2Topocentric(
            CT::DMSToDegrees(181, 46, 22.5), CT::DMSToDegrees(2, 17, 26.2),
            CT::DMSToDegrees(0, 16, 15.5), distance, CT::DMSToDegrees(23, 28, 0.8),
            westLongitude + 90, CT::DMSToDegrees(50, 5, 7.8), 0, jd);
        QVERIFY(std::fabs(elsewhere.Lambda - t.Lambda) > 0.1);
    }

    // The corrections alone are what the topocentric conversion adds; the parallax of a
    // distance and the distance of a parallax are inverse.
    void parallaxParts() {
        const double ra = 4.2, dec = 20.0, distance = 0.00257, jd = 2461120.375;
        const AA2DCoordinate topo =
            AAParallaxCorr::ToTopocentric(ra, dec, distance, -11.25, 47.8, 500, jd);
        const AA2DCoordinate delta =
            AAParallaxCorr::Equatorial2TopocentricDelta(ra, dec, distance, -11.25, 47.8, 500, jd);
        QVERIFY(std::fabs(ra + delta.X - topo.X) < 1e-12);
        QVERIFY(std::fabs(dec + delta.Y - topo.Y) < 1e-12);
        // At 1 AU the parallax is the solar parallax, 8.794".
        QVERIFY(std::fabs(AAParallaxCorr::DistanceToParallax(1) * 3600 - 8.794) < 1e-6);
        for (double d : {0.0024, 0.37, 5.2})
            QVERIFY(std::fabs(
                        AAParallaxCorr::ParallaxToDistance(AAParallaxCorr::DistanceToParallax(d)) -
                        d) < 1e-12 * d);
    }

    void globe_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("parallel");
        QTest::addColumn<double>("meridian");
        // Meeus example 11.b: latitude 42: radius of the parallel 4747.001 km, radius of
        // curvature of the meridian 6364.033 km.
        QTest::newRow("11.b latitude 42") << 42.0 << 4747.001 << 6364.033;
        QTest::newRow("equator") << 0.0 << 6378.14 << 6335.4422767778715;
        // At the pole the parallel shrinks to a point and the meridian's radius is a^2 / b.
        QTest::newRow("pole") << 90.0 << 0.0 << 6378.14 * 6378.14 / (6378.14 * (1 - 1 / 298.257));
    }

    void globe() {
        QFETCH(double, latitude);
        QFETCH(double, parallel);
        QFETCH(double, meridian);
        QVERIFY(std::fabs(AAObserverGlobe::RadiusOfParallelOfLatitude(latitude) - parallel) <
                0.0006);
        QVERIFY2(std::fabs(AAObserverGlobe::RadiusOfCurvature(latitude) - meridian) < 0.0006,
                 qPrintable(QString::number(AAObserverGlobe::RadiusOfCurvature(latitude), 'f', 4)));
    }

    void distanceBetweenPoints_data() {
        QTest::addColumn<double>("lat1");
        QTest::addColumn<double>("lon1");
        QTest::addColumn<double>("lat2");
        QTest::addColumn<double>("lon2");
        QTest::addColumn<double>("km");
        QTest::addColumn<double>("tolerance");
        // Meeus example 11.c: Paris (48 50'11" N, 2 20'14" E) to the US Naval Observatory at
        // Washington (38 55'17" N, 77 03'56" W): 6181.63 km.
        dataRow("11.c Paris - Washington", CT::DMSToDegrees(48, 50, 11),
                -CT::DMSToDegrees(2, 20, 14), CT::DMSToDegrees(38, 55, 17),
                CT::DMSToDegrees(77, 3, 56), 6181.63, 0.006);
        // A quarter of the equator: a pi / 2, exactly on the ellipsoid.
        dataRow("along the equator", 0.0, 0.0, 0.0, 90.0, 6378.14 * 3.141592653589793 / 2, 1e-6);
        // Pole to equator along a meridian: the quarter meridian of the ellipsoid, 10001.970 km.
        QTest::newRow("quarter meridian") << 90.0 << 0.0 << 0.0 << 0.0 << 10001.970 << 0.05;
    }

    void distanceBetweenPoints() {
        QFETCH(double, lat1);
        QFETCH(double, lon1);
        QFETCH(double, lat2);
        QFETCH(double, lon2);
        QFETCH(double, km);
        QFETCH(double, tolerance);
        const double s = AAObserverGlobe::DistanceBetweenPoints(lat1, lon1, lat2, lon2);
        QVERIFY2(std::fabs(s - km) < tolerance, qPrintable(QString::number(s, 'f', 4)));
        QVERIFY(std::fabs(AAObserverGlobe::DistanceBetweenPoints(lat2, lon2, lat1, lon1) - s) <
                1e-9);
    }
};

QTEST_APPLESS_MAIN(TestAACoordinates)
#include "tst_aacoordinates.moc"
