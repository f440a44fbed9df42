#include "server/tests/planetariumrig.h"

#include "astro/angleutil.h"
#include "base/byteutil.h"

#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <mutex>

using namespace Ko;

namespace {

// A GoTo ends within the mount's tolerance (2') of where the target was then; the check comes a
// moment later, while tracking follows the sky, so 3' more are allowed.
constexpr double kArrivalToleranceRad = 5.0 / 60 * kDeg;
constexpr int kGotoTimeoutMs = 30000;
// 2^30 steps per quarter turn.
constexpr double kStepsPerRadian = 1073741824.0 / (kPi / 2);

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

    U_ASTRO_COORD pointingJ2000(IMount& mount) {
        const auto read = mount.readPosition();
        if (!read.isOk())
            return {};
        const U_ASTRO_COORD now = m_rig->astro->convertNow(
            {read.value().first, read.value().second, CoordType::HDObsv}, CoordType::RDJNow);
        return m_rig->astro->convertNow(now, CoordType::RDJ2000);
    }

private slots:
    void init() {
        m_rig = std::make_unique<MountControlRig>();
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
        const U_ASTRO_COORD start = pointingJ2000(*mount);
        // The emulated mount starts near the pole; five degrees south of it is a short GoTo.
        const U_ASTRO_COORD target{wrapTo2Pi(start.a + 10 * kDeg), start.b - 5 * kDeg,
                                   CoordType::RDJ2000};
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
            QByteArray m(20, '\0');
            qToLittleEndian(uint16_t(20), m.data());
            qToLittleEndian(int32_t(std::lround(wrapToPi(target.a) * kStepsPerRadian)),
                            m.data() + 12);
            qToLittleEndian(int32_t(std::lround(target.b * kStepsPerRadian)), m.data() + 16);
            client.sendSegment(m);
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
};

QTEST_MAIN(TestPlanetariumServers)
#include "tst_planetariumservers.moc"
