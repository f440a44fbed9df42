#include "server/tests/planetariumrig.h"

#include "astro/angleutil.h"
#include "base/byteutil.h"
#include "base/tests/datarow.h"
#include "server/netserver.h"
#include "server/nopmsharing.h"
#include "server/tests/resetclient.h"
#include "server/vtmserver.h"

#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <mutex>
#include <optional>
#include <vector>

using namespace Ko;

namespace {

// A GoTo ends within the mount's tolerance (2') of where the target was then; the check comes a
// moment later, while tracking follows the sky, so 3' more are allowed.
constexpr double kArrivalToleranceRad = 5.0 / 60 * kDeg;
constexpr int kGotoTimeoutMs = 30000;
// 2^30 steps per quarter turn.
constexpr double kStepsPerRadian = 1073741824.0 / (kPi / 2);
// An axis slew at the fastest fixed rate of "P", of axis 1.
const QByteArray kFastSlewAxis1("P\x02\x10\x24\x09\x00\x00\x00", 8);
// That rate, in radians per second: 800 times the sidereal rate.
constexpr double kFastRate = 800 * kSiderealRate;
// A client's ways of leaving, as it sees them.
enum class Leaving { Close, HalfClose, Reset, NotReading };

} // namespace

// Both servers over the emulated mount as the mount factory builds it, published through the
// real holder; the sky clock runs ten times as fast as the wall clock.
class TestPlanetariumServers : public QObject {
    Q_OBJECT

    std::unique_ptr<MountControlRig> m_rig;
    std::unique_ptr<GoToLimitsRig> m_limits;
    uint16_t m_qrpPort = 0;
    uint16_t m_positionPort = 0;
    std::unique_ptr<QrpServer> m_qrp;
    std::unique_ptr<StellariumServer> m_position;

    // The servers over the rig.
    void build() {
        // Two ports held at once, so that they differ.
        QTcpServer a;
        QTcpServer b;
        QVERIFY(a.listen(QHostAddress::LocalHost) && b.listen(QHostAddress::LocalHost));
        m_qrpPort = a.serverPort();
        m_positionPort = b.serverPort();
        m_limits = std::make_unique<GoToLimitsRig>(m_rig->store, m_rig->clock, m_rig->altRange,
                                                   m_rig->astroClock, m_rig->astro);
        m_qrp = std::make_unique<QrpServer>(m_rig->location, m_rig->astro, m_rig->astroClock,
                                            m_rig->holder, m_rig->container, m_limits->settings,
                                            m_qrpPort);
        m_position = std::make_unique<StellariumServer>(
            m_rig->astro, m_rig->astroClock, m_rig->holder, m_limits->settings, m_positionPort);
    }

    // Starts afresh on a rig of the given setup, with the wall clock's pace, so that a GoTo takes
    // seconds and a client's going comes while it runs.
    void rebuild(MountControlRig::Setup setup) {
        cleanup();
        setup.clockScale = 1;
        m_rig = std::make_unique<MountControlRig>(setup);
        build();
    }

    // The observed altitude the mount points at.
    double altitude(IMount& mount) {
        const auto read = mount.readPosition();
        if (!read.isOk())
            return qQNaN();
        return m_rig->astro
            ->convertNow({read.value().first, read.value().second, CoordType::HDObsv},
                         CoordType::AZObsv)
            .b;
    }

    // Sets the still mount's axes to where azimuth 90 degrees and the altitude are.
    void placeEast(IMount& mount, double altitudeDeg) {
        QVERIFY(!mount.trackingEnabled());
        const U_ASTRO_COORD sky = m_rig->astro->convertNow(
            {90 * kDeg, altitudeDeg * kDeg, CoordType::AZObsv}, CoordType::HDObsv);
        QCOMPARE(mount.syncPosition(sky.a, sky.b), CmdRetType_::Ok);
        QVERIFY(std::abs(altitude(mount) / kDeg - altitudeDeg) < 0.01);
        QVERIFY(axesStill());
    }

    // Axis motions of a mount on the equator that starts still at azimuth 90 degrees, altitude
    // 40: the rig rebuilt for it, connected and placed. Null when it could not be placed.
    std::shared_ptr<IMount> stillOnEquator() {
        MountControlRig::Setup equator;
        equator.latitudeRad = 0;
        rebuild(equator);
        std::shared_ptr<IMount> mount = m_rig->connectShared();
        placeEast(*mount, 40);
        return QTest::currentTestFailed() ? nullptr : mount;
    }

    // The axis's controller reports it moving.
    bool axisMoving(AXISID axis) {
        const auto status = m_rig->axes()->readStatus(axis);
        return status.isOk() && status.value().motion != 0;
    }

    // Both axes' controllers report them at rest.
    bool axesStill() {
        for (AXISID axis : {0u, 1u}) {
            const auto status = m_rig->axes()->readStatus(axis);
            if (!status.isOk() || status.value().motion != 0)
                return false;
        }
        return true;
    }

    // The client goes as leaving says; the server then runs its leave job. A client that does
    // not read its replies floods position reads until the server closes it for that.
    void leave(PlanetariumClient& client, Leaving leaving) {
        switch (leaving) {
        case Leaving::Close:
            client.socket().disconnectFromHost();
            break;
        case Leaving::HalfClose:
            client.endSending();
            break;
        case Leaving::Reset:
            client.reset();
            break;
        case Leaving::NotReading:
            client.send(QByteArray(64 * 1024, 'e'));
            break;
        }
    }

    U_ASTRO_COORD pointingJ2000(IMount& mount) {
        const auto read = mount.readPosition();
        if (!read.isOk())
            return {};
        const U_ASTRO_COORD now = m_rig->astro->convertNow(
            {read.value().first, read.value().second, CoordType::HDObsv}, CoordType::RDJNow);
        return m_rig->astro->convertNow(now, CoordType::RDJ2000);
    }

    // A GoTo message of the position port to target.
    static QByteArray gotoMessage(const U_ASTRO_COORD& target) {
        QByteArray m(20, '\0');
        qToLittleEndian(uint16_t(20), m.data());
        qToLittleEndian(int32_t(std::lround(wrapToPi(target.a) * kStepsPerRadian)), m.data() + 12);
        qToLittleEndian(int32_t(std::lround(target.b * kStepsPerRadian)), m.data() + 16);
        return m;
    }

    // Five degrees south of where the emulated mount, near the pole, points: a short GoTo.
    U_ASTRO_COORD nearTarget(IMount& mount) {
        const U_ASTRO_COORD start = pointingJ2000(mount);
        return {wrapTo2Pi(start.a + 10 * kDeg), start.b - 5 * kDeg, CoordType::RDJ2000};
    }

private slots:
    void init() {
        m_rig = std::make_unique<MountControlRig>();
        build();
    }
    void cleanup() {
        m_qrp.reset();
        m_position.reset();
        m_limits.reset();
        m_rig.reset();
    }

    // The ports are open exactly while a mount is connected; its going drops every client.
    void portsFollowTheMount() {
        PlanetariumClient early;
        QVERIFY(!early.connectTo(m_qrpPort));
        QVERIFY(!early.connectTo(m_positionPort));

        m_rig->connect();
        for (int round = 0; round < 2; ++round) {
            PlanetariumClient qrp;
            PlanetariumClient position;
            QVERIFY(qrp.connectTo(m_qrpPort));
            QVERIFY(position.connectTo(m_positionPort));
            QVERIFY(qrp.roundTrip());
            QCOMPARE(position.read(24).size(), 24);

            const std::shared_ptr<IMount> mount = m_rig->holder->sharedMount();
            m_rig->holder->setMount(nullptr);
            QVERIFY(qrp.waitForDisconnect());
            QVERIFY(position.waitForDisconnect());
            PlanetariumClient late;
            QVERIFY(!late.connectTo(m_qrpPort));
            QVERIFY(!late.connectTo(m_positionPort));
            m_rig->holder->setMount(mount);
        }
    }

    // A GoTo from either port reaches its target under the port's target name.
    void remoteGotoArrives_data() {
        QTest::addColumn<bool>("qrp");
        QTest::newRow("r on the hand-controller port") << true;
        QTest::newRow("message on the position port") << false;
    }
    void remoteGotoArrives() {
        QFETCH(bool, qrp);
        IMount* mount = m_rig->connect();
        const U_ASTRO_COORD target = nearTarget(*mount);
        std::mutex mutex;
        QStringList names;
        mount->slewToStateChanged.append([&] {
            const auto running = mount->slewToTarget();
            std::lock_guard lock(mutex);
            if (running.hasValue())
                names << QString::fromStdString(running.value().name);
        });
        std::atomic<int> finished{-1};
        mount->slewToFinished.append([&](CmdRet ret) { finished = ret.type; });

        PlanetariumClient client;
        if (qrp) {
            QVERIFY(client.connectTo(m_qrpPort));
            const auto hex24 = [](double angle) {
                return QByteArray::fromStdString(
                    ByteUtil::IntHexBE(int32_t(wrapTo2Pi(angle) / k2Pi * 16777216), 3));
            };
            client.send("r" + hex24(target.a) + "00," + hex24(target.b) + "00");
            QCOMPARE(client.read(1), QByteArray("#"));
        } else {
            QVERIFY(client.connectTo(m_positionPort));
            client.sendSegment(gotoMessage(target));
        }
        QTRY_COMPARE_WITH_TIMEOUT(finished.load(), int(CmdRetType_::Ok), kGotoTimeoutMs);
        {
            std::lock_guard lock(mutex);
            QVERIFY(!names.isEmpty());
            QCOMPARE(names.last(), qrp ? QString("PC Target") : QString("Stellarium Target"));
        }
        const U_ASTRO_COORD end = pointingJ2000(*mount);
        QVERIFY2(m_rig->astro->angularSeparation(end, target) < kArrivalToleranceRad,
                 qPrintable(QString::number(m_rig->astro->angularSeparation(end, target) / kDeg)));
    }

    // A client that sends its request and ends its sending at once, as "nc -N" does, gets its
    // whole answer from the emulated mount, and then the server closes the connection.
    void halfCloseAnswered_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("replyBytes");
        QTest::newRow("V") << QByteArray("V") << 4;
        QTest::newRow("K") << QByteArray("K~") << 2;
        QTest::newRow("e") << QByteArray("e") << 18;
        QTest::newRow("E, z and K") << QByteArray("EzK~") << 10 + 18 + 2;
    }
    void halfCloseAnswered() {
        QFETCH(QByteArray, request);
        QFETCH(int, replyBytes);
        m_rig->connect();
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_qrpPort));
        client.send(request);
        client.endSending();
        const QByteArray reply = client.read(replyBytes);
        QCOMPARE(reply.size(), replyBytes);
        QCOMPARE(reply.count('#'), request.size() - int(request.count('~')));
        QVERIFY(reply.endsWith('#'));
        QVERIFY(client.waitForDisconnect());
        QCOMPARE(client.socket().readAll(), QByteArray());
    }

    // Position messages carry the application clock's time: each stamp lies between the sky
    // clock's reading before the message was asked for (the connection, then the message before)
    // and its reading on arrival, and successive stamps are a report period of the sky clock
    // apart at least, which runs ten times as fast as the wall clock here.
    void positionMessagesKeepTime() {
        m_rig->connect();
        PlanetariumClient client;
        QElapsedTimer sinceConnect;
        sinceConnect.start();
        int64_t earliest = m_rig->clock->nowMs();
        int64_t previous = -1;
        const int64_t periodSky =
            StellariumServer::kReportPeriod.count() * m_rig->setup.clockScale * 95 / 100;
        QVERIFY(client.connectTo(m_positionPort));
        readPositionMessages(client, 3, sinceConnect, [&](const QByteArray& m) {
            const int64_t sent = qFromLittleEndian<int64_t>(m.constData() + 4);
            const int64_t arrived = m_rig->clock->nowMs();
            QVERIFY2(
                sent >= earliest && sent <= arrived,
                qPrintable(QString("%1 not in [%2, %3]").arg(sent).arg(earliest).arg(arrived)));
            if (previous >= 0)
                QVERIFY2(sent - previous >= periodSky,
                         qPrintable(QString::number(sent - previous)));
            previous = sent;
            earliest = sent;
        });
    }

    // A client that leaves stops only its own motion: the axis slew it left running stops,
    // whichever way it goes (also when the server closes it for not reading its replies); a
    // GoTo that another client started after the slew, from either port, arrives, and a slew
    // that the window started after it goes on, on the client's axis or beside it. The site is
    // on the equator, the mount starts still at azimuth 90 degrees, altitude 40, and a GoTo goes
    // to altitude 20.
    void leavingClientStopsOnlyItsOwnMotion_data() {
        QTest::addColumn<int>("leaving");
        QTest::addColumn<QString>("after");
        dataRow("close", int(Leaving::Close), QString("nothing"));
        dataRow("half-close", int(Leaving::HalfClose), QString("nothing"));
        dataRow("reset", int(Leaving::Reset), QString("nothing"));
        dataRow("closed for not reading its replies", int(Leaving::NotReading), QString("nothing"));
        dataRow("close, B on 11882", int(Leaving::Close), QString("GoTo on 11882"));
        dataRow("half-close, B on 11882", int(Leaving::HalfClose), QString("GoTo on 11882"));
        dataRow("close, SlewToAltAzAsync on 11881", int(Leaving::Close), QString("GoTo on 11881"));
        dataRow("half-close, SlewToAltAzAsync on 11881", int(Leaving::HalfClose),
                QString("GoTo on 11881"));
        dataRow("close, the window on the same axis", int(Leaving::Close),
                QString("window on axis 1"));
        dataRow("close, the window on the other axis", int(Leaving::Close),
                QString("window on axis 2"));
    }
    void leavingClientStopsOnlyItsOwnMotion() {
        QFETCH(int, leaving);
        QFETCH(QString, after);
        const std::shared_ptr<IMount> mount = stillOnEquator();
        if (!mount)
            return;
        m_qrp->setStallLimit(std::chrono::milliseconds(300));
        std::shared_ptr<NetServer> core;
        std::unique_ptr<VtmServer> rpc;
        uint16_t rpcPort = 0;
        if (after == "GoTo on 11881") {
            core = std::make_shared<NetServer>();
            rpc = std::make_unique<VtmServer>(m_rig->location, m_rig->astro, m_rig->astroClock,
                                              m_rig->holder, m_rig->container,
                                              std::make_shared<NoPMSharing>(), nullptr, core, 0,
                                              VtmServer::DeviceName{}, m_limits->settings);
            rpcPort = rpc->port();
            QVERIFY(rpcPort != 0);
            core->waitPosted();
        }

        PlanetariumClient slewing;
        PlanetariumClient other;
        if (Leaving(leaving) == Leaving::NotReading)
            QVERIFY(slewing.connectNotReading(m_qrpPort));
        else
            QVERIFY(slewing.connectTo(m_qrpPort));
        QVERIFY(other.connectTo(m_qrpPort));
        slewing.send(kFastSlewAxis1);
        QTRY_COMPARE(mount->axisSlewState(0), 1);
        QTRY_VERIFY(!axesStill());
        const AXISID windowAxis = after == "window on axis 2" ? 1 : 0;
        if (after.startsWith("GoTo")) {
            const uint64_t before = mount->gotoGeneration();
            if (rpcPort) {
                TcpClient rpcClient(rpcPort);
                QVERIFY(rpcClient.connected());
                QCOMPARE(rpcClient.request("SlewToAltAzAsync,90,20"),
                         QByteArray("Ok,SlewToAltAzAsync"));
            } else {
                // Azimuth 90 degrees, altitude 20 (3641 / 65536 of a turn).
                other.send("B4000,0E39");
                QCOMPARE(other.read(1), QByteArray("#"));
            }
            QTRY_VERIFY(mount->gotoGeneration() == before + 1);
            QVERIFY2(mount->slewToTarget().hasValue(), "the GoTo ended before the client left");
        } else if (after.startsWith("window")) {
            mount->slewAxisAsync(windowAxis, -kFastRate);
        }

        leave(slewing, Leaving(leaving));
        QTRY_COMPARE_WITH_TIMEOUT(m_qrp->clientCount(), 1, 20000);
        // The leave job was queued before this, on the one worker.
        QVERIFY(other.roundTrip());
        if (after == "nothing") {
            QCOMPARE(mount->axisSlewState(0), 0);
            QTRY_VERIFY(axesStill());
        } else if (after.startsWith("GoTo")) {
            QTRY_VERIFY_WITH_TIMEOUT(!mount->slewToTarget().hasValue(), kGotoTimeoutMs);
            QVERIFY(mount->lastGotoArrived());
            const double arrived = altitude(*mount) / kDeg;
            QVERIFY2(std::abs(arrived - 20) < 0.5, qPrintable(QString::number(arrived)));
        } else {
            // Only the window's slew runs.
            QCOMPARE(mount->axisSlewState(windowAxis), -1);
            QCOMPARE(mount->axisSlewState(AXISID(1 - windowAxis)), 0);
            QTRY_VERIFY(axisMoving(windowAxis) && !axisMoving(AXISID(1 - windowAxis)));
            mount->abortSlewAsync();
        }
    }

    // A client's axis slew on 11882 that a park or a guide pulse from 11881 takes over:
    // once the mount is still, 11881 no longer reads it as slewing, also after unparking.
    void slewTakenOverEnds_data() {
        QTest::addColumn<QByteArray>("taker");
        dataRow("Park", QByteArray("Park"));
        dataRow("PulseGuide", QByteArray("PulseGuide,2,500"));
    }
    void slewTakenOverEnds() {
        QFETCH(QByteArray, taker);
        const std::shared_ptr<IMount> mount = stillOnEquator();
        if (!mount)
            return;
        auto core = std::make_shared<NetServer>();
        VtmServer rpc(m_rig->location, m_rig->astro, m_rig->astroClock, m_rig->holder,
                      m_rig->container, std::make_shared<NoPMSharing>(), nullptr, core, 0,
                      VtmServer::DeviceName{}, m_limits->settings);
        const uint16_t rpcPort = rpc.port();
        QVERIFY(rpcPort != 0);
        core->waitPosted();
        PlanetariumClient slewing;
        QVERIFY(slewing.connectTo(m_qrpPort));
        slewing.send(kFastSlewAxis1);
        QCOMPARE(slewing.read(1), QByteArray("#"));
        QCOMPARE(mount->axisSlewState(0), 1);
        TcpClient rpcClient(rpcPort);
        QVERIFY(rpcClient.connected());
        QCOMPARE(rpcClient.request("SlewingGet"), QByteArray("Ok,SlewingGet,1"));

        QVERIFY(rpcClient.request(taker).startsWith("Ok,"));
        if (taker == "Park")
            QTRY_VERIFY_WITH_TIMEOUT(mount->parked(), kGotoTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!mount->isPulseGuiding() && !mount->slewToTarget().hasValue() &&
                                     axesStill(),
                                 kGotoTimeoutMs);
        QCOMPARE(rpcClient.request("SlewingGet"), QByteArray("Ok,SlewingGet,0"));
        if (taker == "Park") {
            QCOMPARE(rpcClient.request("Unpark"), QByteArray("Ok,Unpark"));
            QCOMPARE(rpcClient.request("SlewingGet"), QByteArray("Ok,SlewingGet,0"));
        }
        QVERIFY(slewing.roundTrip());
    }

    // Clients that connect and reset in one burst, and the client right after them, all reach
    // the server in the same pass of its event loop: the resets not yet read give their places
    // to that client. Clients still connected keep theirs, so a port they fill refuses it; so
    // does a client that sent its request and ended its sending in the same pass, which is
    // served: its version is answered, its GoTo carried out. The port's other clients came
    // before, one pass each.
    void resetsInOnePassGiveTheirPlaces_data() {
        QTest::addColumn<bool>("qrp");
        QTest::addColumn<int>("open");
        QTest::addColumn<bool>("halfClosed");
        QTest::addColumn<int>("resets");
        QTest::addColumn<bool>("answered");
        constexpr int kPosition = StellariumServer::kMaxClients;
        constexpr int kQrp = QrpServer::kMaxClients;
        dataRow("10001: its places reset", false, 0, false, kPosition, true);
        dataRow("10001: three times its places reset", false, 0, true, 3 * kPosition, true);
        dataRow("10001: some places held, the rest reset", false, kPosition - 3, true, 3, true);
        dataRow("10001: every place held", false, kPosition, false, 0, false);
        dataRow("11882: a few places left, reset", true, kQrp - 4, true, 4, true);
        dataRow("11882: more resets than places left", true, kQrp / 2, true, 40, true);
        dataRow("11882: every place held", true, kQrp, false, 0, false);
    }
    void resetsInOnePassGiveTheirPlaces() {
        QFETCH(bool, qrp);
        QFETCH(int, open);
        QFETCH(bool, halfClosed);
        QFETCH(int, resets);
        QFETCH(bool, answered);
        IMount* mount = m_rig->connect();
        const uint16_t port = qrp ? m_qrpPort : m_positionPort;
        MountGatedServer& server = qrp ? static_cast<MountGatedServer&>(*m_qrp) : *m_position;
        std::vector<std::unique_ptr<ResetClient>> staying;
        for (int k = 0; k < open; ++k) {
            staying.push_back(std::make_unique<ResetClient>(port));
            QVERIFY(staying.back()->connected());
            QTRY_COMPARE(server.clientCount(), k + 1);
        }
        const U_ASTRO_COORD target = nearTarget(*mount);
        const uint64_t gotos = mount->gotoGeneration();
        // From here to the check the event loop does not run.
        std::optional<ResetClient> ended;
        if (halfClosed) {
            ended.emplace(port);
            QVERIFY(ended->send(qrp ? QByteArray("V") : gotoMessage(target)));
            QVERIFY(ended->endSending());
        }
        QVERIFY(resetBurst(port, resets));
        ResetClient next(port);
        QVERIFY(next.connected());
        // The position port speaks first; the other answers its version.
        QVERIFY(qrp ? next.send("V") : true);
        QTRY_VERIFY(next.reply() != ResetClient::Reply::Waiting);
        QCOMPARE(next.reply() == ResetClient::Reply::Replied, answered);
        if (ended && qrp) {
            QTRY_VERIFY(ended->reply() != ResetClient::Reply::Waiting);
            QCOMPARE(ended->reply(), ResetClient::Reply::Replied);
        } else if (ended) {
            QTRY_COMPARE(mount->gotoGeneration(), gotos + 1);
            mount->abortSlewAsync();
        }
        QTRY_COMPARE(server.clientCount(), open + (answered ? 1 : 0));
    }
};

QTEST_MAIN(TestPlanetariumServers)
#include "tst_planetariumservers.moc"
