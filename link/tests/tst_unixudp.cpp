#include "link/unixudp.h"

#include "link/tests/bytetext.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

using namespace Ko;

namespace {

// The far end of the link: a plain socket on 127.0.0.1 that remembers who wrote to it last.
class Peer {
public:
    explicit Peer(uint32_t address = INADDR_LOOPBACK) {
        m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(address);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len);
        m_port = ntohs(a.sin_port);
        timeval tv{2, 0};
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    }
    ~Peer() { ::close(m_fd); }
    uint16_t port() const { return m_port; }
    QByteArray receive() {
        char buf[4096];
        socklen_t len = sizeof m_last;
        const ssize_t n =
            ::recvfrom(m_fd, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&m_last), &len);
        return n < 0 ? QByteArray() : QByteArray(buf, n);
    }
    void reply(const QByteArray& data) { sendTo(m_last, data); }
    // Writes to whoever wrote to `other` last.
    void sendToPeerOf(const Peer& other, const QByteArray& data) { sendTo(other.m_last, data); }
    // The port of whoever wrote to this peer last.
    uint16_t lastPort() const { return ntohs(m_last.sin_port); }

private:
    void sendTo(const sockaddr_in& to, const QByteArray& data) {
        ::sendto(m_fd, data.constData(), size_t(data.size()), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }

    int m_fd = -1;
    uint16_t m_port = 0;
    sockaddr_in m_last{};
};

// The memory the datagrams waiting in the receive queue of the UDP socket on a local port take,
// as the kernel reports it; -1 when no such socket is listed.
qint64 queuedBytesAt(uint16_t port) {
    QFile table(QStringLiteral("/proc/net/udp"));
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    // "sl local_address rem_address st tx_queue:rx_queue ...", addresses as "0100007F:1F90".
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 5 || fields[1].split(':').value(1).toUInt(nullptr, 16) != port)
            continue;
        return fields[4].split(':').value(1).toLongLong(nullptr, 16);
    }
    return -1;
}

std::unique_ptr<UnixUDP> linkTo(const Peer& peer, uint32_t timeoutMs, std::string local = "") {
    return std::make_unique<UnixUDP>(std::move(local), UDPAddress{"127.0.0.1", "127.255.255.255"},
                                     peer.port(), timeoutMs);
}

} // namespace

class TstUnixUDP : public QObject {
    Q_OBJECT
private slots:
    void parseIPv4_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<uint>("address");
        QTest::newRow("loopback") << "127.0.0.1" << true << 0x7F000001u;
        QTest::newRow("mount access point") << "192.168.4.1" << true << 0xC0A80401u;
        QTest::newRow("all 255") << "255.255.255.255" << true << 0xFFFFFFFFu;
        QTest::newRow("number above 255") << "192.168.4.256" << false << 0u;
        QTest::newRow("three numbers") << "192.168.4" << false << 0u;
        QTest::newRow("five numbers") << "1.2.3.4.5" << false << 0u;
        QTest::newRow("negative") << "1.2.-3.4" << false << 0u;
        QTest::newRow("letters") << "a.b.c.d" << false << 0u;
        QTest::newRow("empty") << "" << false << 0u;
        QTest::newRow("trailing text") << "1.2.3.4x" << false << 0u;
    }
    void parseIPv4() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(uint, address);
        const auto v = UnixUDP::parseIPv4(text.toStdString());
        QCOMPARE(v.hasValue(), valid);
        if (valid)
            QCOMPARE(v.value(), uint32_t(address));
    }

    void badRemoteAddressLeavesClosed_data() {
        QTest::addColumn<QString>("remote");
        QTest::newRow("above 255") << "127.0.0.300";
        QTest::newRow("not four numbers") << "127.0.1";
        QTest::newRow("empty") << "";
    }
    void badRemoteAddressLeavesClosed() {
        QFETCH(QString, remote);
        UnixUDP udp("", UDPAddress{remote.toStdString(), ""}, 11880, 100);
        QVERIFY(!udp.isOpen());
        QVERIFY(!udp.reopen());
        // Using a closed transport is a programming error of the caller.
        QVERIFY_THROWS_EXCEPTION(std::logic_error, udp.write(CBytes::fromCString(":e1\r")));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, udp.read());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, udp.drain());
    }

    void requestAndReply() {
        Peer peer;
        // An explicit loopback address binds; an empty one and one that does not parse fall back to
        // any local address.
        for (const char* local : {"", "127.0.0.1", "not an address"}) {
            auto udp = linkTo(peer, 2000, local);
            QVERIFY(udp->isOpen());
            QVERIFY(udp->write(CBytes::fromCString(":j1\r")));
            QCOMPARE(peer.receive(), QByteArray(":j1\r"));
            peer.reply("=000080\r");
            QCOMPARE(qb(udp->read()), QByteArray("=000080\r"));
        }
    }

    void silentPeerCostsOneTimeout() {
        Peer peer;
        auto udp = linkTo(peer, 200);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(udp->read().empty());
        QVERIFY2(timer.elapsed() >= 180, qPrintable(QString::number(timer.elapsed())));
        // One time-out, not many or for ever: 200 ms at rest; ten times that leaves a loaded
        // machine its scheduling delays.
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    }

    void zeroTimeoutDoesNotBlock() {
        // Zero must not turn into "wait for ever", which would hang the link.
        Peer peer;
        auto udp = linkTo(peer, 0);
        QVERIFY(udp->isOpen());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(udp->read().empty());
        // Not for ever: no time at all at rest; the bound leaves a loaded machine seconds.
        QVERIFY(timer.elapsed() < 10000);
    }

    void drainDropsStaleDatagrams() {
        Peer peer;
        auto udp = linkTo(peer, 300);
        QVERIFY(udp->write(CBytes::fromCString(":j1\r")));
        QCOMPARE(peer.receive(), QByteArray(":j1\r"));
        // Loopback delivery is mostly done within the send, but a busy kernel may leave it to a
        // worker of its own: the drain comes once the link's queue holds all four. Each waiting
        // datagram takes the same memory (less for the empty one, but more than nothing), so
        // more than three times the first one's means four.
        peer.reply("=stale1\r");
        QTRY_VERIFY(queuedBytesAt(peer.lastPort()) > 0);
        const qint64 one = queuedBytesAt(peer.lastPort());
        peer.reply(QByteArray());
        peer.reply("=stale2\r");
        peer.reply("=stale3\r");
        QTRY_VERIFY2(queuedBytesAt(peer.lastPort()) > 3 * one,
                     qPrintable(QString::number(queuedBytesAt(peer.lastPort()))));
        udp->drain();
        QVERIFY(udp->read().empty());
        peer.reply("=fresh\r");
        QCOMPARE(qb(udp->read()), QByteArray("=fresh\r"));
        // Draining an empty queue returns at once, not after the read time-out (300 ms) or for
        // ever: at rest it takes no measurable time, and the bound leaves a loaded machine
        // seconds, far below what a drain that waited out a read would take.
        QTRY_COMPARE(queuedBytesAt(peer.lastPort()), 0);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i)
            udp->drain();
        QVERIFY2(timer.elapsed() < 20 * 300 / 2, qPrintable(QString::number(timer.elapsed())));
    }

    void onlyTheRemoteAddressAnswers_data() {
        QTest::addColumn<uint>("sender");
        QTest::addColumn<bool>("taken");
        // Every 127/8 address is this machine's, so another loopback address stands for another
        // host.
        QTest::newRow("another host") << 0x7F000002u << false;
        QTest::newRow("the mount from another port") << 0x7F000001u << true;
    }
    void onlyTheRemoteAddressAnswers() {
        QFETCH(uint, sender);
        QFETCH(bool, taken);
        Peer mount;
        Peer other(sender);
        QVERIFY(other.port() != 0);
        auto udp = linkTo(mount, 300);
        QVERIFY(udp->write(CBytes::fromCString(":j1\r")));
        QCOMPARE(mount.receive(), QByteArray(":j1\r"));
        other.sendToPeerOf(mount, "=000000\r");
        if (taken) {
            QCOMPARE(qb(udp->read()), QByteArray("=000000\r"));
            return;
        }
        // The foreign datagram is skipped and the read goes on waiting: first for the mount's own
        // answer, then, with nothing more from the mount, until its time-out.
        mount.reply("=000080\r");
        QCOMPARE(qb(udp->read()), QByteArray("=000080\r"));
        other.sendToPeerOf(mount, "=000000\r");
        QElapsedTimer timer;
        timer.start();
        QVERIFY(udp->read().empty());
        QVERIFY2(timer.elapsed() >= 250, qPrintable(QString::number(timer.elapsed())));
    }

    void longDatagramIsCut() {
        Peer peer;
        auto udp = linkTo(peer, 1000);
        QVERIFY(udp->write(CBytes::fromCString(":j1\r")));
        peer.receive();
        peer.reply(QByteArray(2000, 'A'));
        const CBytes got = udp->read();
        QCOMPARE(got.size(), size_t(1500));
        QCOMPARE(qb(got), QByteArray(1500, 'A'));
    }

    void reopenTakesAFreshSocket() {
        Peer peer;
        auto udp = linkTo(peer, 200);
        QVERIFY(udp->write(CBytes::fromCString(":j1\r")));
        peer.receive();
        QVERIFY(udp->reopen());
        QVERIFY(udp->isOpen());
        // A late answer to the old socket does not reach the new one.
        peer.reply("=late\r");
        QVERIFY(udp->read().empty());
        QVERIFY(udp->write(CBytes::fromCString(":j2\r")));
        QCOMPARE(peer.receive(), QByteArray(":j2\r"));
        peer.reply("=now\r");
        QCOMPARE(qb(udp->read()), QByteArray("=now\r"));
    }
};

QTEST_GUILESS_MAIN(TstUnixUDP)
#include "tst_unixudp.moc"
