#include "link/tests/motorcontrollersim.h"
#include "mount/tests/mountstackrig.h"
#include "server/qrpserver.h"
#include "server/tests/planetariumrig.h"
#include "server/tests/vtmmethodsrig.h"

#include <QTest>

#include <atomic>
#include <memory>
#include <optional>

using namespace Ko;

namespace {

// The controller's side of a lossy link: replies to a request pass or come back garbled (their
// marker lost, so the program cannot read them), while the controller has taken the request
// either way. Armed, it garbles every reply to the requests that begin with the given text.
class GarblingRelay {
public:
    explicit GarblingRelay(MotorControllerSim& sim) : m_sim(sim) {}

    Nullable<CBytes> answer(const CBytes& request) {
        // The board of an altitude-azimuth mount, which the controller's state does not change.
        if (m_altAzimuth.load() && text(request).rfind(":e", 0) == 0)
            return CBytes::fromStdString("=032680\r");
        Nullable<CBytes> reply = m_sim.answer(request);
        if (!m_armed.load() || !reply.hasValue() || text(request).rfind(m_of, 0) != 0)
            return reply;
        CBytes garbled = reply.value();
        for (auto& b : garbled)
            if (b == '=' || b == '!')
                b = '?';
        return garbled;
    }
    // Called before the requests it concerns are sent; the relay's thread reads it after.
    void arm(std::string of) {
        m_of = std::move(of);
        m_armed.store(true);
    }
    void disarm() { m_armed.store(false); }
    // The controller reports an altitude-azimuth board; set before connecting.
    void setAltAzimuth(bool on) { m_altAzimuth.store(on); }

private:
    MotorControllerSim& m_sim;
    std::atomic<bool> m_altAzimuth{false};
    std::atomic<bool> m_armed{false};
    // Written before arming only.
    std::string m_of;
};

// An EQ mount (or an altitude-azimuth one) on the simulated controller over UDP loopback, the
// link kept when exchanges time out, with both remote-control ports serving it: the remote
// methods over UDP, the hand-controller protocol over TCP.
struct TrackingRig {
    explicit TrackingRig(bool altAzimuth = false) {
        relay.setAltAzimuth(altAzimuth);
        fake.setHandler([this](const CBytes& request) { return relay.answer(request); });
        port = fake.serveUdp();
        stack.emplace(StackRig::loopbackRoutes(port));
        stack->useLoopbackUdp();
        stack->session->setTimeoutIsDisconnect(false);
        limits.emplace(stack->store, stack->clock, stack->altRange, stack->astroClock,
                       stack->astro);
        methods = std::make_unique<VtmServer>(stack->location, stack->astro, stack->astroClock,
                                              stack->holder, stack->container, sharing, aligner,
                                              core, 0, VtmServer::DeviceName{}, limits->settings);
        methodsPort = methods->port();
        core->waitPosted();
        handController =
            std::make_unique<QrpServer>(stack->location, stack->astro, stack->astroClock,
                                        stack->holder, stack->container, limits->settings, 0);
    }
    ~TrackingRig() {
        relay.disarm();
        fake.setSilent(false);
        // A stop still pending is taken, and the session ends on a sound link.
        sim.settle();
        handController.reset();
        methods.reset();
        stack.reset();
        fake.stop();
    }

    bool connect() {
        if (port == 0 || methodsPort == 0 || !stack->connectMount())
            return false;
        mount = stack->holder->sharedMount();
        return mount && handController->isListening() &&
               client.connectTo(handController->listeningPort());
    }
    QByteArray text(const QByteArray& request) const {
        return askRemoteMethod(methodsPort, request).value_or("(silence)");
    }
    QByteArray hand(const QByteArray& command, int replyBytes) {
        client.send(command);
        return client.read(replyBytes);
    }
    // Tracking on at the sidereal rate, as the mount took it.
    bool trackSidereal() {
        if (text("TrackingSet,1") != "Ok,TrackingSet")
            return false;
        return QTest::qWaitFor([this] { return mount->acknowledgedTracking().on; }, 10000) &&
               sim.moving(0);
    }

    MotorControllerSim sim;
    GarblingRelay relay{sim};
    FakeMotorController fake;
    uint16_t port = 0;
    std::optional<StackRig> stack;
    std::optional<GoToLimitsRig> limits;
    std::shared_ptr<FakePMSharing> sharing = std::make_shared<FakePMSharing>();
    std::shared_ptr<FakeAlignerHelper> aligner = std::make_shared<FakeAlignerHelper>();
    std::shared_ptr<NetServer> core = std::make_shared<NetServer>();
    uint16_t methodsPort = 0;
    std::unique_ptr<VtmServer> methods;
    std::unique_ptr<QrpServer> handController;
    PlanetariumClient client;
    std::shared_ptr<IMount> mount;
};

QByteArray trackingByte(int state) {
    return QByteArray(1, char(state)) + '#';
}

} // namespace

class TestTrackingAnswers : public QObject {
    Q_OBJECT
private slots:
    // A rate chosen while the mount does not track is the rate tracking will start at, and reads
    // back at once; while the mount tracks, the rate reads back once the mount has taken it.
    // steps: "on" tracking switched on and taken, "off" switched off and taken, "rateN" the
    // rate N chosen.
    void chosenRateReadsBack_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("rate");
        QTest::addColumn<bool>("tracking");
        QTest::newRow("never tracked, solar chosen") << "rate2" << QByteArray("2") << false;
        QTest::newRow("tracked sidereal, off, lunar chosen")
            << "on off rate1" << QByteArray("1") << false;
        QTest::newRow("lunar chosen while off, then on") << "rate1 on" << QByteArray("1") << true;
        QTest::newRow("tracking, lunar chosen") << "on rate1" << QByteArray("1") << true;
    }
    void chosenRateReadsBack() {
        QFETCH(QString, steps);
        QFETCH(QByteArray, rate);
        QFETCH(bool, tracking);
        TrackingRig rig;
        QVERIFY(rig.connect());
        for (const QString& step : steps.split(' ')) {
            if (step == "on" || step == "off") {
                const bool on = step == "on";
                QCOMPARE(rig.text(on ? "TrackingSet,1" : "TrackingSet,0"),
                         QByteArray("Ok,TrackingSet"));
                QTRY_VERIFY_WITH_TIMEOUT(
                    rig.mount->acknowledgedTracking().on == on && !rig.mount->stopPending(), 10000);
            } else {
                const QByteArray request = "TrackingRateSet," + step.mid(4).toLatin1();
                QCOMPARE(rig.text(request), QByteArray("Ok,TrackingRateSet"));
            }
        }
        const QByteArray expected = "Ok,TrackingRateGet," + rate;
        if (tracking)
            QTRY_COMPARE_WITH_TIMEOUT(rig.text("TrackingRateGet"), expected, 10000);
        else
            QCOMPARE(rig.text("TrackingRateGet"), expected);
        QCOMPARE(rig.text("TrackingGet"), "Ok,TrackingGet," + QByteArray(tracking ? "1" : "0"));
    }

    // While a stop is pending (the link cut, or the axis braking), the motion it stops is
    // reported as it was while it ran: a GoTo or a manual move slews, tracking does not. "L"
    // tells of a GoTo only, also of one cancelled whose axes are not seen at rest yet. Once the
    // stop is taken, nothing slews.
    // motion: "tracking", "move1" a remote move of axis 1, "goto"; how: "cut" the controller
    // falls silent before the stop, "braking" the axis takes many status reads to come to rest.
    void pendingStopsAsSlewing_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("slewing");
        QTest::addColumn<QByteArray>("gotoInProgress");
        QTest::newRow("tracking switched off on a cut link")
            << "tracking"
            << "cut" << QByteArray("0") << QByteArray("0#");
        QTest::newRow("tracking switched off, axis braking")
            << "tracking"
            << "braking" << QByteArray("0") << QByteArray("0#");
        QTest::newRow("manual move ended on a cut link")
            << "move1"
            << "cut" << QByteArray("1") << QByteArray("0#");
        QTest::newRow("manual move ended, axis braking")
            << "move1"
            << "braking" << QByteArray("1") << QByteArray("0#");
        QTest::newRow("GoTo cancelled on a cut link")
            << "goto"
            << "cut" << QByteArray("1") << QByteArray("1#");
        QTest::newRow("GoTo cancelled, axes braking")
            << "goto"
            << "braking" << QByteArray("1") << QByteArray("1#");
    }
    void pendingStopsAsSlewing() {
        QFETCH(QString, motion);
        QFETCH(QString, how);
        QFETCH(QByteArray, slewing);
        QFETCH(QByteArray, gotoInProgress);
        TrackingRig rig;
        QVERIFY(rig.connect());
        if (motion == "tracking") {
            QVERIFY(rig.trackSidereal());
        } else if (motion == "move1") {
            QCOMPARE(rig.text("MoveAxis,0,1"), QByteArray("Ok,MoveAxis"));
            QTRY_VERIFY_WITH_TIMEOUT(rig.sim.moving(0), 10000);
        } else {
            const auto at = rig.mount->axisPositions();
            QVERIFY(rig.mount->slewToAsync(
                MountTarget{"Target", {at.first + 0.3, at.second + 0.2, CoordType::MountAxes}, 0}));
            QTRY_VERIFY_WITH_TIMEOUT(rig.sim.moving(0) && rig.sim.moving(1), 10000);
            QCOMPARE(rig.hand("L", 2), QByteArray("1#"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!rig.mount->stopPending(), 10000);
        QCOMPARE(rig.text("SlewingGet"),
                 "Ok,SlewingGet," + QByteArray(motion == "tracking" ? "0" : "1"));

        rig.sim.takeStops();
        if (how == "cut")
            rig.fake.setSilent(true);
        else
            rig.sim.setStopReads(1000000);
        if (motion == "tracking")
            QCOMPARE(rig.text("TrackingSet,0"), QByteArray("Ok,TrackingSet"));
        else if (motion == "move1")
            QCOMPARE(rig.text("MoveAxis,0,0"), QByteArray("Ok,MoveAxis"));
        else
            QCOMPARE(rig.hand("M", 1), QByteArray("#"));
        QVERIFY(rig.mount->stopPending());
        // Braking: the controller has taken the stop, and the axis is still seen moving.
        if (how == "braking") {
            int stops = 0;
            QTRY_VERIFY_WITH_TIMEOUT((stops += rig.sim.takeStops()) > 0, 10000);
        }
        QCOMPARE(rig.text("SlewingGet"), "Ok,SlewingGet," + slewing);
        QCOMPARE(rig.hand("L", 2), gotoInProgress);
        QVERIFY(rig.mount->stopPending());

        rig.fake.setSilent(false);
        rig.sim.setStopReads(0);
        rig.sim.settle();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.mount->stopPending(), 10000);
        QCOMPARE(rig.text("SlewingGet"), QByteArray("Ok,SlewingGet,0"));
        QCOMPARE(rig.hand("L", 2), QByteArray("0#"));
    }

    // A stop whose replies, or the status replies, come back garbled while the controller takes
    // the stop: once the mount has answered that the axes stand (or, with the status unreadable,
    // once they have had the time to brake), neither port tells of a slew and tracking reads
    // as off, while the garbling goes on.
    // motion: "tracking", "move1" a remote move of axis 1, "goto"; stop: the request that stops
    // it; garbled: the requests whose replies are garbled.
    void garbledStopIsTaken_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("garbled");
        QTest::newRow("tracking off, stop replies garbled") << "tracking"
                                                            << "TrackingSet,0"
                                                            << ":K";
        QTest::newRow("tracking off, status replies garbled") << "tracking"
                                                              << "TrackingSet,0"
                                                              << ":f";
        QTest::newRow("move ended, stop replies garbled") << "move1"
                                                          << "MoveAxis,0,0"
                                                          << ":K";
        QTest::newRow("move ended, status replies garbled") << "move1"
                                                            << "MoveAxis,0,0"
                                                            << ":f";
        QTest::newRow("GoTo cancelled by M, stop replies garbled") << "goto"
                                                                   << "M"
                                                                   << ":K";
        QTest::newRow("GoTo cancelled by AbortSlew, stop replies garbled") << "goto"
                                                                           << "AbortSlew"
                                                                           << ":K";
        QTest::newRow("GoTo cancelled by M, status replies garbled") << "goto"
                                                                     << "M"
                                                                     << ":f";
    }
    void garbledStopIsTaken() {
        QFETCH(QString, motion);
        QFETCH(QString, stop);
        QFETCH(QString, garbled);
        TrackingRig rig;
        QVERIFY(rig.connect());
        if (motion == "tracking") {
            QVERIFY(rig.trackSidereal());
        } else if (motion == "move1") {
            QCOMPARE(rig.text("MoveAxis,0,1"), QByteArray("Ok,MoveAxis"));
            QTRY_VERIFY_WITH_TIMEOUT(rig.sim.moving(0), 10000);
        } else {
            const auto at = rig.mount->axisPositions();
            QVERIFY(rig.mount->slewToAsync(
                MountTarget{"Target", {at.first + 0.3, at.second + 0.2, CoordType::MountAxes}, 0}));
            QTRY_VERIFY_WITH_TIMEOUT(rig.sim.moving(0) && rig.sim.moving(1), 10000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!rig.mount->stopPending(), 10000);

        rig.relay.arm(garbled.toStdString());
        if (stop == "M")
            QCOMPARE(rig.hand("M", 1), QByteArray("#"));
        else
            QCOMPARE(rig.text(stop.toLatin1()), "Ok," + stop.section(',', 0, 0).toLatin1());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.sim.moving(0) && !rig.sim.moving(1), 10000);
        // The braking time with every status read garbled is some twenty reads of the link.
        QTRY_VERIFY_WITH_TIMEOUT(!rig.mount->stopPending(), 60000);
        QCOMPARE(rig.text("SlewingGet"), QByteArray("Ok,SlewingGet,0"));
        QCOMPARE(rig.hand("L", 2), QByteArray("0#"));
        QCOMPARE(rig.text("TrackingGet"), QByteArray("Ok,TrackingGet,0"));
        QCOMPARE(rig.hand("t", 2), trackingByte(0));
        rig.relay.disarm();
    }

    // An altitude-azimuth mount that tracks, on a link that delays every reply by some ten
    // milliseconds: the GoTo a client starts on either port aborts what runs first, which
    // restarts tracking, and cancels that restart once it has stopped the axes. Tracking reads
    // as on for the whole GoTo, as the mount took it last, and not as not known.
    // port: "methods" the remote methods, "hand" the hand-controller protocol.
    void azGotoKeepsTrackingKnown_data() {
        QTest::addColumn<QString>("port");
        QTest::newRow("remote methods, SlewToAltAzAsync") << "methods";
        QTest::newRow("hand-controller protocol, B") << "hand";
    }
    void azGotoKeepsTrackingKnown() {
        QFETCH(QString, port);
        TrackingRig rig(true);
        QVERIFY(rig.connect());
        QCOMPARE(rig.mount->mountMode(), MountMode_::AZ);
        QCOMPARE(rig.text("TrackingSet,1"), QByteArray("Ok,TrackingSet"));
        QTRY_VERIFY_WITH_TIMEOUT(rig.mount->acknowledgedTracking().on, 10000);
        QCOMPARE(rig.text("TrackingGet"), QByteArray("Ok,TrackingGet,1"));
        rig.fake.setDelayMs(12);

        // Four points around the sky: the Sun's guard can refuse two at the most.
        bool started = false;
        for (int az : {0, 90, 180, 270}) {
            if (port == "methods") {
                started = rig.text("SlewToAltAzAsync," + QByteArray::number(az) + ",45") ==
                          "Ok,SlewToAltAzAsync";
            } else {
                const auto hex = [](double deg) {
                    return QByteArray::number(qRound(deg / 360 * 65536) & 0xFFFF, 16)
                        .toUpper()
                        .rightJustified(4, '0');
                };
                started = rig.hand("B" + hex(az) + "," + hex(45), 1) == "#" &&
                          QTest::qWaitFor([&] { return rig.hand("L", 2) == "1#"; }, 2000);
            }
            if (started)
                break;
        }
        QVERIFY(started);
        QTRY_VERIFY_WITH_TIMEOUT(rig.mount->slewToTarget().hasValue() &&
                                     (rig.sim.moving(0) || rig.sim.moving(1)),
                                 10000);
        QCOMPARE(rig.text("SlewingGet"), QByteArray("Ok,SlewingGet,1"));
        QCOMPARE(rig.text("TrackingGet"), QByteArray("Ok,TrackingGet,1"));
        QCOMPARE(rig.hand("t", 2), trackingByte(1));

        // Each pass ends where it aimed. "B" gives its target as right ascension and
        // declination, which tracking follows once the GoTo is over; an alt-azimuth target
        // leaves tracking off.
        rig.fake.setDelayMs(0);
        QTRY_VERIFY_WITH_TIMEOUT((rig.sim.arrive(), rig.text("SlewingGet") == "Ok,SlewingGet,0"),
                                 20000);
        // Tracking is known again at its first pass taken; a pass that fails waits 5 s for the
        // next. Until the restart has begun, the reading is still the tracking taken before the
        // GoTo, and it is not known while the restart waits for its first pass: what a client
        // reads is compared once the mount has taken the outcome, the axes at the tracking rate
        // or standing.
        const bool tracks = port == "hand";
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const IMount::AcknowledgedTracking taken = rig.mount->acknowledgedTracking();
                return taken.known && taken.on == tracks &&
                       (tracks ? rig.sim.moving(0) || rig.sim.moving(1)
                               : !rig.mount->realTracking());
            }(),
            60000);
        QCOMPARE(rig.text("TrackingGet"), "Ok,TrackingGet," + QByteArray(tracks ? "1" : "0"));
    }

    // A GoTo aborted while tracking is on, the restart of tracking on axis 1 garbled: once the
    // mount has answered that both axes stand, the pending restart leaves neither port telling
    // of a slew, and tracking reads as not known until the restart is taken.
    // tracking: on before the GoTo; abort: "M" on the hand-controller port or "AbortSlew".
    void abortedGotoStandsWhileTrackingRestarts_data() {
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<QString>("abort");
        QTest::newRow("tracking on, M") << true << "M";
        QTest::newRow("tracking on, AbortSlew") << true << "AbortSlew";
        QTest::newRow("tracking off, M") << false << "M";
    }
    void abortedGotoStandsWhileTrackingRestarts() {
        QFETCH(bool, tracking);
        QFETCH(QString, abort);
        TrackingRig rig;
        QVERIFY(rig.connect());
        if (tracking)
            QVERIFY(rig.trackSidereal());
        const auto at = rig.mount->axisPositions();
        QVERIFY(rig.mount->slewToAsync(
            MountTarget{"Target", {at.first + 0.3, at.second + 0.2, CoordType::MountAxes}, 0}));
        QTRY_VERIFY_WITH_TIMEOUT(rig.sim.moving(0) && rig.sim.moving(1), 10000);
        QCOMPARE(rig.hand("L", 2), QByteArray("1#"));

        rig.relay.arm(":G1");
        if (abort == "M")
            QCOMPARE(rig.hand("M", 1), QByteArray("#"));
        else
            QCOMPARE(rig.text("AbortSlew"), QByteArray("Ok,AbortSlew"));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.sim.moving(0) && !rig.sim.moving(1), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.text("SlewingGet"), QByteArray("Ok,SlewingGet,0"), 10000);
        QCOMPARE(rig.hand("L", 2), QByteArray("0#"));
        QCOMPARE(rig.text("TrackingGet"),
                 QByteArray(tracking ? "Error,TrackingGet" : "Ok,TrackingGet,0"));
        QCOMPARE(rig.hand("t", 2), trackingByte(0));
        QVERIFY(!rig.sim.moving(0));

        rig.relay.disarm();
        if (tracking) {
            QTRY_COMPARE_WITH_TIMEOUT(rig.text("TrackingGet"), QByteArray("Ok,TrackingGet,1"),
                                      10000);
            QVERIFY(rig.sim.moving(0));
            QCOMPARE(rig.hand("t", 2), trackingByte(2));
        }
        QCOMPARE(rig.text("SlewingGet"), QByteArray("Ok,SlewingGet,0"));
        QVERIFY(!rig.sim.moving(1));
    }

    // A rate change on a link that garbles replies: the controller takes the stop that comes
    // before the new rate, and the axis stands still while the restart goes unread. What the
    // mount does then is not known, and no port reports the old tracking as running; once the
    // link is sound again the restart is taken and every answer tells the new rate.
    // change: "rate" the lunar rate chosen while tracking, "on" chosen while off and tracking
    // switched on; garbled: the requests whose replies are garbled, which the restart never gets
    // past.
    void partlyTakenChange_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("garbled");
        QTest::newRow("rate changed, the rate command's replies garbled") << "rate"
                                                                          << ":I1";
        QTest::newRow("switched on, the motion mode's replies garbled") << "on"
                                                                        << ":G1";
    }
    void partlyTakenChange() {
        QFETCH(QString, change);
        QFETCH(QString, garbled);
        TrackingRig rig;
        QVERIFY(rig.connect());
        QVERIFY(rig.trackSidereal());
        QCOMPARE(rig.hand("t", 2), trackingByte(2));

        if (change == "on") {
            QCOMPARE(rig.text("TrackingSet,0"), QByteArray("Ok,TrackingSet"));
            QTRY_VERIFY_WITH_TIMEOUT(!rig.mount->acknowledgedTracking().on, 10000);
            QCOMPARE(rig.text("TrackingRateSet,1"), QByteArray("Ok,TrackingRateSet"));
            QTRY_VERIFY_WITH_TIMEOUT(!rig.sim.moving(0) && !rig.mount->stopPending(), 10000);
        }
        rig.relay.arm(garbled.toStdString());
        if (change == "on")
            QCOMPARE(rig.text("TrackingSet,1"), QByteArray("Ok,TrackingSet"));
        else
            QCOMPARE(rig.text("TrackingRateSet,1"), QByteArray("Ok,TrackingRateSet"));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.sim.moving(0), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.text("TrackingGet"), QByteArray("Error,TrackingGet"), 10000);
        // The restart never gets past the garbled replies, so the axis stays at rest.
        QCOMPARE(rig.text("TrackingRateGet"), QByteArray("Error,TrackingRateGet"));
        QCOMPARE(rig.hand("t", 2), trackingByte(0));
        QVERIFY(!rig.sim.moving(0));

        rig.relay.disarm();
        QTRY_VERIFY_WITH_TIMEOUT(rig.sim.moving(0), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.text("TrackingGet"), QByteArray("Ok,TrackingGet,1"), 10000);
        QCOMPARE(rig.text("TrackingRateGet"), QByteArray("Ok,TrackingRateGet,1"));
        QCOMPARE(rig.hand("t", 2), trackingByte(2));
    }
};

QTEST_MAIN(TestTrackingAnswers)
#include "tst_trackinganswers.moc"
