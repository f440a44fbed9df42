#include "base/qtlocationsensor.h"

#include <QBuffer>
#include <QFile>
#include <QGeoPositionInfoSource>
#include <QNmeaPositionInfoSource>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <numbers>

using namespace Ko;
using State = LocationSensorState_::E;

namespace {

// NMEA sentences with their checksums; the simulation plays them at the pace of their
// timestamps.
QByteArray rmc(const char* time, const char* lat, char ns, const char* lon, char ew) {
    const QByteArray body = QByteArray("GPRMC,") + time + ",A," + lat + "," + ns + "," + lon + "," +
                            ew + ",0.0,0.0,010124,,,A";
    char sum = 0;
    for (char c : body)
        sum ^= c;
    return "$" + body + "*" +
           QByteArray::number(static_cast<uchar>(sum), 16).toUpper().rightJustified(2, '0') +
           "\r\n";
}

// Where the sensor's position source comes from: a simulated receiver replaying the given
// sentences, or one whose device cannot be opened.
class FakePositionSource {
public:
    QtLocationSensor::SourceFactory factory() {
        return [this](QObject* parent) -> QGeoPositionInfoSource* {
            ++made;
            if (none)
                return nullptr;
            auto* source =
                new QNmeaPositionInfoSource(QNmeaPositionInfoSource::SimulationMode, parent);
            if (unreadable) {
                source->setDevice(new QFile("/nonexistent/receiver.nmea", source));
            } else {
                auto* buffer = new QBuffer(source);
                buffer->setData(sentences);
                source->setDevice(buffer);
            }
            if (updateIntervalMs)
                source->setUpdateInterval(updateIntervalMs);
            last = source;
            return source;
        };
    }

    QByteArray sentences;
    bool none = false;
    bool unreadable = false;
    int updateIntervalMs = 0;
    int made = 0;
    QPointer<QGeoPositionInfoSource> last;
};

} // namespace

class TestLocationSensor : public QObject {
    Q_OBJECT

private slots:
    // A fix at 10 degrees east, 50 north: longitude is positive west.
    void fixBecomesReading() {
        FakePositionSource source;
        source.sentences = rmc("120000.000", "5000.0000", 'N', "01000.0000", 'E');
        QtLocationSensor sensor(source.factory());
        QSignalSpy changed(&sensor, &ILocationSensor::changed);
        QCOMPARE(sensor.state(), State::NoSignalForNow);

        sensor.setActive(true);
        sensor.setActive(true);
        QCOMPARE(source.made, 1);
        QVERIFY(sensor.active());

        // One change for switching on, one for the fix.
        QTRY_COMPARE(sensor.state(), State::HasSignal);
        QCOMPARE(changed.count(), 2);
        const LocationSensorReading r = sensor.reading().value();
        QVERIFY(qAbs(r.longitudeRad - -0.17453292519943295) < 1e-12);
        QVERIFY(qAbs(r.latitudeRad - 0.8726646259971648) < 1e-12);
        QCOMPARE(sensor.property("reading").value<LocationSensorReading>(), r);

        sensor.setActive(false);
        QVERIFY(!sensor.active());
        QVERIFY(source.last.isNull());
        QVERIFY(!sensor.reading().hasValue());
        QVERIFY(!sensor.property("reading").isValid());
        QCOMPARE(changed.count(), 3);
        sensor.setActive(false);
        QCOMPARE(changed.count(), 3);
    }

    // Source errors become states; switching off always returns to NoSignalForNow without a
    // reading.
    void errorsBecomeStates_data() {
        QTest::addColumn<QGeoPositionInfoSource::Error>("error");
        QTest::addColumn<State>("state");
        QTest::addColumn<bool>("notifies");
        QTest::newRow("access") << QGeoPositionInfoSource::AccessError << State::NoPermission
                                << true;
        QTest::newRow("closed") << QGeoPositionInfoSource::ClosedError << State::NoSensor << true;
        QTest::newRow("unknown source")
            << QGeoPositionInfoSource::UnknownSourceError << State::NoSignalAlways << true;
        QTest::newRow("time-out, already the state")
            << QGeoPositionInfoSource::UpdateTimeoutError << State::NoSignalForNow << false;
        QTest::newRow("no error") << QGeoPositionInfoSource::NoError << State::NoSignalForNow
                                  << false;
    }
    void errorsBecomeStates() {
        QFETCH(QGeoPositionInfoSource::Error, error);
        QFETCH(State, state);
        QFETCH(bool, notifies);
        FakePositionSource source;
        QtLocationSensor sensor(source.factory());
        sensor.setActive(true);
        QSignalSpy changed(&sensor, &ILocationSensor::changed);
        emit source.last->errorOccurred(error);
        QCOMPARE(changed.count(), notifies ? 1 : 0);
        QCOMPARE(sensor.state(), state);

        sensor.setActive(false);
        QCOMPARE(sensor.state(), State::NoSignalForNow);
    }

    // The real receiver in simulation: a fix, then silence past the update interval keeps the
    // fix and says no signal for now; an unreadable receiver is an access error.
    void receiverTimeOutKeepsTheFix() {
        FakePositionSource source;
        source.sentences = rmc("120000.000", "3345.0000", 'S', "15100.0000", 'E');
        source.updateIntervalMs = 300;
        QtLocationSensor sensor(source.factory());
        sensor.setActive(true);
        QTRY_COMPARE(sensor.state(), State::HasSignal);
        QTRY_COMPARE(sensor.state(), State::NoSignalForNow);
        const LocationSensorReading r = sensor.reading().value();
        QVERIFY(qAbs(r.latitudeRad - -33.75 / 180 * std::numbers::pi) < 1e-12);
        QVERIFY(qAbs(r.longitudeRad - -151.0 / 180 * std::numbers::pi) < 1e-12);
    }

    void unreadableReceiverIsAccessError() {
        FakePositionSource source;
        source.unreadable = true;
        QtLocationSensor sensor(source.factory());
        sensor.setActive(true);
        QTRY_COMPARE(sensor.state(), State::NoPermission);
        QVERIFY(sensor.active());
        sensor.setActive(false);
        QCOMPARE(sensor.state(), State::NoSignalForNow);
    }

    void noPlatformSourceStaysInactive() {
        FakePositionSource source;
        source.none = true;
        QtLocationSensor sensor(source.factory());
        QSignalSpy changed(&sensor, &ILocationSensor::changed);
        sensor.setActive(true);
        QVERIFY(!sensor.active());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(sensor.state(), State::NoSignalForNow);
    }
};

QTEST_GUILESS_MAIN(TestLocationSensor)
#include "tst_locationsensor.moc"
