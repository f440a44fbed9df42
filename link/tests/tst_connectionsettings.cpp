#include "base/qtkvstore.h"
#include "base/tests/scratchsettings.h"
#include "link/connectionsettings.h"

#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace Ko;

namespace {
std::shared_ptr<QtKVStore> memoryStore() {
    return std::make_shared<QtKVStore>("", nullptr);
}
} // namespace

class TestConnectionSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerConnectionSettingsQmlTypes("Ko.Quorvel", 1, 0); }

    void freshStoreGivesDefaults() {
        for (auto store : {memoryStore(), std::shared_ptr<QtKVStore>()}) {
            ConnectionSettings s(store);
            QCOMPARE(s.type(), ConnectionType_::UDP);
            QCOMPARE(s.maxRetryCount(), 2);
            QCOMPARE(s.readTimeoutMs_other(), 200);
            QCOMPARE(s.readTimeoutMs_BLE(), 1000);
            QCOMPARE(s.discoveryTimeoutMs_BLE(), 500);
            QCOMPARE(s.searchIP(), true);
            QCOMPARE(s.fixedIP(), std::string("192.168.4.1"));
            QCOMPARE(s.serialPortName(), std::string());
            QCOMPARE(s.dualModeChoice(), DualModeChoice_::PromptMode);
            QCOMPARE(s.connectAtLaunch(), false);
            QVERIFY(s.serialPortSupported());
            QVERIFY(s.serialPortNeedsPortName());
            QVERIFY(s.foundSerialPorts().empty());
        }
    }

    void everySettingUsesItsKey() {
        auto store = memoryStore();
        ConnectionSettings s(store);
        s.setDualModeChoice(DualModeChoice_::UseAZ);
        s.setConnectAtLaunch(true);
        s.setType(ConnectionType_::BLE);
        s.setReadTimeoutMs_other(300);
        s.setMaxRetryCount(5);
        s.setSearchIP(false);
        s.setFixedIP("10.0.0.7");
        s.setSerialPortName("/dev/ttyUSB0");
        s.setDiscoveryTimeoutMs_BLE(700);
        s.setReadTimeoutMs_BLE(1500);
        // The two "swapped" key names are kept: existing files rely on them.
        QCOMPARE(store->json(), (QJsonObject{{"connect_multi_mountmode", 2},
                                             {"connect_at_start", true},
                                             {"cxn.commtype", 3},
                                             {"cxn.resends", 300},
                                             {"cxn.timeoutms", 5},
                                             {"cxn.dosearch", false},
                                             {"cxn.ip", "10.0.0.7"},
                                             {"cxn.serialname", "/dev/ttyUSB0"},
                                             {"cxn.discoverytimeoutms_ble", 700},
                                             {"cxn.timeoutms_ble", 1500}}));
    }

    void valuesSurviveRestart() {
        ScratchSettings scratch;
        QVERIFY(scratch.isValid());
        {
            ConnectionSettings s(scratch.makeStore());
            s.setType(ConnectionType_::Serial);
            s.setSerialPortName("/dev/ttyACM0");
            s.setReadTimeoutMs_BLE(-800);
        }
        ConnectionSettings s(scratch.makeStore());
        QCOMPARE(s.type(), ConnectionType_::Serial);
        QCOMPARE(s.serialPortName(), std::string("/dev/ttyACM0"));
        QCOMPARE(s.readTimeoutMs_BLE(), 800);
    }

    void negativeNumbersStoredRawReadAbsolute() {
        auto store = memoryStore();
        ConnectionSettings s(store);
        QSignalSpy spy(&s, &IConnectionSettings::valueChanged);
        s.setMaxRetryCount(-3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(store->loadInt("cxn.timeoutms", 0), -3);
        QCOMPARE(s.maxRetryCount(), 3);
        // The comparison is against the raw value, so +3 is a change.
        s.setMaxRetryCount(3);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(store->loadInt("cxn.timeoutms", 0), 3);

        store->saveInt("cxn.resends", std::numeric_limits<int>::min());
        // The one int without a positive counterpart reads as the largest.
        QCOMPARE(ConnectionSettings(store).readTimeoutMs_other(), std::numeric_limits<int>::max());
    }

    void resendOverrideIsNeverStored() {
        auto store = memoryStore();
        ConnectionSettings s(store);
        s.setMaxRetryCount(4);
        const QJsonObject before = store->json();
        QSignalSpy spy(&s, &IConnectionSettings::valueChanged);
        QCOMPARE(s.resendCount(), 4);
        s.setResendCountOverride(0);
        QCOMPARE(s.resendCount(), 0);
        // The user's value stays what the settings page shows and what a restart finds.
        QCOMPARE(s.maxRetryCount(), 4);
        QCOMPARE(store->json(), before);
        QCOMPARE(ConnectionSettings(store).resendCount(), 4);
        s.setMaxRetryCount(6);
        QCOMPARE(s.resendCount(), 0);
        s.setResendCountOverride({});
        QCOMPARE(s.resendCount(), 6);
        QCOMPARE(spy.count(), 1);
    }

    void writingCurrentValueDoesNothing() {
        auto store = memoryStore();
        ConnectionSettings s(store);
        QSignalSpy spy(&s, &IConnectionSettings::valueChanged);
        s.setFixedIP("192.168.4.1");
        s.setMaxRetryCount(2);
        s.setSearchIP(true);
        s.setType(ConnectionType_::UDP);
        s.setSerialPortName("");
        QCOMPARE(spy.count(), 0);
        QVERIFY(store->json().isEmpty());
        s.setFixedIP("192.168.4.2");
        s.setFixedIP("192.168.4.2");
        QCOMPARE(spy.count(), 1);
    }

    void storedTypeReadsAsStored_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("udp") << 0 << 0;
        QTest::newRow("emulator") << 1 << 1;
        QTest::newRow("serial supported") << 2 << 2;
        QTest::newRow("ble") << 3 << 3;
        QTest::newRow("unknown stays for the helper selection") << 7 << 7;
        QTest::newRow("wrong type") << -1 << 0;
    }
    void storedTypeReadsAsStored() {
        QFETCH(int, stored);
        QFETCH(int, expected);
        auto store = memoryStore();
        if (stored >= 0)
            store->saveInt("cxn.commtype", stored);
        else
            store->saveString("cxn.commtype", "2");
        QCOMPARE(int(ConnectionSettings(store).type()), expected);
    }

    void detectSerialPortsAlwaysAnnounces() {
        ConnectionSettings s(memoryStore());
        QSignalSpy spy(&s, &IConnectionSettings::foundSerialPortsChanged);
        QSignalSpy values(&s, &IConnectionSettings::valueChanged);
        s.detectSerialPorts();
        s.detectSerialPorts();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(values.count(), 0);
        QVERIFY(s.foundSerialPorts().empty());
    }

    void workerThreadsReadWhileGuiWrites() {
        auto store = memoryStore();
        ConnectionSettings s(store);
        std::atomic<bool> stop{false};
        std::atomic<int> bad{0};
        std::vector<std::thread> readers;
        for (int t = 0; t < 3; ++t)
            readers.emplace_back([&] {
                while (!stop) {
                    const int r = s.maxRetryCount();
                    if (r < 2 || r > 101)
                        ++bad;
                    const std::string ip = s.fixedIP();
                    if (ip.rfind("10.0.0.", 0) != 0 && ip != "192.168.4.1")
                        ++bad;
                }
            });
        for (int i = 0; i < 100; ++i) {
            s.setMaxRetryCount(2 + i);
            s.setFixedIP("10.0.0." + std::to_string(i));
        }
        stop = true;
        for (auto& r : readers)
            r.join();
        QCOMPARE(bad.load(), 0);
        QCOMPARE(store->loadString("cxn.ip", ""), std::string("10.0.0.99"));
    }

    void qmlReadsAndWritesEveryProperty() {
        auto store = memoryStore();
        auto s = std::make_shared<ConnectionSettings>(store);
        QQmlEngine engine;
        engine.rootContext()->setContextProperty("inj_connectSettings", s.get());
        const auto eval = [&](const QString& js) {
            QQmlExpression e(engine.rootContext(), nullptr, js);
            const QVariant v = e.evaluate();
            if (e.hasError())
                qWarning() << e.error().toString();
            return v;
        };
        QSignalSpy spy(s.get(), &IConnectionSettings::valueChanged);

        // Enumerations are known to QML through the registered module.
        qmlRegisterType<QObject>("TestSupport", 1, 0, "Plain");
        QQmlComponent component(&engine);
        component.setData("import Ko.Quorvel 1.0\nimport TestSupport 1.0\nPlain {"
                          " property int ble: ConnectionType.BLE;"
                          " property int useEq: DualModeChoice.UseEQ }",
                          QUrl());
        std::unique_ptr<QObject> obj(component.create());
        QVERIFY2(obj, qPrintable(component.errorString()));
        QCOMPARE(obj->property("ble").toInt(), 3);
        QCOMPARE(obj->property("useEq").toInt(), 1);

        const struct {
            const char* property;
            const char* jsValue;
            QVariant expected;
        } cases[] = {
            {"dualModeChoice", "2", 2},
            {"connectAtLaunch", "true", true},
            {"type", "3", 3},
            {"readTimeoutMs_other", "350", 350},
            {"maxRetryCount", "7", 7},
            {"searchIP", "false", false},
            {"fixedIP", "'10.1.2.3'", "10.1.2.3"},
            {"serialPortName", "'COM3'", "COM3"},
            {"discoveryTimeoutMs_BLE", "900", 900},
            {"readTimeoutMs_BLE", "1200", 1200},
        };
        int expectedSignals = 0;
        for (const auto& c : cases) {
            const QString prop = QString("inj_connectSettings.") + c.property;
            eval(prop + " = " + c.jsValue);
            ++expectedSignals;
            QCOMPARE(spy.count(), expectedSignals);
            const QVariant read = eval(prop);
            if (c.expected.typeId() == QMetaType::Int)
                QCOMPARE(read.toInt(), c.expected.toInt());
            else
                QCOMPARE(read.toString(), c.expected.toString());
        }
        QCOMPARE(s->dualModeChoice(), DualModeChoice_::UseAZ);
        QCOMPARE(s->type(), ConnectionType_::BLE);
        QCOMPARE(s->fixedIP(), std::string("10.1.2.3"));
        QCOMPARE(store->loadString("cxn.serialname", ""), std::string("COM3"));
        QCOMPARE(eval("inj_connectSettings.serialPortSupported").toBool(), true);
        QCOMPARE(eval("inj_connectSettings.serialPortNeedsPortName").toBool(), true);
        QCOMPARE(eval("inj_connectSettings.foundSerialPorts.length").toInt(), 0);
        QSignalSpy found(s.get(), &IConnectionSettings::foundSerialPortsChanged);
        eval("inj_connectSettings.detectSerialPorts()");
        QCOMPARE(found.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestConnectionSettings)
#include "tst_connectionsettings.moc"
