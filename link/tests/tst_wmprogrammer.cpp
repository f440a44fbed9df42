#include "base/tests/datarow.h"
#include "link/tests/fakewifimodule.h"
#include "link/tests/udplinkrig.h"
#include "link/wifimodule/wififactory.h"
#include "link/wifimodule/wmprogrammer.h"
#include "link/wifimodule/wmprogrammerplanner.h"

#include <QTest>

using namespace Ko;

namespace {

constexpr const char* kPeer = "192.168.1.20";

// The programmer on the real UDP converser stack in front of the fake module.
struct WifiRig {
    explicit WifiRig(bool oldForm = false) {
        FakeWifiModule::Config c;
        c.oldForm = oldForm;
        module->setConfig(c);
        rig.fake.setHandler([m = module](const CBytes& r) { return m->answer(r); });
    }
    // Learns the module's form and forgets the probe.
    void probe() {
        QVERIFY(programmer->detectCommandForm());
        takeSent();
    }
    void config(const std::function<void(FakeWifiModule::Config&)>& change) {
        auto c = module->config();
        change(c);
        module->setConfig(c);
    }
    // The whole request texts received since the last call.
    QStringList takeSent() {
        QStringList out;
        for (const auto& r : rig.fake.requests())
            out << QString::fromStdString(text(r.bytes));
        rig.fake.clearRequests();
        return out;
    }

    UdpLinkRig rig{200};
    std::shared_ptr<FakeWifiModule> module = std::make_shared<FakeWifiModule>();
    std::shared_ptr<WMProgrammer> programmer = std::make_shared<WMProgrammer>(rig.link, kPeer);
};

WifiAPSetting apSetting(const std::string& ssid, const std::string& pass, int channel,
                        WifiSec_::E sec) {
    WifiAPSetting ap;
    ap.ssid = ssid;
    ap.pass = pass;
    ap.channel = channel;
    ap.wifiSec = sec;
    return ap;
}

} // namespace

class TstWMProgrammer : public QObject {
    Q_OBJECT
private slots:
    void commandForms_data() {
        QTest::addColumn<bool>("oldForm");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("sent");
        const auto both = [](const char* name, const char* op, QStringList newForm,
                             QStringList oldForm) {
            QTest::addRow("%s, new form", name) << false << op << newForm;
            QTest::addRow("%s, old form", name) << true << op << oldForm;
        };
        both("mode of a module in AP", "readMode", {"AT+CWMODE_CUR?\r\n"}, {"AT+CWMODE?\r\n"});
        both("mode Both asks the station address", "readMode Both",
             {"AT+CWMODE_CUR?\r\n", "AT+CIPSTA_CUR?\r\n"}, {"AT+CWMODE?\r\n", "AT+CIPSTA?\r\n"});
        both("access point", "readAPSetting", {"AT+CWSAP_CUR?\r\n"}, {"AT+CWSAP?\r\n"});
        both("station with DHCP", "readSTASetting", {"AT+CWJAP_DEF?\r\n", "AT+CWDHCP_DEF?\r\n"},
             {"AT+CWJAP?\r\n", "AT+CWDHCP?\r\n"});
        both("station with a fixed address", "readSTASetting fixed",
             {"AT+CWJAP_DEF?\r\n", "AT+CWDHCP_DEF?\r\n", "AT+CIPSTA_DEF?\r\n"},
             {"AT+CWJAP?\r\n", "AT+CWDHCP?\r\n", "AT+CIPSTA?\r\n"});
        both("access point address", "readAPAddress", {"AT+CIPAP_CUR?\r\n"}, {"AT+CIPAP?\r\n"});
        both("station address", "readSTAAddress", {"AT+CIPSTA_CUR?\r\n"}, {"AT+CIPSTA?\r\n"});
        both("running mode", "writeMode 3 current", {"AT+CWMODE_CUR=3\r\n"}, {"AT+CWMODE=3\r\n"});
        both("stored mode", "writeMode 1 stored", {"AT+CWMODE_DEF=1\r\n"}, {"AT+CWMODE=1\r\n"});
        both("access point write", "writeAPSetting",
             {"AT+CWSAP_DEF=\"Sky\",\"password\",11,3,4,0\r\n"},
             {"AT+CWSAP=\"Sky\",\"password\",11,3,4,0\r\n"});
        both("station write", "writeSTASetting", {"AT+CWJAP_DEF=\"home\",\"secret12\"\r\n"},
             {"AT+CWJAP=\"home\",\"secret12\"\r\n"});
        both("DHCP", "writeDHCP", {"AT+CWDHCP_DEF=1,1\r\n"}, {"AT+CWDHCP=1,1\r\n"});
        both("fixed address", "writeFixedIp", {"AT+CIPSTA_DEF=\"192.168.1.20\"\r\n"},
             {"AT+CIPSTA=\"192.168.1.20\"\r\n"});
    }
    // The fake answers a command of the wrong form with ERROR, so every operation must also
    // succeed.
    void commandForms() {
        QFETCH(bool, oldForm);
        QFETCH(QString, op);
        QFETCH(QStringList, sent);
        WifiRig w(oldForm);
        w.config([](auto& c) {
            c.mode = 3;
            c.staParams = "\"home\"";
            c.staAddress = "10.0.0.7";
        });
        w.probe();
        QCOMPARE(w.programmer->oldForm(), oldForm);

        bool ok = false;
        bool has = false;
        std::string address;
        WifiMode_::E mode{};
        WMState_::E state{};
        WifiAPSetting ap;
        WifiSTASetting sta;
        if (op == "readMode") {
            w.config([](auto& c) { c.mode = 2; });
            ok = w.programmer->readMode(mode, state) && mode == WifiMode_::AP;
        } else if (op == "readMode Both") {
            ok = w.programmer->readMode(mode, state) && state == WMState_::AD;
        } else if (op == "readAPSetting") {
            ok = w.programmer->readAPSetting(ap) && ap.ssid == "KoMount";
        } else if (op == "readSTASetting") {
            ok = w.programmer->readSTASetting(sta) && sta.ssid == "home" && sta.fixedIp.empty();
        } else if (op == "readSTASetting fixed") {
            w.config([](auto& c) {
                c.dhcp = 1;
                c.staFixedParams = "\"192.168.1.20\"";
                c.staAddress = "192.168.1.20";
            });
            ok = w.programmer->readSTASetting(sta) && sta.fixedIp == "192.168.1.20";
        } else if (op == "readAPAddress") {
            ok = w.programmer->readAPAddress(address) && address == "192.168.4.1";
        } else if (op == "readSTAAddress") {
            ok = w.programmer->readSTAAddress(has, address) && has && address == "10.0.0.7";
        } else if (op == "writeMode 3 current") {
            ok = w.programmer->writeMode(3, true);
        } else if (op == "writeMode 1 stored") {
            ok = w.programmer->writeMode(1, false);
        } else if (op == "writeAPSetting") {
            ok = w.programmer->writeAPSetting("Sky", "password", 11, 3);
        } else if (op == "writeSTASetting") {
            ok = w.programmer->writeSTASetting("home", "secret12");
        } else if (op == "writeDHCP") {
            ok = w.programmer->writeDHCP();
        } else if (op == "writeFixedIp") {
            ok = w.programmer->writeFixedIp("192.168.1.20");
        } else {
            QFAIL("unknown operation");
        }
        QVERIFY(ok);
        QCOMPARE(w.takeSent(), sent);
    }

    void probeSelectsTheForm() {
        WifiRig w(true);
        QVERIFY(!w.programmer->oldForm());
        QVERIFY(w.programmer->detectCommandForm());
        QCOMPARE(w.takeSent(), QStringList{"AT+CWMODE_CUR?\r\n"});
        QVERIFY(w.programmer->oldForm());

        // An unanswered probe fails and keeps the form learnt.
        w.rig.fake.setSilent(true);
        QVERIFY(!w.programmer->detectCommandForm());
        QVERIFY(w.programmer->oldForm());

        // "ERR" anywhere in the answer, not only as a whole line, marks the old form.
        WifiRig n;
        n.rig.fake.setReply("AT+CWMODE_CUR?\r\n", "busy p...\r\nERR CODE:0x01\r\n");
        QVERIFY(n.programmer->detectCommandForm());
        QVERIFY(n.programmer->oldForm());
        WifiRig m;
        QVERIFY(m.programmer->detectCommandForm());
        QVERIFY(!m.programmer->oldForm());
    }

    void writtenParametersAreEscaped_data() {
        QTest::addColumn<QByteArray>("ssid");
        QTest::addColumn<QByteArray>("pass");
        // Each parameter as it goes out; empty when it cannot be sent.
        QTest::addColumn<QByteArray>("ssidSent");
        QTest::addColumn<QByteArray>("passSent");
        QTest::newRow("quote, comma and slash")
            << QByteArray("a\"b,c/d") << QByteArray("pass,word") << QByteArray("\"a/\"b/,c//d\"")
            << QByteArray("\"pass/,word\"");
        QTest::newRow("place markers stay as they are")
            << QByteArray("50%1 off%2") << QByteArray("%1%1%1%1") << QByteArray("\"50%1 off%2\"")
            << QByteArray("\"%1%1%1%1\"");
        QTest::newRow("UTF-8 bytes unchanged") << QByteArray("S\xc3\xbc"
                                                             "d")
                                               << QByteArray("")
                                               << QByteArray("\"S\xc3\xbc"
                                                             "d\"")
                                               << QByteArray("\"\"");
        QTest::newRow("LF in the ssid") << QByteArray("a\nb") << QByteArray("password")
                                        << QByteArray() << QByteArray("\"password\"");
        QTest::newRow("CR in the ssid") << QByteArray("ab\r") << QByteArray("password")
                                        << QByteArray() << QByteArray("\"password\"");
        QTest::newRow("CR in the password")
            << QByteArray("ab") << QByteArray("pass\rword") << QByteArray("\"ab\"") << QByteArray();
    }
    // A write with a parameter that cannot be sent sends nothing; every other text comes back whole
    // through the module's read reply.
    void writtenParametersAreEscaped() {
        QFETCH(QByteArray, ssid);
        QFETCH(QByteArray, pass);
        QFETCH(QByteArray, ssidSent);
        QFETCH(QByteArray, passSent);
        WifiRig w;
        const std::string s = ssid.toStdString();
        const std::string p = pass.toStdString();
        const bool sendable = !ssidSent.isEmpty() && !passSent.isEmpty();

        QCOMPARE(w.programmer->writeSTASetting(s, p), sendable);
        QCOMPARE(w.programmer->writeAPSetting(s, p, 6, 0), sendable);
        QCOMPARE(w.programmer->writeFixedIp(s), !ssidSent.isEmpty());
        QStringList expected;
        const QString params = QString::fromUtf8(ssidSent + "," + passSent);
        if (sendable)
            expected << "AT+CWJAP_DEF=" + params + "\r\n"
                     << "AT+CWSAP_DEF=" + params + ",6,0,4,0\r\n";
        if (!ssidSent.isEmpty())
            expected << "AT+CIPSTA_DEF=" + QString::fromUtf8(ssidSent) + "\r\n";
        QCOMPARE(w.takeSent(), expected);
        if (!sendable)
            return;

        WifiAPSetting ap;
        QVERIFY(w.programmer->readAPSetting(ap));
        QCOMPARE(ap.ssid, s);
        QCOMPARE(ap.pass, p);
        WifiSTASetting sta;
        QVERIFY(w.programmer->readSTASetting(sta));
        QCOMPARE(sta.ssid, s);
        QCOMPARE(sta.fixedIp, s);
    }

    void accessPointReply_data() {
        QTest::addColumn<bool>("oldForm");
        // Empty: no answer at all.
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("ssid");
        QTest::addColumn<QByteArray>("pass");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("wifiSec");
        const QByteArray end = "\r\n\r\nOK\r\n";
        const auto row = [&](const char* name, bool oldForm, const QByteArray& value, bool ok,
                             const char* ssid = "", const char* pass = "", int channel = 0,
                             int sec = 0) {
            const QByteArray head = oldForm ? "+CWSAP:" : "+CWSAP_CUR:";
            QTest::newRow(name) << oldForm << head + value + end << ok << QByteArray(ssid)
                                << QByteArray(pass) << channel << sec;
        };
        row("quoted ssid and password, trailing numbers ignored", false,
            "\"Sky\",\"12345678\",6,3,4,0", true, "Sky", "12345678", 6, 3);
        row("empty password", false, "\"Sky\",\"\",1,0", true, "Sky", "", 1, 0);
        row("escaped quote, comma and slash", false, "\"a/\"b/,c//d\",\"\",6,0", true, "a\"b,c/d",
            "", 6, 0);
        row("unquoted fields", false, "Sky,,13,4", true, "Sky", "", 13, 4);
        row("32-character ssid", false, "\"" + QByteArray(32, 's') + "\",\"\",6,0", true,
            "ssssssssssssssssssssssssssssssss", "", 6, 0);
        row("64-character password", false, "\"Sky\",\"" + QByteArray(64, 'p') + "\",6,2", true,
            "Sky", "pppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppppp", 6, 2);
        row("old form: text after a closing quote ends the list", true, "\"Sky\",\"\",6,3,\"x\"y",
            true, "Sky", "", 6, 3);
        row("new form: text after a closing quote", false, "\"Sky\",\"\",6,3,\"x\"y", false);
        row("7-character password", false, "\"Sky\",\"1234567\",6,3", false);
        row("65-character password", false, "\"Sky\",\"" + QByteArray(65, 'p') + "\",6,3", false);
        row("empty ssid", false, "\"\",\"\",6,0", false);
        row("33-character ssid", false, "\"" + QByteArray(33, 's') + "\",\"\",6,0", false);
        row("security 1", false, "\"Sky\",\"\",6,1", false);
        row("security 5", false, "\"Sky\",\"\",6,5", false);
        row("channel not a number", false, "\"Sky\",\"\",x,0", false);
        row("three parameters", false, "\"Sky\",\"\",6", false);
        row("escape of another character", false, "\"S/ky\",\"\",6,0", false);
        row("pending escape at the end", false, "\"Sky\",\"\",6,0/", false);
        row("unescaped comma inside quotes", false, "\"S,ky\",\"\",6,0", false);
        row("quote inside an unquoted field", false, "S\"ky,\"\",6,0", false);
        row("open quote", false, "\"Sky\",\"\",6,\"0", false);
        QTest::newRow("value line after another line")
            << false << QByteArray("busy\r\n+CWSAP_CUR:\"Sky\",\"\",6,0" + end) << true
            << QByteArray("Sky") << QByteArray() << 6 << 0;
        QTest::newRow("value line without its CR LF")
            << false << QByteArray("+CWSAP_CUR:\"Sky\",\"\",6,0OK\r\n") << false << QByteArray()
            << QByteArray() << 0 << 0;
        QTest::newRow("OK without the final CR LF")
            << false << QByteArray("+CWSAP_CUR:\"Sky\",\"\",6,0\r\n\r\nOK") << false << QByteArray()
            << QByteArray() << 0 << 0;
        QTest::newRow("ERROR") << false << QByteArray("ERROR\r\n") << false << QByteArray()
                               << QByteArray() << 0 << 0;
        QTest::newRow("no answer")
            << false << QByteArray() << false << QByteArray() << QByteArray() << 0 << 0;
    }
    void accessPointReply() {
        QFETCH(bool, oldForm);
        QFETCH(QByteArray, reply);
        QFETCH(bool, ok);
        WifiRig w(oldForm);
        w.probe();
        const char* command = oldForm ? "AT+CWSAP?\r\n" : "AT+CWSAP_CUR?\r\n";
        if (reply.isEmpty())
            w.module->silence(command);
        else
            w.rig.fake.setReply(command, reply.toStdString());

        const WifiAPSetting before = apSetting("untouched", "untouched", 99, WifiSec_::WPA_PSK);
        WifiAPSetting ap = before;
        QCOMPARE(w.programmer->readAPSetting(ap), ok);
        if (!ok) {
            QCOMPARE(ap, before);
            return;
        }
        QFETCH(QByteArray, ssid);
        QFETCH(QByteArray, pass);
        QFETCH(int, channel);
        QFETCH(int, wifiSec);
        QCOMPARE(ap,
                 apSetting(ssid.toStdString(), pass.toStdString(), channel, WifiSec_::E(wifiSec)));
    }

    void modeAndState_data() {
        QTest::addColumn<QByteArray>("modeReply");
        QTest::addColumn<QByteArray>("staAddress");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("expectedMode");
        QTest::addColumn<int>("expectedState");
        const auto row = [](const char* name, const char* mode, const char* address, bool ok,
                            int m = 0, int s = 0) {
            QTest::newRow(name) << QByteArray(mode) << QByteArray(address) << ok << m << s;
        };
        row("AP", "2", "0.0.0.0", true, WifiMode_::AP, WMState_::AA);
        row("STA", "1", "10.0.0.7", true, WifiMode_::STA, WMState_::SS);
        row("Both, station without address", "3", "0.0.0.0", true, WifiMode_::Both, WMState_::Ad);
        row("Both, app on the station address", "3", kPeer, true, WifiMode_::Both, WMState_::SD);
        row("Both, station on another address", "3", "192.168.1.2", true, WifiMode_::Both,
            WMState_::AD);
        row("Both, peer address only as a prefix", "3", "192.168.1.201", true, WifiMode_::Both,
            WMState_::AD);
        row("Both, three-part station address", "3", "192.168.1", false);
        row("Both, five-part station address", "3", "1.2.3.4.5", false);
        row("Both, station address part above 255", "3", "192.168.1.256", false);
        row("Both, negative station address part", "3", "-1.168.1.2", false);
        row("Both, empty station address part", "3", "192..1.2", false);
        row("mode 0", "0", "0.0.0.0", false);
        row("mode 4", "4", "0.0.0.0", false);
        row("a trailing comma adds no parameter", "2,", "0.0.0.0", true, WifiMode_::AP,
            WMState_::AA);
        row("quoted mode", "\"2\"", "0.0.0.0", true, WifiMode_::AP, WMState_::AA);
        row("two parameters", "3,1", "0.0.0.0", false);
        row("not a number", "x", "0.0.0.0", false);
    }
    void modeAndState() {
        QFETCH(QByteArray, modeReply);
        QFETCH(QByteArray, staAddress);
        QFETCH(bool, ok);
        WifiRig w;
        w.config([&](auto& c) { c.staAddress = staAddress.toStdString(); });
        w.rig.fake.setReply("AT+CWMODE_CUR?\r\n",
                            "+CWMODE_CUR:" + modeReply.toStdString() + "\r\n\r\nOK\r\n");
        WifiMode_::E mode = WifiMode_::STA;
        WMState_::E state = WMState_::SD;
        QCOMPARE(w.programmer->readMode(mode, state), ok);
        if (!ok) {
            QCOMPARE(mode, WifiMode_::STA);
            QCOMPARE(state, WMState_::SD);
            return;
        }
        QFETCH(int, expectedMode);
        QFETCH(int, expectedState);
        QCOMPARE(int(mode), expectedMode);
        QCOMPARE(int(state), expectedState);
    }

    void stationSetting_data() {
        QTest::addColumn<QByteArray>("joined");
        QTest::addColumn<QByteArray>("dhcp");
        QTest::addColumn<QByteArray>("fixed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("ssid");
        QTest::addColumn<QByteArray>("fixedIp");
        const auto row = [](const char* name, const char* joined, const char* dhcp,
                            const char* fixed, bool ok, const char* ssid = "",
                            const char* fixedIp = "") {
            QTest::newRow(name) << QByteArray(joined) << QByteArray(dhcp) << QByteArray(fixed) << ok
                                << QByteArray(ssid) << QByteArray(fixedIp);
        };
        row("no network, DHCP", "", "3", "\"0.0.0.0\"", true, "", "");
        row("joined, DHCP bit alone", "\"home\",\"aa:bb:cc:dd:ee:ff\",6,-60", "2", "\"0.0.0.0\"",
            true, "home", "");
        row("joined, fixed address", "\"home\"", "1", "\"192.168.1.20\"", true, "home",
            "192.168.1.20");
        row("fixed address taken as it stands", "\"home\"", "0", "\"not an address\"", true, "home",
            "not an address");
        row("password in the reply is not taken", "\"home\",\"secret12\"", "3", "", true, "home",
            "");
        row("empty ssid", "\"\"", "3", "", false);
        row("33-character ssid", "\"sssssssssssssssssssssssssssssssss\"", "3", "", false);
        row("DHCP not a number", "\"home\"", "x", "", false);
        row("DHCP without parameters", "\"home\"", "", "", false);
        row("no fixed address", "\"home\"", "1", "", false);
    }
    void stationSetting() {
        QFETCH(QByteArray, joined);
        QFETCH(QByteArray, dhcp);
        QFETCH(QByteArray, fixed);
        QFETCH(bool, ok);
        WifiRig w;
        w.config([&](auto& c) {
            c.staParams = joined.toStdString();
            c.staFixedParams = fixed.toStdString();
        });
        w.rig.fake.setReply("AT+CWDHCP_DEF?\r\n",
                            "+CWDHCP_DEF:" + dhcp.toStdString() + "\r\n\r\nOK\r\n");
        if (fixed.isEmpty())
            w.rig.fake.setReply("AT+CIPSTA_DEF?\r\n", "ERROR\r\n");

        WifiSTASetting sta{"untouched", "untouched", "untouched"};
        const WifiSTASetting before = sta;
        QCOMPARE(w.programmer->readSTASetting(sta), ok);
        if (!ok) {
            QCOMPARE(sta, before);
            return;
        }
        QFETCH(QByteArray, ssid);
        QFETCH(QByteArray, fixedIp);
        QCOMPARE(sta, (WifiSTASetting{ssid.toStdString(), "", fixedIp.toStdString()}));
    }

    // A failed read tells a module that refused (its error line, or an error frame from the link
    // in place of its text) from one that stayed silent; each command says it afresh.
    void failedReadTellsRefusalFromSilence_data() {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("replied");
        const QByteArray mode = "+CWMODE_CUR:2\r\n\r\nOK\r\n";
        dataRow("read", mode, mode, true, true);
        dataRow("the module's error line", mode, QByteArray("ERROR\r\n"), false, true);
        dataRow("an error frame", mode, QByteArray("!0\r"), false, true);
        dataRow("a reply without OK", mode, QByteArray("+CWMODE_CUR:2\r\n"), false, true);
        dataRow("silence", mode, QByteArray(), false, false);
        dataRow("silence after a refusal", QByteArray("ERROR\r\n"), QByteArray(), false, false);
        dataRow("a refusal after silence", QByteArray(), QByteArray("ERROR\r\n"), false, true);
    }
    void failedReadTellsRefusalFromSilence() {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(bool, ok);
        QFETCH(bool, replied);
        WifiRig w;
        WifiMode_::E mode = WifiMode_::STA;
        WMState_::E state = WMState_::SD;
        const auto answer = [&](const QByteArray& reply) {
            w.rig.fake.setSilent(reply.isEmpty());
            w.rig.fake.clearReplies();
            if (!reply.isEmpty())
                w.rig.fake.setReply("AT+CWMODE_CUR?\r\n", reply.toStdString());
        };
        answer(first);
        w.programmer->readMode(mode, state);
        answer(second);
        QCOMPARE(w.programmer->readMode(mode, state), ok);
        QCOMPARE(w.programmer->lastReplied(), replied);
    }

    // The factory's probe decides the form every later command takes; a write that cuts the link
    // (here the final stored mode STA, left unanswered) still completes the request.
    void factoryPlannerProgramsTheModuleOverTheLink() {
        WifiRig w(true);
        w.module->silence("AT+CWMODE=1");
        const auto planner = WifiFactory().create(w.rig.link, kPeer);
        QCOMPARE(w.takeSent(), QStringList{"AT+CWMODE_CUR?\r\n"});

        const Nullable<WifiSetting> current = planner->readAll();
        QVERIFY(current.hasValue());
        QCOMPARE(w.takeSent(), (QStringList{"AT+CWMODE?\r\n", "AT+CWSAP?\r\n"}));
        QCOMPARE(current.value().mode, WifiMode_::AP);
        QCOMPARE(current.value().state, Nullable<WMState_::E>(WMState_::AA));
        QCOMPARE(current.value().ap.value(), apSetting("KoMount", "", 6, WifiSec_::Open));
        QVERIFY(!current.value().sta.hasValue());

        WifiSetting want;
        want.mode = WifiMode_::STA;
        want.sta = WifiSTASetting{"home", "secret12", "192.168.1.20"};
        const WMWriteResult result = planner->apply(false, current.value(), want);
        QCOMPARE(
            w.takeSent(),
            (QStringList{"AT+CWMODE=3\r\n", "AT+CWMODE=3\r\n", "AT+CIPSTA=\"192.168.1.20\"\r\n",
                         "AT+CWJAP=\"home\",\"secret12\"\r\n", "AT+CWMODE=1\r\n"}));
        QCOMPARE(result, (WMWriteResult{true, true, true, WifiMode_::STA}));
        const auto module = w.module->config();
        QCOMPARE(module.mode, 3);
        QCOMPARE(module.storedMode, 3);
        QCOMPARE(module.staParams, std::string("\"home\",\"secret12\""));
        QCOMPARE(module.dhcp & 2, 0);

        QVERIFY(planner->writeMode());
        QCOMPARE(w.takeSent(), QStringList{"AT+CWMODE=3\r\n"});
    }
};

QTEST_GUILESS_MAIN(TstWMProgrammer)
#include "tst_wmprogrammer.moc"
