#include "base/tests/logcapture.h"
#include "loopbackrig.h"

#include "base/tests/datarow.h"
#include "server/netserver.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
#include <mutex>
#include <stdexcept>

using namespace Ko;

namespace {

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

    // waitRead gathers bytes across arrivals, each wait up to 1000 ms, and fails on a wait
    // without data, on a peer that hangs up, and once the call's deadline has passed.
    void waitRead_data() {
        QTest::addColumn<int>("deadlineMs");
        QTest::addColumn<int>("extendMs");
        QTest::addColumn<QList<int>>("pausesMs"); // before each further byte after the first 4
        QTest::addColumn<bool>("hangUp");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("all at once") << 10000 << 0 << QList<int>(6, 0) << false << 10ll << 0 << 900;
        dataRow("rest within 1000 ms", 10000, 0, QList<int>{300, 0, 0, 0, 0, 300}, false, 10ll, 500,
                3000);
        dataRow("rest never comes", 10000, 0, QList<int>{}, false, -1ll, 900, 3000);
        QTest::newRow("peer hangs up") << 10000 << 0 << QList<int>{} << true << -1ll << 0 << 900;
        dataRow("trickle past the deadline", 600, 0, QList<int>(6, 200), false, -1ll, 500, 1000);
        dataRow("extended deadline", 600, 1000, QList<int>(6, 200), false, 10ll, 1000, 3000);
    }
    void waitRead() {
        QFETCH(int, deadlineMs);
        QFETCH(int, extendMs);
        QFETCH(QList<int>, pausesMs);
        QFETCH(bool, hangUp);
        QFETCH(qint64, expected);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        // Declared before the core, which runs the handler until it goes.
        std::atomic<qint64> result{-2};
        std::atomic<qint64> tookMs{0};
        QByteArray got;
        NetServer core(deadlineMs);
        const uint16_t port = freePort();
        core.addTcpServer(port, [&](INetServer::IStream* s) {
            if (result != -2)
                return; // bytes that came after a failed read
            s->extendDeadline(extendMs);
            QElapsedTimer timer;
            timer.start();
            QByteArray buf(10, 0);
            const int64_t n = s->waitRead(buf.data(), 10);
            tookMs = timer.elapsed();
            got = buf;
            result = n;
        });
        core.waitPosted();
        TcpClient client(port);
        QVERIFY(client.connected());
        client.send("abcd");
        const char* rest = "efghij";
        for (int k = 0; k < pausesMs.size(); ++k) {
            if (pausesMs[k])
                QThread::msleep(pausesMs[k]); // the pace of the client is the case itself
            client.send(QByteArray(rest + k, 1));
        }
        if (hangUp)
            client.socket().disconnectFromHost();
        QTRY_VERIFY_WITH_TIMEOUT(result != -2, 10000);
        QCOMPARE(result.load(), expected);
        if (expected == 10)
            QCOMPARE(got, QByteArray("abcdefghij"));
        QVERIFY2(tookMs >= minMs && tookMs <= maxMs, qPrintable(QString::number(tookMs)));
    }

    // One thread runs every handler: a second connection's call starts only after the first
    // has returned, even while the first waits for data.
    void handlersRunOneAtATime() {
        std::mutex mutex;
        QStringList events;
        std::atomic<int> running{0};
        std::atomic<int> overlaps{0};
        NetServer core;
        const uint16_t port = freePort();
        core.addTcpServer(port, [&](INetServer::IStream* s) {
            if (++running > 1)
                ++overlaps;
            char first = 0;
            s->waitRead(&first, 1);
            {
                std::lock_guard lock(mutex);
                events << QString("start %1").arg(first);
            }
            if (first == 'a') {
                char more = 0;
                s->waitRead(&more, 1); // held until the client sends it
            }
            {
                std::lock_guard lock(mutex);
                events << QString("end %1").arg(first);
            }
            --running;
        });
        core.waitPosted();
        const auto seen = [&] {
            std::lock_guard lock(mutex);
            return events;
        };
        TcpClient a(port);
        TcpClient b(port);
        a.send("a");
        QTRY_VERIFY(seen().contains("start a"));
        b.send("b");
        QThread::msleep(200); // b's delivery is waiting behind a's handler
        a.send("!");
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
        const uint16_t port = freePort();
        core.addUdpServer(port, udpEcho("got:"));
        core.waitPosted();
        QUdpSocket client;
        client.bind(QHostAddress::LocalHost, 0);
        client.writeDatagram(QByteArray(), QHostAddress::LocalHost, port);
        QThread::msleep(50);
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
        const uint16_t port = freePort();
        core.addTcpServer(port, [](INetServer::IStream* s) {
            char c = 0;
            s->waitRead(&c, 1);
            if (c == 't')
                throw std::runtime_error("boom");
            s->write("fine", 4);
        });
        core.addUdpServer(port, [](const CBytes& d) -> std::string {
            if (d.toStdString() == "t")
                throw std::runtime_error("boom");
            return "fine";
        });
        core.waitPosted();
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
        const uint16_t port = freePort();
        core.addTcpServer(port, [&](INetServer::IStream* s) {
            s->skip(s->bytesAvailable());
            s->write(big.constData(), big.size());
        });
        core.waitPosted();
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
        for (int k = 0; k < 200 && core.openConnections() > 0; ++k) {
            deaf.write("x");
            deaf.waitForBytesWritten(1000);
            QThread::msleep(10);
        }
        QCOMPARE(core.openConnections(), size_t(0));
    }

    // Destroying the core while a handler waits ends the wait and the thread.
    void destroyWhileHandlerWaits() {
        std::atomic<bool> entered{false};
        std::atomic<qint64> result{-2};
        auto core = std::make_unique<NetServer>();
        const uint16_t port = freePort();
        core->addTcpServer(port, [&](INetServer::IStream* s) {
            entered = true;
            char buf[100];
            result = s->waitRead(buf, sizeof buf);
        });
        core->waitPosted();
        TcpClient client(port);
        client.send("1");
        QTRY_VERIFY(entered.load());
        QElapsedTimer timer;
        timer.start();
        core.reset();
        QVERIFY(timer.elapsed() < 3000);
        QCOMPARE(result.load(), -1ll);
    }
};

QTEST_GUILESS_MAIN(TestNetServer)
#include "tst_netserver.moc"
