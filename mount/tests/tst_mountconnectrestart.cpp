#include "mountstackrig.h"

#include "base/tests/datarow.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace Ko;

namespace {

// Where an earlier connection left the axes of a controller that stayed on.
constexpr int32_t kEarlierCounts[] = {123456, -654321};

void initialiseEarlier(MotorControllerSim& sim, AXISID axis) {
    sim.initialise(axis, kEarlierCounts[axisSlot(axis)]);
}

// The commands of a whole connection to the simulated controller, in order, up to the moment the
// mount is published (the Wi-Fi module's own requests left out): a fresh controller, or one whose
// axes an earlier connection set up.
std::vector<std::string> setupRequests(bool initialisedBefore) {
    // Counted when the mount is published: the link watch reads a second after the last exchange
    // at the earliest, however late the test's thread looks. Outlives the rig, which fires once
    // more as it ends the session.
    size_t published = 0;
    SimRig s;
    if (initialisedBefore) {
        initialiseEarlier(s.sim, 0);
        initialiseEarlier(s.sim, 1);
    }
    s.rig->holder->mountChanged.append([&] {
        if (published == 0)
            published = s.fake.requestCount();
    });
    if (s.port == 0 || !s.rig->connectMount())
        return {};
    const auto all = s.fake.requests();
    std::vector<std::string> requests;
    for (size_t i = 0; i < std::min(published, all.size()); ++i)
        if (text(all[i].bytes).starts_with(':'))
            requests.push_back(text(all[i].bytes));
    return requests;
}

// Whether one of the first count commands is one of the command letters.
bool anyCommandOf(const std::vector<std::string>& requests, size_t count,
                  const std::string& letters) {
    return std::any_of(
        requests.begin(), requests.begin() + static_cast<ptrdiff_t>(count),
        [&](const std::string& r) { return letters.find(r[1]) != std::string::npos; });
}

double countsToRad(int32_t counts) {
    return counts * 2 * std::numbers::pi / MotorControllerSim::kCountsPerRev;
}

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
    // believes: it is found before the mount is published, nothing moves, and the user is told.
    // A restart before that is a fresh controller like any other, which the setup sets up in
    // full. One row per command of the real setup; the last row restarts at the link watch's
    // first status read, once the mount is published.
    void restartAtEveryStepOfTheSetup_data() {
        QTest::addColumn<bool>("initialisedBefore");
        QTest::addColumn<int>("answered");
        QTest::addColumn<bool>("seenInSetup");
        QTest::addColumn<bool>("afterSetup");
        for (const bool initialisedBefore : {false, true}) {
            const auto requests = setupRequests(initialisedBefore);
            QVERIFY2(requests.size() > 10, "the setup did not connect");
            for (size_t n = 0; n <= requests.size(); ++n) {
                const bool afterSetup = n == requests.size();
                const bool seen = !afterSetup && anyCommandOf(requests, n, "f") &&
                                  (initialisedBefore || anyCommandOf(requests, n, "EF"));
                std::string lost = afterSetup ? "first link-watch read" : requests[n];
                lost.erase(std::remove(lost.begin(), lost.end(), '\r'), lost.end());
                QTest::addRow("%s controller, restart at command %d (%s)%s",
                              initialisedBefore ? "set-up" : "fresh", int(n), lost.c_str(),
                              seen ? ", seen" : "")
                    << initialisedBefore << int(n) << seen << afterSetup;
            }
        }
    }
    void restartAtEveryStepOfTheSetup() {
        QFETCH(bool, initialisedBefore);
        QFETCH(int, answered);
        QFETCH(bool, seenInSetup);
        QFETCH(bool, afterSetup);
        SimRig s;
        QVERIFY(s.port != 0);
        StackRig& rig = *s.rig;
        if (initialisedBefore) {
            initialiseEarlier(s.sim, 0);
            initialiseEarlier(s.sim, 1);
        }
        s.sim.restartAfter(answered);

        if (seenInSetup) {
            rig.session->startSession();
            QTRY_VERIFY_WITH_TIMEOUT(
                !rig.session->busy() &&
                    (rig.session->statusText() == "Cannot Connect" || rig.holder->connected()),
                10000);
            QVERIFY(!rig.holder->connected());
            QCOMPARE(rig.session->statusDetailText(), QStringLiteral("Unexpected response"));
            QTRY_VERIFY_WITH_TIMEOUT(s.told("restarted"), 10000);
            QCOMPARE(s.toasts.size(), 1);
            QCOMPARE(rig.sessionsDone, 0);
            QCOMPARE(s.sim.takeStarts(), 0);
            QVERIFY(!s.sim.moving(0) && !s.sim.moving(1));
            // Connecting again sets the fresh controller up.
            QVERIFY(rig.connectMount());
            QVERIFY(s.sim.initialised(0) && s.sim.initialised(1));
            return;
        }
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        if (afterSetup) {
            QTRY_VERIFY_WITH_TIMEOUT(!rig.holder->connected(), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(s.told("restarted"), 10000);
            QCOMPARE(s.sim.takeStarts(), 0);
            return;
        }
        // The controller holds what the mount believes, and the mount drives it as usual.
        QVERIFY(s.toasts.isEmpty());
        QVERIFY(s.sim.initialised(0) && s.sim.initialised(1));
        const auto believed = mount->axisPositions();
        const double countRad = countsToRad(1);
        QVERIFY2(std::abs(countsToRad(s.sim.counts(0)) - believed.first) <= countRad,
                 qPrintable(QString::number(s.sim.counts(0))));
        QVERIFY2(std::abs(countsToRad(s.sim.counts(1)) - believed.second) <= countRad,
                 qPrintable(QString::number(s.sim.counts(1))));
        mount->setTrackingEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(s.sim.moving(0), 10000);
        QVERIFY(rig.holder->connected());
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
