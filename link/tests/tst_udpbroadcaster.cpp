#include "link/qtudpbroadcaster.h"
#include "link/tests/fakemountnetwork.h"

#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QTest>

using namespace Ko;

namespace {

CBytes datagram(const char* text) {
    return CBytes::fromCString(text);
}

const UDPBroadcastEntry kLoopback{"127.0.0.1", FakeMountNetwork::kBroadcastAddress};

} // namespace

class TestUdpBroadcaster : public QObject {
    Q_OBJECT
private slots:
    void broadcastReadsTwoPassesOfReplies() {
        FakeMountNetwork net({{"127.0.0.2", datagram("=0A0B80\r")},
                              {"127.0.0.3", CBytes()},
                              {"127.0.0.4", Nullable<CBytes>()}});
        QVERIFY(net.isOpen());
        QtUDPBroadcaster broadcaster({kLoopback}, net.port());

        QElapsedTimer timer;
        timer.start();
        const auto results = broadcaster.broadcast(datagram(":e1\r"));
        QVERIFY(timer.elapsed() >= 590);

        // Three probes went out; the replies to the last one are never read.
        QVERIFY(net.waitForReceived(3, 2000));
        const auto received = net.received();
        QCOMPARE(received.size(), size_t(3));
        for (const auto& r : received) {
            QCOMPARE(r.to, std::string(FakeMountNetwork::kBroadcastAddress));
            QCOMPARE(r.from, std::string("127.0.0.1"));
            QCOMPARE(r.bytes, datagram(":e1\r"));
        }

        // Per read pass: the silent mount is absent, the empty payload is delivered as such.
        QCOMPARE(results.size(), size_t(4));
        const std::vector<std::pair<std::string, CBytes>> expected = {
            {"127.0.0.2", datagram("=0A0B80\r")},
            {"127.0.0.3", CBytes()},
            {"127.0.0.2", datagram("=0A0B80\r")},
            {"127.0.0.3", CBytes()}};
        size_t i = 0;
        for (const auto& result : results) {
            QCOMPARE(result.localAddress, std::string("127.0.0.1"));
            QCOMPARE(result.broadcastAddress, std::string(FakeMountNetwork::kBroadcastAddress));
            QCOMPARE(result.senderAddress, expected[i].first);
            QCOMPARE(result.data, expected[i].second);
            ++i;
        }
    }

    void eachNetworkSendsFromItsOwnAddress() {
        FakeMountNetwork net({{"127.0.0.2", datagram("=0A0B80\r")}});
        QVERIFY(net.isOpen());
        QtUDPBroadcaster broadcaster(
            {kLoopback, {"127.0.0.5", FakeMountNetwork::kBroadcastAddress}}, net.port());
        QCOMPARE(broadcaster.usableAddresses(),
                 std::vector<std::string>({"127.0.0.1", "127.0.0.5"}));

        const auto results = broadcaster.broadcast(datagram(":e1\r"));

        QVERIFY(net.waitForReceived(6, 2000));
        int from1 = 0;
        int from5 = 0;
        for (const auto& r : net.received()) {
            from1 += r.from == "127.0.0.1";
            from5 += r.from == "127.0.0.5";
        }
        QCOMPARE(from1, 3);
        QCOMPARE(from5, 3);

        // Socket by socket in entry order, within each read pass.
        std::vector<std::string> locals;
        for (const auto& result : results) {
            QCOMPARE(result.senderAddress, std::string("127.0.0.2"));
            locals.push_back(result.localAddress);
        }
        QCOMPARE(locals,
                 std::vector<std::string>({"127.0.0.1", "127.0.0.5", "127.0.0.1", "127.0.0.5"}));
    }

    void noUsableNetworkStillTakesTheWindow() {
        FakeMountNetwork net({{"127.0.0.2", datagram("=0A0B80\r")}});
        QVERIFY(net.isOpen());
        // Neither address exists here, so neither socket can be bound and nothing is sent.
        QtUDPBroadcaster broadcaster(
            {{"192.0.2.1", FakeMountNetwork::kBroadcastAddress}, {"no address", "127.255.255.255"}},
            net.port());

        QElapsedTimer timer;
        timer.start();
        QVERIFY(broadcaster.broadcast(datagram(":e1\r")).empty());
        QVERIFY(timer.elapsed() >= 590);
        QVERIFY(net.received().empty());

        QtUDPBroadcaster none(std::vector<UDPBroadcastEntry>{}, net.port());
        timer.restart();
        QVERIFY(none.broadcast(datagram(":e1\r")).empty());
        QVERIFY(timer.elapsed() >= 590);
    }

    void broadcastUntilSendsEveryProbeEachRound() {
        FakeMountNetwork net({{"127.0.0.2", datagram("OK")}});
        QVERIFY(net.isOpen());
        QtUDPBroadcaster broadcaster({kLoopback});

        int rounds = 0;
        std::vector<UDPBroadcasterResult> results;
        broadcaster.broadcastUntil(
            net.port(), {datagram("P1"), datagram("P2")},
            [&] {
                // Wait for both replies of this round so the read pass finds them: sent on
                // loopback, they are in the broadcaster's queue once the send returns.
                net.waitForReplied(size_t(2 * (rounds + 1)), 10000);
                return ++rounds == 2;
            },
            [&](const UDPBroadcasterResult& r) {
                results.push_back(r);
                // The handler's answer does not stop the rounds.
                return true;
            });

        QCOMPARE(rounds, 2);
        std::vector<CBytes> sent;
        for (const auto& r : net.received())
            sent.push_back(r.bytes);
        QCOMPARE(sent, std::vector<CBytes>(
                           {datagram("P1"), datagram("P2"), datagram("P1"), datagram("P2")}));
        // Only the first round's replies are read; the last round ends at isDone.
        QCOMPARE(results.size(), size_t(2));
        for (const auto& r : results) {
            QCOMPARE(r.senderAddress, std::string("127.0.0.2"));
            QCOMPARE(r.data, datagram("OK"));
        }
    }

    void emptyCallbacksAreRefused() {
        FakeMountNetwork net({{"127.0.0.2", datagram("OK")}});
        QVERIFY(net.isOpen());
        QtUDPBroadcaster broadcaster({kLoopback});

        int results = 0;
        broadcaster.broadcastUntil(net.port(), {datagram("REFUSED")}, {},
                                   [&](const UDPBroadcasterResult&) { return ++results > 0; });
        int doneCalls = 0;
        broadcaster.broadcastUntil(net.port(), {datagram("REFUSED")},
                                   [&] {
                                       ++doneCalls;
                                       return false;
                                   },
                                   {});
        QCOMPARE(results, 0);
        QCOMPARE(doneCalls, 0);

        // Loopback delivers in order: had a refused call sent anything, it would come first.
        broadcaster.broadcastUntil(
            net.port(), {datagram("LAST")}, [] { return true; },
            [](const UDPBroadcasterResult&) { return false; });
        QVERIFY(net.waitForReceived(1, 2000));
        QCOMPARE(net.received().front().bytes, datagram("LAST"));
    }

    void interfaceReportListsEveryAddress() {
        QtUDPBroadcaster broadcaster;
        const QString report = QString::fromStdString(broadcaster.interfaceReport());

        int addressLines = 0;
        for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
            QVERIFY2(report.contains(QStringLiteral("Interface: [%1]\n  IsUp:").arg(iface.name())),
                     qPrintable(iface.name()));
            const auto f = iface.flags();
            const QString flags = QStringLiteral("IsLoopBack:%1 ")
                                      .arg(f.testFlag(QNetworkInterface::IsLoopBack) ? 1 : 0);
            QVERIFY(report.contains(flags));
            addressLines += int(iface.addressEntries().size());
        }

        // Protocol names fill 27 columns; use is 1 exactly for IPv4 with a broadcast address.
        static const QRegularExpression line(QStringLiteral(
            "^  (IPv4Protocol|IPv6Protocol|AnyIPProtocol|UnknownNetworkLayerProtocol)"
            " *: (\\S*) broadcast: (\\S*) use: ([01])$"));
        int seen = 0;
        std::vector<std::string> usable;
        for (const QString& text : report.split('\n')) {
            const auto m = line.match(text);
            if (!m.hasMatch())
                continue;
            ++seen;
            QCOMPARE(text.indexOf(':'), 2 + 27);
            const bool use = m.captured(1) == "IPv4Protocol" && !m.captured(3).isEmpty();
            QCOMPARE(m.captured(4), use ? QStringLiteral("1") : QStringLiteral("0"));
            if (use)
                usable.push_back(m.captured(2).toStdString());
        }
        QCOMPARE(seen, addressLines);
        QCOMPARE(broadcaster.usableAddresses(), usable);
    }
};

QTEST_GUILESS_MAIN(TestUdpBroadcaster)
#include "tst_udpbroadcaster.moc"
