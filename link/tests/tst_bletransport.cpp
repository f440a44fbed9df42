#include "base/cancellable.h"
#include "base/tests/datarow.h"
#include "link/ble/blecharacteristicinfo.h"
#include "link/ble/blekoconnectablehelper.h"
#include "link/ble/blekoconverser.h"
#include "link/ble/koble.h"
#include "link/tests/bytetext.h"
#include "link/tests/connecthelpertest.h"
#include "link/tests/fakegatt.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>

using namespace Ko;

namespace {

using P = QLowEnergyCharacteristic;

// A transport over the given services, each discovered behind a fake; fakes and elements in
// the order of the scripts.
struct Link {
    explicit Link(QList<FakeGattServiceScript> scripts, uint32_t waitCount = 5) {
        for (const auto& script : scripts) {
            auto fake = std::make_shared<FakeGattService>(script);
            auto element = discoveredService(fake, waitCount);
            if (!element)
                return;
            services[element] = element->characteristics();
            fakes.push_back(fake);
            elements.push_back(element);
        }
        ble = std::make_shared<KoBLE>(nullptr, services);
    }
    bool ready() const { return ble != nullptr; }

    BLEServiceMap services;
    std::vector<std::shared_ptr<FakeGattService>> fakes;
    std::vector<std::shared_ptr<BLEServiceInfo>> elements;
    std::shared_ptr<KoBLE> ble;
};

FakeGattServiceScript service(QBluetoothUuid uuid, QList<GattCharacteristic> characteristics) {
    return {std::move(uuid), std::move(characteristics)};
}

} // namespace

class TestBLETransport : public QObject {
    Q_OBJECT
private slots:
    void findsTheControllerService_data() {
        QTest::addColumn<QList<FakeGattServiceScript>>("scripts");
        QTest::addColumn<bool>("setup");
        QTest::addColumn<bool>("writes");
        const auto write = gattCharacteristic(0xc302, P::WriteNoResponse, false);
        const auto notify = gattCharacteristic(0xc306, P::Notify);
        const auto other = service(uuid16(0x180f), {gattCharacteristic(0x2a19, P::Read)});
        QTest::newRow("16-bit 0xA002") << QList{controllerServiceScript()} << true << true;
        dataRow("0xa002 in full on the base UUID",
                QList{controllerServiceScript(
                    QBluetoothUuid(QStringLiteral("0000a002-0000-1000-8000-00805f9b34fb")))},
                true, true);
        dataRow("custom 128-bit UUID",
                QList{controllerServiceScript(
                    QBluetoothUuid(QStringLiteral("0000a002-1111-2222-3333-444455556666")))},
                false, false);
        dataRow("beside another service", QList{other, controllerServiceScript()}, true, true);
        dataRow("no notify characteristic", QList{service(uuid16(0xa002), {write})}, false, true);
        dataRow("no write characteristic", QList{service(uuid16(0xa002), {notify})}, false, false);
        dataRow(
            "write characteristic not writable",
            QList{service(uuid16(0xa002), {gattCharacteristic(0xc302, P::Read, false), notify})},
            true, false);
        QTest::newRow("no services") << QList<FakeGattServiceScript>{} << false << false;
    }
    void findsTheControllerService() {
        QFETCH(QList<FakeGattServiceScript>, scripts);
        QFETCH(bool, setup);
        QFETCH(bool, writes);
        Link link(scripts);
        QVERIFY(link.ready());
        QCOMPARE(link.ble->setup(), setup);
        QCOMPARE(link.ble->write(CBytes::fromCString(":e1\r")), writes);
        if (!writes)
            return;
        FakeGattService& controller = *link.fakes.back();
        QTRY_COMPARE(controller.requestsOf(0).size(), size_t(1));
        const auto request = controller.requestsOf(0).front();
        QCOMPARE(request.value, QByteArray(":e1\r"));
        QCOMPARE(request.target, uuid16(0xc302));
    }

    void oneServiceDecidesSetupAndExchanges_data() {
        QTest::addColumn<bool>("completeFirst");
        QTest::newRow("the complete one first in map order") << true;
        QTest::newRow("the incomplete one first in map order") << false;
    }
    // Two services carry the controller's UUID; whichever comes first decides setup and is the one
    // every exchange uses, so a transport that sets up never writes to the other.
    void oneServiceDecidesSetupAndExchanges() {
        QFETCH(bool, completeFirst);
        const auto incomplete =
            service(uuid16(0xa002), {gattCharacteristic(0xc302, P::WriteNoResponse, false)});
        // Map order is the elements' order in memory: made in turns, some complete element comes
        // before some incomplete one and another after.
        Link made({controllerServiceScript(), incomplete, controllerServiceScript(), incomplete});
        QVERIFY(made.ready());
        size_t complete = 0, partial = 1;
        for (size_t c = 0; c < 4; c += 2)
            for (size_t i = 1; i < 4; i += 2)
                if ((made.elements[c] < made.elements[i]) == completeFirst)
                    complete = c, partial = i;
        QCOMPARE(made.elements[complete] < made.elements[partial], completeFirst);
        BLEServiceMap services;
        for (size_t k : {complete, partial})
            services[made.elements[k]] = made.elements[k]->characteristics();
        KoBLE ble(nullptr, services);

        QCOMPARE(ble.setup(), completeFirst);
        QVERIFY(ble.write(CBytes::fromCString(":f1\r")));
        FakeGattService& first = *made.fakes[completeFirst ? complete : partial];
        QTRY_COMPARE(first.requestsOf(0).size(), size_t(1));
        for (const auto& fake : made.fakes)
            if (fake.get() != &first)
                QCOMPARE(fake->requestsOf(0).size(), size_t(0));
    }

    void replyIsTheLatestNotification() {
        Link link({controllerServiceScript()}, 20);
        QVERIFY(link.ready());
        FakeGattService& fake = *link.fakes.front();

        // Two notifications before the read: only the later one is a reply; the first is lost.
        fake.notify(uuid16(0xc306), "=01\r");
        fake.notify(uuid16(0xc306), "=02\r");
        QCOMPARE(text(link.ble->read()), std::string("=02\r"));
        // Taken: the next read waits and finds nothing.
        QCOMPARE(text(link.ble->read()), std::string());

        // A stale reply is gone after clear.
        fake.notify(uuid16(0xc306), "=03\r");
        link.ble->clear();
        QCOMPARE(text(link.ble->read()), std::string());

        // A notification of another characteristic is no reply.
        fake.notify(uuid16(0xc302), "=04\r");
        QCOMPARE(text(link.ble->read()), std::string());

        // A reply that comes while a worker waits ends the wait at once.
        Link slow({controllerServiceScript()}, 1000);
        QVERIFY(slow.ready());
        QElapsedTimer timer;
        timer.start();
        auto reply = onThread([&] { return slow.ble->read(); });
        slow.fakes.front()->notify(uuid16(0xc306), "=05\r");
        QTRY_VERIFY(isReady(reply));
        QCOMPARE(text(reply.get()), std::string("=05\r"));
        // The whole wait is 10 s; the reply ends it at once, and the bound leaves a loaded
        // machine seconds to hand the reply over.
        QVERIFY2(timer.elapsed() < 9000, "the wait ran to its end");
    }

    void readWaitsForTheWaitCount_data() {
        QTest::addColumn<int>("readTimeoutMs");
        QTest::addColumn<uint>("waitCount");
        QTest::newRow("time-out 0: half a second") << 0 << 50u;
        QTest::newRow("time-out 1 ms rounds up") << 1 << 51u;
        QTest::newRow("default time-out 1000 ms") << 1000 << 150u;
        QTest::newRow("time-out 95 ms") << 95 << 60u;
        QTest::newRow("negative time-out waits no step") << -800 << 0u;
    }
    // The connect helper turns the read time-out into a wait count; a read that hears nothing lasts
    // that many 10 ms steps.
    void readWaitsForTheWaitCount() {
        QFETCH(int, readTimeoutMs);
        QFETCH(uint, waitCount);
        QCOMPARE(BLEKoConnectableHelper::readWaitCount(readTimeoutMs), uint32_t(waitCount));

        Link link({controllerServiceScript()}, waitCount);
        QVERIFY(link.ready());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(text(link.ble->read()), std::string());
        const qint64 waitedMs = timer.elapsed();
        QVERIFY2(waitedMs >= qint64(waitCount) * 10 - 2, qPrintable(QString::number(waitedMs)));
        // One wait of the count's length, not for ever: at rest it overruns by a millisecond or
        // two, and the bound leaves a loaded machine two seconds.
        QVERIFY2(waitedMs < qint64(waitCount) * 10 + 2000, qPrintable(QString::number(waitedMs)));
    }

    void converserExchanges_data() {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<int>("ignoredWrites");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("timeouts");
        QTest::newRow("answered") << true << 0 << true << false << int(CmdRetType_::Ok) << 1 << 0;
        dataRow("answered on the resend", true, 1, true, false, int(CmdRetType_::Ok), 2, 0);
        dataRow("silent: every attempt, then one time-out", false, 0, true, false,
                int(CmdRetType_::Timeout), 3, 1);
        dataRow("not writable: no attempt, one time-out", true, 0, false, false,
                int(CmdRetType_::Timeout), 0, 1);
        QTest::newRow("cancelled")
            << true << 0 << true << true << int(CmdRetType_::Cancel) << 0 << 0;
    }
    void converserExchanges() {
        QFETCH(bool, answers);
        QFETCH(int, ignoredWrites);
        QFETCH(bool, writable);
        QFETCH(bool, cancelled);
        QFETCH(int, expected);
        QFETCH(int, writes);
        QFETCH(int, timeouts);
        auto script = controllerServiceScript();
        if (!writable)
            script.characteristics[0] = gattCharacteristic(0xc302, P::Read, false);
        Link link({script});
        QVERIFY(link.ready());
        FakeGattService& fake = *link.fakes.front();
        if (answers)
            fake.replies[":e1\r"] = "=0A0B80\r";
        fake.ignoreWrites = ignoredWrites;
        // A stale reply from an earlier exchange must not be taken for this one.
        fake.notify(uuid16(0xc306), "=stale\r");

        auto settings = quickLinkSettings();
        settings->setMaxRetryCount(2);
        auto token = std::make_shared<ControlledCancellable>();
        if (cancelled)
            token->cancel();
        BLEKoConverser converser(link.ble, settings, token);
        std::atomic<int> timeoutCount{0};
        connect(
            &converser, &IConverser::converseTimeout, this, [&] { ++timeoutCount; },
            Qt::DirectConnection);

        auto result = onThread([&] { return converser.converse(CBytes::fromCString(":e1\r")); });
        QTRY_VERIFY_WITH_TIMEOUT(isReady(result), 10000);
        const auto resp = result.get();
        QCOMPARE(int(resp.type), expected);
        if (expected == int(CmdRetType_::Ok))
            QCOMPARE(text(resp.value()), std::string("=0A0B80\r"));
        QCOMPARE(int(fake.requestsOf(0).size()), writes);
        QCOMPARE(timeoutCount.load(), timeouts);
    }
};

QTEST_GUILESS_MAIN(TestBLETransport)
#include "tst_bletransport.moc"
