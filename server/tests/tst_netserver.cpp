#include "base/tests/logcapture.h"
#include "halfclose.h"
#include "loopbackrig.h"
#include "resetclient.h"

#include "base/tests/datarow.h"
#include "server/netserver.h"
#include "server/peerreset.h"

#include <QElapsedTimer>
#include <QtTest>

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <semaphore>
#include <stdexcept>
#include <vector>

using namespace Ko;

namespace {

// What the peer of a watched connection does.
enum class Peer { Live, Sent, Ended, Reset, ResetBeforeWatched, ResetAndClosed };

// A TCP handler that echoes what the stream holds, prefixed with a tag.
INetServer::TcpHandler echo(const QByteArray& tag) {
    return [tag](INetServer::IStream* s) {
        char buf[256];
        const int64_t n = s->peek(buf, sizeof buf);
        if (n <= 0)
            return;
        s->skip(n);
        const QByteArray reply = tag + QByteArray(buf, int(n));
        s->write(reply.constData(), reply.size());
    };
}

INetServer::UdpHandler udpEcho(const std::string& tag) {
    return [tag](const CBytes& d) { return tag + d.toStdString(); };
}

// Milliseconds on a steady clock, comparable across threads.
int64_t steadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A TCP handler that takes one request per call: a digit n and then n bytes, answered "[bytes]".
// It awaits the rest of a request that is short; ended, it answers what there is as "<bytes>".
// It leaves a request that does not begin with a digit untouched.
void takeOne(INetServer::IStream* s) {
    char buf[16];
    const int64_t n = s->peek(buf, sizeof buf);
    if (n <= 0 || buf[0] < '0' || buf[0] > '9')
        return;
    const int64_t want = 1 + (buf[0] - '0');
    if (n < want && !s->ended()) {
        s->awaitBytes(want);
        return;
    }
    const int64_t got = std::min(n, want);
    const QByteArray body(buf + 1, int(got - 1));
    const QByteArray reply = n < want ? "<" + body + ">" : "[" + body + "]";
    s->skip(got);
    s->write(reply.constData(), reply.size());
}

// A time no case reaches.
constexpr int kLongMs = 10 * 60 * 1000;

// Limits with the given pause and request time.
NetServer::Limits limitsOf(int waitMs, int requestDeadlineMs) {
    NetServer::Limits limits;
    limits.waitMs = waitMs;
    limits.requestDeadlineMs = requestDeadlineMs;
    return limits;
}

// Serves handler over TCP on a port the system picks, once the core has taken it, and returns
// the port; UDP on it answers nothing.
uint16_t serveTcp(NetServer& core, INetServer::TcpHandler handler) {
    return core.addOnFreePort(std::move(handler), [](const CBytes&) { return std::string(); });
}

// What a handler records on the server thread, under mutex, for the test thread to read.
template <typename T>
struct Recorded {
    std::mutex mutex;
    T value{};
    T operator()() {
        std::lock_guard lock(mutex);
        return value;
    }
};

// The port of a socket's own end, or of its peer's; -1 for a descriptor that is no connected
// internet socket.
int portOf(int fd, bool peer) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    auto* a = reinterpret_cast<sockaddr*>(&address);
    if ((peer ? ::getpeername(fd, a, &length) : ::getsockname(fd, a, &length)) != 0)
        return -1;
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in*>(a)->sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6*>(a)->sin6_port);
    return -1;
}

// A second descriptor of the server's end of the connection from clientPort to serverPort, as a
// child process holds one between its fork and its exec: the connection, and what a reset watch
// registered of it, outlive the server's own descriptor. -1 when there is no such connection.
int holdServerEnd(uint16_t serverPort, uint16_t clientPort) {
    const auto ours = [&](int fd) {
        return portOf(fd, false) == serverPort && portOf(fd, true) == clientPort;
    };
    rlimit descriptors{};
    ::getrlimit(RLIMIT_NOFILE, &descriptors);
    for (int fd = 0; fd < int(std::min<rlim_t>(descriptors.rlim_cur, 65536)); ++fd) {
        if (!ours(fd))
            continue;
        const int held = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        // The server may have closed it, and the number gone to another, meanwhile.
        if (held >= 0 && ours(held))
            return held;
        if (held >= 0)
            ::close(held);
    }
    return -1;
}

} // namespace

class TestNetServer : public QObject {
    Q_OBJECT

private slots:
    // Both lists are independent; a second add of an active port and the removal of a port
    // never added change nothing.
    void addsAndRemovals() {
        NetServer core;
        const uint16_t port = freePort();
        const uint16_t other = freePort();
        QVERIFY(port && other);
        core.addTcpServer(port, echo("first:"));
        core.addTcpServer(port, echo("second:"));
        core.addUdpServer(port, udpEcho("udp:"));
        core.removeTcpServer(other);
        core.removeUdpServer(other);
        core.waitPosted();
        TcpClient client(port);
        QVERIFY(client.connected());
        QCOMPARE(client.request("x"), QByteArray("first:x"));
        QCOMPARE(udpRequest(port, "y").value_or("none"), QByteArray("udp:y"));

        // A removal followed at once by an add of the same port serves the new handler.
        core.removeUdpServer(port);
        core.addUdpServer(port, udpEcho("again:"));
        core.waitPosted();
        QCOMPARE(udpRequest(port, "z").value_or("none"), QByteArray("again:z"));
        // An empty reply sends nothing.
        core.removeUdpServer(port);
        core.addUdpServer(port, [](const CBytes&) { return std::string(); });
        core.waitPosted();
        QVERIFY(!udpRequest(port, "quiet", kSilenceMs));
    }

    // Servers on ports the system picks: each gets one of its own that serves both its handlers,
    // TCP and UDP, until it is removed.
    void serversOnPickedPorts() {
        NetServer core;
        const std::string tags[2] = {"a:", "b:"};
        uint16_t ports[2] = {0, 0};
        for (int k = 0; k < 2; ++k) {
            ports[k] =
                core.addOnFreePort(echo(QByteArray::fromStdString(tags[k])), udpEcho(tags[k]));
            QVERIFY(ports[k] != 0);
        }
        QVERIFY(ports[0] != ports[1]);
        for (int k = 0; k < 2; ++k) {
            const QByteArray tag = QByteArray::fromStdString(tags[k]);
            TcpClient client(ports[k]);
            QCOMPARE(client.request("x"), tag + "x");
            QCOMPARE(udpRequest(ports[k], "y").value_or("none"), tag + "y");
        }
        core.removeTcpServer(ports[0]);
        core.removeUdpServer(ports[0]);
        core.waitPosted();
        QVERIFY(!udpRequest(ports[0], "z", kSilenceMs));
        QVERIFY(!TcpClient(ports[0]).connected());
        QCOMPARE(udpRequest(ports[1], "z").value_or("none"), QByteArray("b:z"));
    }

    void portHeldElsewhere_data() {
        QTest::addColumn<bool>("tcp");
        QTest::newRow("tcp") << true;
        QTest::newRow("udp") << false;
    }
    void portHeldElsewhere() {
        QFETCH(bool, tcp);
        LogCapture log;
        NetServer core;
        const uint16_t port = freePort();
        auto blocker = std::make_unique<QTcpServer>();
        auto udpBlocker = std::make_unique<QUdpSocket>();
        QVERIFY(tcp ? blocker->listen(QHostAddress::Any, port)
                    : udpBlocker->bind(QHostAddress::Any, port));
        std::atomic<int> calls{0};
        const auto add = [&](const char* tag) {
            if (tcp)
                core.addTcpServer(port, echo(tag));
            else
                core.addUdpServer(port, udpEcho(tag));
            core.waitPosted();
        };
        add("held:");
        const QString expected = tcp ? QString("NetServer TCP: listen on port %1 failed").arg(port)
                                     : QString("NetServer UDP: bind failed");
        QCOMPARE(log.lines(expected).size(), 1);
        blocker.reset();
        udpBlocker.reset();
        add("retried:");
        if (tcp) {
            TcpClient client(port);
            QCOMPARE(client.request("a"), QByteArray("retried:a"));
        } else {
            QCOMPARE(udpRequest(port, "a").value_or("none"), QByteArray("retried:a"));
        }
    }

    // A handler that awaits more bytes is called again once they have all come, or with
    // ended() once the peer has paused for the wait time; the limits are set so that only the
    // intended one can end the request. An awaited request may hold more than the connection's
    // bound, up to the request cap and not beyond, however much the handler awaits and the peer
    // sends: a request that needs more than the cap is ended by the pause with the cap's bytes.
    void awaitedRequest_data() {
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<bool>("capped"); // a bound of 4096 bytes and a cap of 16384
        QTest::addColumn<int>("awaited");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<bool>("restLater"); // the 6 bytes after "abcd", once "abcd" is held
        QTest::addColumn<QByteArray>("got");
        QTest::addColumn<bool>("ended");
        const QByteArray many(64 * 1024, 'r');
        dataRow("all at once", kLongMs, false, 10, QByteArray("abcdefghij"), false,
                QByteArray("abcdefghij"), false);
        dataRow("rest later", kLongMs, false, 10, QByteArray("abcd"), true,
                QByteArray("abcdefghij"), false);
        dataRow("more than awaited", kLongMs, false, 6, QByteArray("abcd"), true,
                QByteArray("abcdefghij"), false);
        dataRow("rest never comes", 100, false, 10, QByteArray("abcd"), false, QByteArray("abcd"),
                true);
        dataRow("between the bound and the cap", 1000, true, 10000, many, false, many.left(10000),
                false);
        dataRow("beyond the cap", 1000, true, 1 << 30, many, false, many.left(16384), true);
    }
    void awaitedRequest() {
        QFETCH(int, waitMs);
        QFETCH(bool, capped);
        QFETCH(int, awaited);
        QFETCH(QByteArray, first);
        QFETCH(bool, restLater);
        QFETCH(QByteArray, got);
        QFETCH(bool, ended);
        // Declared before the core, which runs the handler until it goes.
        Recorded<std::optional<std::pair<QByteArray, bool>>> seen;
        NetServer::Limits limits = limitsOf(waitMs, kLongMs);
        if (capped) {
            limits.heldBytes = 4096;
            limits.maxRequestBytes = 16384;
        }
        NetServer core(limits);
        TcpClient client(serveTcp(core, [&](INetServer::IStream* s) {
            std::lock_guard lock(seen.mutex);
            if (!seen.value && s->bytesAvailable() < awaited && !s->ended()) {
                s->awaitBytes(awaited);
                return;
            }
            QByteArray bytes(int(s->bytesAvailable()), 0);
            s->skip(s->peek(bytes.data(), bytes.size()));
            if (!seen.value)
                seen.value.emplace(bytes, s->ended());
        }));
        QVERIFY(client.connected());
        client.socket().write(first);
        if (restLater) {
            QTRY_COMPARE(core.heldBytes(), 4ll);
            QVERIFY(!seen());
            client.send("efghij");
        }
        // What the core leaves with the kernel goes as it reads.
        QTRY_VERIFY_WITH_TIMEOUT((client.socket().waitForBytesWritten(10), seen()), 20000);
        QCOMPARE(seen()->first, got);
        QCOMPARE(seen()->second, ended);
    }

    // The time of an awaited request runs from its first await, whatever the handler awaits
    // afterwards: a peer that trickles one byte after another, each satisfying the await before,
    // still has its request handed over, ended, once that time is up, and not before. The pause
    // is never reached here. The next byte goes once the core holds the one before and the
    // handler has seen it, until the request ends; a request whose time the trickle kept
    // restarting never ends, and the wait for it gives up.
    void requestTimeRunsFromFirstAwait_data() {
        QTest::addColumn<bool>("oneMoreEachCall");
        QTest::newRow("awaits once, far beyond") << false;
        QTest::newRow("awaits one byte more at each call") << true;
    }
    void requestTimeRunsFromFirstAwait() {
        QFETCH(bool, oneMoreEachCall);
        constexpr int kDeadlineMs = 500;
        Recorded<std::optional<int64_t>> endedAfterMs;
        int64_t firstAwaitMs = 0; // guarded by endedAfterMs.mutex, as is lastSeen
        int64_t lastSeen = 0;
        NetServer core(limitsOf(kLongMs, kDeadlineMs));
        TcpClient client(serveTcp(core, [&](INetServer::IStream* s) {
            std::lock_guard lock(endedAfterMs.mutex);
            lastSeen = s->bytesAvailable();
            if (endedAfterMs.value) {
                s->skip(s->bytesAvailable());
                return;
            }
            if (s->ended()) {
                endedAfterMs.value = steadyMs() - firstAwaitMs;
                s->skip(s->bytesAvailable());
                return;
            }
            if (firstAwaitMs == 0)
                firstAwaitMs = steadyMs();
            s->awaitBytes(oneMoreEachCall ? s->bytesAvailable() + 1 : 1 << 20);
        }));
        QVERIFY(client.connected());
        int64_t sent = 0;
        const auto taken = [&] {
            std::lock_guard lock(endedAfterMs.mutex);
            return !oneMoreEachCall || lastSeen == sent;
        };
        // Each look sends at most one byte, so the wait's own bound bounds their count too.
        const auto trickle = [&] {
            if (endedAfterMs())
                return true;
            if (sent < 1000 && core.heldBytes() == sent && taken()) {
                client.send("x");
                ++sent;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(trickle(), 20 * kDeadlineMs);
        QVERIFY2(sent > 1, QByteArray::number(qint64(sent)).constData());
        QVERIFY2(*endedAfterMs() >= kDeadlineMs * 9 / 10,
                 QByteArray::number(qint64(*endedAfterMs())).constData());
    }

    // A silence ends an awaited request one pause after the last bytes that came, not later:
    // "ab", "cd" once the core holds "ab", then nothing. The request's own time is far away.
    void pauseRunsFromLastArrival() {
        constexpr int kPauseMs = 1500;
        Recorded<std::optional<std::pair<QByteArray, int64_t>>> seen; // the bytes and when
        NetServer core(limitsOf(kPauseMs, kLongMs));
        TcpClient client(serveTcp(core, [&](INetServer::IStream* s) {
            std::lock_guard lock(seen.mutex);
            if (!s->ended()) {
                s->awaitBytes(100);
                return;
            }
            QByteArray bytes(int(s->bytesAvailable()), 0);
            s->skip(s->peek(bytes.data(), bytes.size()));
            seen.value.emplace(bytes, steadyMs());
        }));
        QVERIFY(client.connected());
        client.send("ab");
        QTRY_COMPARE(core.heldBytes(), 2ll);
        client.send("cd");
        const int64_t cdSentMs = steadyMs();
        QTRY_VERIFY(core.heldBytes() == 4 || seen());
        QTRY_VERIFY_WITH_TIMEOUT(seen(), 10 * kPauseMs);
        QCOMPARE(seen()->first, QByteArray("abcd"));
        const int64_t afterCd = seen()->second - cdSentMs;
        QVERIFY2(afterCd >= kPauseMs * 9 / 10, QByteArray::number(qint64(afterCd)).constData());
    }

    // A peer that ends its sending and still reads: every request it sent is handed over, one
    // call at a time, the one awaiting more bytes at once and ended rather than after a pause
    // (which the limits put far away); then the connection closes once the answers are
    // written. The same bytes from a peer that goes on sending leave the connection open, with
    // what the first call left waiting for more bytes. Each row runs many times: the end of
    // sending may come with the last bytes or after them.
    void peerEndsSending_data() {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QByteArray>("answers");
        dataRow("a request, ended", QByteArray("3abc"), true, QByteArray("[abc]"));
        dataRow("a request, open", QByteArray("3abc"), false, QByteArray("[abc]"));
        dataRow("three in one write, ended", QByteArray("1a2bc1d"), true, QByteArray("[a][bc][d]"));
        dataRow("three in one write, open", QByteArray("1a2bc1d"), false, QByteArray("[a]"));
        dataRow("short of its bytes, ended", QByteArray("5ab"), true, QByteArray("<ab>"));
        dataRow("short of its bytes, open", QByteArray("5ab"), false, QByteArray());
        dataRow("one the handler never takes, ended", QByteArray("1a?x1b"), true,
                QByteArray("[a]"));
        dataRow("nothing sent, ended", QByteArray(), true, QByteArray());
    }
    void peerEndsSending() {
        QFETCH(QByteArray, sent);
        QFETCH(bool, ends);
        QFETCH(QByteArray, answers);
        NetServer core(limitsOf(kLongMs, kLongMs));
        const uint16_t port = serveTcp(core, takeOne);
        for (int run = 0; run < (ends ? 30 : 3); ++run) {
            TcpClient client(port);
            QVERIFY(client.connected());
            if (!sent.isEmpty())
                client.send(sent);
            if (ends) {
                const auto [got, closed] = endSendingUntilClosed(client);
                QCOMPARE(got, answers);
                QVERIFY(closed);
            } else {
                QCOMPARE(answersWhileOpen(client, answers), answers);
                QCOMPARE(client.socket().state(), QAbstractSocket::ConnectedState);
            }
        }
        QTRY_COMPARE(core.openConnections(), size_t(0));
    }

    // One thread runs every handler: a second connection's call starts only after the first
    // has returned, even while the first is held up by something of its own.
    void handlersRunOneAtATime() {
        Recorded<QStringList> seen;
        std::atomic<int> running{0};
        std::atomic<int> overlaps{0};
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        NetServer core;
        const uint16_t port = serveTcp(core, [&](INetServer::IStream* s) {
            if (++running > 1)
                ++overlaps;
            char first = 0;
            s->skip(s->peek(&first, 1));
            {
                std::lock_guard lock(seen.mutex);
                seen.value << QString("start %1").arg(first);
            }
            if (first == 'a')
                released.wait();
            {
                std::lock_guard lock(seen.mutex);
                seen.value << QString("end %1").arg(first);
            }
            --running;
        });
        TcpClient a(port);
        TcpClient b(port);
        a.send("a");
        QTRY_VERIFY(seen().contains("start a"));
        // On loopback the bytes are with the server's socket once written.
        b.send("b");
        release.set_value();
        QTRY_COMPARE(seen().size(), 4);
        QCOMPARE(seen(), (QStringList{"start a", "end a", "start b", "end b"}));
        QCOMPARE(overlaps.load(), 0);
    }

    // A handler may add a server; the step runs at once on the server thread.
    void handlerAddsServer() {
        NetServer core;
        const uint16_t port = freePort();
        const uint16_t added = freePort();
        core.addTcpServer(port, [&](INetServer::IStream* s) {
            s->skip(s->bytesAvailable());
            core.addUdpServer(added, udpEcho("added:"));
            s->write("ok", 2);
        });
        core.waitPosted();
        TcpClient client(port);
        QCOMPARE(client.request("go"), QByteArray("ok"));
        QCOMPARE(udpRequest(added, "q").value_or("none"), QByteArray("added:q"));
    }

    // A datagram of no bytes is read and dropped; one left unread would silence the socket.
    void emptyDatagramThenNormal() {
        NetServer core;
        const uint16_t port = core.addOnFreePort(echo("tcp:"), udpEcho("got:"));
        QVERIFY(port != 0);
        QUdpSocket client;
        client.bind(QHostAddress::LocalHost, 0);
        client.writeDatagram(QByteArray(), QHostAddress::LocalHost, port);
        client.writeDatagram(QByteArray("n"), QHostAddress::LocalHost, port);
        QTRY_VERIFY_WITH_TIMEOUT(client.hasPendingDatagrams(), 5000);
        QCOMPARE(client.receiveDatagram().data(), QByteArray("got:n"));
    }

    // What a handler throws is logged; the server goes on serving.
    void throwingHandler_data() {
        QTest::addColumn<bool>("tcp");
        QTest::newRow("tcp") << true;
        QTest::newRow("udp") << false;
    }
    void throwingHandler() {
        QFETCH(bool, tcp);
        LogCapture log;
        NetServer core;
        const uint16_t port = core.addOnFreePort(
            [](INetServer::IStream* s) {
                char c = 0;
                s->skip(s->peek(&c, 1));
                if (c == 't')
                    throw std::runtime_error("boom");
                s->write("fine", 4);
            },
            [](const CBytes& d) -> std::string {
                if (d.toStdString() == "t")
                    throw std::runtime_error("boom");
                return "fine";
            });
        QVERIFY(port != 0);
        if (tcp) {
            TcpClient client(port);
            client.send("t");
            QTRY_COMPARE(log.lines("NetServer: TCP handler failed: boom").size(), 1);
            QCOMPARE(client.request("u"), QByteArray("fine"));
        } else {
            QVERIFY(!udpRequest(port, "t", kSilenceMs));
            QCOMPARE(log.lines("NetServer: UDP handler failed: boom").size(), 1);
            QCOMPARE(udpRequest(port, "u").value_or("none"), QByteArray("fine"));
        }
    }

    // Connections closed by their peers go at once; one that does not read its replies is
    // closed once they pile up.
    void connectionsThatGo() {
        const QByteArray big(1024 * 1024, 'r');
        NetServer core;
        const uint16_t port = serveTcp(core, [&](INetServer::IStream* s) {
            s->skip(s->bytesAvailable());
            s->write(big.constData(), big.size());
        });
        {
            TcpClient a(port);
            TcpClient b(port);
            QTRY_COMPARE(core.openConnections(), size_t(2));
        }
        QTRY_COMPARE(core.openConnections(), size_t(0));

        QTcpSocket deaf;
        deaf.setReadBufferSize(1); // reads nothing, so the window closes
        deaf.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
        deaf.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(deaf.waitForConnected(5000));
        QTRY_COMPARE(core.openConnections(), size_t(1));
        // Each request asks another megabyte of replies, until the server gives up.
        QTRY_VERIFY_WITH_TIMEOUT(
            (deaf.write("x"), deaf.waitForBytesWritten(100), core.openConnections() == 0), 20000);
    }

    // A connection holds at most its bound of received bytes however fast its peer sends: the
    // rest waits with the kernel, whose window holds the peer back, and every byte still comes,
    // in order, as the handler consumes, though the peer sends nothing more that would call for
    // it. A handler that takes a part at a time awaits the rest, and one that takes nothing
    // until a pause leaves its connection full, so that only the core can go back for what the
    // bound left with the kernel. What a connection holds goes when it closes.
    void heldBytesAreBounded_data() {
        QTest::addColumn<int>("takes"); // 0 all it holds, 1 a part, 2 nothing until a pause
        QTest::addColumn<int>("sent");
        QTest::newRow("all it holds") << 0 << 4 * 1024 * 1024;
        QTest::newRow("a part at a time") << 1 << 1024 * 1024;
        QTest::newRow("nothing until a pause") << 2 << 64 * 1024;
    }
    void heldBytesAreBounded() {
        QFETCH(int, takes);
        QFETCH(int, sent);
        constexpr int64_t kBound = 4096;
        NetServer::Limits limits;
        limits.heldBytes = limits.maxRequestBytes = kBound;
        limits.waitMs = 20;
        std::atomic<int64_t> mostHeld{0};
        std::atomic<int64_t> consumed{0};
        std::atomic<bool> inOrder{true};
        NetServer core(limits);
        const uint16_t port = serveTcp(core, [&](INetServer::IStream* s) {
            const int64_t held = s->bytesAvailable();
            mostHeld = std::max(mostHeld.load(), held);
            if (takes == 2 && !s->ended()) {
                s->awaitBytes(1 << 30);
                return;
            }
            QByteArray buf(int(takes == 1 && !s->ended() ? std::min<int64_t>(held, 1000) : held),
                           0);
            const int64_t n = s->peek(buf.data(), buf.size());
            for (int64_t k = 0; k < n; ++k)
                if (buf[int(k)] != char((consumed + k) % 251))
                    inOrder = false;
            consumed += s->skip(n);
            if (n < held)
                s->awaitBytes(held - n + 1);
        });
        QByteArray payload(sent, 0);
        for (int k = 0; k < sent; ++k)
            payload[k] = char(k % 251);
        TcpClient client(port);
        client.socket().write(payload);
        QTRY_VERIFY_WITH_TIMEOUT((client.socket().waitForBytesWritten(10), consumed.load() == sent),
                                 60000);
        QCOMPARE(core.heldBytes(), 0ll);
        QVERIFY2(mostHeld <= kBound, QByteArray::number(qint64(mostHeld.load())).constData());
        QVERIFY(inOrder.load());

        // An awaited request keeps what came of it until its connection closes.
        core.removeTcpServer(port);
        core.addTcpServer(port, [](INetServer::IStream* s) { s->awaitBytes(1 << 20); });
        core.waitPosted();
        TcpClient waiting(port);
        waiting.send(QByteArray(3000, 'w'));
        QTRY_COMPARE(core.heldBytes(), 3000ll);
        waiting.socket().disconnectFromHost();
        QTRY_COMPARE(core.openConnections(), size_t(0));
        QCOMPARE(core.heldBytes(), 0ll);
    }

    // Beyond its cap a port refuses connections, logging that once, and takes new ones again
    // once one has gone.
    void connectionCap() {
        LogCapture log;
        NetServer::Limits limits;
        limits.maxConnections = 3;
        NetServer core(limits);
        const uint16_t port = serveTcp(core, echo("e:"));
        std::vector<std::unique_ptr<TcpClient>> clients;
        for (int k = 0; k < 5; ++k) {
            clients.push_back(std::make_unique<TcpClient>(port));
            QTRY_COMPARE(core.openConnections(), size_t(std::min(k + 1, 3)));
        }
        for (int k = 0; k < 3; ++k)
            QCOMPARE(clients[size_t(k)]->request("x"), QByteArray("e:x"));
        for (int k = 3; k < 5; ++k)
            QTRY_COMPARE(clients[size_t(k)]->socket().state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(log.lines(QString("NetServer TCP: port %1 holds 3 connections").arg(port)).size(),
                 1);
        clients.front().reset();
        QTRY_COMPARE(core.openConnections(), size_t(2));
        TcpClient again(port);
        QCOMPARE(again.request("y"), QByteArray("e:y"));
    }

    // A connection whose peer resets it, or whose reply cannot be written, frees its place at
    // once, wherever the reset falls: many more such clients than the port admits, one after the
    // other, and a client after them is answered. The idle time is left at its minutes, so only
    // the end of each connection frees its place in time. A held handler writes its reply only
    // once its client has reset, so that the write itself fails.
    void resetClientsFreeTheirPlaces_data() {
        QTest::addColumn<int>("when"); // ResetClient::When
        QTest::addColumn<int>("replyBytes");
        QTest::addColumn<bool>("held");
        using C = ResetClient;
        // More than the sockets' buffers take at once here, and its rest within the core's bound
        // of unsent replies, so that the core still writes it when the client goes.
        constexpr int kLong = 640 * 1024;
        dataRow("reset with the request", int(C::AtOnce), 16, false);
        dataRow("reset before the reply is written", int(C::AtOnce), 16, true);
        dataRow("reset during a long reply", int(C::AfterFirstByte), kLong, false);
        dataRow("reset after part of the reply", int(C::AfterFirstByte), 16, false);
        dataRow("reset with the reply unread", int(C::WithReplyUnread), 16, false);
        dataRow("reset with a long reply unread", int(C::WithReplyUnread), kLong, false);
        dataRow("closed with replies unread", int(C::ClosedWithRepliesUnread), 16, false);
        dataRow("closed with long replies unread", int(C::ClosedWithRepliesUnread), kLong, false);
    }
    void resetClientsFreeTheirPlaces() {
        QFETCH(int, when);
        QFETCH(int, replyBytes);
        QFETCH(bool, held);
        constexpr int kCap = 8;
        constexpr int kClients = 3 * kCap + 1;
        constexpr auto kHoldLimit = std::chrono::seconds(10);
        const QByteArray reply(replyBytes, 'r');
        std::counting_semaphore<kClients> entered(0);
        std::counting_semaphore<kClients> gone(0);
        NetServer::Limits limits;
        limits.maxConnections = kCap;
        NetServer core(limits);
        const uint16_t port = serveTcp(core, [&](INetServer::IStream* s) {
            char first = 0;
            s->skip(s->peek(&first, 1));
            if (first == 'g') {
                s->write("fine", 4);
                return;
            }
            if (held) {
                entered.release();
                // Bounded, so that a failing case still ends.
                (void)gone.try_acquire_for(kHoldLimit);
            }
            s->write(reply.constData(), reply.size());
        });
        int replied = 0;
        for (int k = 0; k < kClients; ++k) {
            ResetClient client(port);
            QVERIFY(client.connected());
            QVERIFY(client.send("x"));
            if (held && !entered.try_acquire_for(kHoldLimit))
                break; // refused: the check below tells why
            replied += client.go(ResetClient::When(when)) ? 1 : 0;
            if (held)
                gone.release();
        }
        if (when != ResetClient::AtOnce)
            QCOMPARE(replied, kClients);
        QTRY_COMPARE_WITH_TIMEOUT(core.openConnections(), size_t(0), 10000);
        TcpClient good(port);
        QCOMPARE(good.request("g"), QByteArray("fine"));
    }

    // Clients that connect and reset while the server thread is busy are all taken in its next
    // pass, together with the client after them: the resets it has not read yet give their places
    // to that client. Clients that are still connected keep theirs, and it is refused; so does a
    // client that sent its request and ended its sending, which gets its answer. A reset that the
    // port's watch tells of but that frees no place (a connection the port had let go already,
    // whose socket something else still holds) leaves a full port full: the client is refused.
    // The port never holds more than its places.
    void resetsInOnePassGiveTheirPlaces_data() {
        QTest::addColumn<int>("resets");
        QTest::addColumn<int>("open");
        QTest::addColumn<bool>("halfClosed");
        QTest::addColumn<bool>("countedOut");
        QTest::addColumn<bool>("answered");
        constexpr int kCap = 8;
        dataRow("the port's places reset", kCap - 1, 0, false, false, true);
        dataRow("three times the places reset", 3 * kCap, 0, true, false, true);
        dataRow("some places open, the rest reset", 2 * kCap, kCap / 2, true, false, true);
        dataRow("one place half closed, the rest reset", kCap, 0, true, false, true);
        dataRow("every place open", 0, kCap - 1, false, false, false);
        dataRow("every place open, a reset let go before told", 0, kCap - 1, false, true, false);
    }
    void resetsInOnePassGiveTheirPlaces() {
        QFETCH(int, resets);
        QFETCH(int, open);
        QFETCH(bool, halfClosed);
        QFETCH(bool, countedOut);
        QFETCH(bool, answered);
        constexpr int kCap = 8;
        constexpr auto kHoldLimit = std::chrono::seconds(10);
        std::binary_semaphore entered(0);
        std::binary_semaphore release(0);
        NetServer::Limits limits;
        limits.maxConnections = kCap;
        NetServer core(limits);
        const uint16_t port = serveTcp(core, [&](INetServer::IStream* s) {
            char first = 0;
            s->skip(s->peek(&first, 1));
            if (first == 'h') {
                entered.release();
                // Bounded, so that a failing case still ends.
                (void)release.try_acquire_for(kHoldLimit);
            }
            s->write("fine", 4);
        });
        int held = -1;
        const auto closeHeld = qScopeGuard([&] {
            if (held >= 0)
                ::close(held);
        });
        if (countedOut) {
            // Its reset is read and its place given back before the port fills; the watch
            // follows the socket, not the server's descriptor, so it still tells of that reset
            // when the full port asks.
            ResetClient gone(port);
            QVERIFY(gone.connected());
            QTRY_COMPARE(core.openConnections(), size_t(1));
            held = holdServerEnd(port, gone.localPort());
            QVERIFY(held >= 0);
            gone.go(ResetClient::AtOnce);
            QTRY_COMPARE(core.openConnections(), size_t(0));
        }
        // Holds the server thread, and one place.
        ResetClient holder(port);
        QVERIFY(holder.send("h"));
        QVERIFY(entered.try_acquire_for(kHoldLimit));
        std::vector<std::unique_ptr<ResetClient>> staying;
        for (int k = 0; k < open; ++k) {
            staying.push_back(std::make_unique<ResetClient>(port));
            QVERIFY(staying.back()->connected());
        }
        std::optional<ResetClient> ended;
        if (halfClosed) {
            ended.emplace(port);
            QVERIFY(ended->send("g"));
            QVERIFY(ended->endSending());
        }
        QVERIFY(resetBurst(port, resets));
        ResetClient next(port);
        QVERIFY(next.connected());
        QVERIFY(next.send("g"));
        release.release();
        QTRY_VERIFY(next.reply() != ResetClient::Reply::Waiting);
        QCOMPARE(next.reply() == ResetClient::Reply::Replied, answered);
        QVERIFY(core.openConnections() <= size_t(kCap));
        QTRY_COMPARE(holder.reply(), ResetClient::Reply::Replied);
        if (ended) {
            QTRY_VERIFY(ended->reply() != ResetClient::Reply::Waiting);
            QCOMPARE(ended->reply(), ResetClient::Reply::Replied);
        }
    }

    // What a full port asks before it looks at each of its connections: a reset is told of, once,
    // also one that came before the connection was watched; a peer that only sent bytes or ended
    // its sending, and a reset connection its owner has closed meanwhile, are not.
    void resetWatchTells_data() {
        QTest::addColumn<int>("peer");
        QTest::addColumn<bool>("told");
        dataRow("a live peer", int(Peer::Live), false);
        dataRow("a peer that sent bytes", int(Peer::Sent), false);
        dataRow("a peer that ended its sending", int(Peer::Ended), false);
        dataRow("a peer that reset", int(Peer::Reset), true);
        dataRow("a peer that reset before it was watched", int(Peer::ResetBeforeWatched), true);
        dataRow("a reset connection closed by its owner", int(Peer::ResetAndClosed), false);
    }
    void resetWatchTells() {
        QFETCH(int, peer);
        QFETCH(bool, told);
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost, 0));
        ResetClient client(listener.serverPort());
        QVERIFY(client.connected());
        QVERIFY(listener.waitForNewConnection(5000));
        QTcpSocket* accepted = listener.nextPendingConnection();
        // The server's end of the connection, which Qt reads and closes no more from here on.
        const int fd = ::dup(int(accepted->socketDescriptor()));
        accepted->abort();
        const auto arrived = [fd](short events) {
            pollfd p{fd, events, 0};
            return ::poll(&p, 1, 5000) == 1;
        };
        ResetWatch watch;
        if (Peer(peer) != Peer::ResetBeforeWatched)
            watch.add(fd);
        switch (Peer(peer)) {
        case Peer::Live:
            break;
        case Peer::Sent:
            QVERIFY(client.send("g"));
            QVERIFY(arrived(POLLIN));
            break;
        case Peer::Ended:
            QVERIFY(client.endSending());
            QVERIFY(arrived(POLLRDHUP));
            break;
        case Peer::Reset:
        case Peer::ResetAndClosed:
        case Peer::ResetBeforeWatched:
            client.go(ResetClient::AtOnce);
            QVERIFY(arrived(0));
            break;
        }
        if (Peer(peer) == Peer::ResetBeforeWatched)
            watch.add(fd);
        if (Peer(peer) == Peer::ResetAndClosed)
            ::close(fd);
        QCOMPARE(watch.anyReset(), told);
        QVERIFY(!watch.anyReset());
        if (Peer(peer) != Peer::ResetAndClosed)
            ::close(fd);
    }

    // A connection that sends nothing for the idle time is closed; one that keeps sending, at a
    // twentieth of that time, stays.
    void idleConnectionsClose() {
        NetServer::Limits limits;
        limits.idleMs = 1000;
        NetServer core(limits);
        const uint16_t port = serveTcp(core, echo("e:"));
        TcpClient silent(port);
        TcpClient talking(port);
        QTRY_COMPARE(core.openConnections(), size_t(2));
        QElapsedTimer since;
        since.start();
        while (silent.socket().state() == QAbstractSocket::ConnectedState &&
               since.elapsed() < 60000) {
            talking.send("t");
            talking.socket().readAll();
            silent.socket().waitForDisconnected(50);
        }
        QCOMPARE(silent.socket().state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(talking.socket().state(), QAbstractSocket::ConnectedState);
        // The closed one's socket goes a moment after its peer has seen it close.
        QTRY_COMPARE(core.openConnections(), size_t(1));
    }

    // Destroying the core while a request is awaited: the core goes at once, and the handler
    // is not called again.
    void destroyWhileRequestAwaited() {
        std::atomic<int> calls{0};
        auto core = std::make_unique<NetServer>(limitsOf(kLongMs, kLongMs));
        const uint16_t port = serveTcp(*core, [&](INetServer::IStream* s) {
            ++calls;
            s->awaitBytes(100);
        });
        TcpClient client(port);
        client.send("1");
        QTRY_COMPARE(calls.load(), 1);
        QElapsedTimer timer;
        timer.start();
        core.reset();
        // A core that waited for the request would take the ten minutes of its limits.
        QVERIFY(timer.elapsed() < 30000);
        QCOMPARE(calls.load(), 1);
    }
};

QTEST_GUILESS_MAIN(TestNetServer)
#include "tst_netserver.moc"
