#include "astro/angleutil.h"
#include "base/languagemanager.h"
#include "catalog/solarsystem.h"
#include "catalog/solarsystemcataloglist.h"
#include "catalog/sunvisibility.h"
#include "catalog/tests/catalogrig.h"

#include <QTest>

#include <cmath>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-03-20 00:00 UT, close to the March equinox.
constexpr double kEquinox2026 = 2461119.5;

double separation(const CoordPair& p, const CoordPair& q) {
    return std::acos(std::clamp(std::sin(p.b) * std::sin(q.b) +
                                    std::cos(p.b) * std::cos(q.b) * std::cos(p.a - q.a),
                                -1.0, 1.0));
}

struct Solar {
    Sky sky;
    std::shared_ptr<LanguageManager> language = std::make_shared<LanguageManager>(nullptr, nullptr);
    std::shared_ptr<SolarSystem> solar;

    explicit Solar(double jd, double latitudeRad = 0)
        : sky(jd, latitudeRad),
          solar(std::make_shared<SolarSystem>(sky.astroClock, sky.calc, language)) {}
};

} // namespace

class TestSolarSystem : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en"))); }

    // Worked examples of J. Meeus, Astronomical Algorithms (2nd ed.), which give apparent places.
    // The frame of date here leaves out nutation and aberration, which shift these places by
    // 2 to 18 arcseconds; the tolerance is 30 arcseconds.
    void positionsAgainstWorkedExamples_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("raDeg");
        QTest::addColumn<double>("decDeg");
        QTest::newRow("Sun, example 25.a, 1992 Oct 13.0")
            << int(ISolarSystem::Sun) << 2448908.5 << 198.38083 << -7.78507;
        QTest::newRow("Moon, example 47.a, 1992 Apr 12.0")
            << int(ISolarSystem::Moon) << 2448724.5 << 134.688470 << 13.768368;
        QTest::newRow("Venus, example 33.a, 1992 Dec 20.0")
            << int(ISolarSystem::Venus) << 2448976.5 << 316.17273 << -18.88801;
    }
    void positionsAgainstWorkedExamples() {
        QFETCH(int, body);
        QFETCH(double, jd);
        QFETCH(double, raDeg);
        QFETCH(double, decDeg);
        Solar s(jd);
        const AstroObj o = s.solar->getObject(body);
        const double off = separation(o.coordNow, {raDeg * kDeg, decDeg * kDeg});
        QVERIFY2(off < kArcmin / 2, qPrintable(QString("%1 arcsec").arg(off / kDeg * 3600)));
        // The J2000 place differs from the place of date by 7 years of precession.
        QVERIFY(separation(o.coordJ2000, o.coordNow) > 3 * kArcmin);
    }

    // Ten years sampled every 9 days: each magnitude stays inside the range the body is
    // observed to span (Saturn without its rings).
    void magnitudesInObservedRanges_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<float>("brightest");
        QTest::addColumn<float>("faintest");
        QTest::newRow("Mercury") << int(ISolarSystem::Mercury) << -2.6f << 5.8f;
        QTest::newRow("Venus") << int(ISolarSystem::Venus) << -4.9f << -3.0f;
        QTest::newRow("Mars") << int(ISolarSystem::Mars) << -3.0f << 1.9f;
        QTest::newRow("Jupiter") << int(ISolarSystem::Jupiter) << -2.95f << -1.6f;
        QTest::newRow("Saturn") << int(ISolarSystem::Saturn) << -0.6f << 1.5f;
        QTest::newRow("Uranus") << int(ISolarSystem::Uranus) << 5.3f << 6.1f;
        QTest::newRow("Neptune") << int(ISolarSystem::Neptune) << 7.7f << 8.0f;
        QTest::newRow("Sun") << int(ISolarSystem::Sun) << -26.7f << -26.7f;
        QTest::newRow("Moon") << int(ISolarSystem::Moon) << 0.0f << 0.0f;
    }
    void magnitudesInObservedRanges() {
        QFETCH(int, body);
        QFETCH(float, brightest);
        QFETCH(float, faintest);
        Solar s(kEquinox2026);
        float low = 99;
        float high = -99;
        for (double day = 0; day < 3653; day += 9) {
            s.sky.clock->set(julianDateToMs(kEquinox2026 - 1826 + day));
            const float m = s.solar->getObject(body).vmag;
            low = std::min(low, m);
            high = std::max(high, m);
        }
        QVERIFY2(low >= brightest && high <= faintest,
                 qPrintable(QString("%1 .. %2").arg(low).arg(high)));
        // The sampling covers most of the range of each planet.
        if (body != ISolarSystem::Sun && body != ISolarSystem::Moon)
            QVERIFY2(high - low > 0.4 * (faintest - brightest),
                     qPrintable(QString("%1 .. %2").arg(low).arg(high)));
    }

    void listsInBodyOrder() {
        Solar s(kEquinox2026);
        SolarSystemCatalogList all(s.solar, false);
        SolarSystemCatalogList best(s.solar, true);
        QVERIFY(!all.usesDsoVmagLimit());
        QVERIFY(!best.usesDsoVmagLimit());
        QStringList names;
        QList<uint32_t> kinds;
        for (const AstroObj& o : all.load()) {
            names.append(o.qmlName());
            kinds.append(o.kind);
        }
        QCOMPARE(names, (QStringList{"Sun", "Mercury", "Venus", "Moon", "Mars", "Jupiter", "Saturn",
                                     "Uranus", "Neptune"}));
        QCOMPARE(kinds, (QList<uint32_t>{2, 0, 0, 1, 0, 0, 0, 0, 0}));
        // Tonight's best leaves out Neptune (about 7.8) and nothing else.
        names.clear();
        for (const AstroObj& o : best.load())
            names.append(o.qmlName());
        QCOMPARE(names, (QStringList{"Sun", "Mercury", "Venus", "Moon", "Mars", "Jupiter", "Saturn",
                                     "Uranus"}));
        int fired = 0;
        all.changed.append([&] { ++fired; });
        all.refresh();
        QCOMPARE(fired, 1);
    }

    // A body is computed once per second of the clock: a list searched again within it filters
    // the same places; the next second, or another language, computes afresh.
    void computedOncePerSecond_data() {
        QTest::addColumn<int>("laterMs");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("samePlace");
        QTest::addColumn<QString>("moonName");
        QTest::newRow("same moment") << 0 << "en" << true << "Moon";
        QTest::newRow("999 ms later") << 999 << "en" << true << "Moon";
        QTest::newRow("the next second") << 1000 << "en" << false << "Moon";
        QTest::newRow("an hour later") << 3600000 << "en" << false << "Moon";
        QTest::newRow("clock set back 1 ms") << -1 << "en" << false << "Moon";
        QTest::newRow("999 ms later, in German") << 999 << "de" << false << "Mond";
    }
    void computedOncePerSecond() {
        QFETCH(int, laterMs);
        QFETCH(QString, language);
        QFETCH(bool, samePlace);
        QFETCH(QString, moonName);
        Solar s(kEquinox2026);
        const CoordPair first = s.solar->getObject(ISolarSystem::Moon).coordNow;
        s.sky.clock->set(julianDateToMs(kEquinox2026) + laterMs);
        s.language->setLanguage(language);
        const AstroObj moon = s.solar->getObject(ISolarSystem::Moon);
        QCOMPARE(moon.qmlName(), moonName);
        QCOMPARE(moon.coordNow.a == first.a && moon.coordNow.b == first.b, samePlace);
        // The Moon moves about half an arcsecond a second.
        QVERIFY(separation(moon.coordNow, first) < (std::abs(laterMs) / 1000.0 + 1) * kArcmin);
    }

    // Every shipped language has names of its own; the Moon as the Japanese and Chinese call it.
    void namesInEveryShippedLanguage() {
        Solar s(kEquinox2026);
        const auto languages = s.language->availableLanguages();
        QCOMPARE(languages.size(), 13);
        for (const LanguageManagerEntry& e : languages) {
            s.language->setLanguage(e.languageCode);
            QCOMPARE(s.language->languageCode(), e.languageCode);
            const QString sun = s.solar->getObject(ISolarSystem::Sun).qmlName();
            QVERIFY2((sun == "Sun") == (e.languageCode == "en"), qPrintable(e.languageCode));
            if (e.languageCode == "ja")
                QCOMPARE(s.solar->getObject(ISolarSystem::Moon).qmlName(), QString("月"));
            if (e.languageCode == "zh")
                QCOMPARE(s.solar->getObject(ISolarSystem::Moon).qmlName(), QString("月球"));
        }
    }

    // Positions of the guard: the Sun's place of date moved north along its hour circle.
    void sunGuard_data() {
        QTest::addColumn<double>("offsetDeg");
        QTest::addColumn<bool>("tooClose");
        QTest::newRow("the Sun itself") << 0.0 << true;
        QTest::newRow("4.9 degrees") << 4.9 << true;
        QTest::newRow("4.999 degrees") << 4.999 << true;
        QTest::newRow("5.001 degrees") << 5.001 << false;
        QTest::newRow("5.1 degrees") << 5.1 << false;
        QTest::newRow("opposite") << 180.0 << false;
    }
    void sunGuard() {
        QFETCH(double, offsetDeg);
        QFETCH(bool, tooClose);
        Solar s(kEquinox2026);
        SunVisibility guard(s.sky.calc, s.solar, s.sky.astroClock);
        const CoordPair sun = s.solar->getObject(ISolarSystem::Sun).coordNow;
        const CoordPair target = offsetDeg == 180.0
                                     ? CoordPair{std::fmod(sun.a + kPi, 2 * kPi), -sun.b}
                                     : CoordPair{sun.a, sun.b + offsetDeg * kDeg};
        const Nullable<double> result = guard.isTooCloseToSun(target);
        QCOMPARE(result.hasValue(), tooClose);
        if (tooClose)
            QVERIFY(std::abs(result.value() - offsetDeg * kDeg) < 1e-9);
    }

    // The Sun's place is reused for 12 hours and computed afresh after that.
    void sunPositionAge_data() {
        QTest::addColumn<double>("hoursLater");
        QTest::addColumn<double>("minDeg");
        QTest::addColumn<double>("maxDeg");
        QTest::newRow("1 hour: reused") << 1.0 << 0.0 << 0.0;
        QTest::newRow("11.9 hours: reused") << 11.9 << 0.0 << 0.0;
        QTest::newRow("12.1 hours: computed again") << 12.1 << 0.45 << 0.55;
        QTest::newRow("30 days: computed again, outside the guard") << 720.0 << 28.0 << -1.0;
        QTest::newRow("clock set back 2 days") << -48.0 << 1.9 << 2.1;
    }
    void sunPositionAge() {
        QFETCH(double, hoursLater);
        QFETCH(double, minDeg);
        QFETCH(double, maxDeg);
        Solar s(kEquinox2026);
        SunVisibility guard(s.sky.calc, s.solar, s.sky.astroClock);
        const CoordPair first = s.solar->getObject(ISolarSystem::Sun).coordNow;
        QCOMPARE(guard.isTooCloseToSun(first).value(), 0.0);
        s.sky.clock->advanceHours(hoursLater);
        const Nullable<double> sep = guard.isTooCloseToSun(first);
        if (maxDeg < 0) {
            QVERIFY(!sep.hasValue());
            return;
        }
        QVERIFY(sep.hasValue());
        QVERIFY2(sep.value() >= minDeg * kDeg && sep.value() <= maxDeg * kDeg,
                 qPrintable(QString::number(sep.value() / kDeg)));
    }

    // At the equator on the equinox the Sun rises near 06:00 and sets near 18:00 local time.
    void sunAboveHorizon_data() {
        QTest::addColumn<double>("hourUt");
        QTest::addColumn<bool>("above");
        QTest::newRow("midnight") << 0.0 << false;
        QTest::newRow("05:30") << 5.5 << false;
        QTest::newRow("06:30") << 6.5 << true;
        QTest::newRow("noon") << 12.0 << true;
        QTest::newRow("17:30") << 17.5 << true;
        QTest::newRow("18:30") << 18.5 << false;
    }
    void sunAboveHorizon() {
        QFETCH(double, hourUt);
        QFETCH(bool, above);
        Solar s(kEquinox2026);
        SunVisibility guard(s.sky.calc, s.solar, s.sky.astroClock);
        // The first call fixes the Sun's place; the altitude follows the clock.
        QVERIFY(!guard.sunAboveHorizon());
        s.sky.clock->advanceHours(hourUt);
        QCOMPARE(guard.sunAboveHorizon(), above);
    }
};

QTEST_MAIN(TestSolarSystem)
#include "tst_solarsystem.moc"
