#include "mount/tests/connectsetuprig.h"

#include "base/tests/datarow.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace Ko;

namespace {

// The scripted Bluetooth LE device advertises at once: a short scan finds it.
constexpr int kScanMs = 300;

} // namespace

class TestMountConnectRestart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<TrailPointsTaskInfo>(); }

    // The controller restarts at one step of the connection's setup: it answers the commands
    // before it, loses that one and answers its resend as a fresh controller (not initialised,
    // counting from home). A restart once the setup has read a status from the controller it
    // replaces, and after that controller held anything (an earlier set-up, a position or an
    // initialisation this setup sent), leaves a controller that does not hold what the program
    // believes: it is found before the mount is published, nothing moves, and the user is told,
    // in the connect popup too. A restart before that is a fresh controller like any other, which
    // the setup sets up in full. One row per command of the real setup; the last row restarts at
    // the link watch's first status read, once the mount is published.
    //
    // Whatever the step, the next connection, in the same run or after the program started again
    // on the same settings, leaves both axes initialised at the counts a clean connection sets: a
    // restart between an axis's position and its initialisation leaves that axis initialised at
    // the fresh controller's power-up count, which nothing may trust. The set-up that completes
    // then is trusted by the connection after it, as any completed one is.
    void restartAtEveryStepOfTheSetup_data() {
        QTest::addColumn<bool>("initialisedBefore");
        QTest::addColumn<int>("answered");
        QTest::addColumn<bool>("seenInSetup");
        QTest::addColumn<bool>("afterSetup");
        QTest::addColumn<bool>("newStart");
        QTest::addColumn<int>("clean1");
        QTest::addColumn<int>("clean2");
        const RecordedSetup clean = recordSetup(false);
        // A fresh controller counts from 0: a clean set-up that left an axis there could not
        // tell a trusted power-up count from a position set.
        QVERIFY2(clean.counts[0] != 0 && clean.counts[1] != 0, "the setup left an axis at home");
        for (const bool initialisedBefore : {false, true}) {
            const auto requests = initialisedBefore ? recordSetup(true).requests : clean.requests;
            QVERIFY2(requests.size() > 10, "the setup did not connect");
            for (size_t n = 0; n <= requests.size(); ++n) {
                const bool afterSetup = n == requests.size();
                const bool seen = !afterSetup && anyCommandOf(requests, n, "f") &&
                                  (initialisedBefore || anyCommandOf(requests, n, "EF"));
                std::string lost = afterSetup ? "first link-watch read" : requests[n];
                lost.erase(std::remove(lost.begin(), lost.end(), '\r'), lost.end());
                for (const bool newStart : {false, true})
                    QTest::addRow("%s controller, restart at command %d (%s)%s, then %s",
                                  initialisedBefore ? "set-up" : "fresh", int(n), lost.c_str(),
                                  seen ? ", seen" : "", newStart ? "a new start" : "the same run")
                        << initialisedBefore << int(n) << seen << afterSetup << newStart
                        << int(clean.counts[0]) << int(clean.counts[1]);
            }
        }
    }
    void restartAtEveryStepOfTheSetup() {
        QFETCH(bool, initialisedBefore);
        QFETCH(int, answered);
        QFETCH(bool, seenInSetup);
        QFETCH(bool, afterSetup);
        QFETCH(bool, newStart);
        QFETCH(int, clean1);
        QFETCH(int, clean2);
        SimRig s;
        QVERIFY(s.port != 0);
        if (initialisedBefore) {
            initialiseEarlier(s.sim, 0);
            initialiseEarlier(s.sim, 1);
        }
        s.sim.restartAfter(answered);

        if (seenInSetup) {
            StackRig& rig = *s.rig;
            rig.session->startSession();
            QTRY_VERIFY_WITH_TIMEOUT(
                !rig.session->busy() &&
                    (rig.session->statusText() == "Cannot Connect" || rig.holder->connected()),
                10000);
            QVERIFY(!rig.holder->connected());
            QCOMPARE(rig.session->statusDetailText(),
                     QStringLiteral("The mount restarted while connecting. Connect again."));
            QTRY_VERIFY_WITH_TIMEOUT(s.told("restarted"), 10000);
            QCOMPARE(s.toasts.size(), 1);
            QCOMPARE(rig.sessionsDone, 0);
            QCOMPARE(s.sim.takeStarts(), 0);
            QVERIFY(!s.sim.moving(0) && !s.sim.moving(1));
        } else if (afterSetup) {
            StackRig& rig = *s.rig;
            QVERIFY(rig.connectMount());
            QTRY_VERIFY_WITH_TIMEOUT(!rig.holder->connected(), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(s.told("restarted"), 10000);
            QCOMPARE(s.sim.takeStarts(), 0);
        } else {
            // The controller holds what the mount believes, and the mount drives it as usual.
            StackRig& rig = *s.rig;
            QVERIFY(rig.connectMount());
            QVERIFY(s.toasts.isEmpty());
            QVERIFY(s.sim.initialised(0) && s.sim.initialised(1));
            QVERIFY2(heldAsBelieved(s), qPrintable(heldAsBelievedText(s)));
            rig.holder->sharedMount()->setTrackingEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(s.sim.moving(0), 10000);
            QVERIFY(rig.holder->connected());
            QVERIFY(rig.disconnectMount());
        }

        // Connecting again, as the notice asks, sets the controller up as a clean connection does.
        const auto told = s.toasts.size();
        if (newStart)
            s.restartProgram();
        QVERIFY(s.rig->connectMount());
        QVERIFY(s.sim.initialised(0) && s.sim.initialised(1));
        QCOMPARE(s.sim.counts(0), clean1);
        QCOMPARE(s.sim.counts(1), clean2);
        QVERIFY2(heldAsBelieved(s), qPrintable(heldAsBelievedText(s)));
        QCOMPARE(s.toasts.size(), told);

        // That set-up completed: the next connection trusts the controller, which a hand pad
        // moved in between.
        QVERIFY(s.rig->disconnectMount());
        initialiseEarlier(s.sim, 0);
        initialiseEarlier(s.sim, 1);
        if (newStart)
            s.restartProgram();
        QVERIFY(s.rig->connectMount());
        QCOMPARE(s.sim.counts(0), kEarlierCounts[0]);
        QCOMPARE(s.sim.counts(1), kEarlierCounts[1]);
        QVERIFY2(heldAsBelieved(s), qPrintable(heldAsBelievedText(s)));
        QCOMPARE(s.toasts.size(), told);
    }

    // A session ends on a restart or a lost link of its own mount only. The mount of an earlier
    // connection, still held by a task that has not let it go, may report either once a new
    // connection is up: the new session goes on. Time-outs end sessions here, so that the earlier
    // link's end reaches the session by both of its ways.
    void lateReportOfAnEarlierMountKeepsTheNewSession_data() {
        QTest::addColumn<bool>("restart");
        dataRow("the earlier controller restarts", true);
        dataRow("the earlier Bluetooth link is lost", false);
    }
    void lateReportOfAnEarlierMountKeepsTheNewSession() {
        QFETCH(bool, restart);
        SimRig s;
        QVERIFY(s.port != 0);
        const auto gatt = bluetoothController();
        if (!restart) {
            MountLinkRoutes routes = StackRig::loopbackRoutes(s.port);
            routes.gattPlatform = gatt;
            s.rig.emplace(std::move(routes));
            s.rig->connectionSettings->setType(ConnectionType_::BLE);
            s.rig->connectionSettings->setDiscoveryTimeoutMs_BLE(kScanMs);
        }
        StackRig& rig = *s.rig;
        rig.session->setTimeoutIsDisconnect(true);
        QVERIFY(rig.connectMount());
        const auto earlier = rig.holder->sharedMount();
        QVERIFY(rig.disconnectMount());
        rig.connectionSettings->setType(ConnectionType_::Emulator);
        QVERIFY(rig.connectMount());
        const auto current = rig.holder->sharedMount();
        QVERIFY(current != earlier);
        const int done = rig.sessionsDone;

        if (restart) {
            // The earlier mount's link watch reads on while it is held, and sees the restart.
            s.sim.powerCycle();
            QTRY_VERIFY_WITH_TIMEOUT(s.told("restarted"), 10000);
        } else {
            gatt->controllersOf(QStringLiteral("00:00:00:00:00:01")).back()->dropLink();
        }
        QVERIFY(runPostedChains());
        QVERIFY(rig.holder->connected());
        QCOMPARE(rig.holder->sharedMount(), current);
        QCOMPARE(rig.session->statusText(), QStringLiteral("Connected"));
        QCOMPARE(rig.sessionsDone, done);
    }

    // Only an axis seen initialised can tell a restart: each axis the setup left must have been
    // seen so, the ones it set up as well as the ones it found set up. A restart just after the
    // connection then keeps the first motion of either axis from reaching the fresh controller,
    // and ends the session.
    void restartJustAfterConnectingIsSeen_data() {
        QTest::addColumn<bool>("axis1Fresh");
        QTest::addColumn<bool>("axis2Fresh");
        QTest::addColumn<int>("moved");
        for (const int moved : {0, 1}) {
            const std::string axis = " moves axis " + std::to_string(moved + 1);
            dataRow(("both axes set up while connecting," + axis).c_str(), true, true, moved);
            dataRow(("axis 1 set up while connecting," + axis).c_str(), true, false, moved);
            dataRow(("axis 2 set up while connecting," + axis).c_str(), false, true, moved);
            dataRow(("both axes set up before," + axis).c_str(), false, false, moved);
        }
    }
    void restartJustAfterConnectingIsSeen() {
        QFETCH(bool, axis1Fresh);
        QFETCH(bool, axis2Fresh);
        QFETCH(int, moved);
        SimRig s;
        QVERIFY(s.port != 0);
        StackRig& rig = *s.rig;
        if (!axis1Fresh)
            initialiseEarlier(s.sim, 0);
        if (!axis2Fresh)
            initialiseEarlier(s.sim, 1);
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        QVERIFY(s.sim.initialised(0) && s.sim.initialised(1));

        s.sim.powerCycle();
        mount->slewAxisAsync(AXISID(moved), 0.01);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.holder->connected(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(s.told("restarted"), 10000);
        QCOMPARE(s.sim.takeStarts(), 0);
        QVERIFY(!s.sim.moving(0) && !s.sim.moving(1));
    }
};

QTEST_MAIN(TestMountConnectRestart)
#include "tst_mountconnectrestart.moc"
