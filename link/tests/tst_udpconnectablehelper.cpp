#include "base/cancellable.h"
#include "link/iconverser.h"
#include "link/ikodevice.h"
#include "link/qtudpbroadcaster.h"
#include "link/tests/connecthelpertest.h"
#include "link/tests/fakemotorcontroller.h"
#include "link/tests/fakemountnetwork.h"
#include "link/udpconnectablehelper.h"
#include "link/udpkodevicefactory.h"

#include <QTest>

#include <memory>
#include <thread>

using namespace Ko;

namespace {

CBytes udpBytes(const char* text) {
    return CBytes::fromCString(text);
}

// The connection procedure's filter: model ids 8 and 10 are not searched for.
bool acceptModel(uint8_t id) {
    return (id & 0xFD) != 8;
}

// A scripted broadcaster for replies from addresses that loopback cannot have; sends nothing.
class FakeUDPBroadcaster : public IUDPBroadcaster {
public:
    explicit FakeUDPBroadcaster(std::list<UDPBroadcasterResult> replies)
        : m_replies(std::move(replies)) {}
    std::list<UDPBroadcasterResult> broadcast(const CBytes&) override { return m_replies; }
    void broadcastUntil(uint16_t, const std::list<CBytes>&, std::function<bool()>,
                        std::function<bool(const UDPBroadcasterResult&)>) override {}
    std::string interfaceReport() override { return {}; }

private:
    std::list<UDPBroadcasterResult> m_replies;
};

QStringList titlesOf(const QVariant& devicesList) {
    QStringList list;
    for (const QVariant& v : devicesList.toList())
        list << v.value<IConnectableSearchResult>().title();
    return list;
}

// Mounts on loopback and the default address redirected to a fake on 127.0.0.1, all on one
// port, so that the real broadcast and the real direct probe never leave this machine.
struct Rig {
    explicit Rig(std::vector<FakeMountNetwork::Mount> mounts) {
        port = direct.serveUdp();
        direct.setSilent(true);
        net = std::make_unique<FakeMountNetwork>(std::move(mounts), port);
        auto broadcaster = std::make_shared<QtUDPBroadcaster>(
            std::vector<UDPBroadcastEntry>{{"127.0.0.1", FakeMountNetwork::kBroadcastAddress}},
            port);
        makeHelper(broadcaster);
    }
    void makeHelper(std::shared_ptr<IUDPBroadcaster> broadcaster) {
        auto factory = std::make_shared<UDPKoDeviceFactory>(
            settings, std::make_shared<TCCancellable>(std::make_shared<NullCancellable>()),
            UDPMountRoute{"127.0.0.1", port});
        helper = std::make_shared<UDPConnectableHelper>(settings, broadcaster, factory);
        recorder = std::make_unique<HelperRecorder>();
        recorder->listen(helper.get());
        helper->setHandler(recorder->handler());
    }
    // A worker still running would call into the recorder; let it end first.
    ~Rig() {
        [[maybe_unused]] const bool ended = QTest::qWaitFor([this] { return idle(); }, 10000);
        helper.reset();
    }
    bool ready() const { return port != 0 && net->isOpen(); }
    // Every worker thread has ended once the helper is held here only.
    bool idle() const { return helper.use_count() == 1; }
    QStringList titles() const { return titlesOf(helper->devicesList()); }

    std::shared_ptr<ConnectionSettings> settings = quickLinkSettings();
    FakeMotorController direct;
    uint16_t port = 0;
    std::unique_ptr<FakeMountNetwork> net;
    std::shared_ptr<UDPConnectableHelper> helper;
    std::unique_ptr<HelperRecorder> recorder;
};

const QString kStart = QStringLiteral("1||");
const QString kSearching = QStringLiteral("1|Searching|");
const QString kFinished = QStringLiteral("0|Search finished|");
const QString kConnecting = QStringLiteral("1|Connecting|");

} // namespace

class TestUdpConnectableHelper : public QObject {
    Q_OBJECT
private slots:
    void searchListsValidMountsInAddressOrder_data() {
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("model filter")
            << true << QStringList{"127.0.0.10", "127.0.0.2", "127.0.0.3"};
        QTest::newRow("no filter")
            << false
            << QStringList{"127.0.0.10", "127.0.0.2", "127.0.0.3", "127.0.0.5", "127.0.0.6"};
    }
    void searchListsValidMountsInAddressOrder() {
        QFETCH(bool, filter);
        QFETCH(QStringList, expected);
        Rig rig({{"127.0.0.3", udpBytes("=0A0B80\r")},
                 {"127.0.0.2", udpBytes("=0A0B09\r")},
                 {"127.0.0.10", udpBytes("=0A0B80\r")},
                 {"127.0.0.4", udpBytes("!0\r")},
                 {"127.0.0.5", udpBytes("=0A0B08\r")},
                 {"127.0.0.6", udpBytes("=0A0B0A\r")},
                 {"127.0.0.7", udpBytes("=0A0B8\r")}});
        QVERIFY(rig.ready());
        QVERIFY(!rig.helper->devicesList().isValid());
        if (filter)
            rig.helper->setModelFilter(acceptModel);

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->statuses,
                                  QStringList({kStart, kSearching, kFinished}), 10000);
        QTRY_VERIFY(rig.idle());

        QCOMPARE(rig.titles(), expected);
        for (const QVariant& v : rig.helper->devicesList().toList())
            QVERIFY(v.value<IConnectableSearchResult>().subtitle().isEmpty());
        // Every mount answered two read passes, and each is listed once with its network.
        const auto found = rig.helper->foundDevices().value();
        for (const auto& device : found) {
            QCOMPARE(device.localAddress, std::string("127.0.0.1"));
            QCOMPARE(device.broadcastAddress, std::string(FakeMountNetwork::kBroadcastAddress));
        }
        QCOMPARE(rig.recorder->listChanges, 2);
        // The popup, reading the list when told it changed, saw the final one.
        QCOMPARE(titlesOf(rig.recorder->lastList), expected);
        // Nobody answered from the default address, so it was asked once directly.
        QCOMPARE(rig.direct.requestCount(), size_t(1));
        QCOMPARE(rig.direct.requests().front().bytes, udpBytes(":e1\r"));
        QCOMPARE(rig.recorder->setupCount(), size_t(0));
    }

    void oneMountConnectsAtOnce() {
        Rig rig({{"127.0.0.2", udpBytes("=0A0B80\r")}});
        QVERIFY(rig.ready());
        rig.helper->setModelFilter(acceptModel);

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->setupCount(), size_t(1), 10000);
        QTRY_VERIFY(rig.idle());
        QTRY_COMPARE(rig.recorder->statuses, QStringList({kStart, kSearching, kConnecting}));
        QCOMPARE(rig.titles(), QStringList{"127.0.0.2"});

        const auto setup = rig.recorder->setups().front();
        QVERIFY(setup.thread != std::this_thread::get_id());
        QCOMPARE(setup.data.deviceName, std::string("127.0.0.2"));
        QVERIFY(setup.data.koConverser && setup.data.converserTimeout);
        QCOMPARE(dynamic_cast<IConverserTimeout*>(setup.data.converser.get()),
                 setup.data.converserTimeout.get());

        // The graph talks to that mount, from the interface its reply came in on.
        const size_t before = rig.net->received().size();
        const auto version = setup.data.device->readVersion(0);
        QVERIFY(version.isOk());
        QCOMPARE(version.value(), uint32_t(0x800B0A));
        const auto received = rig.net->received();
        QCOMPARE(received.size(), before + 1);
        QCOMPARE(received.back().to, std::string("127.0.0.2"));
        QCOMPARE(received.back().from, std::string("127.0.0.1"));
    }

    void defaultAddressAnsweringDirectly_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<bool>("listed");
        QTest::newRow("accepted model") << QByteArray("=0A0B80\r") << true << true;
        QTest::newRow("model 8 refused") << QByteArray("=0A0B08\r") << true << false;
        QTest::newRow("model 10 refused") << QByteArray("=0A0B0A\r") << true << false;
        QTest::newRow("model 8 without filter") << QByteArray("=0A0B08\r") << false << true;
        QTest::newRow("invalid reply") << QByteArray("=0A0B\r") << false << false;
    }
    void defaultAddressAnsweringDirectly() {
        QFETCH(QByteArray, reply);
        QFETCH(bool, filter);
        QFETCH(bool, listed);
        Rig rig({});
        QVERIFY(rig.ready());
        rig.direct.setReply(":e1\r", reply.toStdString());
        rig.direct.setSilent(false);
        if (filter)
            rig.helper->setModelFilter(acceptModel);

        rig.helper->startConnect();
        if (listed) {
            QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->setupCount(), size_t(1), 10000);
            QTRY_VERIFY(rig.idle());
            QTRY_COMPARE(rig.recorder->statuses, QStringList({kStart, kSearching, kConnecting}));
            const auto found = rig.helper->foundDevices().value();
            QCOMPARE(found.size(), size_t(1));
            QCOMPARE(found.front(),
                     (UDPConnectableHelper::FoundDevice{"192.168.4.1", "192.168.4.255", ""}));
            QCOMPARE(rig.recorder->setups().front().data.deviceName, std::string("192.168.4.1"));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->statuses,
                                      QStringList({kStart, kSearching, kFinished}), 10000);
            QTRY_VERIFY(rig.idle());
            QVERIFY(rig.helper->foundDevices().value().empty());
            QCOMPARE(rig.recorder->setupCount(), size_t(0));
        }
        // The direct probe is one 'e' to axis 1; with no resends configured, one bytes.
        QCOMPARE(rig.direct.requests().front().bytes, udpBytes(":e1\r"));
    }

    void replyFromDefaultAddressSkipsDirectProbe() {
        Rig rig({});
        QVERIFY(rig.ready());
        rig.direct.setReply(":e1\r", "=0A0B80\r");
        rig.direct.setSilent(false);
        rig.makeHelper(std::make_shared<FakeUDPBroadcaster>(std::list<UDPBroadcasterResult>{
            {"10.0.0.2", "192.168.4.1", "10.0.0.255", udpBytes("!0\r")},
            {"10.0.0.2", "192.168.4.7", "10.0.0.255", udpBytes("=0A0B80\r")},
            {"10.1.0.2", "192.168.4.7", "10.1.0.255", udpBytes("=0A0B80\r")},
            {"10.1.0.2", "192.168.4.20", "10.1.0.255", udpBytes("=0A0B80\r")},
        }));

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->statuses,
                                  QStringList({kStart, kSearching, kFinished}), 10000);
        QTRY_VERIFY(rig.idle());

        // Byte-wise order, and the first reply's network for a mount seen on two.
        const auto found = rig.helper->foundDevices().value();
        QCOMPARE(found.size(), size_t(2));
        QCOMPARE(found[0],
                 (UDPConnectableHelper::FoundDevice{"192.168.4.20", "10.1.0.255", "10.1.0.2"}));
        QCOMPARE(found[1],
                 (UDPConnectableHelper::FoundDevice{"192.168.4.7", "10.0.0.255", "10.0.0.2"}));
        QCOMPARE(rig.direct.requestCount(), size_t(0));
    }

    void fixedAddressWhenSearchIsOff() {
        Rig rig({{"127.0.0.2", udpBytes("=0A0B80\r")}});
        QVERIFY(rig.ready());
        rig.settings->setSearchIP(false);
        rig.settings->setFixedIP("127.0.0.2");

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->setupCount(), size_t(1), 10000);
        QTRY_VERIFY(rig.idle());
        QTRY_COMPARE(rig.recorder->statuses, QStringList({kStart, kConnecting}));
        QCOMPARE(rig.recorder->listChanges, 1);
        QVERIFY(!rig.helper->devicesList().isValid());

        const auto setup = rig.recorder->setups().front();
        QCOMPARE(setup.data.deviceName, std::string("127.0.0.2"));
        QVERIFY(setup.data.device->readVersion(0).isOk());
        // No broadcast and no direct probe: only the one request to the fixed address.
        const auto received = rig.net->received();
        QCOMPARE(received.size(), size_t(1));
        QCOMPARE(received.front().to, std::string("127.0.0.2"));
        QCOMPARE(rig.direct.requestCount(), size_t(0));
    }

    void secondStartDuringSearchIsIgnored() {
        Rig rig({{"127.0.0.2", udpBytes("=0A0B80\r")}, {"127.0.0.3", udpBytes("=0A0B80\r")}});
        QVERIFY(rig.ready());

        rig.helper->startConnect();
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->statuses,
                                  QStringList({kStart, kSearching, kFinished}), 10000);
        QTRY_VERIFY(rig.idle());
        QCOMPARE(rig.net->received().size(), size_t(3));
        QCOMPARE(rig.direct.requestCount(), size_t(1));

        // Once the search has ended a new one starts.
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->statuses.size(), qsizetype(6), 10000);
        QCOMPARE(rig.recorder->statuses.mid(3), QStringList({kStart, kSearching, kFinished}));
        QTRY_VERIFY(rig.idle());
    }

    void selectDeviceConnectsToTheRow() {
        Rig rig({{"127.0.0.3", udpBytes("=0A0B80\r")}, {"127.0.0.2", udpBytes("=0A0B09\r")}});
        QVERIFY(rig.ready());

        // No list yet: nothing to select.
        rig.helper->selectDevice(0);
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->statuses,
                                  QStringList({kStart, kSearching, kFinished}), 10000);
        QTRY_VERIFY(rig.idle());
        QCOMPARE(rig.titles(), QStringList({"127.0.0.2", "127.0.0.3"}));

        rig.helper->selectDevice(-1);
        rig.helper->selectDevice(2);
        rig.helper->selectDevice(1);
        QTRY_COMPARE(rig.recorder->setupCount(), size_t(1));
        QTRY_VERIFY(rig.idle());
        QCOMPARE(rig.recorder->setupCount(), size_t(1));
        auto setup = rig.recorder->setups().back();
        QCOMPARE(setup.data.deviceName, std::string("127.0.0.3"));
        QCOMPARE(setup.data.device->readVersion(0).value(), uint32_t(0x800B0A));

        // The list stays, so the user may pick again.
        rig.helper->selectDevice(0);
        QTRY_COMPARE(rig.recorder->setupCount(), size_t(2));
        QTRY_VERIFY(rig.idle());
        setup = rig.recorder->setups().back();
        QCOMPARE(setup.data.deviceName, std::string("127.0.0.2"));
        QCOMPARE(setup.data.device->readVersion(0).value(), uint32_t(0x090B0A));
        QTRY_COMPARE(rig.recorder->statuses.size(), qsizetype(5));
        QCOMPARE(rig.recorder->statuses.mid(3), QStringList({kConnecting, kConnecting}));

        // A new search drops the old rows at once: a late tap on one connects nothing.
        rig.helper->startConnect();
        rig.helper->selectDevice(0);
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder->statuses.size(), qsizetype(8), 10000);
        QCOMPARE(rig.recorder->statuses.mid(5), QStringList({kStart, kSearching, kFinished}));
        QTRY_VERIFY(rig.idle());
        QCOMPARE(rig.recorder->setupCount(), size_t(2));
    }
};

QTEST_GUILESS_MAIN(TestUdpConnectableHelper)
#include "tst_udpconnectablehelper.moc"
