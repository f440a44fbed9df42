#include "model/alignment.h"

#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "base/tests/datarow.h"
#include "model/mountmode.h"
#include "model/tests/rotations.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <thread>

using namespace Ko;
using AnglePair = IAlignment::AnglePair;

namespace {

constexpr double kSidereal = 7.292115845221407e-05;

struct Terms {
    double id = 0, ch = 0, np = 0;
};

std::shared_ptr<Nullable<ALIGNMENT_DATA>> holder(int mode, double latDeg, Terms t = {}) {
    CLocation site;
    site.latitudeRad = latDeg * kDeg;
    ALIGNMENT_DATA d = makeDefaultAlignmentData(mode, site);
    d.cpid = t.id;
    d.cpch = t.ch;
    d.cpnp = t.np;
    return std::make_shared<Nullable<ALIGNMENT_DATA>>(d);
}

// A default model whose mount is turned by the rotation r (applied in the mount frame).
std::shared_ptr<Nullable<ALIGNMENT_DATA>> turned(int mode, double latDeg, const Matrix3& r) {
    auto h = holder(mode, latDeg);
    Matrix3 m = r;
    m *= h->value().mxhm;
    h->value().mxhm = m;
    h->value().mxmh = m;
    invert(h->value().mxmh);
    return h;
}

// The transform reads a holder of its own, filled with the record as the test built it.
std::shared_ptr<SharedAlignmentData> shared(const std::shared_ptr<Nullable<ALIGNMENT_DATA>>& m) {
    return std::make_shared<SharedAlignmentData>(*m);
}

// Angle between two directions given as (longitude, latitude); exact also for tiny angles.
double separation(AnglePair p, AnglePair q) {
    const Vector3 a = directionOf(p.first, p.second), b = directionOf(q.first, q.second);
    return std::atan2(norm(cross(a, b)), dot(a, b));
}

double angleDiff(double a, double b) {
    return std::fabs(wrapToPi(a - b));
}

} // namespace

class TestAlignment : public QObject {
    Q_OBJECT

private slots:
    void defaultModelRecord() {
        for (int mode : {0, 1})
            for (double lat : {-60.0, 0.0, 1.8, 89.0}) {
                const ALIGNMENT_DATA d = holder(mode, lat)->value();
                Matrix3 p = d.mxmh;
                p *= d.mxhm;
                for (size_t i = 0; i < 9; ++i)
                    QVERIFY(std::fabs(p.e[i] - diagonal(1).e[i]) < 1e-15);
                QVERIFY(d.pairs.empty() && !d.dtma.hasValue() && !d.muta.hasValue());
                QVERIFY(d.mountMode.value() == mode &&
                        d.location.value().latitudeRad == lat * kDeg);
            }
    }

    // Sky to axes and back, against values worked out by hand (spherical trigonometry of the
    // default frames; correction terms applied as CH / cos and NP * tan). Tolerance 0.01".
    void skyToAxes_data() {
        QTest::addColumn<std::shared_ptr<Nullable<ALIGNMENT_DATA>>>("model");
        QTest::addColumn<int>("flip");
        QTest::addColumn<AnglePair>("sky");
        QTest::addColumn<AnglePair>("reference");
        QTest::addColumn<AnglePair>("axes");
        const Terms terms{10 * kArcmin, 5 * kArcmin, 3 * kArcmin};
        auto deg = [](double a, double b) { return AnglePair{a * kDeg, b * kDeg}; };
        const AnglePair none{0, 0};
        dataRow("EQ north, 1h +20, normal side", holder(0, 30), 1, deg(15, 20), none, deg(15, 20));
        dataRow("EQ north, 1h +20, Auto takes the flipped side", holder(0, 30), 0, deg(15, 20),
                none, deg(-165, 160));
        dataRow("EQ north, -1h, Auto stays", holder(0, 30), 0, deg(-15, 20), none, deg(-15, 20));
        dataRow("EQ north, on the meridian Auto stays", holder(0, 30), 0, deg(0, 20), none,
                deg(0, 20));
        dataRow("EQ north, Yes on the meridian", holder(0, 30), 2, deg(0, 20), none,
                deg(-180, 160));
        dataRow("EQ north, hour angle one turn on", holder(0, 30), 1, deg(375, 20), none,
                deg(15, 20));
        dataRow("EQ south, 1h +20, normal side", holder(0, -30), 1, deg(15, 20), none,
                deg(-15, -20));
        dataRow("EQ south, -1h flips under Auto", holder(0, -30), 0, deg(-15, -20), none,
                deg(-165, 160));
        dataRow("EQ equator uses the northern rule", holder(0, 0), 0, deg(15, 20), none,
                deg(-165, 160));
        dataRow("EQ with ID CH NP", holder(0, 40, terms), 1, deg(30, 50), none,
                deg(29.810768668131914, 49.833333333333336));
        dataRow("EQ with ID CH NP, flipped side", holder(0, 40, terms), 0, deg(30, 50), none,
                deg(-149.8107686681319, 129.83333333333334));
        dataRow("AZ 45, south horizon", holder(1, 45), 0, deg(0, 0), none, deg(-180, 45));
        dataRow("AZ 45, west horizon", holder(1, 45), 0, deg(90, 0), none, deg(-90, 0));
        dataRow("AZ 45, with ID CH NP", holder(1, 45, terms), 0, deg(0, 0), none,
                deg(179.83214886980224, 44.833333333333336));
        const auto sky175 = AstroCalc::azAltToHourAngleDecStep(175 * kDeg, 30 * kDeg, 45 * kDeg);
        dataRow("AZ nearest turn to -170", holder(1, 45), 0, sky175, deg(-170, 0), deg(-185, 30));
        const auto sky15 = AstroCalc::azAltToHourAngleDecStep(15 * kDeg, 30 * kDeg, 45 * kDeg);
        dataRow("AZ 375 comes back to 15", holder(1, 45), 0, sky15, deg(350, 0), deg(15, 30));
    }
    void skyToAxes() {
        QFETCH(std::shared_ptr<Nullable<ALIGNMENT_DATA>>, model);
        QFETCH(int, flip);
        QFETCH(AnglePair, sky);
        QFETCH(AnglePair, reference);
        QFETCH(AnglePair, axes);
        Alignment a(shared(model), nullptr);
        a.setFlippingMode(FlippingMode_::E(flip));
        const AnglePair got = a.skyToAxes(sky, reference);
        QVERIFY2(std::fabs(got.first - axes.first) < 0.01 * kArcsec &&
                     std::fabs(got.second - axes.second) < 0.01 * kArcsec,
                 qPrintable(QString("%1 %2")
                                .arg(got.first / kDeg, 0, 'f', 9)
                                .arg(got.second / kDeg, 0, 'f', 9)));
        const AnglePair back = a.axesToSky(got);
        QVERIFY(separation(back, sky) < 0.01 * kArcsec);
    }

    // sky -> axes -> sky within 0.1" over the whole sphere, on both sides, for default and turned
    // models with correction terms (outside the 6' where the forward side leaves CH and NP out).
    void roundTrips() {
        const Terms terms{-7 * kArcmin, 12 * kArcmin, -4 * kArcmin};
        Matrix3 tilt = rotationY(0.8 * kDeg);
        tilt *= rotationX(-0.3 * kDeg);
        const std::shared_ptr<Nullable<ALIGNMENT_DATA>> models[] = {
            holder(0, 52), holder(0, -33), holder(1, 52), turned(0, 35, tilt),
            turned(1, -20, tilt)};
        for (const auto& m : models) {
            m->value().cpid = terms.id;
            m->value().cpch = terms.ch;
            m->value().cpnp = terms.np;
            Alignment a(shared(m), nullptr);
            for (int flip : {0, 1, 2}) {
                a.setFlippingMode(FlippingMode_::E(flip));
                for (double dec = -87; dec <= 87; dec += 6)
                    for (double ha = -180; ha < 180; ha += 12.5) {
                        const AnglePair sky{ha * kDeg, dec * kDeg};
                        const AnglePair axes = a.skyToAxes(sky, a.referenceAxes());
                        if (std::fabs(std::fabs(wrapToPi(axes.second + terms.id)) - kPi / 2) <
                            6.5 * kArcmin)
                            continue;
                        QVERIFY2(
                            separation(a.axesToSky(axes), sky) < 0.1 * kArcsec,
                            qPrintable(QString("ha %1 dec %2 flip %3").arg(ha).arg(dec).arg(flip)));
                        if (m->value().mountMode.value() == MountMode_::EQ)
                            QVERIFY(axes.first > -1.5 * kPi && axes.first <= kPi / 2);
                    }
            }
        }
    }

    void pierSideAroundTheMeridian() {
        for (double lat : {40.0, -40.0}) {
            Alignment a(shared(holder(0, lat)), nullptr);
            for (double haSec : {-1.0, 0.0, 1.0, 3600.0 * 24 - 1, 3600.0 * 24 + 1}) {
                const AnglePair sky{haSec * kArcsec * 15, 30 * kDeg};
                const double h = wrapToPi(sky.first);
                const bool want = lat >= 0 ? h > 0 : h < 0;
                QCOMPARE(a.shouldFlip({h, sky.second}, FlippingMode_::Auto), want);
                const AnglePair axes = a.skyToAxes(sky, a.referenceAxes());
                QCOMPARE(a.isFlipped(axes), want);
                // Axis 2 beyond +-90 degrees is the flipped side.
                QCOMPARE(std::fabs(axes.second) > kPi / 2, want);
            }
        }
        Alignment a(shared(holder(0, 40)), nullptr);
        QVERIFY(!a.shouldFlip({1, 0}, FlippingMode_::No) &&
                a.shouldFlip({-1, 0}, FlippingMode_::Yes));
    }

    // A side forced for one call moves axis 1 by whole turns into the side's range; it belongs to
    // that call only, so a plain conversion running at the same time never sees it.
    void forcedSide() {
        auto m = holder(0, 40);
        Alignment a(shared(m), nullptr);
        const AnglePair sky{-20 * kDeg, 30 * kDeg};
        QCOMPARE(a.skyToAxesWithSide(sky, true), a.skyToAxes(sky, {}));
        a.setFlippingMode(FlippingMode_::No);
        const AnglePair plain = a.skyToAxes(sky, {});
        const AnglePair normal = a.skyToAxesWithSide(sky, false);
        const AnglePair other = a.skyToAxesWithSide(sky, true);
        QVERIFY(normal.first >= -kPi / 2 && normal.first < 1.5 * kPi);
        QVERIFY(other.first >= -2.5 * kPi && other.first < -kPi / 2);
        QVERIFY(angleDiff(normal.first, plain.first) < 1e-12 &&
                angleDiff(other.first, plain.first) < 1e-12);
        QVERIFY(plain.first != other.first);

        std::atomic<bool> stop{false};
        std::thread forcing([&] {
            while (!stop)
                a.skyToAxesWithSide(sky, true);
        });
        bool alwaysPlain = true;
        for (int i = 0; i < 20000; ++i)
            alwaysPlain = alwaysPlain && a.skyToAxes(sky, {}) == plain;
        stop = true;
        forcing.join();
        QVERIFY(alwaysPlain);
    }

    void poles() {
        const Terms terms{0, 5 * kArcmin, 3 * kArcmin};
        for (auto [mode, lat, dec] :
             {std::tuple{0, 40.0, 90.0}, {0, -40.0, -90.0}, {1, 40.0, 40.0}}) {
            Alignment a(shared(holder(mode, lat, terms)), nullptr);
            a.setFlippingMode(FlippingMode_::No);
            for (double ha : {-1.0, 0.0, 2.0}) {
                // Exactly on the axis-2 pole: nothing infinite or NaN reaches the motors.
                const AnglePair sky{ha, dec * kDeg};
                const AnglePair axes = a.skyToAxes(sky, a.referenceAxes());
                QVERIFY(std::isfinite(axes.first) && std::isfinite(axes.second));
                // On the pole CH and NP are left out, so axis 1 is the plain solution.
                if (mode == 0)
                    QVERIFY(angleDiff(axes.first, lat >= 0 ? ha : -ha) < 1e-12);
                const AnglePair rates = a.axisRates(sky, kSidereal);
                QVERIFY(std::isfinite(rates.first) && std::isfinite(rates.second));
            }
        }
        // The forward side leaves CH and NP out within 6' of the pole, and only there.
        Alignment a(shared(holder(0, 40, terms)), nullptr);
        Alignment plain(shared(holder(0, 40)), nullptr);
        QVERIFY(angleDiff(a.axesToSky({0.5, 89.95 * kDeg}).first, 0.5) < 1e-12);
        QVERIFY(angleDiff(a.axesToSky({0.5, 89.8 * kDeg}).first, 0.5) > 1 * kDeg);
        QVERIFY(angleDiff(plain.axesToSky({0.5, 89.8 * kDeg}).first, 0.5) < 1e-12);
    }

    // Axis rates against central differences of the transform (steps of 5 s).
    void axisRates_data() {
        QTest::addColumn<std::shared_ptr<Nullable<ALIGNMENT_DATA>>>("model");
        QTest::addColumn<AnglePair>("sky");
        QTest::addColumn<double>("rate");
        Matrix3 tilt = rotationY(2 * kDeg);
        tilt *= rotationX(1 * kDeg);
        QTest::newRow("EQ north") << holder(0, 40) << AnglePair{0.4, 0.3} << kSidereal;
        QTest::newRow("EQ south") << holder(0, -40) << AnglePair{-2.0, -0.7} << kSidereal;
        dataRow("EQ north, turned mount", turned(0, 40, tilt), AnglePair{1.0, 1.2}, kSidereal);
        dataRow("EQ backwards at lunar rate", turned(0, 40, tilt), AnglePair{-1.0, -0.2},
                -7.023457754504344e-05);
        dataRow("AZ rising in the east", holder(1, 45), AnglePair{-1.5, 0.2}, kSidereal);
        dataRow("AZ setting in the west", holder(1, 45), AnglePair{2.0, -0.1}, kSidereal);
        dataRow("AZ south of the zenith", holder(1, 45), AnglePair{0.05, 0.6}, kSidereal);
        QTest::newRow("AZ turned") << turned(1, -30, tilt) << AnglePair{2.5, -0.9} << kSidereal;
    }
    void axisRates() {
        QFETCH(std::shared_ptr<Nullable<ALIGNMENT_DATA>>, model);
        QFETCH(AnglePair, sky);
        QFETCH(double, rate);
        Alignment a(shared(model), nullptr);
        a.setFlippingMode(FlippingMode_::No);
        const double dt = 5;
        auto at = [&](double s) {
            return a.skyToAxes({sky.first + rate * s, sky.second}, a.skyToAxes(sky, {}));
        };
        const AnglePair before = at(-dt), after = at(dt);
        const double fd1 = wrapToPi(after.first - before.first) / (2 * dt);
        const double fd2 = (after.second - before.second) / (2 * dt);
        const AnglePair got = a.axisRates(sky, rate);
        QVERIFY2(
            std::fabs(got.first - fd1) < 1e-5 * std::fabs(rate) &&
                std::fabs(got.second - fd2) < 1e-5 * std::fabs(rate),
            qPrintable(QString("%1 %2 vs %3 %4").arg(got.first).arg(got.second).arg(fd1).arg(fd2)));
    }

    // The polar (EQ) or vertical (AZ) axis turned by a known angle e: the reports give e back.
    void axisErrors_data() {
        QTest::addColumn<std::shared_ptr<Nullable<ALIGNMENT_DATA>>>("model");
        QTest::addColumn<AnglePair>("azEl");
        QTest::addColumn<double>("tilt");
        const double e = 30 * kArcmin;
        const double phi = 40 * kDeg;
        QTest::newRow("EQ north, perfect") << holder(0, 40) << AnglePair{0, 0} << 0.0;
        QTest::newRow("EQ south, perfect") << holder(0, -40) << AnglePair{0, 0} << 0.0;
        dataRow("EQ north, polar axis 30' high", turned(0, 40, rotationY(-e)), AnglePair{0, e}, e);
        dataRow("EQ north, polar axis 30' west", turned(0, 40, rotationX(e)),
                AnglePair{-std::atan(std::tan(e) / std::cos(phi)),
                          std::asin(std::cos(e) * std::sin(phi)) - phi},
                e);
        dataRow("EQ south, polar axis 30' high", turned(0, -40, rotationY(-e)), AnglePair{0, e}, e);
        QTest::newRow("AZ 45, level") << holder(1, 45) << AnglePair{0, 0} << 0.0;
        dataRow("AZ 1.8, level (asin argument rounds past 1)", holder(1, 1.8), AnglePair{0, 0},
                0.0);
        dataRow("AZ 45, vertical axis 30' towards south", turned(1, 45, rotationY(e)),
                AnglePair{kPi, e}, e);
    }
    void axisErrors() {
        QFETCH(std::shared_ptr<Nullable<ALIGNMENT_DATA>>, model);
        QFETCH(AnglePair, azEl);
        QFETCH(double, tilt);
        Alignment a(shared(model), nullptr);
        const AnglePair got = a.axisAzElError();
        QVERIFY(std::isfinite(got.first) && std::isfinite(got.second));
        // The azimuth of an axis that stands on the pole is undefined.
        if (azEl.second != 0)
            QVERIFY2(angleDiff(got.first, azEl.first) < 0.1 * kArcsec,
                     qPrintable(QString::number(got.first / kArcmin)));
        QVERIFY2(std::fabs(got.second - azEl.second) < 0.1 * kArcsec,
                 qPrintable(QString::number(got.second / kArcmin)));
        QVERIFY2(std::fabs(a.axisTilt() - tilt) < 0.1 * kArcsec,
                 qPrintable(QString::number(a.axisTilt() / kArcmin)));
    }

    void trailPointsStart() {
        Alignment a(shared(holder(0, 40)), nullptr);
        // Started on the flipped side west of the meridian, the trail stays there after crossing.
        const auto start = a.createTrailPointsStart(a.skyToAxes({10 * kDeg, 20 * kDeg}, {}));
        const AnglePair east = a.skyToAxesWithStart({-10 * kDeg, 20 * kDeg}, {-kPi, 0}, *start);
        QVERIFY(east.second > kPi / 2);
        QVERIFY(angleDiff(east.first, 170 * kDeg) < 1e-12);
        // Unwrapped next to the reference, but never past 3pi/2 or below -5pi/2.
        const AnglePair p{-10 * kDeg, 20 * kDeg};
        QVERIFY(std::fabs(a.skyToAxesWithStart(p, {3 * kPi, 0}, *start).first - 170 * kDeg) <
                1e-12);
        QVERIFY(std::fabs(a.skyToAxesWithStart(p, {-3 * kPi, 0}, *start).first + 190 * kDeg) <
                1e-12);
        // No side recorded: the EQ model cannot choose one.
        Alignment az(shared(holder(1, 40)), nullptr);
        const auto azStart = az.createTrailPointsStart({0, 0});
        QVERIFY_THROWS_EXCEPTION(std::logic_error, a.skyToAxesWithStart({0, 0}, {0, 0}, *azStart));
        QCOMPARE(az.skyToAxesWithStart({0.3, 0.2}, {7, 0}, *azStart),
                 az.skyToAxes({0.3, 0.2}, {7, 0}));
    }

    void modeAndFlippingState() {
        Alignment eq(shared(holder(0, 40)), nullptr), az(shared(holder(1, 40)), nullptr);
        QCOMPARE(eq.referenceAxes(), AnglePair(-kPi / 2, kPi / 2));
        QCOMPARE(az.referenceAxes(), AnglePair(0, 0));
        QCOMPARE(eq.normalizeAxisAngle(1, -2.0), -2.0 + k2Pi);
        QCOMPARE(eq.normalizeAxisAngle(0, -2.0), -2.0);
        QCOMPARE(az.normalizeAxisAngle(1, -2.0), -2.0);
        int fired = 0;
        eq.flippingModeChanged.append([&] { ++fired; });
        QVERIFY(eq.canAutoFlip() && !az.canAutoFlip());
        eq.setFlippingMode(FlippingMode_::Yes);
        eq.setFlippingMode(FlippingMode_::Yes);
        QCOMPARE(fired, 2);
        QVERIFY(!eq.canAutoFlip());
        QCOMPARE(eq.flippingMode(), FlippingMode_::Yes);
    }

    // What each operation needs of the record: without it, "Read null Nullable".
    void missingModelParts() {
        auto none = std::make_shared<Nullable<ALIGNMENT_DATA>>();
        auto noMode = holder(0, 40);
        noMode->value().mountMode.reset();
        auto noSite = holder(0, 40);
        noSite->value().location.reset();
        using Op = std::function<void(Alignment&)>;
        const AnglePair p{0.2, 0.3};
        const std::vector<std::tuple<const char*, Op, bool, bool, bool>> ops = {
            // name, operation, throws without model, without mode, without site
            {"referenceAxes", [](Alignment& a) { a.referenceAxes(); }, true, true, false},
            {"axisAzElError", [](Alignment& a) { a.axisAzElError(); }, true, true, true},
            {"axisTilt", [](Alignment& a) { a.axisTilt(); }, true, true, true},
            {"axesToSky", [&](Alignment& a) { a.axesToSky(p); }, true, false, false},
            {"skyToAxes", [&](Alignment& a) { a.skyToAxes(p, p); }, true, true, false},
            {"axisRates", [&](Alignment& a) { a.axisRates(p, 1); }, true, false, false},
            {"shouldFlip Auto", [&](Alignment& a) { a.shouldFlip(p, FlippingMode_::Auto); }, true,
             false, true},
            {"shouldFlip Yes", [&](Alignment& a) { a.shouldFlip(p, FlippingMode_::Yes); }, false,
             false, false},
            {"isFlipped", [&](Alignment& a) { a.isFlipped(p); }, true, false, false},
            {"createTrailPointsStart", [&](Alignment& a) { a.createTrailPointsStart(p); }, true,
             true, false},
            {"canAutoFlip", [](Alignment& a) { a.canAutoFlip(); }, true, true, false},
            {"flippingMode", [](Alignment& a) { a.setFlippingMode(a.flippingMode()); }, false,
             false, false},
        };
        for (const auto& [name, op, withoutModel, withoutMode, withoutSite] : ops) {
            for (auto [m, want] :
                 {std::pair{none, withoutModel}, {noMode, withoutMode}, {noSite, withoutSite}}) {
                Alignment a(shared(m), nullptr);
                a.setFlippingMode(FlippingMode_::No);
                bool threw = false;
                try {
                    op(a);
                } catch (const std::logic_error& e) {
                    threw = std::string(e.what()) == "Read null Nullable";
                }
                QVERIFY2(threw == want, name);
            }
        }
        // The forced side of an EQ model reads the site even with a fixed flipping mode.
        Alignment a(shared(noSite), nullptr);
        a.setFlippingMode(FlippingMode_::No);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, a.skyToAxesWithSide(p, true));
    }
};

QTEST_GUILESS_MAIN(TestAlignment)
#include "tst_alignment.moc"
