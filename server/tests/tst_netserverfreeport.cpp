// The free-port retry of the network server core, inside a network namespace that the test
// creates for itself. A program of its own: the test forks to enter the namespace, and a process
// that forked must start no threads after (the race detector stops it), so nothing else runs
// here before or after.
#include "base/tests/datarow.h"
#include "base/tests/logcapture.h"
#include "server/netserver.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTcpServer>
#include <QUdpSocket>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

using namespace Ko;

namespace {

// Set in the copy of this test that runs inside a network namespace of its own.
constexpr char kInsideEnv[] = "KO_TEST_IN_NETNS";
// Inside, the system picks ports from these two only, so that a test can take them all.
constexpr uint16_t kPickedPorts[] = {40000, 40001};
// The namespace has loopback up and the two ports as its whole range; made by the shell before
// the test starts again inside, so that the test never forks once its threads run there.
constexpr char kMakeNamespace[] = "ip link set lo up"
                                  " && echo '40000 40001' > /proc/sys/net/ipv4/ip_local_port_range"
                                  " || exit 77; exec \"$0\" \"$1\"";
constexpr int kNoNamespace = 77;

bool runQuietly(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Whether a UDP socket of this process may have port on every address to itself: no other
// socket is bound there, shared or not.
bool udpPortUnbound(uint16_t port) {
    QUdpSocket probe;
    return probe.bind(QHostAddress::Any, port, QAbstractSocket::DontShareAddress);
}

} // namespace

class TestNetServerFreePort : public QObject {
    Q_OBJECT

private slots:
    // The system picks the UDP port and TCP must have the same one: a pick that TCP cannot
    // have is let go before the next, and when every pick fails none stays bound with its
    // handler. Run inside a network namespace whose system picks from two ports only, some of
    // them taken for TCP beforehand (a connection from there would find no port of its own).
    void freePortRetryLetsGo_data() {
        QTest::addColumn<int>("takenForTcp");
        QTest::addColumn<int>("served");
        dataRow("both ports taken for TCP", 2, 0);
        dataRow("the first port taken for TCP", 1, int(kPickedPorts[1]));
        dataRow("no port taken", 0, -1);
    }
    void freePortRetryLetsGo() {
        QFETCH(int, takenForTcp);
        QFETCH(int, served);
        if (!qEnvironmentVariableIsSet(kInsideEnv)) {
            if (!runQuietly("unshare", {"-rn", "true"}))
                QSKIP("network namespaces are not permitted here");
            QProcess inside;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(kInsideEnv, "1");
            inside.setProcessEnvironment(env);
            inside.setProcessChannelMode(QProcess::ForwardedChannels);
            inside.start("unshare",
                         {"-rn", "sh", "-c", kMakeNamespace,
                          QCoreApplication::applicationFilePath(),
                          QStringLiteral("freePortRetryLetsGo:") + QTest::currentDataTag()});
            QVERIFY(inside.waitForFinished(100000));
            QCOMPARE(inside.exitStatus(), QProcess::NormalExit);
            if (inside.exitCode() == kNoNamespace)
                QSKIP("no namespace with its own port range could be made");
            QCOMPARE(inside.exitCode(), 0);
            return;
        }

        LogCapture log;
        std::vector<std::unique_ptr<QTcpServer>> squatters;
        for (int i = 0; i < takenForTcp; ++i) {
            squatters.push_back(std::make_unique<QTcpServer>());
            QVERIFY(squatters.back()->listen(QHostAddress::Any, kPickedPorts[i]));
        }
        NetServer core;
        const uint16_t port =
            core.addOnFreePort([](INetServer::IStream* s) { s->skip(s->bytesAvailable()); },
                               [](const CBytes& d) { return "udp:" + d.toStdString(); });
        if (served >= 0)
            QCOMPARE(port, uint16_t(served));
        else
            QVERIFY(port == kPickedPorts[0] || port == kPickedPorts[1]);
        core.waitPosted();
        // The served port is held for both; every other pick is free again.
        for (uint16_t picked : kPickedPorts)
            QVERIFY2(udpPortUnbound(picked) == (picked != port),
                     qPrintable(QString::number(picked)));
        if (port == 0) {
            // Given up after every attempt, not at a pick that found no port left.
            QCOMPARE(log.lines("NetServer: no port free for both TCP and UDP in " +
                               QString::number(NetServer::kFreePortAttempts) + " attempts")
                         .size(),
                     1);
            return;
        }
        // The one kept answers, from the port it let go.
        const uint16_t other = port == kPickedPorts[0] ? kPickedPorts[1] : kPickedPorts[0];
        QUdpSocket client;
        QVERIFY(client.bind(QHostAddress::LocalHost, other, QAbstractSocket::DontShareAddress));
        client.writeDatagram(QByteArray("q"), QHostAddress::LocalHost, port);
        QTRY_VERIFY_WITH_TIMEOUT(client.hasPendingDatagrams(), 5000);
        QCOMPARE(client.receiveDatagram().data(), QByteArray("udp:q"));
    }
};

QTEST_MAIN(TestNetServerFreePort)
#include "tst_netserverfreeport.moc"
