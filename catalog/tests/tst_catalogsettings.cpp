#include "astro/angleutil.h"
#include "base/tests/datarow.h"
#include "catalog/tests/catalogsettingsrig.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Ko;
using namespace Ko::Test;

namespace {

// 2026-03-20 10:59:00 UT: hour 492778 since 1970.
constexpr double kSettingsJulianDate = 2461119.5 + (10 * 60 + 59) / 1440.0;
constexpr int kUnixHour = 492778;
constexpr double kLatitude = 45 * kDeg;
// 2026-11-05 10:59 UTC: the Sun stands near right ascension 14.7 h, declination -16 degrees, so
// that right ascension and declination mistaken for each other point far from it.
constexpr double kAutumnJulianDate = 2461349.5 + (10 * 60 + 59) / 1440.0;

const Nullable<CoordPair> kNoAzAlt;

Nullable<CoordPair> altitude(double deg) {
    return CoordPair{0, deg * kDeg};
}

} // namespace

class TestCatalogSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_folders = 0;

    // At a site at 45 degrees north.
    struct Rig : CatalogSettingsRig {
        explicit Rig(const QString& dataFolder, double julianDate = kSettingsJulianDate)
            : CatalogSettingsRig(dataFolder, julianDate, kLatitude) {}

        CoordPair sunNow() const { return solar->getObject(ISolarSystem::Sun).coordNow; }
    };

    QString freshFolder() { return m_dir.filePath(QString("home%1/app").arg(++m_folders)); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void isFilteredOut_data() {
        QTest::addColumn<bool>("vmagFilter");
        QTest::addColumn<bool>("altitudeFilter");
        QTest::addColumn<float>("vmag");
        QTest::addColumn<bool>("useDsoLimit");
        QTest::addColumn<double>("altitudeDeg");
        QTest::addColumn<bool>("hidden");
        dataRow("star at the limit 2.0 stays", true, true, 2.0f, false, 30.0, false);
        QTest::newRow("star of 2.01 is hidden") << true << true << 2.01f << false << 30.0 << true;
        dataRow("double of 6.9 is measured against 7.0", true, true, 6.9f, true, 30.0, false);
        dataRow("deep sky of 7.01 is hidden", true, true, 7.01f, true, 30.0, true);
        QTest::newRow("magnitude filter off") << false << true << 12.0f << false << 30.0 << false;
        QTest::newRow("below the horizon") << false << true << 1.0f << false << -30.0 << true;
        dataRow("below the horizon, altitude filter off", false, false, 1.0f, false, -30.0, false);
        dataRow("exactly at the lower limit", false, true, 1.0f, false, 0.0, false);
        dataRow("above the upper limit is still listed", false, true, 1.0f, false, 89.0, false);
    }
    void isFilteredOut() {
        QFETCH(bool, vmagFilter);
        QFETCH(bool, altitudeFilter);
        QFETCH(float, vmag);
        QFETCH(bool, useDsoLimit);
        QFETCH(double, altitudeDeg);
        QFETCH(bool, hidden);
        Rig rig(freshFolder());
        rig.settings->setEnableVmagFilter(vmagFilter);
        rig.settings->setEnableAltRangeViewFilter(altitudeFilter);
        AstroObj obj;
        obj.vmag = vmag;
        QCOMPARE(rig.settings->isFilteredOut(obj, useDsoLimit, altitude(altitudeDeg)), hidden);
    }

    // Without an altitude from the caller it is computed now: at 45 degrees north the north
    // celestial pole stands 45 degrees high and the south pole 45 degrees below the horizon.
    void altitudeComputedWhenNotGiven() {
        Rig rig(freshFolder());
        AstroObj north;
        north.coordNow = {1.0, kPi / 2};
        AstroObj south;
        south.coordNow = {1.0, -kPi / 2};
        QVERIFY(!rig.settings->isFilteredOut(north, false, kNoAzAlt));
        QVERIFY(rig.settings->isFilteredOut(south, false, kNoAzAlt));
        QVERIFY(!rig.settings->slewToProhibition(north.coordNow, kNoAzAlt).hasValue());
        QCOMPARE(rig.settings->slewToProhibition(south.coordNow, kNoAzAlt).value(),
                 SlewToProhibition_::AltitudeOutOfRange);
        // Limits of 30 to 60 degrees take the pole at 45 degrees, not at 20.
        rig.altRange->setMinAlt(30 * kDeg);
        rig.altRange->setMaxAlt(60 * kDeg);
        QVERIFY(!rig.settings->slewToProhibition(north.coordNow, kNoAzAlt).hasValue());
        CLocation site = rig.sky.location->location();
        site.latitudeRad = 20 * kDeg;
        rig.sky.location->setLocation(site);
        QCOMPARE(rig.settings->slewToProhibition(north.coordNow, kNoAzAlt).value(),
                 SlewToProhibition_::AltitudeOutOfRange);
        QVERIFY(rig.settings->isFilteredOut(north, false, kNoAzAlt));
    }

    void slewToProhibition_data() {
        QTest::addColumn<double>("altitudeDeg");
        QTest::addColumn<double>("fromSunDeg"); // < 0: far from the Sun
        QTest::addColumn<bool>("observeSun");
        QTest::addColumn<int>("expected"); // -1: allowed
        QTest::newRow("inside the limits") << 30.0 << -1.0 << false << -1;
        QTest::newRow("exactly at the lower limit") << 0.0 << -1.0 << false << -1;
        QTest::newRow("exactly at the upper limit 75") << 75.0 << -1.0 << false << -1;
        QTest::newRow("just below the lower limit") << -0.01 << -1.0 << false << 0;
        QTest::newRow("above the upper limit") << 75.1 << -1.0 << false << 0;
        dataRow("altitude not a number", std::numeric_limits<double>::quiet_NaN(), -1.0, false, 0);
        QTest::newRow("4 degrees from the Sun") << 30.0 << 4.0 << false << 1;
        QTest::newRow("4.9 degrees from the Sun") << 30.0 << 4.9 << false << 1;
        QTest::newRow("5.1 degrees from the Sun") << 30.0 << 5.1 << false << -1;
        QTest::newRow("4 degrees from the Sun, observing the Sun") << 30.0 << 4.0 << true << -1;
        QTest::newRow("altitude before the Sun") << -5.0 << 4.0 << true << 0;
        // No distance from the Sun can be known: refused like one too close.
        dataRow("target not a number", 30.0, std::numeric_limits<double>::quiet_NaN(), false, 1);
    }
    void slewToProhibition() {
        QFETCH(double, altitudeDeg);
        QFETCH(double, fromSunDeg);
        QFETCH(bool, observeSun);
        QFETCH(int, expected);
        Rig rig(freshFolder());
        // The limits hold whether or not the list filter is on.
        rig.settings->setEnableAltRangeViewFilter(false);
        rig.settings->setEnableObserveSun(observeSun);
        const CoordPair sun = rig.sunNow();
        const CoordPair target = fromSunDeg < 0 ? CoordPair{std::fmod(sun.a + kPi, 2 * kPi), 0}
                                                : CoordPair{sun.a, sun.b + fromSunDeg * kDeg};
        const auto result = rig.settings->slewToProhibition(target, altitude(altitudeDeg));
        QCOMPARE(result.hasValue() ? int(result.value()) : -1, expected);
    }

    // As the GoTo guard of the mount's callers (a user object's GoTo): the information page's
    // refusal near the Sun, in its words, unless the user observes the Sun; nothing where the
    // altitude limits refuse, since the mount refuses that itself and says so. Targets lie north
    // or south of the Sun of date as the solar-system source gives it, in November.
    void goToRefusal_data() {
        QTest::addColumn<double>("fromSunDeg");
        QTest::addColumn<bool>("observeSun");
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("lowerLimitDeg");
        QTest::addColumn<QString>("refusal");
        const QString tooClose = "Too close to Sun";
        // At 45 degrees north the Sun stands about 29 degrees up, within the limits.
        dataRow("at the Sun", 0.0, false, 45.0, 0.0, tooClose);
        dataRow("1.5 degrees from the Sun", 1.5, false, 45.0, 0.0, tooClose);
        dataRow("4.9 degrees south of the Sun", -4.9, false, 45.0, 0.0, tooClose);
        dataRow("20 degrees from the Sun", 20.0, false, 45.0, 0.0, QString());
        dataRow("1.5 degrees from the Sun, observing the Sun", 1.5, true, 45.0, 0.0, QString());
        // At 80 degrees south the Sun stands about 25 degrees up, under a lower limit of 30.
        dataRow("at the Sun, under the lower limit", 0.0, false, -80.0, 30.0, QString());
    }
    void goToRefusal() {
        QFETCH(double, fromSunDeg);
        QFETCH(bool, observeSun);
        QFETCH(double, latitudeDeg);
        QFETCH(double, lowerLimitDeg);
        QFETCH(QString, refusal);
        Rig rig(freshFolder(), kAutumnJulianDate);
        CLocation site = rig.sky.location->location();
        site.latitudeRad = latitudeDeg * kDeg;
        rig.sky.location->setLocation(site);
        rig.altRange->setMinAlt(lowerLimitDeg * kDeg);
        rig.settings->setEnableObserveSun(observeSun);
        QVERIFY(rig.sun->sunAboveHorizon());
        const CoordPair sun = rig.sunNow();
        const IGoToGuard& guard = *rig.settings;
        QCOMPARE(guard.goToRefusal(sun.a, sun.b + fromSunDeg * kDeg), refusal);
    }

    // Permission given at 10:59 lasts until 22:00 UTC, and is stored in the settings file.
    void observeSunExpires() {
        const QString folder = freshFolder();
        Rig rig(folder);
        QSignalSpy spy(rig.settings.get(), &ICatalogSettings::settingsChanged_q);
        rig.settings->setEnableObserveSun(true);
        QCOMPARE(spy.count(), 1);
        QVERIFY(rig.settings->enableObserveSun());
        QCOMPARE(Rig::openStore(folder)->loadInt("observe.sun.expiryUnixHour", 0), kUnixHour + 12);
        QVERIFY(Rig::openStore(folder)->loadBool("observe.sun", false));

        rig.sky.clock->set(qint64(kUnixHour + 11) * 3600000 + 3599999); // 21:59:59.999
        QVERIFY(rig.settings->enableObserveSun());
        rig.sky.clock->set(qint64(kUnixHour + 12) * 3600000); // 22:00
        QVERIFY(!rig.settings->enableObserveSun());
        QCOMPARE(spy.count(), 1); // lapsing is silent
        QVERIFY(Rig::openStore(folder)->loadBool("observe.sun", false));
        const CoordPair sun = rig.sunNow();
        QCOMPARE(rig.settings->slewToProhibition({sun.a, sun.b + 4 * kDeg}, altitude(30)).value(),
                 SlewToProhibition_::TooCloseToSun);

        // Switching off a lapsed permission changes nothing; switching on stores a new expiry.
        rig.settings->setEnableObserveSun(false);
        QCOMPARE(spy.count(), 1);
        rig.settings->setEnableObserveSun(true);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(Rig::openStore(folder)->loadInt("observe.sun.expiryUnixHour", 0), kUnixHour + 24);
        rig.settings->setEnableObserveSun(false);
        QCOMPARE(spy.count(), 3);
        QVERIFY(!Rig::openStore(folder)->loadBool("observe.sun", true));
        QCOMPARE(Rig::openStore(folder)->loadInt("observe.sun.expiryUnixHour", 0), kUnixHour + 24);
    }

    // Each property: defaults, one notification per change, none for the same value, and the
    // value read back by the next run from the settings file.
    void properties_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QVariant>("newValue");
        dataRow("sortOrder", QByteArray("sortOrder"), "cat.order", QVariant(0), QVariant(2));
        dataRow("enableVmagFilter", QByteArray("enableVmagFilter"), "filter.vmag.on",
                QVariant(false), QVariant(true));
        dataRow("maxStarVmag", QByteArray("maxStarVmag"), "filter.vmag.dimmest", QVariant(2.0f),
                QVariant(4.5f));
        dataRow("maxDsoVmag", QByteArray("maxDsoVmag"), "filter.vmag.dimmest_dso", QVariant(7.0f),
                QVariant(9.25f));
        dataRow("enableAltRangeViewFilter", QByteArray("enableAltRangeViewFilter"),
                "filter.altitude", QVariant(true), QVariant(false));
        dataRow("enableObserveSun", QByteArray("enableObserveSun"), "observe.sun", QVariant(false),
                QVariant(true));
    }
    void properties() {
        QFETCH(QByteArray, property);
        QFETCH(QString, key);
        QFETCH(QVariant, defaultValue);
        QFETCH(QVariant, newValue);
        const QString folder = freshFolder();
        {
            Rig rig(folder);
            int fired = 0;
            rig.settings->changed.append([&] { ++fired; });
            QSignalSpy spy(rig.settings.get(), &ICatalogSettings::settingsChanged_q);
            QObject* o = rig.settings.get();
            QCOMPARE(o->property(property).toDouble(), defaultValue.toDouble());
            QVERIFY(o->setProperty(property, defaultValue));
            QCOMPARE(spy.count(), 0);
            QVERIFY(o->setProperty(property, newValue));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(fired, 1);
            QVERIFY(o->setProperty(property, newValue));
            QCOMPARE(spy.count(), 1);
            QVERIFY(Rig::openStore(folder)->contains(key.toStdString()));
        }
        Rig next(folder);
        QCOMPARE(next.settings->property(property).toDouble(), newValue.toDouble());
    }

    void altitudeLimitChangeIsASettingsChange() {
        Rig rig(freshFolder());
        int fired = 0;
        rig.settings->changed.append([&] { ++fired; });
        QSignalSpy spy(rig.settings.get(), &ICatalogSettings::settingsChanged_q);
        rig.altRange->setMinAlt(10 * kDeg);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(fired, 1);
        AstroObj obj;
        QVERIFY(rig.settings->isFilteredOut(obj, false, altitude(9.9)));
        QVERIFY(!rig.settings->isFilteredOut(obj, false, altitude(10.1)));
        rig.altRange->setMaxAlt(80 * kDeg);
        QCOMPARE(spy.count(), 2);
        // Far from the Sun, which stands near right ascension 0 at the March equinox.
        QVERIFY(!rig.settings->slewToProhibition({kPi, 0}, altitude(79.9)).hasValue());
    }
};

QTEST_MAIN(TestCatalogSettings)
#include "tst_catalogsettings.moc"
