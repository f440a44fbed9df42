#pragma once

// Rigs of the planetarium servers' tests: a client on 127.0.0.1 that waits by running the event
// loop (the servers live on the test's own thread), and the servers' services over the real
// mount holder holding a scripted mount.

#include "astro/astrocalc.h"
#include "base/clock.h"
#include "base/endingstate.h"
#include "base/tests/fakeclock.h"
#include "mount/tests/mountcontrolrig.h"
#include "server/qrpserver.h"
#include "server/stellariumserver.h"
#include "server/tests/fakesteppedmount.h"
#include "server/tests/gotolimitsrig.h"
#include "server/tests/loopbackrig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <semaphore>
#include <sys/socket.h>

namespace Ko {

class PlanetariumClient {
public:
    // false when the connection is refused or closed at once.
    bool connectTo(uint16_t port) {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        waitFor(
            [this] {
                return m_socket.state() != QAbstractSocket::ConnectingState &&
                       m_socket.state() != QAbstractSocket::HostLookupState;
            },
            5000);
        if (m_socket.state() != QAbstractSocket::ConnectedState)
            return false;
        // Small writes leave at once, as a planetarium program's do (the option needs a socket).
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }
    // As connectTo, for a client that reads none of its replies: Qt takes 1 KiB of them and the
    // system 4 KiB, the rest piles up at the server. The system's buffer is set before the
    // handshake (binding makes the socket): cut after it, the window already offered stays
    // open, what arrives past the new buffer is dropped, and the connection stalls both ways.
    bool connectNotReading(uint16_t port) {
        constexpr int kSystemBytes = 4096;
        if (!m_socket.bind(QHostAddress::LocalHost, 0))
            return false;
        m_socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kSystemBytes);
        m_socket.setReadBufferSize(1024);
        // The system may double the figure for its own bookkeeping, no more.
        return m_socket.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt() <=
                   2 * kSystemBytes &&
               connectTo(port);
    }
    // Loopback delivers at once, so the server reads these bytes as an arrival of their own
    // when the event loop next runs, which it does here.
    void sendSegment(const QByteArray& bytes) {
        m_socket.write(bytes);
        m_socket.flush();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void send(const QByteArray& bytes) {
        m_socket.write(bytes);
        m_socket.flush();
    }
    // The next n bytes; fewer when they do not come in time.
    QByteArray read(qint64 n, int timeoutMs = 10000) {
        waitFor([&] { return m_socket.bytesAvailable() >= n; }, timeoutMs);
        return m_socket.read(n);
    }
    // "K" with a marker byte and its echo: every reply to what was sent before has come once
    // this returns true, as one worker answers in order.
    bool roundTrip(char marker = '~') {
        send(QByteArray("K") + marker);
        return read(2) == QByteArray() + marker + '#';
    }
    // Ends its sending and goes on reading, as "nc -N" does.
    void endSending() {
        m_socket.flush();
        ::shutdown(int(m_socket.socketDescriptor()), SHUT_WR);
    }
    // Goes with a reset, as a program killed with replies unread does: the server sees the
    // connection fail, not an end of sending after which commands still run.
    void reset() {
        const linger now{1, 0};
        ::setsockopt(int(m_socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
        m_socket.abort();
    }
    bool waitForDisconnect(int timeoutMs = 10000) {
        return waitFor([this] { return m_socket.state() == QAbstractSocket::UnconnectedState; },
                       timeoutMs);
    }
    QTcpSocket& socket() { return m_socket; }

private:
    // Runs the event loop until done holds, looking each time the socket reports progress (a
    // round trip then costs what it costs, not a polling interval).
    bool waitFor(const std::function<bool()>& done, int timeoutMs) {
        if (done())
            return true;
        QEventLoop loop;
        const auto check = [&] {
            if (done())
                loop.quit();
        };
        QObject::connect(&m_socket, &QIODevice::readyRead, &loop, check);
        QObject::connect(&m_socket, &QAbstractSocket::stateChanged, &loop, check);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        return done();
    }

    QTcpSocket m_socket;
};

// A listener that keeps each accepted connection as a bare descriptor, for a ClientSocket.
class DescriptorListener : public QTcpServer {
public:
    // The next accepted descriptor; -1 when none comes in time.
    qintptr next(int timeoutMs = 5000) {
        if (m_accepted.isEmpty())
            waitForNewConnection(timeoutMs);
        return m_accepted.isEmpty() ? -1 : m_accepted.takeFirst();
    }

protected:
    void incomingConnection(qintptr descriptor) override { m_accepted << descriptor; }

private:
    QList<qintptr> m_accepted;
};

// Reads count position messages from a client of the position server that connected after
// sinceConnect started; each message goes to check as it comes. The report thread waits a whole
// period after each message, so the last comes no sooner than count - 1 periods after the
// connection (a little less for the clocks' grain), however loaded the machine; and each comes
// within ten periods of the one before, a bound that only a report loop that stopped can miss.
template <class Check>
void readPositionMessages(PlanetariumClient& client, int count, const QElapsedTimer& sinceConnect,
                          Check check) {
    const auto period = int(StellariumServer::kReportPeriod.count());
    for (int i = 0; i < count; ++i) {
        const QByteArray message =
            client.read(StellariumServer::kPositionMessageBytes, 10 * period);
        QCOMPARE(message.size(), StellariumServer::kPositionMessageBytes);
        check(message);
        if (QTest::currentTestFailed())
            return;
    }
    const qint64 span = sinceConnect.elapsed();
    QVERIFY2(span >= (count - 1) * period * 95 / 100, qPrintable(QString::number(span) + " ms"));
}

// A mount whose position reads wait until the test lets them go: a read holds the server's
// worker, so that the test sees what queues up behind it.
class HoldingMount : public FakeSteppedMount {
public:
    CmdResp<AnglePair> readPosition() override {
        ++reading;
        (void)release.try_acquire_for(std::chrono::seconds(10));
        return FakeSteppedMount::readPosition();
    }
    // The reads begun.
    std::atomic<int> reading{0};
    std::counting_semaphore<> release{0};
};

// The site, settings, pointing-model container and holder of the emulated-mount rig, with a sky
// clock that stands still at the rig's epoch, so that conversions repeat exactly.
struct ScriptedMountRig {
    ScriptedMountRig() { clock->set(MountControlRig::kEpochMs); }

    void connectMount() { base.holder->setMount(mount); }
    // The sky at hour (UTC) of the rig's day, the user's "Observe Sun" choice, and a GoTo that
    // runs already: what a refused remote GoTo must leave alone.
    void goToRunningAt(int hour, bool observeSun) {
        clock->set(MountControlRig::kEpochMs + hour * 3600000LL);
        limits.settings->setEnableObserveSun(observeSun);
        FakeScriptedMount::Values values;
        values.slewToTarget = MountTarget{"M 31", {}, 0};
        mount->setValues(values);
    }
    std::unique_ptr<QrpServer> qrpServer(QTimeZone zone = QTimeZone::utc()) {
        return std::make_unique<QrpServer>(base.location, astro, astroClock, base.holder,
                                           base.container, limits.settings, 0, zone, ending);
    }
    std::unique_ptr<StellariumServer> stellariumServer() {
        return std::make_unique<StellariumServer>(astro, astroClock, base.holder, limits.settings,
                                                  0, ending);
    }

    MountControlRig base;
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<AstroClock> astroClock = std::make_shared<AstroClock>(clock);
    std::shared_ptr<AstroCalc> astro = std::make_shared<AstroCalc>(base.location, astroClock);
    std::shared_ptr<FakeSteppedMount> mount = std::make_shared<FakeSteppedMount>();
    GoToLimitsRig limits{base.store, clock, base.altRange, astroClock, astro};
    // The program's end, which a test begins and takes back.
    std::shared_ptr<EndingState> ending = std::make_shared<EndingState>();
};

} // namespace Ko
