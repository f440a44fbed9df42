// VSOP87 series, the heliocentric positions built on them and the Sun's rectangular
// coordinates. "Meeus" is J. Meeus, Astronomical Algorithms, 2nd ed. (1998).

#include "aareference.h"
#include "vsop87checkdata.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aafk5frame.h"
#include "astro/aa/aaprecessioncorr.h"
#include "astro/aa/aasunposition.h"
#include "astro/aa/aavsop87.h"
#include "astro/aa/planets/aaearthposition.h"
#include "astro/aa/planets/aajupiterposition.h"
#include "astro/aa/planets/aamarsposition.h"
#include "astro/aa/planets/aamercuryposition.h"
#include "astro/aa/planets/aaneptuneposition.h"
#include "astro/aa/planets/aasaturnposition.h"
#include "astro/aa/planets/aauranusposition.h"
#include "astro/aa/planets/aavenusposition.h"
#include "astro/aa/tables/aavsop87terms_earth.h"
#include "astro/aa/tables/aavsop87terms_eartha.h"
#include "astro/aa/tables/aavsop87terms_earthb.h"
#include "astro/aa/tables/aavsop87terms_jupiter.h"
#include "astro/aa/tables/aavsop87terms_mars.h"
#include "astro/aa/tables/aavsop87terms_mercury.h"
#include "astro/aa/tables/aavsop87terms_neptune.h"
#include "astro/aa/tables/aavsop87terms_saturn.h"
#include "astro/aa/tables/aavsop87terms_uranus.h"
#include "astro/aa/tables/aavsop87terms_venus.h"

#include <libnova/earth.h>

#include <QTest>

#include <cmath>
#include <cstring>

using namespace Ko;
using namespace Ko::Test;

namespace {

using CT = AACoordinateTransformation;
using Accessor = double (*)(double);
constexpr double kTwoPi = 6.283185307179586;

// One theory's three coordinates and their rates.
struct Theory {
    const char* theory;
    const char* body;
    Accessor value[3];
    Accessor rate[3];
    bool angle[3];
};

template <class T>
constexpr Theory spherical(const char* theory, const char* body) {
    return {
        theory, body, {T::L, T::B, T::R}, {T::L_DASH, T::B_DASH, T::R_DASH}, {true, true, false}};
}

const Theory kTheories[] = {
    {"VSOP87A",
     "EARTH",
     {AAVSOP87Terms_EarthA::X, AAVSOP87Terms_EarthA::Y, AAVSOP87Terms_EarthA::Z},
     {AAVSOP87Terms_EarthA::X_DASH, AAVSOP87Terms_EarthA::Y_DASH, AAVSOP87Terms_EarthA::Z_DASH},
     {false, false, false}},
    spherical<AAVSOP87Terms_EarthB>("VSOP87B", "EARTH"),
    spherical<AAVSOP87Terms_Earth>("VSOP87D", "EARTH"),
    spherical<AAVSOP87Terms_Mercury>("VSOP87D", "MERCURY"),
    spherical<AAVSOP87Terms_Venus>("VSOP87D", "VENUS"),
    spherical<AAVSOP87Terms_Mars>("VSOP87D", "MARS"),
    spherical<AAVSOP87Terms_Jupiter>("VSOP87D", "JUPITER"),
    spherical<AAVSOP87Terms_Saturn>("VSOP87D", "SATURN"),
    spherical<AAVSOP87Terms_Uranus>("VSOP87D", "URANUS"),
    spherical<AAVSOP87Terms_Neptune>("VSOP87D", "NEPTUNE"),
};

const Theory* theoryOf(const Vsop87CheckRecord& r) {
    for (const Theory& t : kTheories)
        if (std::strcmp(t.theory, r.theory) == 0 && std::strcmp(t.body, r.body) == 0)
            return &t;
    return nullptr;
}

// A body's low- and high-precision routines side by side.
struct Position {
    double (*value)(bool, double);
    bool angle;
};

double degreesDiff(double a, double b) {
    return std::remainder(a - b, 360.0);
}

} // namespace

class TestAAVSOP87 : public QObject {
    Q_OBJECT

private slots:
    void checkFile_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(kVsop87Check)); ++i) {
            const Vsop87CheckRecord& r = kVsop87Check[i];
            QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3").arg(r.theory, r.body).arg(r.JD)))
                << i;
        }
    }

    // The published check file, every record of the series held: coordinates and rates to its
    // printed 1e-10 (rad, AU, per day), angles in [0, 2 pi).
    void checkFile() {
        QFETCH(int, index);
        const Vsop87CheckRecord& r = kVsop87Check[index];
        const Theory* theory = theoryOf(r);
        QVERIFY(theory);
        for (int c = 0; c < 3; ++c) {
            const double value = theory->value[c](r.JD);
            double diff = value - r.value[c];
            if (theory->angle[c]) {
                QVERIFY(value >= 0 && value < kTwoPi);
                diff = std::remainder(diff, kTwoPi);
            }
            QVERIFY2(std::fabs(diff) <= 1e-10,
                     qPrintable(QStringLiteral("coordinate %1: %2").arg(c).arg(diff)));
            const double rateDiff = theory->rate[c](r.JD) - r.rate[c];
            QVERIFY2(std::fabs(rateDiff) <= 1e-10,
                     qPrintable(QStringLiteral("rate %1: %2").arg(c).arg(rateDiff)));
        }
    }

    void seriesSum_data() {
        QTest::addColumn<double>("jd");
        QTest::addColumn<bool>("angle");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("expected");
        // At J2000.0 only the power-0 series counts: 2 cos 0.5 - 1 cos 1 - 5.
        const double atEpoch = 2 * std::cos(0.5) - std::cos(1.0) - 5;
        QTest::newRow("epoch, power 0 only") << 2451545.0 << false << 2 << atEpoch;
        // A millennium later t = 1, and the power-1 series counts once.
        const double later = 2 * std::cos(0.5 + 3.0) - std::cos(1.0 - 1.0) - 5 + std::cos(0.25);
        QTest::newRow("t = 1") << 2816795.0 << false << 2 << later;
        // Two millennia earlier t = -2: the power-1 sum is multiplied by t.
        const double earlier =
            2 * std::cos(0.5 - 6.0) - std::cos(1.0 + 2.0) - 5 - 2 * std::cos(0.25);
        QTest::newRow("t = -2") << 1721045.0 << false << 2 << earlier;
        QTest::newRow("negative angle reduced") << 2451545.0 << true << 2 << atEpoch + kTwoPi;
        QTest::newRow("no series") << 2451545.0 << true << 0 << 0.0;
    }

    void seriesSum() {
        QFETCH(double, jd);
        QFETCH(bool, angle);
        QFETCH(int, count);
        QFETCH(double, expected);
        static const AAVSOP87Term power0[] = {{2, 0.5, 3}, {-1, 1, -1}, {-5, 0, 0}};
        static const AAVSOP87Term power1[] = {{1, 0.25, 0}};
        const AAVSOP87Series table[] = {{power0, 3}, {power1, 1}};
        const double value = AAVSOP87::Calculate(jd, table, count, angle);
        QVERIFY2(std::fabs(value - expected) < 1e-12, qPrintable(QString::number(value, 'g', 17)));
    }

    // The rate is the derivative of the value: against a central difference over 0.02 days
    // (good to some 1e-9 rad per day), for coordinates with six powers of time.
    void rateIsDerivative() {
        for (double jd = 2378495.0; jd < 2524595.0; jd += 9131.25) {
            const double h = 0.01;
            const double numeric =
                std::remainder(AAVSOP87Terms_Mercury::L(jd + h) - AAVSOP87Terms_Mercury::L(jd - h),
                               kTwoPi) /
                (2 * h);
            QVERIFY(std::fabs(AAVSOP87Terms_Mercury::L_DASH(jd) - numeric) < 2e-8);
            const double numericR =
                (AAVSOP87Terms_Saturn::R(jd + h) - AAVSOP87Terms_Saturn::R(jd - h)) / (2 * h);
            QVERIFY(std::fabs(AAVSOP87Terms_Saturn::R_DASH(jd) - numericR) < 1e-10);
        }
    }

    void lowAgainstHighPrecision_data() {
        QTest::addColumn<void*>("value");
        QTest::addColumn<bool>("angle");
        QTest::addColumn<double>("limit");
        const auto row = [](const char* name, double (*f)(bool, double), bool angle, double limit) {
            QTest::newRow(name) << reinterpret_cast<void*>(f) << angle << limit;
        };
        // The Earth's truncated series differ from the complete ones by up to 2.0e-6 rad
        // (0.4") in L and 1.2e-6 rad in B over 1900..2100: the truncation itself.
        row("Earth L", AAEarthPosition::HelioLongitude, true, 2.5e-6);
        row("Earth B", AAEarthPosition::HelioLatitude, true, 1.5e-6);
        row("Earth R", AAEarthPosition::HelioRadius, false, 2.5e-6);
        row("Earth L J2000", AAEarthPosition::HelioLongitudeJ2000, true, 2.5e-6);
        row("Earth B J2000", AAEarthPosition::HelioLatitudeJ2000, true, 1.5e-6);
        row("Mercury L", AAMercuryPosition::HelioLongitude, true, 1.2e-5);
        row("Mercury B", AAMercuryPosition::HelioLatitude, true, 1.2e-5);
        row("Mercury R", AAMercuryPosition::HelioRadius, false, 6e-6);
        row("Venus L", AAVenusPosition::HelioLongitude, true, 8e-6);
        row("Venus B", AAVenusPosition::HelioLatitude, true, 5e-6);
        row("Venus R", AAVenusPosition::HelioRadius, false, 5e-6);
        row("Mars L", AAMarsPosition::HelioLongitude, true, 1e-5);
        row("Mars B", AAMarsPosition::HelioLatitude, true, 1e-5);
        row("Mars R", AAMarsPosition::HelioRadius, false, 1.5e-5);
        row("Jupiter L", AAJupiterPosition::HelioLongitude, true, 1.2e-5);
        row("Jupiter B", AAJupiterPosition::HelioLatitude, true, 5e-6);
        row("Jupiter R", AAJupiterPosition::HelioRadius, false, 4e-5);
        row("Saturn L", AASaturnPosition::HelioLongitude, true, 1.2e-5);
        row("Saturn B", AASaturnPosition::HelioLatitude, true, 1e-5);
        row("Saturn R", AASaturnPosition::HelioRadius, false, 2e-4);
        row("Uranus L", AAUranusPosition::HelioLongitude, true, 8e-6);
        row("Uranus B", AAUranusPosition::HelioLatitude, true, 5e-6);
        row("Uranus R", AAUranusPosition::HelioRadius, false, 1.6e-4);
        row("Neptune L", AANeptunePosition::HelioLongitude, true, 8e-6);
        row("Neptune B", AANeptunePosition::HelioLatitude, true, 4e-6);
        row("Neptune R", AANeptunePosition::HelioRadius, false, 1e-4);
    }

    // The truncated series against the complete ones over 1900..2100 (401 dates), within the
    // truncation's own size (radians or AU); longitudes in [0, 360), latitudes in [-90, 90].
    void lowAgainstHighPrecision() {
        QFETCH(void*, value);
        QFETCH(bool, angle);
        QFETCH(double, limit);
        const auto f = reinterpret_cast<double (*)(bool, double)>(value);
        double worst = 0;
        for (int k = 0; k <= 400; ++k) {
            const double jd = 2415020.5 + k * 182.62;
            const double low = f(false, jd);
            const double high = f(true, jd);
            double diff = high - low;
            if (angle) {
                diff = CT::DegreesToRadians(degreesDiff(high, low));
                QVERIFY(low >= -90 && low < 360 && high >= -90 && high < 360);
            }
            worst = std::max(worst, std::fabs(diff));
        }
        QVERIFY2(worst < limit, qPrintable(QString::number(worst)));
    }

    void textbookLowPrecision_data() {
        QTest::addColumn<void*>("value");
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        const auto row = [](const char* name, double (*f)(bool, double), double jd, double e,
                            double tol) {
            QTest::newRow(name) << reinterpret_cast<void*>(f) << jd << e << tol;
        };
        // Meeus example 25.b, the Earth on 1992 October 13.0 TD: L = 19.907372 deg,
        // B = -0.644", R = 0.99760775 AU (printed digits).
        row("25.b Earth L", AAEarthPosition::HelioLongitude, 2448908.5, 19.907372, 1e-6);
        row("25.b Earth B", AAEarthPosition::HelioLatitude, 2448908.5, -0.644 * kArcsecInDeg,
            0.001 * kArcsecInDeg);
        row("25.b Earth R", AAEarthPosition::HelioRadius, 2448908.5, 0.99760775, 1e-8);
        // Meeus example 32.a, Venus on 1992 December 20.0 TD: L = 26.11428 deg,
        // B = -2.62070 deg, R = 0.724603 AU.
        row("32.a Venus L", AAVenusPosition::HelioLongitude, 2448976.5, 26.11428, 1e-5);
        row("32.a Venus B", AAVenusPosition::HelioLatitude, 2448976.5, -2.62070, 1e-5);
        row("32.a Venus R", AAVenusPosition::HelioRadius, 2448976.5, 0.724603, 1e-6);
    }

    void textbookLowPrecision() {
        QFETCH(void*, value);
        QFETCH(double, jd);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double ours = reinterpret_cast<double (*)(bool, double)>(value)(false, jd);
        QVERIFY2(std::fabs(ours - expected) <= tolerance,
                 qPrintable(QString::number(ours, 'g', 12)));
    }

    // libnova's Earth as a second oracle for the complete series, within 0.001" and 1e-8 AU:
    // it gives the J2000 position with the small correction to the FK5 system applied.
    void earthAgainstLibnova() {
        for (double jd = 2415020.5; jd < 2488070.0; jd += 1234.5) {
            ln_helio_posn theirs{};
            ln_get_earth_helio_coords(jd, &theirs);
            const double l = AAEarthPosition::HelioLongitudeJ2000(true, jd);
            const double b = AAEarthPosition::HelioLatitudeJ2000(true, jd);
            const double dl = AAFK5Frame::CorrectionInLongitude(l, b, jd);
            const double db = AAFK5Frame::CorrectionInLatitude(l, jd);
            QVERIFY2(std::fabs(degreesDiff(l + dl, theirs.L)) < 0.001 * kArcsecInDeg,
                     qPrintable(QString::number(degreesDiff(l + dl, theirs.L) * 3600)));
            QVERIFY(std::fabs(b + db - theirs.B) < 0.001 * kArcsecInDeg);
            QVERIFY(std::fabs(AAEarthPosition::HelioRadius(true, jd) - theirs.R) < 1e-8);
        }
    }

    // Meeus example 26.a, 1992 October 13.0 TD, with the values it quotes from the complete
    // VSOP87 for the mean equinox of date: X = -0.9379963, Y = -0.3116537, Z = -0.1351207 AU.
    void sunMeeusExample() {
        const double jd = 2448908.5;
        const AA3DCoordinate s = AASunPosition::EquatorialXYZ(jd, jd, true);
        QVERIFY(std::fabs(s.X - -0.9379963) < 1e-7);
        QVERIFY(std::fabs(s.Y - -0.3116537) < 1e-7);
        QVERIFY(std::fabs(s.Z - -0.1351207) < 1e-7);
    }

    void sunEquatorial_data() {
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("equinox");
        QTest::addColumn<bool>("high");
        QTest::newRow("J2000 equinox, low") << 2448908.5 << 2451545.0 << false;
        QTest::newRow("J2000 equinox, high") << 2460000.3 << 2451545.0 << true;
        QTest::newRow("equinox of date, low") << 2470000.7 << 2470000.7 << false;
        QTest::newRow("B1950 equinox, high") << 2430000.5 << 2433282.4235 << true;
    }

    // The vector has the Earth's radius vector as length, points opposite to the Earth's J2000
    // direction turned onto the equator, and its precession to the equinox agrees with the
    // rigorous precession of right ascension and declination (within 1e-6").
    void sunEquatorial() {
        QFETCH(double, jd);
        QFETCH(double, equinox);
        QFETCH(bool, high);
        const AA3DCoordinate s = AASunPosition::EquatorialXYZ(jd, equinox, high);
        const double R = AAEarthPosition::HelioRadius(high, jd);
        QVERIFY(std::fabs(std::sqrt(s.X * s.X + s.Y * s.Y + s.Z * s.Z) - R) < 1e-12);

        const double l = CT::DegreesToRadians(AAEarthPosition::HelioLongitudeJ2000(high, jd));
        const double b = CT::DegreesToRadians(AAEarthPosition::HelioLatitudeJ2000(high, jd));
        const AA3DCoordinate j2000 = AAFK5Frame::FromVsopJ2000(
            {-std::cos(b) * std::cos(l), -std::cos(b) * std::sin(l), -std::sin(b)});
        const double ra = CT::RadiansToHours(std::atan2(j2000.Y, j2000.X));
        const double dec = CT::RadiansToDegrees(std::asin(j2000.Z));
        const AA2DCoordinate precessed =
            AAPrecessionCorr::PrecessRaDec(ra, dec, 2451545.0, equinox);
        const double sRa = CT::RadiansToHours(std::atan2(s.Y, s.X));
        const double sDec = CT::RadiansToDegrees(std::asin(s.Z / R));
        QVERIFY(std::fabs(std::remainder(sRa - precessed.X, 24.0)) * 15 < 1e-6 * kArcsecInDeg);
        QVERIFY(std::fabs(sDec - precessed.Y) < 1e-6 * kArcsecInDeg);

        // The frame tie is small: the FK5 equator is the ecliptic turned by the J2000 mean
        // obliquity, 84381.448", to within 0.2".
        const double eps = CT::DegreesToRadians(84381.448 * kArcsecInDeg);
        const double x = -std::cos(b) * std::cos(l);
        const double y = -std::cos(b) * std::sin(l) * std::cos(eps) + std::sin(b) * std::sin(eps);
        const double z = -std::cos(b) * std::sin(l) * std::sin(eps) - std::sin(b) * std::cos(eps);
        const double tie = std::sqrt((x - j2000.X) * (x - j2000.X) + (y - j2000.Y) * (y - j2000.Y) +
                                     (z - j2000.Z) * (z - j2000.Z));
        QVERIFY2(tie < CT::DegreesToRadians(0.2 * kArcsecInDeg), qPrintable(QString::number(tie)));
    }
};

QTEST_APPLESS_MAIN(TestAAVSOP87)
#include "tst_aavsop87.moc"
