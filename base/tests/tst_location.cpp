#include "base/location2.h"
#include "base/qtkvstore.h"
#include "base/tests/scratchsettings.h"

#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cmath>
#include <future>
#include <thread>

using namespace Ko;

class TestLocation : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;

    std::shared_ptr<QtKVStore> fileStore() { return openScratchStore(m_tmp->path() + "/Org/App"); }
    static std::shared_ptr<QtKVStore> memoryStore() {
        return std::make_shared<QtKVStore>("", nullptr);
    }

private slots:
    void initTestCase() { qRegisterMetaType<Ko::CLocation>(); }
    void init() {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
    }

    void emptyStoreGivesDefaults() {
        for (auto store : {memoryStore(), std::shared_ptr<QtKVStore>()}) {
            Location2 loc(store);
            QCOMPARE(loc.location(), CLocation());
            QCOMPARE(loc.longitudeRad(), 0.0);
            QCOMPARE(loc.latitudeRad(), 0.0);
            QCOMPARE(loc.mockLatitude(), false);
            QCOMPARE(loc.altitudeMeter(), 0.0);
            QCOMPARE(loc.temperatureCelsius(), 10.0);
            QVERIFY(loc.isNorthernHemisphere());
        }
    }

    void siteIsStoredUnderItsKeysAndSurvivesRestart() {
        CLocation east;
        east.longitudeRad = -75.0 * M_PI / 180.0; // 75 degrees east: longitude is positive west
        east.latitudeRad = -0.5;
        east.mockLatitude = true;
        east.altitudeMeter = 1234.5;
        east.temperatureCelsius = -3.25;
        {
            Location2 loc(fileStore());
            loc.setLocation(east);
            QCOMPARE(loc.location(), east);
            QVERIFY(!loc.isNorthernHemisphere());
        }
        auto store = fileStore();
        QCOMPARE(store->json(), (QJsonObject{{"loc.long", -1.3089969389957472},
                                             {"loc.lat", -0.5},
                                             {"loc.mock_lat", true},
                                             {"loc.alt", 1234.5},
                                             {"loc.temp_cel", -3.25}}));
        QCOMPARE(Location2(store).location(), east);
    }

    // A site as a phone's fix gives it: not a whole number of seconds.
    static CLocation phoneFix() {
        CLocation l;
        l.latitudeRad = 47.378 * M_PI / 180.0;
        l.longitudeRad = -8.54 * M_PI / 180.0;
        l.altitudeMeter = 408.5;
        return l;
    }

    // Only a site that differs in some field, by however little, is saved and announced: every
    // announcement rebuilds a default pointing model, which drops the correction points.
    void onlyAChangedSiteIsSavedAndAnnounced_data() {
        QTest::addColumn<CLocation>("next");
        QTest::addColumn<bool>("saved");
        const auto with = [](auto change) {
            CLocation l = phoneFix();
            change(l);
            return l;
        };
        QTest::newRow("the same site") << phoneFix() << false;
        QTest::newRow("latitude one step of the double higher")
            << with([](CLocation& l) { l.latitudeRad = std::nextafter(l.latitudeRad, 1.0); })
            << true;
        QTest::newRow("longitude one step lower")
            << with([](CLocation& l) { l.longitudeRad = std::nextafter(l.longitudeRad, -1.0); })
            << true;
        QTest::newRow("a mock latitude")
            << with([](CLocation& l) { l.mockLatitude = true; }) << true;
        QTest::newRow("altitude") << with([](CLocation& l) { l.altitudeMeter = 409; }) << true;
        QTest::newRow("temperature")
            << with([](CLocation& l) { l.temperatureCelsius = 10.5; }) << true;
    }
    void onlyAChangedSiteIsSavedAndAnnounced() {
        QFETCH(CLocation, next);
        QFETCH(bool, saved);
        auto store = memoryStore();
        Location2 loc(store);
        loc.setLocation(phoneFix());
        int fired = 0;
        loc.changed.append([&] { ++fired; });
        QSignalSpy spy(&loc, &ILocation::locationChanged_q);
        // A stale value behind the object's back: only a save rewrites it.
        store->saveDouble("loc.lat", 0.9);
        loc.setLocation(next);
        QCOMPARE(fired, saved ? 1 : 0);
        QCOMPARE(spy.count(), saved ? 1 : 0);
        QCOMPARE(store->loadDouble("loc.lat", -1), saved ? next.latitudeRad : 0.9);
        QCOMPARE(loc.location(), saved ? next : phoneFix());
        QCOMPARE(store->json().size(), 5);
    }

    void changeListFiresBeforeSignal() {
        Location2 loc(memoryStore());
        QSignalSpy spy(&loc, &ILocation::locationChanged_q);
        int signalsSeenByList = -1;
        loc.changed.append([&] { signalsSeenByList = int(spy.count()); });
        CLocation l;
        l.latitudeRad = 0.1;
        loc.setLocation(l);
        QCOMPARE(signalsSeenByList, 0);
        QCOMPARE(spy.count(), 1);
    }

    void storedValuesOfWrongTypeReadAsDefaults() {
        auto store = memoryStore();
        store->setJson(QJsonObject{
            {"loc.mock_lat", 1}, {"loc.lat", "0.5"}, {"loc.long", 0.25}, {"loc.temp_cel", true}});
        Location2 loc(store);
        QCOMPARE(loc.mockLatitude(), false);
        QCOMPARE(loc.latitudeRad(), 0.0);
        QCOMPARE(loc.longitudeRad(), 0.25);
        QCOMPARE(loc.temperatureCelsius(), 10.0);
    }

    void hemisphere_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<bool>("northern");
        QTest::newRow("equator") << 0.0 << true;
        QTest::newRow("north") << 0.7 << true;
        QTest::newRow("south") << -1e-9 << false;
    }
    void hemisphere() {
        QFETCH(double, latitude);
        QFETCH(bool, northern);
        Location2 loc(memoryStore());
        CLocation l;
        l.latitudeRad = latitude;
        loc.setLocation(l);
        QCOMPARE(loc.isNorthernHemisphere(), northern);
    }

    void readersOnOtherThreadsSeeWholeSites() {
        auto store = memoryStore();
        Location2 loc(store);
        std::atomic<bool> stop{false};
        std::atomic<int> torn{0};
        std::promise<void> reading;
        auto readerRuns = reading.get_future();
        std::thread reader([&] {
            reading.set_value();
            while (!stop) {
                const CLocation l = loc.location();
                if (l.latitudeRad != -l.longitudeRad || l.altitudeMeter != l.latitudeRad * 10)
                    ++torn;
            }
        });
        // The writes start once the reader runs, so the two really overlap.
        readerRuns.wait();
        for (int i = 0; i < 200; ++i) {
            CLocation l;
            l.latitudeRad = i * 0.001;
            l.longitudeRad = -l.latitudeRad;
            l.altitudeMeter = l.latitudeRad * 10;
            loc.setLocation(l);
        }
        stop = true;
        reader.join();
        QCOMPARE(torn.load(), 0);
        QCOMPARE(store->loadDouble("loc.lat", 0), 0.199);
    }

    void qmlReadsAndWritesTheSite() {
        auto loc = std::make_shared<Location2>(memoryStore());
        QQmlEngine engine;
        engine.rootContext()->setContextProperty("inj_location", loc.get());
        const auto eval = [&](const char* js) {
            QQmlExpression e(engine.rootContext(), nullptr, QString::fromUtf8(js));
            const QVariant v = e.evaluate();
            if (e.hasError())
                qWarning() << e.error().toString();
            return v;
        };
        QCOMPARE(eval("inj_location.latitudeRad").toDouble(), 0.0);
        QCOMPARE(eval("inj_location.isNorthernHemisphere").toBool(), true);
        QCOMPARE(eval("inj_location.temperatureCelsius").toDouble(), 10.0);
        QCOMPARE(eval("inj_location.location().temperatureCelsius").toDouble(), 10.0);

        QSignalSpy spy(loc.get(), &ILocation::locationChanged_q);
        QCOMPARE(eval(R"((function() {
                    var l = inj_location.location()
                    l.latitudeRad = -0.25
                    l.longitudeRad = 1.5
                    l.mockLatitude = true
                    l.altitudeMeter = 12
                    inj_location.setLocation(l)
                    return inj_location.location().longitudeRad
                })())")
                     .toDouble(),
                 1.5);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(loc->latitudeRad(), -0.25);
        QCOMPARE(loc->mockLatitude(), true);
        QCOMPARE(loc->altitudeMeter(), 12.0);
        QCOMPARE(loc->temperatureCelsius(), 10.0);
        QCOMPARE(eval("inj_location.mockLatitude").toBool(), true);
        QCOMPARE(eval("inj_location.isNorthernHemisphere").toBool(), false);
        // The site properties are read-only for QML; changes go through setLocation.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("read-only property"));
        eval("inj_location.latitudeRad = 1");
        QCOMPARE(loc->latitudeRad(), -0.25);
    }
};

QTEST_GUILESS_MAIN(TestLocation)
#include "tst_location.moc"
