#include "mount/slewingcontrol.h"
#include "mount/trackingui.h"

#include "base/tests/datarow.h"
#include "mount/tests/mountcontrolrig.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cmath>

using namespace Ko;

namespace {

// "0,4" -> buttons 0 and 4 held; "" -> none.
std::vector<bool> buttons(const QString& held) {
    std::vector<bool> v(SlewingControl::kButtonCount, false);
    for (const QString& b : held.split(',', Qt::SkipEmptyParts))
        v[b.toUInt()] = true;
    return v;
}

QString indices(const std::vector<bool>& v) {
    QStringList on;
    for (size_t i = 0; i < v.size(); ++i)
        if (v[i])
            on << QString::number(i);
    return on.join(',');
}

// Counts calls of a callback list or a signal, from whichever thread.
struct Counter {
    std::atomic<int> count{0};
    void operator()() { ++count; }
};

// The rate at which the emulated axis moves, in multiples of the sidereal rate, from two readings
// one second of mount time apart.
double measuredRate(const MountControlRig& rig, AXISID axis) {
    const auto axes = rig.axes();
    const double from = axes->readPosition(axis).value();
    const int64_t fromMs = axes->lastPosition(axis).timeMs;
    QTest::qWaitFor([&] { return rig.clock->nowMs() - fromMs >= 1000; });
    const double to = axes->readPosition(axis).value();
    return (to - from) / ((axes->lastPosition(axis).timeMs - fromMs) / 1000.0) / kSiderealRate;
}

// The table as the user sees it: multiples of the sidereal rate.
constexpr double kFactors[] = {0.5, 1, 8, 16, 32, 64, 128, 400, 600, 800};

bool nearMultiple(double measured, double multiple) {
    return std::abs(measured - multiple) <= 1e-6 * std::abs(multiple);
}

} // namespace

class TestMountControls : public QObject {
    Q_OBJECT
private slots:
    // Each step is a held set. After each, the axis directions the mount was given; at the end, the
    // pad's enabled buttons and how many slews set a direction (the mount announces each at once).
    void padCommands_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("directions");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("slews");
        using L = QStringList;
        QTest::newRow("right") << L{"0"} << L{"1 0"} << "0,2,3,4,5" << 1;
        QTest::newRow("left") << L{"1"} << L{"-1 0"} << "1,2,3,6,7" << 1;
        QTest::newRow("up") << L{"2"} << L{"0 1"} << "0,1,2,4,6" << 1;
        QTest::newRow("down") << L{"3"} << L{"0 -1"} << "0,1,3,5,7" << 1;
        QTest::newRow("up-right") << L{"4"} << L{"1 1"} << "0,2,4" << 2;
        QTest::newRow("down-right") << L{"5"} << L{"1 -1"} << "0,3,5" << 2;
        QTest::newRow("up-left") << L{"6"} << L{"-1 1"} << "1,2,6" << 2;
        QTest::newRow("down-left") << L{"7"} << L{"-1 -1"} << "1,3,7" << 2;
        QTest::newRow("right and up as up-right") << L{"0,2"} << L{"1 1"} << "0,2,4" << 2;
        QTest::newRow("right and down as down-right") << L{"0,3"} << L{"1 -1"} << "0,3,5" << 2;
        QTest::newRow("left and up as up-left") << L{"1,2"} << L{"-1 1"} << "1,2,6" << 2;
        QTest::newRow("left and down as down-left") << L{"1,3"} << L{"-1 -1"} << "1,3,7" << 2;
        QTest::newRow("up-left before up-right") << L{"4,6"} << L{"0 1"} << "1,2,6" << 1;
        QTest::newRow("right held twice") << L{"0", "0"} << L{"1 0", "1 0"} << "0,2,3,4,5" << 1;
        QTest::newRow("left added to right stops axis 1")
            << L{"0", "0,1"} << L{"1 0", "0 0"} << "0,2,3,4,5" << 1;
        QTest::newRow("up-right, released")
            << L{"4", ""} << L{"1 1", "0 0"} << "0,1,2,3,4,5,6,7" << 2;
        QTest::newRow("right, then up-right keeps axis 1")
            << L{"0", "4", "4"} << L{"1 0", "1 1", "1 1"} << "0,2,4" << 2;
        QTest::newRow("down-left, then down")
            << L{"7", "3"} << L{"-1 -1", "0 -1"} << "0,1,3,5,7" << 2;
        QTest::newRow("nothing held") << L{"", ""} << L{"0 0", "0 0"} << "0,1,2,3,4,5,6,7" << 0;
    }
    void padCommands() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, directions);
        QFETCH(QString, enabled);
        QFETCH(int, slews);
        MountControlRig rig;
        SlewingControl control(rig.holder);
        QSignalSpy enChanges(&control, &ISlewingControl::enButtonChanged);
        // Without a mount the pad changes nothing.
        control.inputButtons(buttons("0"));
        QCOMPARE(indices(control.enButton()), QStringLiteral("0,1,2,3,4,5,6,7"));
        QCOMPARE(enChanges.count(), 0);

        IMount* mount = rig.connect();
        Counter counter;
        mount->axisSlewStateChanged.append(std::ref(counter));
        QStringList seen;
        for (const QString& step : steps) {
            control.inputButtons(buttons(step));
            seen << QStringLiteral("%1 %2")
                        .arg(mount->axisSlewState(0))
                        .arg(mount->axisSlewState(1));
        }
        QCOMPARE(seen, directions);
        QCOMPARE(indices(control.enButton()), enabled);
        QCOMPARE(counter.count.load(), slews);
        QCOMPARE(enChanges.count(), steps.size());
    }

    void rateTable_data() {
        QTest::addColumn<int>("intRate");
        for (int i = 0; i < 10; ++i)
            QTest::addRow("rate %d", i) << i;
    }
    // The rate that reaches the emulated axes; a rate chosen while a button is held waits for the
    // next change of direction.
    void rateTable() {
        QFETCH(int, intRate);
        MountControlRig rig;
        rig.connect();
        SlewingControl control(rig.holder);
        QSignalSpy rateChanges(&control, &ISlewingControl::intRateChanged);
        const bool up = intRate > 5;
        for (int i = 0; i < std::abs(intRate - 5); ++i)
            control.incrementIntRate(up);
        // At either end of the table a further step changes nothing.
        if (intRate == 0 || intRate == 9)
            control.incrementIntRate(up);
        QCOMPARE(control.intRate(), intRate);
        QCOMPARE(rateChanges.count(), std::abs(intRate - 5));
        Counter motions;
        rig.axes()->motionCommanded.append(std::ref(motions));

        // Axis 2 is not tracked on an equatorial mount.
        control.inputButtons(buttons("2"));
        QTRY_COMPARE(motions.count.load(), 1);
        // The mount announces a motion when it commands it; the slew task sets the controller's
        // rate a moment later (much later on a loaded machine), so the rates are waited for.
        QTRY_VERIFY(nearMultiple(measuredRate(rig, 1), kFactors[intRate]));
        const int other = intRate == 9 ? 8 : intRate + 1;
        control.incrementIntRate(other > intRate);
        control.inputButtons(buttons("2"));
        control.inputButtons(buttons("2,0"));
        QTRY_COMPARE(motions.count.load(), 2);
        QTRY_VERIFY(nearMultiple(measuredRate(rig, 0), kFactors[other]));
        QTRY_VERIFY(nearMultiple(measuredRate(rig, 1), kFactors[intRate]));
        control.inputButtons(buttons(""));
        control.inputButtons(buttons("3"));
        QTRY_VERIFY(nearMultiple(measuredRate(rig, 1), -kFactors[other]));
    }

    // Steps are held sets, each followed by a release; the pad blinks the positive button of each
    // axis whose last manual slew went the negative way, while prompting is on.
    void promptButton_data() {
        QTest::addColumn<int>("promptEnabled");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("blink");
        QTest::newRow("fresh mount") << 1 << QStringList{} << "";
        QTest::newRow("after left") << 1 << QStringList{"1"} << "0";
        QTest::newRow("after down-left") << 1 << QStringList{"7"} << "0,1";
        QTest::newRow("left, then right again") << 1 << QStringList{"1", "0"} << "";
        QTest::newRow("down-left, then up") << 1 << QStringList{"7", "2"} << "0";
        QTest::newRow("prompting off") << 0 << QStringList{"7"} << "";
        QTest::newRow("any non-zero switches it on") << 2 << QStringList{"3"} << "1";
    }
    void promptButton() {
        QFETCH(int, promptEnabled);
        QFETCH(QStringList, steps);
        QFETCH(QString, blink);
        MountControlRig rig;
        rig.connect();
        SlewingControl control(rig.holder);
        Counter fired;
        control.changed.append(std::ref(fired));
        QSignalSpy promptChanges(&control, &ISlewingControl::promptButtonChanged_q);

        control.setPromptEnabled(promptEnabled);
        QCOMPARE(fired.count.load(), 1);
        for (const QString& step : steps) {
            control.inputButtons(buttons(step));
            control.inputButtons(buttons(""));
        }
        QCOMPARE(control.promptButton().size(), size_t(2));
        QCOMPARE(indices(control.promptButton()), blink);
        // Every slew that sets a direction may change the prompt.
        QCOMPARE(promptChanges.count(), fired.count.load());
    }

    // Each step is a choice on the page; the status reads back after it, and the emulated mount
    // really tracks exactly when the status is not Idle.
    void trackingTransitions_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QList<int>>("statuses");
        using T = TrackingStatus_;
        const QList<int> tour{T::Sidereal, T::Lunar,    T::Solar, T::Idle,
                              T::Solar,    T::Sidereal, T::Idle};
        QTest::newRow("EQ: the rates and off") << int(MountMode_::EQ) << tour << tour;
        QTest::newRow("AZ: the rates and off") << int(MountMode_::AZ) << tour << tour;
        QTest::newRow("point-and-track is not chosen here")
            << int(MountMode_::EQ) << QList<int>{T::PointAndTrack, T::Lunar, T::PointAndTrack}
            << QList<int>{T::Idle, T::Lunar, T::Lunar};
        QTest::newRow("a value outside the list tracks sidereal")
            << int(MountMode_::EQ) << QList<int>{7} << QList<int>{T::Sidereal};
    }
    void trackingTransitions() {
        QFETCH(int, mode);
        QFETCH(QList<int>, choices);
        QFETCH(QList<int>, statuses);
        MountControlRig rig;
        IMount* mount = rig.connect(MountMode_::E(mode));
        TrackingUI page(rig.holder);
        QCOMPARE(page.trackingStatus(), TrackingStatus_::Idle);

        for (int i = 0; i < choices.size(); ++i) {
            // Counted on this thread, as the page's QML hears it: the mount's answer comes on a
            // task's thread.
            QObject hearing;
            int changes = 0;
            QObject::connect(
                &page, &TrackingUI::trackingStatusChanged, &hearing, [&changes] { ++changes; },
                Qt::QueuedConnection);
            page.setTrackingStatus(TrackingStatus_::E(choices[i]));
            // The page shows a choice once the mount has taken it, and hears of it only through
            // the mount.
            QTRY_COMPARE(int(page.trackingStatus()), statuses[i]);
            QTRY_COMPARE(changes == 0, choices[i] == TrackingStatus_::PointAndTrack);
            QTRY_COMPARE(mount->realTracking(), statuses[i] != TrackingStatus_::Idle);
        }
        QCOMPARE(page.pointAndTrackTarget(), QString());

        if (mode == MountMode_::AZ) {
            // A target tracked from an object's page; a rate chosen here replaces it.
            mount->setTrackingTarget(MountTarget{"M 42", {1.46, -0.09, CoordType::RDJNow}, 0});
            mount->setTrackingEnabled(true);
            QTRY_COMPARE(page.trackingStatus(), TrackingStatus_::PointAndTrack);
            QCOMPARE(page.pointAndTrackTarget(), QStringLiteral("M 42"));
            QTRY_VERIFY(mount->realTracking());
            page.setTrackingStatus(TrackingStatus_::Solar);
            QTRY_COMPARE(page.trackingStatus(), TrackingStatus_::Solar);
            QCOMPARE(page.pointAndTrackTarget(), QString());
        }
    }

    // A slew commanded from outside the pad (a server) on both axes, then a task that takes one
    // or both axes over. Once the mount is still, a taken axis no longer counts as slewing, the
    // change was announced and is not announced again, and a press of the pad in the slew's own
    // direction moves the axis.
    void takenAxisEndsItsManualSlew_data() {
        QTest::addColumn<QString>("taker");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("pressedAxis");
        QTest::addColumn<int>("pressedSign");
        const QString park("park"), goTo("goto"), both("0 0");
        dataRow("park, then right", park, both, QString("0"), 0, 1);
        dataRow("park, then up", park, both, QString("2"), 1, 1);
        dataRow("park, then left", park, both, QString("1"), 0, -1);
        dataRow("pulse on axis 1, then right", QString("pulse 1"), QString("0 1"), QString("0"), 0,
                1);
        dataRow("pulse on axis 2, then up", QString("pulse 2"), QString("1 0"), QString("2"), 1, 1);
        dataRow("GoTo, then up", goTo, both, QString("2"), 1, 1);
        dataRow("GoTo, then down", goTo, both, QString("3"), 1, -1);
    }
    void takenAxisEndsItsManualSlew() {
        QFETCH(QString, taker);
        QFETCH(QString, states);
        QFETCH(QString, press);
        QFETCH(int, pressedAxis);
        QFETCH(int, pressedSign);
        MountControlRig rig;
        IMount* mount = rig.connect();
        SlewingControl pad(rig.holder);
        mount->slewAxisAsync(0, 9 * kSiderealRate);
        mount->slewAxisAsync(1, 9 * kSiderealRate);
        QCOMPARE(mount->axisSlewState(0), 1);
        Counter announced;
        mount->axisSlewStateChanged.append(std::ref(announced));

        if (taker == "park") {
            mount->parkAsync(false);
            QTRY_VERIFY(mount->parked());
        } else if (taker.startsWith("pulse")) {
            mount->pulseGuideAxisAsync(taker.back().digitValue() - 1, true, 500);
            QTRY_VERIFY(!mount->isPulseGuiding());
        } else {
            const auto here = rig.axes()->readPositions().value();
            QVERIFY(mount->slewToAsync(
                MountTarget{"there", {here.first + kDeg, here.second, CoordType::MountAxes}, 0}));
            QTRY_VERIFY(!mount->slewToTarget().hasValue());
        }
        QCOMPARE(QStringLiteral("%1 %2").arg(mount->axisSlewState(0)).arg(mount->axisSlewState(1)),
                 states);
        // The takeover, and for a park or a GoTo its arrival: once each.
        const int announcements = taker.startsWith("pulse") ? 1 : 2;
        QTRY_COMPARE(announced.count.load(), announcements);
        // A later task on an axis already free changes no slew state and announces nothing.
        const int freeAxis = states.startsWith('0') ? 0 : 1;
        mount->pulseGuideAxisAsync(freeAxis, true, 200);
        QTRY_VERIFY(!mount->isPulseGuiding());
        QCOMPARE(announced.count.load(), announcements);

        pad.inputButtons(buttons(press));
        const double padRate = pressedSign * kFactors[SlewingControl::kInitialRate];
        QTRY_VERIFY(nearMultiple(measuredRate(rig, AXISID(pressedAxis)), padRate));
        pad.inputButtons(buttons(""));
    }

    // Both controls hear the mount held now and a mount coming and going, nothing of a mount that
    // has gone, and do not keep that mount alive.
    void followTheCurrentMountOnly() {
        MountControlRig rig;
        SlewingControl control(rig.holder);
        TrackingUI page(rig.holder);
        Counter prompt;
        control.changed.append(std::ref(prompt));
        QSignalSpy tracking(&page, &TrackingUI::trackingStatusChanged);
        page.setTrackingStatus(TrackingStatus_::Sidereal);
        QCOMPARE(tracking.count(), 0);
        QCOMPARE(indices(control.promptButton()), QString());

        IMount* mount = rig.connect();
        QCOMPARE(prompt.count.load(), 1);
        QCOMPARE(tracking.count(), 1);
        control.setPromptEnabled(1);
        control.inputButtons(buttons("1"));
        QCOMPARE(prompt.count.load(), 3);
        QCOMPARE(indices(control.promptButton()), QStringLiteral("0"));

        std::weak_ptr<IMount> gone = rig.holder->sharedMount();
        {
            const std::shared_ptr<IMount> kept = gone.lock();
            QCOMPARE(kept.get(), mount);
            rig.holder->disconnect();
            QCOMPARE(prompt.count.load(), 4);
            QCOMPARE(tracking.count(), 2);
            QCOMPARE(indices(control.promptButton()), QString());
            kept->axisSlewStateChanged();
            kept->trackingStateChanged();
            QCOMPARE(prompt.count.load(), 4);
            QCOMPARE(tracking.count(), 2);
        }
        QVERIFY(gone.expired());
    }
};

QTEST_MAIN(TestMountControls)
#include "tst_mountcontrols.moc"
