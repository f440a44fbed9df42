#include "server/tests/planetariumrig.h"

#include "astro/angleutil.h"
#include "base/tests/logcapture.h"
#include "server/clientconnection.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cmath>
#include <semaphore>

using namespace Ko;

namespace {

struct PositionFields {
    uint16_t length = 0;
    uint16_t type = 0;
    int64_t time = 0;
    int32_t ra = 0;
    int32_t dec = 0;
    int32_t status = 0;
};

PositionFields fields(const QByteArray& m) {
    const char* p = m.constData();
    return {qFromLittleEndian<uint16_t>(p),     qFromLittleEndian<uint16_t>(p + 2),
            qFromLittleEndian<int64_t>(p + 4),  qFromLittleEndian<int32_t>(p + 12),
            qFromLittleEndian<int32_t>(p + 16), qFromLittleEndian<int32_t>(p + 20)};
}

// A GoTo message as a planetarium program sends it.
QByteArray gotoMessage(uint32_t ra, int32_t dec, uint16_t length = 20, uint16_t type = 0) {
    QByteArray m(20, '\0');
    char* p = m.data();
    qToLittleEndian(length, p);
    qToLittleEndian(type, p + 2);
    qToLittleEndian(int64_t(1234567), p + 4);
    qToLittleEndian(ra, p + 12);
    qToLittleEndian(dec, p + 16);
    return m;
}

constexpr uint32_t kQuarter = 1u << 30;

// A mount whose position reads wait until the test releases them.
class SlowReadingMount : public FakeSteppedMount {
public:
    CmdResp<AnglePair> readPosition() override {
        reading.release();
        (void)release.try_acquire_for(std::chrono::seconds(10));
        return FakeSteppedMount::readPosition();
    }
    std::counting_semaphore<> reading{0};
    std::binary_semaphore release{0};
};

// A mount whose next reads say Ok but carry no position, as many as the test asks for: the
// report loop meets an exception where it takes the position.
class PositionlessMount : public FakeSteppedMount {
public:
    CmdResp<AnglePair> readPosition() override {
        const CmdResp<AnglePair> read = FakeSteppedMount::readPosition();
        int left = positionless.load();
        while (left > 0 && !positionless.compare_exchange_weak(left, left - 1)) {
        }
        return left > 0 ? CmdResp<AnglePair>(CmdRetType_::Ok) : read;
    }
    std::atomic<int> positionless{0};
};

// A mount whose stop waits until the test lets it go: a GoTo then holds the server's worker.
class HoldingStopMount : public FakeSteppedMount {
public:
    void abortSlewAsync() override {
        ++stopping;
        (void)release.try_acquire_for(std::chrono::seconds(10));
        FakeSteppedMount::abortSlewAsync();
    }
    std::atomic<int> stopping{0};
    std::counting_semaphore<> release{0};
};

} // namespace

class TestStellariumServer : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedMountRig> m_rig;
    std::unique_ptr<StellariumServer> m_server;

    void startServer() {
        m_server = m_rig->stellariumServer();
        m_rig->connectMount();
        QVERIFY(m_server->isListening());
    }
    int clientSockets() const { return int(m_server->clientCount()); }

private slots:
    void init() {
        m_rig = std::make_unique<ScriptedMountRig>();
        m_rig->mount->setResult("slewToAsync", CmdRetType_::Ok);
    }
    void cleanup() {
        m_server.reset();
        m_rig.reset();
    }

    // The position message: length 24, type 0, the time in milliseconds, J2000 right ascension
    // and declination in steps of 2^-30 quarter turns, rounded half away from zero, status 0.
    void positionMessage_data() {
        QTest::addColumn<double>("ra");
        QTest::addColumn<double>("dec");
        QTest::addColumn<int>("raField");
        QTest::addColumn<int>("decField");
        const double step = (kPi / 2) / kQuarter;
        QTest::newRow("0 h, 0") << 0.0 << 0.0 << 0 << 0;
        QTest::newRow("6 h, +90") << kPi / 2 << kPi / 2 << int(kQuarter) << int(kQuarter);
        QTest::newRow("12 h is negative") << kPi << 0.0 << int(0x80000000u) << 0;
        QTest::newRow("18 h, -45")
            << 3 * kPi / 2 << -kPi / 4 << -int(kQuarter) << -int(kQuarter / 2);
        QTest::newRow("rounded up, away from zero") << 2.6 * step << -2.6 * step << 3 << -3;
        QTest::newRow("rounded down, towards zero") << 2.4 * step << -2.4 * step << 2 << -2;
        QTest::newRow("just under 24 h") << k2Pi - 0.4 * step << 0.4 * step << 0 << 0;
    }
    void positionMessage() {
        QFETCH(double, ra);
        QFETCH(double, dec);
        QFETCH(int, raField);
        QFETCH(int, decField);
        const QByteArray m = StellariumServer::positionMessage(1710892800123, ra, dec);
        QCOMPARE(m.size(), 24);
        const PositionFields f = fields(m);
        QCOMPARE(f.length, uint16_t(24));
        QCOMPARE(f.type, uint16_t(0));
        QCOMPARE(f.time, int64_t(1710892800123));
        QCOMPARE(f.ra, raField);
        QCOMPARE(f.dec, decField);
        QCOMPARE(f.status, 0);
    }

    // GoTo messages are assembled across arrivals; a block with a wrong head is dropped with
    // what is buffered. Each row ends with a GoTo to 1 h in an arrival of its own, which shows
    // that every GoTo before it has been taken.
    void gotoMessages_data() {
        QTest::addColumn<QList<QByteArray>>("segments");
        QTest::addColumn<QList<QPointF>>("targets");
        const QByteArray six = gotoMessage(kQuarter, 0);
        const QByteArray twelve = gotoMessage(0x80000000u, int32_t(kQuarter / 2));
        QTest::newRow("6 h") << QList<QByteArray>{six} << QList<QPointF>{{kPi / 2, 0}};
        QTest::newRow("12 h from the top bit")
            << QList<QByteArray>{twelve} << QList<QPointF>{{-kPi, kPi / 4}};
        QTest::newRow("split 12 + 8")
            << QList<QByteArray>{six.left(12), six.mid(12)} << QList<QPointF>{{kPi / 2, 0}};
        QList<QByteArray> bytes;
        for (char c : twelve)
            bytes << QByteArray(1, c);
        QTest::newRow("byte by byte") << bytes << QList<QPointF>{{-kPi, kPi / 4}};
        QTest::newRow("two in one arrival")
            << QList<QByteArray>{six + twelve} << QList<QPointF>{{kPi / 2, 0}, {-kPi, kPi / 4}};
        QTest::newRow("one and a half, then the rest")
            << QList<QByteArray>{six + twelve.left(7), twelve.mid(7)}
            << QList<QPointF>{{kPi / 2, 0}, {-kPi, kPi / 4}};
        QTest::newRow("type 1 dropped")
            << QList<QByteArray>{gotoMessage(kQuarter, 0, 20, 1)} << QList<QPointF>{};
        QTest::newRow("length 24 dropped with the buffer")
            << QList<QByteArray>{gotoMessage(kQuarter, 0, 24) + six} << QList<QPointF>{};
    }
    void gotoMessages() {
        QFETCH(QList<QByteArray>, segments);
        QFETCH(QList<QPointF>, targets);
        startServer();
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_server->listeningPort()));
        for (const QByteArray& segment : segments)
            client.sendSegment(segment);
        client.sendSegment(gotoMessage(kQuarter / 6, 0));
        targets << QPointF(kPi / 12, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->mount->targets().size(), size_t(targets.size()), 10000);
        const auto got = m_rig->mount->targets();
        for (int i = 0; i < targets.size(); ++i) {
            const U_ASTRO_COORD expected = m_rig->astro->convertNow(
                {targets[i].x(), targets[i].y(), CoordType::RDJ2000}, CoordType::RDJNow);
            QCOMPARE(got[size_t(i)].name, std::string("Stellarium Target"));
            QCOMPARE(got[size_t(i)].coord.type, CoordType::RDJNow);
            QVERIFY(std::abs(wrapToPi(got[size_t(i)].coord.a - expected.a)) < 1e-9);
            QVERIFY(std::abs(got[size_t(i)].coord.b - expected.b) < 1e-9);
        }
        // Each GoTo stops the mount first.
        QCOMPARE(m_rig->mount->calls("abortSlewAsync").size(), size_t(targets.size()));
    }

    // Each GoTo that has run leaves room for another: a client sending many more than the
    // bound, one after the other, stays.
    void gotosOneAfterAnother() {
        startServer();
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_server->listeningPort()));
        const int count = ClientConnection::kMaxQueuedJobs + 2;
        for (int i = 1; i <= count; ++i) {
            client.sendSegment(gotoMessage(kQuarter, 0));
            QTRY_COMPARE(m_rig->mount->targets().size(), size_t(i));
        }
        QCOMPARE(client.socket().state(), QAbstractSocket::ConnectedState);
        QCOMPARE(clientSockets(), 1);
    }

    // A client with exactly the bound of GoTos waiting or running stays, and each of them runs;
    // one more closes it, and the others stay.
    void tooManyGotosQueued_data() {
        QTest::addColumn<int>("more");
        QTest::addColumn<bool>("closed");
        QTest::newRow("exactly the bound") << ClientConnection::kMaxQueuedJobs - 1 << false;
        QTest::newRow("one more") << ClientConnection::kMaxQueuedJobs << true;
    }
    void tooManyGotosQueued() {
        QFETCH(int, more);
        QFETCH(bool, closed);
        LogCapture log;
        auto held = std::make_shared<HoldingStopMount>();
        m_rig->mount = held;
        startServer();
        PlanetariumClient other;
        QVERIFY(other.connectTo(m_server->listeningPort()));
        PlanetariumClient flooding;
        QVERIFY(flooding.connectTo(m_server->listeningPort()));
        flooding.sendSegment(gotoMessage(kQuarter, 0));
        QTRY_COMPARE(held->stopping.load(), 1);
        flooding.sendSegment(gotoMessage(kQuarter, 0).repeated(more));
        if (closed) {
            QVERIFY(flooding.waitForDisconnect());
            QCOMPARE(log.lines("planetarium client").size(), 1);
            QVERIFY(
                log.lines("planetarium client")[0].endsWith("too many commands queued: closed"));
        } else {
            QTRY_COMPARE(m_server->queuedGotos(), ClientConnection::kMaxQueuedJobs);
        }
        held->release.release(1000);
        if (!closed) {
            QTRY_COMPARE_WITH_TIMEOUT(m_rig->mount->targets().size(),
                                      size_t(ClientConnection::kMaxQueuedJobs), 30000);
            QCOMPARE(flooding.socket().state(), QAbstractSocket::ConnectedState);
            QCOMPARE(log.lines("planetarium client").size(), 0);
        }
        QCOMPARE(other.socket().state(), QAbstractSocket::ConnectedState);
    }

    // GoTos that a client sent before it ended its sending (a half-close) still run, then its
    // connection closes; those of a client that has gone (its connection reset) do not. Each
    // waits behind another client's GoTo, which holds the worker until both are taken.
    void gotosOfEndedClient_data() {
        QTest::addColumn<bool>("reset");
        QTest::newRow("ends its sending") << false;
        QTest::newRow("resets the connection") << true;
    }
    void gotosOfEndedClient() {
        QFETCH(bool, reset);
        auto held = std::make_shared<HoldingStopMount>();
        m_rig->mount = held;
        m_rig->mount->setResult("slewToAsync", CmdRetType_::Ok);
        startServer();
        PlanetariumClient other;
        QVERIFY(other.connectTo(m_server->listeningPort()));
        other.sendSegment(gotoMessage(kQuarter / 6, 0));
        QTRY_COMPARE(held->stopping.load(), 1);
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_server->listeningPort()));
        client.sendSegment(gotoMessage(kQuarter, 0).repeated(2));
        QTRY_COMPARE(m_server->queuedGotos(), 3);
        if (reset) {
            client.reset();
            QTRY_COMPARE(clientSockets(), 1);
        } else {
            client.endSending();
        }
        held->release.release(1000);
        QTRY_COMPARE(m_server->queuedGotos(), 0);
        if (!reset)
            QVERIFY(client.waitForDisconnect());
        QTRY_COMPARE(clientSockets(), 1);
        // The other client's GoTo after them all marks the end.
        other.sendSegment(gotoMessage(kQuarter / 6, 0));
        const size_t expected = reset ? 2 : 4;
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->mount->targets().size(), expected, 10000);
        const auto targets = m_rig->mount->targets();
        for (size_t i = 1; i + 1 < targets.size(); ++i)
            QVERIFY(std::abs(wrapToPi(targets[i].coord.a - targets[0].coord.a)) > 1);
    }

    // A GoTo asks the user's limits first, as the pages do: a forbidden one moves nothing, not
    // even the running GoTo, and the log says why; an allowed one goes.
    void gotoLimits_data() {
        QTest::addColumn<int>("hour");
        QTest::addColumn<bool>("observeSun");
        QTest::addColumn<bool>("atSun");
        QTest::addColumn<QString>("refusal");
        // 17:00 UTC is about noon at the site, the Sun some 50 degrees up.
        QTest::newRow("at the Sun, observing it off")
            << 17 << false << true << QString("too close to the Sun");
        QTest::newRow("at the Sun, observing it on") << 17 << true << true << QString();
        QTest::newRow("below the horizon")
            << 0 << false << false << QString("altitude outside of the limits");
    }
    void gotoLimits() {
        QFETCH(int, hour);
        QFETCH(bool, observeSun);
        QFETCH(bool, atSun);
        QFETCH(QString, refusal);
        LogCapture log;
        m_rig->goToRunningAt(hour, observeSun);
        // Below the horizon: 18 h, -45 degrees at the rig's midnight.
        CoordPair target{3 * kPi / 2, -kPi / 4};
        if (atSun)
            target = m_rig->limits.solar->getObject(ISolarSystem::Sun).coordJ2000;
        const double perStep = (kPi / 2) / kQuarter;
        startServer();
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_server->listeningPort()));
        client.sendSegment(gotoMessage(uint32_t(int32_t(std::lround(wrapToPi(target.a) / perStep))),
                                       int32_t(std::lround(target.b / perStep))));
        if (!refusal.isEmpty()) {
            QTRY_COMPARE(log.lines("planetarium position server: GoTo refused, " + refusal).size(),
                         1);
            QCOMPARE(m_rig->mount->calls("abortSlewAsync").size(), size_t(0));
            QCOMPARE(m_rig->mount->targets().size(), size_t(0));
            return;
        }
        QTRY_COMPARE(m_rig->mount->targets().size(), size_t(1));
        QCOMPARE(log.lines("planetarium position server: GoTo refused").size(), 0);
    }

    // Once the program has begun to end, a GoTo moves nothing (the GoTo under way runs on) and
    // the log says why; once the user stays, GoTos go again. A GoTo whose pause the end begins
    // in (at its abort, which starts the pause) starts nothing once its pause is over.
    void gotoWhileEnding_data() {
        QTest::addColumn<bool>("stays");
        QTest::addColumn<bool>("inPause");
        QTest::newRow("while the end waits") << false << false;
        QTest::newRow("the end begun in its pause") << false << true;
        QTest::newRow("after the user stays") << true << false;
    }
    void gotoWhileEnding() {
        QFETCH(bool, stays);
        QFETCH(bool, inPause);
        LogCapture log;
        m_rig->goToRunningAt(0, false);
        startServer();
        if (inPause) {
            m_rig->mount->stepAt("abortSlewAsync", [this] { m_rig->ending->begin(); });
        } else {
            QVERIFY(m_rig->ending->begin());
            if (stays)
                QVERIFY(m_rig->ending->cancel());
        }
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_server->listeningPort()));
        client.sendSegment(gotoMessage(kQuarter, 0));
        const QString refusal = "planetarium position server: GoTo refused, the program is ending";
        if (!stays) {
            QTRY_COMPARE(log.lines(refusal).size(), 1);
            QTRY_COMPARE(m_server->queuedGotos(), 0);
            QVERIFY(m_rig->ending->ending());
            QCOMPARE(m_rig->mount->calls("abortSlewAsync").size(), size_t(inPause ? 1 : 0));
            QCOMPARE(m_rig->mount->targets().size(), size_t(0));
            return;
        }
        QTRY_COMPARE(m_rig->mount->targets().size(), size_t(1));
        QCOMPARE(log.lines(refusal).size(), 0);
    }

    // Each client gets the mount's J2000 position about once a second.
    void reportsEverySecond() {
        const U_ASTRO_COORD observed =
            m_rig->astro
                ->allFramesFromJ2000(3 * kPi / 2, -kPi / 4, 0, 0,
                                     CoordType::HDObsv)[CoordType::HDObsv]
                .value();
        const U_ASTRO_COORD expected = m_rig->astro->convertNow(
            m_rig->astro->convertNow(observed, CoordType::RDJNow), CoordType::RDJ2000);
        const auto steps = [](double angle) {
            return int64_t(std::lround(wrapToPi(angle) / (kPi / 2) * kQuarter));
        };
        FakeScriptedMount::Values values;
        values.sky = {observed.a, observed.b};
        m_rig->mount->setValues(values);
        startServer();
        PlanetariumClient client;
        QElapsedTimer sinceConnect;
        sinceConnect.start();
        QVERIFY(client.connectTo(m_server->listeningPort()));
        readPositionMessages(client, 3, sinceConnect, [&](const QByteArray& m) {
            const PositionFields f = fields(m);
            QCOMPARE(f.time, m_rig->clock->nowMs());
            // What the chain makes of the reading: 18 h, -45 degrees within some arcseconds.
            QVERIFY(std::abs(f.ra - steps(expected.a)) <= 1);
            QVERIFY(std::abs(f.dec - steps(expected.b)) <= 1);
        });
    }

    // Reads that fail for a while (a link that garbles or drops the replies) skip their reports
    // and nothing else: the client keeps its connection and its report loop, its GoTos still
    // run, and once reads succeed again the stream goes on, whole messages only. A read that says
    // Ok without a position costs its own report only. fault: what the reads answer, Ok for an
    // Ok without a position.
    void streamGoesOnAfterFailedReads_data() {
        QTest::addColumn<CmdRetType_::E>("fault");
        QTest::addColumn<int>("failedReads");
        QTest::newRow("one read unanswered") << CmdRetType_::Timeout << 1;
        QTest::newRow("three reads unanswered") << CmdRetType_::Timeout << 3;
        QTest::newRow("replies garbled") << CmdRetType_::Other << 2;
        QTest::newRow("reads refused") << CmdRetType_::Nak << 2;
        QTest::newRow("one read Ok without a position") << CmdRetType_::Ok << 1;
        QTest::newRow("two reads Ok without a position") << CmdRetType_::Ok << 2;
    }
    void streamGoesOnAfterFailedReads() {
        QFETCH(CmdRetType_::E, fault);
        QFETCH(int, failedReads);
        LogCapture log;
        const auto mount = std::make_shared<PositionlessMount>();
        mount->setResult("slewToAsync", CmdRetType_::Ok);
        m_rig->mount = mount;
        startServer();
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_server->listeningPort()));
        QCOMPARE(client.read(StellariumServer::kPositionMessageBytes).size(),
                 StellariumServer::kPositionMessageBytes);

        if (fault == CmdRetType_::Ok)
            mount->positionless = failedReads;
        else
            mount->setResult("readPosition", fault);
        // Every read counted from here on meets the fault; the one under way may not.
        const size_t reads = mount->calls("readPosition").size();
        QTRY_VERIFY_WITH_TIMEOUT(mount->calls("readPosition").size() >= reads + size_t(failedReads),
                                 10 * failedReads * int(StellariumServer::kReportPeriod.count()));
        client.sendSegment(gotoMessage(kQuarter, 0));
        QTRY_COMPARE(mount->targets().size(), size_t(1));
        QCOMPARE(m_server->reportingClients(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(fault != CmdRetType_::Ok || mount->positionless <= 0,
                                 10 * int(StellariumServer::kReportPeriod.count()));
        QTRY_COMPARE(log.lines(fault == CmdRetType_::Ok
                                   ? "planetarium position server: report skipped"
                                   : "planetarium position server: position read failed")
                         .size(),
                     1);
        // What came before the spell is taken: what follows comes after it.
        QCoreApplication::processEvents();
        client.socket().readAll();

        m_rig->mount->setResult("readPosition", CmdRetType_::Ok);
        // Each within ten periods of the one before, a bound only a stream that stopped misses.
        for (int i = 0; i < 2; ++i) {
            const QByteArray m = client.read(StellariumServer::kPositionMessageBytes,
                                             10 * int(StellariumServer::kReportPeriod.count()));
            QCOMPARE(m.size(), StellariumServer::kPositionMessageBytes);
            QCOMPARE(fields(m).length, uint16_t(StellariumServer::kPositionMessageBytes));
        }
        QCOMPARE(client.socket().state(), QAbstractSocket::ConnectedState);
        QCOMPARE(m_server->reportingClients(), 1);
        QTRY_COMPARE(log.lines("planetarium position server: reports go on").size(), 1);
    }

    // One loop per client, however long the reads fail: a client that goes while they fail
    // takes its loop with it.
    void clientGoneWhileReadsFail() {
        startServer();
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_server->listeningPort()));
        QCOMPARE(client.read(StellariumServer::kPositionMessageBytes).size(),
                 StellariumServer::kPositionMessageBytes);
        m_rig->mount->setResult("readPosition", CmdRetType_::Timeout);
        const size_t reads = m_rig->mount->calls("readPosition").size();
        QTRY_VERIFY_WITH_TIMEOUT(m_rig->mount->calls("readPosition").size() >= reads + 1, 10000);
        QCOMPARE(m_server->reportingClients(), 1);
        client.socket().disconnectFromHost();
        QTRY_COMPARE(clientSockets(), 0);
        QTRY_COMPARE(m_server->reportingClients(), 0);
    }

    // At the cap, one more client is refused; a place that comes free is taken again.
    void clientCap() {
        startServer();
        std::vector<std::unique_ptr<PlanetariumClient>> clients;
        for (int i = 0; i < StellariumServer::kMaxClients; ++i) {
            clients.push_back(std::make_unique<PlanetariumClient>());
            QVERIFY(clients.back()->connectTo(m_server->listeningPort()));
            QCOMPARE(clients.back()->read(24).size(), 24);
        }
        PlanetariumClient refused;
        refused.connectTo(m_server->listeningPort());
        QVERIFY(refused.waitForDisconnect());
        QCOMPARE(refused.socket().bytesAvailable(), 0);

        clients.front()->socket().disconnectFromHost();
        QTRY_COMPARE(clientSockets(), StellariumServer::kMaxClients - 1);
        PlanetariumClient late;
        QVERIFY(late.connectTo(m_server->listeningPort()));
        QCOMPARE(late.read(24).size(), 24);
    }

    // When the mount goes, the port closes with every client, queued GoTos reach no mount, and
    // the server goes at once.
    void mountGone() {
        startServer();
        const uint16_t port = m_server->listeningPort();
        std::vector<std::unique_ptr<PlanetariumClient>> clients;
        for (int i = 0; i < 3; ++i) {
            clients.push_back(std::make_unique<PlanetariumClient>());
            QVERIFY(clients.back()->connectTo(m_server->listeningPort()));
            QCOMPARE(clients.back()->read(24).size(), 24);
        }
        // Each GoTo holds the worker for its settling pause.
        clients.front()->sendSegment(gotoMessage(kQuarter, 0).repeated(5));
        QTRY_COMPARE(m_rig->mount->calls("abortSlewAsync").size(), size_t(1));
        m_rig->base.holder->setMount(nullptr);
        QVERIFY(!m_server->isListening());
        for (const auto& client : clients)
            QVERIFY(client->waitForDisconnect());
        QElapsedTimer timer;
        timer.start();
        m_server.reset();
        // Dropping the queued GoTos takes at most the running one's 100 ms pause, at rest; the
        // bound is twenty times that, for a loaded machine.
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(m_rig->mount->targets().size(), size_t(0));
        PlanetariumClient late;
        QVERIFY(!late.connectTo(port));
    }

    // At the program's end each mount-gated port closes for good: its clients are dropped, no
    // client gets in, and no mount event opens it again.
    void closedForEnd_data() {
        QTest::addColumn<bool>("handController");
        QTest::newRow("hand-controller protocol") << true;
        QTest::newRow("planetarium position") << false;
    }
    void closedForEnd() {
        QFETCH(bool, handController);
        std::unique_ptr<MountGatedServer> server;
        if (handController)
            server = m_rig->qrpServer();
        else
            server = m_rig->stellariumServer();
        m_rig->connectMount();
        const uint16_t port = server->listeningPort();
        QVERIFY(port != 0);
        PlanetariumClient client;
        QVERIFY(client.connectTo(port));
        QTRY_COMPARE(server->clientCount(), 1);

        server->closeForEnd();
        QVERIFY(!server->isListening());
        QVERIFY(client.waitForDisconnect());
        QTRY_COMPARE(server->clientCount(), 0);
        m_rig->base.holder->setMount(std::make_shared<FakeScriptedMount>());
        QCoreApplication::processEvents();
        QVERIFY(!server->isListening());
        PlanetariumClient late;
        QVERIFY(!late.connectTo(port));
    }

    // A port that cannot be opened is logged and tried again at the next mount event.
    void failedListenIsRetried() {
        LogCapture log;
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::Any));
        const uint16_t port = squatter.serverPort();
        StellariumServer server(m_rig->astro, m_rig->astroClock, m_rig->base.holder,
                                m_rig->limits.settings, port);
        m_rig->connectMount();
        QVERIFY(!server.isListening());
        QCOMPARE(
            log.lines("planetarium position server: cannot listen on port " + QString::number(port))
                .size(),
            1);
        squatter.close();
        m_rig->base.holder->setMount(std::make_shared<FakeScriptedMount>());
        QVERIFY(server.isListening());
        PlanetariumClient client;
        QVERIFY(client.connectTo(port));
    }

    // A server destroyed before the holder leaves no callback behind, and its going does not
    // wait for a report loop that is inside a slow mount read; destruction joins it.
    void lifecycle() {
        auto& mountChanged = m_rig->base.holder->mountChanged;
        const size_t before = mountChanged.handles().size();
        {
            const auto qrp = m_rig->qrpServer();
            const auto position = m_rig->stellariumServer();
            QCOMPARE(mountChanged.handles().size(), before + 2);
        }
        QCOMPARE(mountChanged.handles().size(), before);
        m_rig->connectMount();

        auto slow = std::make_shared<SlowReadingMount>();
        m_server = m_rig->stellariumServer();
        m_rig->base.holder->setMount(slow);
        PlanetariumClient client;
        QVERIFY(client.connectTo(m_server->listeningPort()));
        QVERIFY(slow->reading.try_acquire_for(std::chrono::seconds(10)));
        QElapsedTimer timer;
        timer.start();
        m_rig->base.holder->setMount(nullptr);
        QVERIFY(!m_server->isListening());
        // Closing takes a few milliseconds; waiting for the held read would take its 10 s.
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(client.waitForDisconnect());
        slow->release.release();
        m_server.reset();
    }
};

QTEST_MAIN(TestStellariumServer)
#include "tst_stellariumserver.moc"
