#include "mount/tests/connectsetuprig.h"

#include "base/tests/datarow.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace Ko;

namespace {

// The first of the commands from index from on that begins as the command does (":F1", ":j2"),
// or -1.
int commandAt(const std::vector<std::string>& requests, const std::string& command, int from = 0) {
    for (size_t i = static_cast<size_t>(from); i < requests.size(); ++i)
        if (requests[i].starts_with(command))
            return static_cast<int>(i);
    return -1;
}
int lastCommandOf(const std::vector<std::string>& requests, const std::string& letters) {
    for (size_t i = requests.size(); i-- > 0;)
        if (letters.find(requests[i][1]) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

// Where the mount points, as far as the controller turned it from where it stood when the
// simulation began (the start position, where a clean set-up believes it): a GoTo lands when
// this is its target.
std::pair<double, double> pointing(const SimRig& s, const std::pair<double, double>& start) {
    return {start.first + countsToRad(int32_t(s.sim.travelled(0))),
            start.second + countsToRad(int32_t(s.sim.travelled(1)))};
}

// A GoTo from where the connected mount believes it stands, both axes forward (no approach from
// below); true once it has ended where the mount meant to go, within the tolerance.
bool gotoLands(SimRig& s, QString& why) {
    const auto mount = s.rig->holder->sharedMount();
    // Where a clean set-up of the connected mount's mode believes the mount stands.
    const auto start = s.rig->alignment->referenceAxes();
    const auto from = mount->axisPositions();
    MountTarget target;
    target.name = "axes";
    target.coord = {from.first + 0.3, from.second + 0.2, CoordType::MountAxes};
    if (!mount->slewToAsync(target)) {
        why = "the GoTo was refused";
        return false;
    }
    if (!QTest::qWaitFor([&] { return (s.sim.arrive(), !mount->slewToTarget().hasValue()); },
                         20000)) {
        why = "the GoTo did not end";
        return false;
    }
    const auto at = pointing(s, start);
    // The GoTo tolerance, 2 arc-minutes on EQ, with room for the last count.
    const double tolerance = 0.0006;
    why = QStringLiteral("pointing %1, %2 rad; meant %3, %4 rad")
              .arg(at.first, 0, 'f', 5)
              .arg(at.second, 0, 'f', 5)
              .arg(target.coord.a, 0, 'f', 5)
              .arg(target.coord.b, 0, 'f', 5);
    return mount->lastGotoArrived() && std::abs(at.first - target.coord.a) <= tolerance &&
           std::abs(at.second - target.coord.b) <= tolerance;
}

// A row's axis that the test leaves as it is.
constexpr int kLeftAsItIs = std::numeric_limits<int>::min();

const QString kRestartedDetail =
    QStringLiteral("The mount restarted while connecting. Connect again.");

} // namespace

// A set-up cut on a controller is remembered for that controller, whatever other controllers
// connect meanwhile, and a controller that merely looks like it is told of; a controller that
// stays silent while it boots after a restart is told as restarted.
class TestMountSetupRecord : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<TrailPointsTaskInfo>(); }

    // A set-up cut by a restart at an axis's initialisation leaves that axis initialised at the
    // power-up count. Another mount, of another firmware, connects before the cut one comes back:
    // freshly powered, it is set up in full; already set up, it is trusted. Neither touches the
    // cut mount's record: when the cut mount connects again, its axes are set as a clean set-up
    // sets them, without a word of doubt, and a GoTo lands where it was meant to.
    void anotherMountBetweenKeepsTheCutSetup_data() {
        QTest::addColumn<int>("cutAt");
        QTest::addColumn<bool>("otherSetUpBefore");
        QTest::addColumn<bool>("newStart");
        QTest::addColumn<int>("clean1");
        QTest::addColumn<int>("clean2");
        const RecordedSetup clean = recordSetup(false);
        for (const char* cut : {":F1", ":F2"})
            for (const bool otherSetUpBefore : {false, true})
                for (const bool newStart : {false, true}) {
                    const int at = commandAt(clean.requests, cut);
                    QVERIFY2(at > 0, cut);
                    QTest::addRow("cut at %s, then %s mount of another firmware%s", cut + 1,
                                  otherSetUpBefore ? "a set-up" : "a freshly powered",
                                  newStart ? ", with new starts" : "")
                        << at << otherSetUpBefore << newStart << int(clean.counts[0])
                        << int(clean.counts[1]);
                }
    }
    void anotherMountBetweenKeepsTheCutSetup() {
        QFETCH(int, cutAt);
        QFETCH(bool, otherSetUpBefore);
        QFETCH(bool, newStart);
        QFETCH(int, clean1);
        QFETCH(int, clean2);
        // Outlives the rig, whose link may still reach it while the rig ends.
        MotorControllerSim other;
        other.setVersionDigits("032500");
        if (otherSetUpBefore) {
            initialiseEarlier(other, 0);
            initialiseEarlier(other, 1);
        }
        SimRig s;
        QVERIFY(s.port != 0);
        s.sim.restartAfter(cutAt);
        s.rig->session->startSession();
        QTRY_VERIFY_WITH_TIMEOUT(
            !s.rig->session->busy() && s.rig->session->statusText() == "Cannot Connect", 10000);
        QCOMPARE(s.rig->session->statusDetailText(), kRestartedDetail);
        QTRY_VERIFY_WITH_TIMEOUT(s.told("restarted"), 10000);
        const auto told = s.toasts.size();

        // The other mount takes the address.
        s.fake.setHandler([&other](const CBytes& request) { return other.answer(request); });
        if (newStart)
            s.restartProgram();
        QVERIFY(s.rig->connectMount());
        QVERIFY(other.initialised(0) && other.initialised(1));
        if (otherSetUpBefore) {
            QCOMPARE(other.counts(0), kEarlierCounts[0]);
            QCOMPARE(other.counts(1), kEarlierCounts[1]);
        }
        QVERIFY(s.rig->disconnectMount());

        // The cut mount, as the cut left it, takes it again.
        s.fake.setHandler([&s](const CBytes& request) { return s.sim.answer(request); });
        if (newStart)
            s.restartProgram();
        QVERIFY(s.rig->connectMount());
        QCOMPARE(s.sim.counts(0), clean1);
        QCOMPARE(s.sim.counts(1), clean2);
        QVERIFY2(heldAsBelieved(s), qPrintable(heldAsBelievedText(s)));
        QString why;
        QVERIFY2(gotoLands(s, why), qPrintable(why));
        QVERIFY(runPostedChains());
        QCOMPARE(s.toasts.size(), told);
    }

    // A controller of the version whose set-up was cut connects with its axes initialised. It may
    // be the cut one, or another of its version: nothing tells them apart. Its axes are set as a
    // clean set-up sets them, and the user is told that where the mount points is not known
    // whenever that moved an axis from anywhere but the power-up count the cut leaves (which is
    // where the cut mount stands) or the position set (where setting it changes nothing).
    void suspectedControllerIsToldOf_data() {
        QTest::addColumn<bool>("another");
        QTest::addColumn<int>("axis1"); // counts to initialise axis 1 at, or kLeftAsItIs
        QTest::addColumn<int>("axis2"); // likewise
        QTest::addColumn<bool>("warned");
        QTest::addColumn<int>("cutAt");
        QTest::addColumn<int>("clean1");
        QTest::addColumn<int>("clean2");
        const RecordedSetup clean = recordSetup(false);
        const int f1 = commandAt(clean.requests, ":F1");
        QVERIFY(f1 > 0);
        const auto row = [&](const char* name, bool another, int axis1, int axis2, bool warned) {
            QTest::newRow(name) << another << axis1 << axis2 << warned << f1 << int(clean.counts[0])
                                << int(clean.counts[1]);
        };
        row("the cut mount as the cut left it", false, kLeftAsItIs, kLeftAsItIs, false);
        row("the cut mount, moved since by a hand pad", false, kEarlierCounts[0], kLeftAsItIs,
            true);
        row("another controller of the version, set up and moved away", true, kEarlierCounts[0],
            kEarlierCounts[1], true);
        row("another controller of the version, one axis moved away", true, clean.counts[0],
            kEarlierCounts[1], true);
        row("another controller of the version, set up at the start position", true,
            clean.counts[0], clean.counts[1], false);
        row("another controller of the version, freshly powered", true, kLeftAsItIs, kLeftAsItIs,
            false);
    }
    void suspectedControllerIsToldOf() {
        QFETCH(bool, another);
        QFETCH(int, axis1);
        QFETCH(int, axis2);
        QFETCH(bool, warned);
        QFETCH(int, cutAt);
        QFETCH(int, clean1);
        QFETCH(int, clean2);
        MotorControllerSim twin;
        SimRig s;
        QVERIFY(s.port != 0);
        s.sim.restartAfter(cutAt);
        s.rig->session->startSession();
        QTRY_VERIFY_WITH_TIMEOUT(
            !s.rig->session->busy() && s.rig->session->statusText() == "Cannot Connect", 10000);
        QTRY_VERIFY_WITH_TIMEOUT(s.told("restarted"), 10000);
        const auto told = s.toasts.size();

        MotorControllerSim& connected = another ? twin : s.sim;
        if (another)
            s.fake.setHandler([&twin](const CBytes& request) { return twin.answer(request); });
        if (axis1 != kLeftAsItIs)
            connected.initialise(0, axis1);
        if (axis2 != kLeftAsItIs)
            connected.initialise(1, axis2);
        QVERIFY(s.rig->connectMount());
        QCOMPARE(connected.counts(0), clean1);
        QCOMPARE(connected.counts(1), clean2);
        QVERIFY(runPostedChains());
        QCOMPARE(s.toasts.size(), told + (warned ? 1 : 0));
        if (warned)
            QVERIFY2(s.toasts.last().contains("not known") && s.toasts.last().contains("align"),
                     qPrintable(s.toasts.last()));
        QVERIFY(s.rig->holder->connected());
        // The cut mount, as the cut left it, stood at the start position: it lands.
        if (!another && axis1 == kLeftAsItIs) {
            QString why;
            QVERIFY2(gotoLands(s, why), qPrintable(why));
        }
        // That set-up completed: the next connection trusts the controller, and says nothing.
        QVERIFY(s.rig->disconnectMount());
        initialiseEarlier(connected, 0);
        initialiseEarlier(connected, 1);
        QVERIFY(s.rig->connectMount());
        QCOMPARE(connected.counts(0), kEarlierCounts[0]);
        QCOMPARE(connected.counts(1), kEarlierCounts[1]);
        QVERIFY(runPostedChains());
        QCOMPARE(s.toasts.size(), told + (warned ? 1 : 0));
    }

    // The controller restarts at one step of the set-up and stays silent while it boots, longer
    // than an exchange waits: the step times out. Once it answers again, a controller that holds
    // less than the set-up gave it restarted, and the connect popup says so; one that held nothing
    // yet, or that holds all (only the link faltered), leaves the time-out standing. Either way
    // the next connection sets the controller up as a clean one does, or trusts what it holds.
    void silenceDuringTheSetup_data() {
        QTest::addColumn<bool>("setUpBefore");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<int>("answered");
        QTest::addColumn<bool>("restartTold");
        QTest::addColumn<int>("clean1");
        QTest::addColumn<int>("clean2");
        const RecordedSetup clean = recordSetup(false);
        const auto setUp = recordSetup(true).requests;
        const auto& fresh = clean.requests;
        QVERIFY(fresh.size() > 10 && setUp.size() > 10);
        const auto row = [&](const char* name, bool setUpBefore, bool restart, int answered,
                             bool told) {
            QVERIFY2(answered > 0, name);
            QTest::newRow(name) << setUpBefore << restart << answered << told
                                << int(clean.counts[0]) << int(clean.counts[1]);
        };
        row("fresh controller restarts at E1: it held nothing yet", false, true,
            commandAt(fresh, ":E1"), false);
        row("fresh controller restarts at F1", false, true, commandAt(fresh, ":F1"), true);
        row("fresh controller restarts at E2", false, true, commandAt(fresh, ":E2"), true);
        row("fresh controller restarts at F2", false, true, commandAt(fresh, ":F2"), true);
        row("fresh controller restarts at the read-back", false, true,
            lastCommandOf(fresh, "EF") + 1, true);
        row("fresh controller, the link falters at F2", false, false, commandAt(fresh, ":F2"),
            false);
        row("set-up controller restarts at its first position read", true, true,
            commandAt(setUp, ":j1"), true);
        row("set-up controller restarts at the last status read", true, true,
            lastCommandOf(setUp, "f"), true);
        row("set-up controller, the link falters at its first position read", true, false,
            commandAt(setUp, ":j1"), false);
    }
    void silenceDuringTheSetup() {
        QFETCH(bool, setUpBefore);
        QFETCH(bool, restart);
        QFETCH(int, answered);
        QFETCH(bool, restartTold);
        QFETCH(int, clean1);
        QFETCH(int, clean2);
        // Lost: the step's exchange, then one whole wait for the controller, then a first try.
        constexpr int kLostWhileBooting = 2 * (kRetries + 1) + 1;
        SimRig s;
        QVERIFY(s.port != 0);
        if (setUpBefore) {
            initialiseEarlier(s.sim, 0);
            initialiseEarlier(s.sim, 1);
        }
        if (restart)
            s.sim.restartAfter(answered, kLostWhileBooting);
        else
            s.sim.falterAfter(answered, kLostWhileBooting);

        StackRig& rig = *s.rig;
        rig.session->startSession();
        QTRY_VERIFY_WITH_TIMEOUT(
            !rig.session->busy() &&
                (rig.session->statusText() == "Cannot Connect" || rig.holder->connected()),
            20000);
        QVERIFY(!rig.holder->connected());
        QCOMPARE(rig.session->statusDetailText(),
                 restartTold ? kRestartedDetail : QStringLiteral("Communication error"));
        QVERIFY(runPostedChains());
        QCOMPARE(s.told("restarted"), restartTold);
        QCOMPARE(s.sim.takeStarts(), 0);

        const auto told = s.toasts.size();
        s.sim.endBoot();
        QVERIFY(rig.connectMount());
        QVERIFY(s.sim.initialised(0) && s.sim.initialised(1));
        const bool trusted = setUpBefore && !restart;
        QCOMPARE(s.sim.counts(0), trusted ? kEarlierCounts[0] : clean1);
        QCOMPARE(s.sim.counts(1), trusted ? kEarlierCounts[1] : clean2);
        QVERIFY2(heldAsBelieved(s), qPrintable(heldAsBelievedText(s)));
        QVERIFY(runPostedChains());
        QCOMPARE(s.toasts.size(), told);
    }
};

QTEST_MAIN(TestMountSetupRecord)
#include "tst_mountsetuprecord.moc"
