#include "sharingrig.h"

#include <QProcess>

using namespace Ko;

namespace {

// Set in the copy of this test that runs inside its own network namespace.
constexpr char kInsideEnv[] = "KO_TEST_IN_NETNS";

bool runQuietly(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// A bridge with a private address and a port (one end of a virtual cable) so that it carries;
// the namespace has nothing else, so a broadcast on it reaches only the test. Made by the shell
// before the test starts again inside, so that the test itself never forks once its threads run.
constexpr char kMakeNetwork[] = "ip link set lo up"
                                " && ip link add ko-br type bridge"
                                " && ip addr add 10.77.0.1/24 brd + dev ko-br"
                                " && ip link set ko-br up"
                                " && ip link add ko-v0 type veth peer name ko-v1"
                                " && ip link set ko-v0 master ko-br"
                                " && ip link set ko-v0 up && ip link set ko-v1 up"
                                " || exit 77; exec \"$0\" findsAModelOnTheMachinesNetworks";
constexpr int kNoNetwork = 77;

} // namespace

// The search with the broadcaster's own choice of networks, as the program makes it, inside a
// network namespace that the test creates for itself.
class TestPMSharingNetns : public QObject {
    Q_OBJECT

private slots:
    // The system proxy lookup of Qt's sockets runs a library thread of its own that races them;
    // nothing here may go through a proxy anyway.
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void findsAModelOnTheMachinesNetworks() {
        if (!qEnvironmentVariableIsSet(kInsideEnv)) {
            if (!runQuietly("unshare", {"-rn", "true"}))
                QSKIP("network namespaces are not permitted here");
            QProcess inside;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(kInsideEnv, "1");
            inside.setProcessEnvironment(env);
            inside.setProcessChannelMode(QProcess::ForwardedChannels);
            inside.start("unshare", {"-rn", "sh", "-c", kMakeNetwork,
                                     QCoreApplication::applicationFilePath()});
            QVERIFY(inside.waitForFinished(100000));
            QCOMPARE(inside.exitStatus(), QProcess::NormalExit);
            if (inside.exitCode() == kNoNetwork)
                QSKIP("no network could be made in the namespace (is \"ip\" there?)");
            QCOMPARE(inside.exitCode(), 0);
            return;
        }

        const uint16_t port = freePort();
        QVERIFY(port != 0);
        Device server(port);
        Device searcher(port, std::make_shared<QtUDPBroadcaster>());
        QVERIFY(server.stack.connectMount());
        server.serve(port);
        server.sharing->setServing(true);
        searcher.sharing->setActive(true);
        // The bridge is searched, and loopback too where the machine counts it; nothing else
        // exists here.
        const QString row = "EQ|10.77.0.1 " + QHostInfo::localHostName() + "|255.255.FF|";
        QTRY_VERIFY_WITH_TIMEOUT(rowTexts(*searcher.sharing).contains(row), 10000);
        const QStringList rows = rowTexts(*searcher.sharing);
        for (const QString& r : rows)
            QVERIFY2(r == row || r.startsWith("EQ|127.0.0.1 "), qPrintable(r));
        searcher.sharing->loadItem(int(rows.indexOf(row)));
        QCOMPARE(searcher.stack.perMountData->lastMountKind(), 6);
        searcher.sharing->setActive(false);
    }
};

QTEST_MAIN(TestPMSharingNetns)
#include "tst_pmsharingnetns.moc"
