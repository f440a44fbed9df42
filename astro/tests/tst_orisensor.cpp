#include "astro/angleutil.h"
#include "astro/magneticdeclination.h"
#include "astro/orisensor.h"
#include "astro/qastroformat.h"
#include "base/languagemanager.h"
#include "base/location2.h"
#include "base/tests/fakeclock.h"
#include "fakesensorbackends.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace Ko;

namespace {

// 2010-01-01 00:00:00 UTC.
constexpr int64_t kSensorEpochMs = 1262304000000;

CLocation sensorSite(double latDeg, double eastLonDeg) {
    CLocation l;
    l.latitudeRad = latDeg * kDeg;
    l.longitudeRad = -eastLonDeg * kDeg;
    return l;
}

// Collects what the one-shot callbacks receive, tagged with the caller's number.
struct Answers {
    std::vector<std::pair<int, U_ASTRO_COORD>> received;
    IOriSensor::Callback callback(int tag) {
        return [this, tag](const U_ASTRO_COORD& c) { received.emplace_back(tag, c); };
    }
};

} // namespace

class TestOriSensor : public QObject {
    Q_OBJECT

public:
    // Only the fake backends: the platform's sensor plugins stay out of the test.
    static void initMain() { qputenv("QT_SENSORS_LOAD_PLUGINS", "0"); }

private:
    FakeSensorBackends m_backends;
    std::shared_ptr<FakeClock> m_clock = std::make_shared<FakeClock>();
    std::shared_ptr<Location2> m_location = std::make_shared<Location2>(nullptr);
    std::shared_ptr<MagneticDeclination> m_declination;
    std::shared_ptr<QAstroFormat> m_format;
    std::unique_ptr<OriSensor> m_sensor;

    void push(double compassDeg, double tiltDeg) {
        QVERIFY(m_backends.compass && m_backends.compass->running);
        QVERIFY(m_backends.tilt && m_backends.tilt->running);
        m_backends.compass->push(compassDeg);
        m_backends.tilt->push(tiltDeg);
    }
    bool running() const {
        return m_backends.compass && m_backends.compass->running && m_backends.tilt &&
               m_backends.tilt->running;
    }
    bool stopped() const {
        return (!m_backends.compass || !m_backends.compass->running) &&
               (!m_backends.tilt || !m_backends.tilt->running);
    }

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
        m_clock->set(kSensorEpochMs);
        m_declination = std::make_shared<MagneticDeclination>(m_clock, m_location);
        m_format =
            std::make_shared<QAstroFormat>(std::make_shared<LanguageManager>(nullptr, nullptr));
    }

    void init() {
        m_backends.compass = nullptr;
        m_backends.tilt = nullptr;
        m_backends.compassFails = false;
        m_backends.tiltFails = false;
        m_backends.registerBoth();
        m_location->setLocation(sensorSite(80, 0));
        m_sensor = std::make_unique<OriSensor>(m_format, m_declination);
    }

    void cleanup() {
        m_sensor.reset();
        m_backends.unregisterBoth();
    }

    // The compass azimuth is turned to true north with the model's declination at the site
    // (WMM2010 test values at 2010.0: -6.13 degrees at 80N 0E, +70.21 at 80S 240E) and is not
    // wrapped; the tilt sensor's x rotation is the altitude as it stands.
    void readingAppliesDeclination_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("compass");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("trueAzimuthDeg");
        QTest::newRow("west declination") << 80.0 << 0.0 << 10.0 << -5.0 << 3.87;
        QTest::newRow("east declination past north, unwrapped")
            << -80.0 << 240.0 << 350.0 << 30.0 << 420.21;
    }
    void readingAppliesDeclination() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(double, compass);
        QFETCH(double, tilt);
        QFETCH(double, trueAzimuthDeg);
        m_location->setLocation(sensorSite(lat, lon));

        Answers answers;
        QVERIFY(m_sensor->readOnce(answers.callback(1)));
        QCOMPARE(m_backends.compass->startedDataRate, 4);
        push(compass, tilt);

        QCOMPARE(answers.received.size(), size_t(1));
        const U_ASTRO_COORD got = answers.received[0].second;
        QVERIFY2(std::fabs(got.a - trueAzimuthDeg * kDeg) < 0.006 * kDeg,
                 qPrintable(QString::number(got.a / kDeg)));
        QCOMPARE(got.b, tilt / 180.0 * kPi);
        QVERIFY(m_sensor->hasReading());
        QCOMPARE(m_sensor->reading(), got);
        QCOMPARE(m_sensor->azAltString(),
                 QString::fromStdString(m_format->formatAzAltWholeDegrees(got.a, got.b)));
        QVERIFY(stopped());
    }

    // Every caller waiting when the reading completes gets that one reading, in call order; each
    // readOnce forgets what came before it.
    void pendingCallersAnsweredInOrder() {
        Answers answers;
        QVERIFY(m_sensor->readOnce(answers.callback(1)));
        m_backends.compass->push(100);
        m_backends.tilt->push(10);
        QVERIFY(m_sensor->readOnce(answers.callback(2)));
        QVERIFY(m_sensor->readOnce(answers.callback(3)));
        // Half a reading answers no one.
        m_backends.tilt->push(20);
        m_backends.tilt->push(21);
        QVERIFY(!m_sensor->hasReading());
        QCOMPARE(m_sensor->reading(), U_ASTRO_COORD{});
        QVERIFY(m_sensor->azAltText().empty());
        QCOMPARE(answers.received.size(), size_t(1));
        QVERIFY(running());
        m_backends.compass->push(200);

        QCOMPARE(answers.received.size(), size_t(3));
        QCOMPARE(answers.received[0].first, 1);
        QCOMPARE(answers.received[1].first, 2);
        QCOMPARE(answers.received[2].first, 3);
        QCOMPARE(answers.received[1].second, answers.received[2].second);
        QCOMPARE(answers.received[1].second.b, 21 * kDeg);
        QVERIFY(stopped());
    }

    // A sensor that cannot start fails the call and drops everyone still waiting.
    void startFailures_data() {
        QTest::addColumn<bool>("noBackends");
        QTest::addColumn<bool>("compassFails");
        QTest::addColumn<bool>("tiltFails");
        QTest::newRow("no sensor backend") << true << false << false;
        QTest::newRow("compass fails") << false << true << false;
        QTest::newRow("tilt fails, compass stopped again") << false << false << true;
    }
    void startFailures() {
        QFETCH(bool, noBackends);
        QFETCH(bool, compassFails);
        QFETCH(bool, tiltFails);
        Answers answers;
        if (noBackends) {
            m_backends.unregisterBoth();
        } else {
            QVERIFY(m_sensor->readOnce(answers.callback(1)));
            m_backends.compass->failStart = compassFails;
            m_backends.tilt->failStart = tiltFails;
            FakeSensorBackend* failing = m_backends.tilt;
            if (compassFails)
                failing = m_backends.compass;
            failing->dropOut();
        }
        QVERIFY(!m_sensor->readOnce(answers.callback(2)));
        QVERIFY(stopped());
        m_sensor->requestPeriodicUpdate(true);
        QVERIFY(stopped());
        if (noBackends)
            return;

        m_backends.compass->failStart = false;
        m_backends.tilt->failStart = false;
        QVERIFY(m_sensor->readOnce(answers.callback(3)));
        push(90, 0);
        QCOMPARE(answers.received.size(), size_t(1));
        QCOMPARE(answers.received[0].first, 3);
    }

    // Periodic updates tick every 500 ms whatever the sensors report, keep the sensors running
    // through one-shot reads, and on the way out leave them running for a caller still waiting.
    void periodicUpdates() {
        QSignalSpy ticks(m_sensor.get(), &IOriSensor::sensorChanged);
        m_sensor->requestPeriodicUpdate(true);
        QVERIFY(running());
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 1500);
        QVERIFY(m_sensor->azAltString().isEmpty());

        Answers answers;
        QVERIFY(m_sensor->readOnce(answers.callback(1)));
        push(30, 5);
        QCOMPARE(answers.received.size(), size_t(1));
        QVERIFY(running());
        QVERIFY(!m_sensor->azAltString().isEmpty());

        QVERIFY(m_sensor->readOnce(answers.callback(2)));
        m_sensor->requestPeriodicUpdate(false);
        QVERIFY(running());
        push(31, 6);
        QCOMPARE(answers.received.size(), size_t(2));
        QVERIFY(stopped());

        m_sensor->requestPeriodicUpdate(true);
        QVERIFY(running());
        m_sensor->requestPeriodicUpdate(false);
        QVERIFY(stopped());
    }
};

QTEST_GUILESS_MAIN(TestOriSensor)

#include "tst_orisensor.moc"
