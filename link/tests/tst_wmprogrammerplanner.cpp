#include "base/cancellable.h"
#include "base/tests/datarow.h"
#include "link/wifimodule/iwmprogrammer.h"
#include "link/wifimodule/wmprogrammerplanner.h"

#include <QTest>

#include <stdexcept>
#include <utility>

using namespace Ko;

namespace {

// Records every call as one line; a call whose line is listed in failing returns false, as a
// refusal of the module, or as silence when it is also listed in silent.
class FakeWMProgrammer : public IWMProgrammer {
public:
    QStringList calls;
    QStringList failing;
    QStringList silent;
    WifiMode_::E mode = WifiMode_::AP;
    WMState_::E state = WMState_::AA;
    WifiAPSetting ap;
    WifiSTASetting sta;

    bool detectCommandForm() override { return record("detectCommandForm"); }
    bool readMode(WifiMode_::E& m, WMState_::E& s) override {
        if (!record("readMode"))
            return false;
        m = mode;
        s = state;
        return true;
    }
    bool readAPSetting(WifiAPSetting& setting) override {
        if (!record("readAPSetting"))
            return false;
        setting = ap;
        return true;
    }
    bool readSTASetting(WifiSTASetting& setting) override {
        if (!record("readSTASetting"))
            return false;
        setting = sta;
        return true;
    }
    bool readAPAddress(std::string&) override { return record("readAPAddress"); }
    bool readSTAAddress(bool&, std::string&) override { return record("readSTAAddress"); }
    bool writeMode(int m, bool current) override {
        return record(QString("writeMode %1 %2").arg(m).arg(current ? "running" : "stored"));
    }
    bool writeAPSetting(const std::string& ssid, const std::string& pass, int channel,
                        int wifiSec) override {
        return record(QString("writeAPSetting %1 %2 %3 %4")
                          .arg(QString::fromStdString(ssid), QString::fromStdString(pass))
                          .arg(channel)
                          .arg(wifiSec));
    }
    bool writeSTASetting(const std::string& ssid, const std::string& pass) override {
        return record(QString("writeSTASetting %1 %2")
                          .arg(QString::fromStdString(ssid), QString::fromStdString(pass)));
    }
    bool writeDHCP() override { return record("writeDHCP"); }
    bool writeFixedIp(const std::string& address) override {
        return record("writeFixedIp " + QString::fromStdString(address));
    }

    bool lastReplied() const override { return m_replied; }

private:
    bool record(const QString& call) {
        calls << call;
        m_replied = !silent.contains(call);
        return !failing.contains(call);
    }

    bool m_replied = false;
};

// Stands in for the clock of a cancellable wait: records each wait and returns at once, reporting
// cancellation as told.
class FakeSleepToken : public ICancellable {
public:
    explicit FakeSleepToken(bool cancelled) : m_cancelled(cancelled) {}
    bool isCancelled() override { return m_cancelled; }
    bool sleep(int64_t ms) override {
        sleeps << ms;
        return m_cancelled;
    }
    QList<int64_t> sleeps;

private:
    bool m_cancelled;
};

const WifiAPSetting kAp{"KoMount", "", 6, WifiSec_::Open};
const WifiAPSetting kNewAp{"Sky", "password", 11, WifiSec_::WPA2_PSK};
const WifiSTASetting kStaDhcp{"home", "", ""};
const WifiSTASetting kStaFixed{"home", "", "192.168.1.20"};
const WifiSTASetting kWantDhcp{"home", "secret12", ""};
const WifiSTASetting kWantFixed{"home", "secret12", "192.168.1.20"};
const Nullable<WifiAPSetting> kNoAp;
const Nullable<WifiSTASetting> kNoSta;

// A setting as read from a module in the given state.
WifiSetting read(WMState_::E state, Nullable<WifiAPSetting> ap, Nullable<WifiSTASetting> sta) {
    WifiSetting s;
    s.mode = state == WMState_::AA   ? WifiMode_::AP
             : state == WMState_::SS ? WifiMode_::STA
                                     : WifiMode_::Both;
    s.state = state;
    s.ap = std::move(ap);
    s.sta = std::move(sta);
    return s;
}

WifiSetting want(WifiMode_::E mode, Nullable<WifiAPSetting> ap, Nullable<WifiSTASetting> sta) {
    WifiSetting s;
    s.mode = mode;
    s.ap = std::move(ap);
    s.sta = std::move(sta);
    return s;
}

QString planText(const Nullable<std::vector<WMStep>>& plan) {
    if (!plan.hasValue())
        return "refused";
    static const char* kinds[] = {"ModeAP",    "ModeSTA",    "ModeBoth",
                                  "APSetting", "STASetting", "STAAddress"};
    static const char* resps[] = {"Reply", "MayTimeout", "Disconnect", "NA"};
    static const char* states[] = {"AA", "Ad", "AD", "SD", "SS"};
    QStringList out;
    for (const WMStep& s : plan.value())
        out << QString("%1/%2/%3").arg(kinds[int(s.kind)], resps[int(s.resp)], states[s.next]);
    return out.join(' ');
}

WMWriteResult result(bool ok, bool allDone, bool staWritten,
                     Nullable<WifiMode_::E> needConnect = {}) {
    return WMWriteResult{ok, allDone, staWritten, needConnect};
}

} // namespace

class TstWMProgrammerPlanner : public QObject {
    Q_OBJECT
private slots:
    void plan_data() {
        QTest::addColumn<WifiSetting>("current");
        QTest::addColumn<WifiSetting>("requested");
        QTest::addColumn<bool>("staWritten");
        QTest::addColumn<QString>("plan");
        dataRow("AA, Both with station", read(WMState_::AA, kAp, kNoSta),
                want(WifiMode_::Both, kNoAp, kWantDhcp), false,
                "ModeBoth/Reply/Ad STAAddress/Reply/Ad STASetting/MayTimeout/Ad");
        dataRow("AA, Both with access point and station", read(WMState_::AA, kAp, kNoSta),
                want(WifiMode_::Both, kNewAp, kWantDhcp), false,
                "ModeBoth/Reply/Ad STAAddress/Reply/Ad STASetting/MayTimeout/Ad "
                "APSetting/Disconnect/Ad");
        dataRow("SS, AP with access point", read(WMState_::SS, kNoAp, kStaDhcp),
                want(WifiMode_::AP, kNewAp, kNoSta), false,
                "ModeBoth/Reply/SD APSetting/Reply/SD ModeAP/Disconnect/AA");
        dataRow(
            "AA, STA with station", read(WMState_::AA, kAp, kNoSta),
            want(WifiMode_::STA, kNoAp, kWantDhcp), false,
            "ModeBoth/Reply/Ad STAAddress/Reply/Ad STASetting/MayTimeout/Ad ModeSTA/Disconnect/SS");
        dataRow("AD, Both with a new fixed address, station written",
                read(WMState_::AD, kAp, kStaDhcp), want(WifiMode_::Both, kAp, kWantFixed), true,
                "STAAddress/Reply/AD");
        dataRow("AD, Both unchanged, station written", read(WMState_::AD, kAp, kStaFixed),
                want(WifiMode_::Both, kAp, kWantFixed), true, "");
        dataRow("AA, AP unchanged stores AP", read(WMState_::AA, kAp, kNoSta),
                want(WifiMode_::AP, kAp, kNoSta), false, "ModeAP/Reply/AA");
        dataRow("AA, AP on another channel", read(WMState_::AA, kAp, kNoSta),
                want(WifiMode_::AP, WifiAPSetting{"KoMount", "", 11, WifiSec_::Open}, kNoSta),
                false, "APSetting/Disconnect/AA");
        dataRow("SD, Both with the same address, station not written",
                read(WMState_::SD, kAp, kStaFixed), want(WifiMode_::Both, kAp, kWantFixed), false,
                "STASetting/Disconnect/SD");
        dataRow("SD, two cutting steps keep kind order", read(WMState_::SD, kAp, kStaDhcp),
                want(WifiMode_::Both, kAp, kWantFixed), false,
                "STASetting/Disconnect/SD STAAddress/Disconnect/SD");
        dataRow("SD, STA", read(WMState_::SD, kAp, kStaDhcp),
                want(WifiMode_::STA, kNoAp, kWantDhcp), true, "ModeSTA/Reply/SS");
        dataRow("SD, AP", read(WMState_::SD, kAp, kStaDhcp), want(WifiMode_::AP, kAp, kNoSta), true,
                "ModeAP/Disconnect/AA");
        dataRow("SS, STA with a new address", read(WMState_::SS, kNoAp, kStaDhcp),
                want(WifiMode_::STA, kNoAp, kWantFixed), true, "STAAddress/Disconnect/SS");
        dataRow("SS, Both with access point", read(WMState_::SS, kNoAp, kStaDhcp),
                want(WifiMode_::Both, kNewAp, kWantDhcp), true,
                "ModeBoth/Reply/SD APSetting/Reply/SD");
        dataRow("AD, STA", read(WMState_::AD, kAp, kStaDhcp),
                want(WifiMode_::STA, kNoAp, kWantDhcp), true, "ModeSTA/Disconnect/SS");
        dataRow("AD, Both with a new access point and address", read(WMState_::AD, kAp, kStaDhcp),
                want(WifiMode_::Both, kNewAp, kWantFixed), true,
                "STAAddress/Reply/AD APSetting/Disconnect/AD");
        dataRow("Ad, AP", read(WMState_::Ad, kAp, kStaDhcp), want(WifiMode_::AP, kAp, kNoSta), true,
                "ModeAP/Reply/AA");
        dataRow("Ad, STA has no safe order", read(WMState_::Ad, kAp, kStaDhcp),
                want(WifiMode_::STA, kNoAp, kWantDhcp), true, "refused");
        dataRow("Ad, STA with a new address: an allowed first step is no way on",
                read(WMState_::Ad, kAp, kStaDhcp), want(WifiMode_::STA, kNoAp, kWantFixed), true,
                "refused");
    }
    void plan() {
        QFETCH(WifiSetting, current);
        QFETCH(WifiSetting, requested);
        QFETCH(bool, staWritten);
        QFETCH(QString, plan);
        QCOMPARE(planText(WMProgrammerPlanner::plan(staWritten, current, requested)), plan);
    }

    void apply_data() {
        QTest::addColumn<WifiSetting>("current");
        QTest::addColumn<WifiSetting>("requested");
        QTest::addColumn<bool>("staWritten");
        QTest::addColumn<QStringList>("failing");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<WMWriteResult>("result");
        QTest::addColumn<int>("waits");
        const QString both1 = "writeMode 3 running";
        const QString both2 = "writeMode 3 stored";
        const QString station = "writeSTASetting home secret12";
        const QString accessPoint = "writeAPSetting Sky password 11 3";
        const WifiSetting fromAA = read(WMState_::AA, kAp, kNoSta);
        const WMWriteResult failed = result(false, false, false);

        dataRow("all answered", fromAA, want(WifiMode_::Both, kNoAp, kWantDhcp), false,
                QStringList(), false, QStringList{both1, both2, "writeDHCP", station},
                result(true, true, true), 0);
        dataRow("unanswered station write waits, then goes on", fromAA,
                want(WifiMode_::STA, kNoAp, kWantDhcp), false, QStringList{station}, false,
                QStringList{both1, both2, "writeDHCP", station, "writeMode 1 stored"},
                result(true, true, true, WifiMode_::STA), 1);
        dataRow("cancelled wait ends the write", fromAA, want(WifiMode_::STA, kNoAp, kWantDhcp),
                false, QStringList{station}, true, QStringList{both1, both2, "writeDHCP", station},
                failed, 1);
        dataRow("failed running Both sends no stored Both", fromAA,
                want(WifiMode_::Both, kNoAp, kWantDhcp), false, QStringList{both1}, false,
                QStringList{both1}, failed, 0);
        dataRow("failed stored Both", fromAA, want(WifiMode_::Both, kNoAp, kWantDhcp), false,
                QStringList{both2}, false, QStringList{both1, both2}, failed, 0);
        dataRow("failed address write stops", fromAA, want(WifiMode_::Both, kNoAp, kWantDhcp),
                false, QStringList{"writeDHCP"}, false, QStringList{both1, both2, "writeDHCP"},
                failed, 0);
        dataRow("cutting step with steps left", read(WMState_::SD, kAp, kStaDhcp),
                want(WifiMode_::Both, kAp, kWantFixed), false, QStringList(), false,
                QStringList{station}, result(true, false, true, WifiMode_::STA), 0);
        dataRow("the rest after reconnecting", read(WMState_::SD, kAp, kStaDhcp),
                want(WifiMode_::Both, kAp, kWantFixed), true, QStringList(), false,
                QStringList{"writeFixedIp 192.168.1.20"}, result(true, true, false, WifiMode_::STA),
                0);
        dataRow("unanswered cutting step still succeeds", read(WMState_::SD, kAp, kStaFixed),
                want(WifiMode_::Both, kAp, kWantFixed), false, QStringList{station}, false,
                QStringList{station}, result(true, true, true, WifiMode_::STA), 0);
        dataRow("leaving the station network", read(WMState_::SS, kNoAp, kStaDhcp),
                want(WifiMode_::AP, kNewAp, kNoSta), false, QStringList(), false,
                QStringList{both1, both2, accessPoint, "writeMode 2 stored"},
                result(true, true, false, WifiMode_::AP), 0);
        dataRow("access point written last", fromAA, want(WifiMode_::Both, kNewAp, kWantDhcp),
                false, QStringList(), false,
                QStringList{both1, both2, "writeDHCP", station, accessPoint},
                result(true, true, true, WifiMode_::AP), 0);
        dataRow("nothing to write", read(WMState_::AD, kAp, kStaFixed),
                want(WifiMode_::Both, kAp, kWantFixed), true, QStringList(), false, QStringList(),
                result(true, true, false), 0);
        dataRow("AP unchanged stores AP", fromAA, want(WifiMode_::AP, kAp, kNoSta), false,
                QStringList(), false, QStringList{"writeMode 2 stored"}, result(true, true, false),
                0);
        dataRow("no safe order sends nothing", read(WMState_::Ad, kAp, kStaDhcp),
                want(WifiMode_::STA, kNoAp, kWantFixed), true, QStringList(), false, QStringList(),
                failed, 0);
    }
    // The wait sleeps on the token current on the calling thread, not on the planner's fallback.
    void apply() {
        QFETCH(WifiSetting, current);
        QFETCH(WifiSetting, requested);
        QFETCH(bool, staWritten);
        QFETCH(QStringList, failing);
        QFETCH(bool, cancelled);
        QFETCH(QStringList, calls);
        QFETCH(WMWriteResult, result);
        QFETCH(int, waits);
        auto programmer = std::make_shared<FakeWMProgrammer>();
        programmer->failing = failing;
        auto fallback = std::make_shared<FakeSleepToken>(false);
        auto token = std::make_shared<FakeSleepToken>(cancelled);
        auto context = std::make_shared<TCCancellable>(fallback);
        context->setCurrent(token);
        WMProgrammerPlanner planner(programmer, context);

        const WMWriteResult got = planner.apply(staWritten, current, requested);
        context->setCurrent(nullptr);
        QCOMPARE(programmer->calls, calls);
        QCOMPARE(got.ok, result.ok);
        QCOMPARE(got.allDone, result.allDone);
        QCOMPARE(got.staWritten, result.staWritten);
        QCOMPARE(got.needConnect, result.needConnect);
        QCOMPARE(token->sleeps, QList<int64_t>(waits, WMProgrammerPlanner::kStaJoinWaitMs));
        QVERIFY(fallback->sleeps.isEmpty());
    }

    void readAll_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("read");
        // "refused": the module replied to the read that failed; otherwise it was silent.
        QTest::addColumn<bool>("refused");
        dataRow("AP", int(WifiMode_::AP), "", QStringList{"readMode", "readAPSetting"}, true,
                false);
        dataRow("STA", int(WifiMode_::STA), "", QStringList{"readMode", "readSTASetting"}, true,
                false);
        dataRow("Both", int(WifiMode_::Both), "",
                QStringList{"readMode", "readAPSetting", "readSTASetting"}, true, false);
        dataRow("mode unread", int(WifiMode_::Both), "readMode", QStringList{"readMode"}, false,
                false);
        dataRow("access point unread", int(WifiMode_::Both), "readAPSetting",
                QStringList{"readMode", "readAPSetting"}, false, false);
        dataRow("station unread", int(WifiMode_::Both), "readSTASetting",
                QStringList{"readMode", "readAPSetting", "readSTASetting"}, false, false);
        dataRow("mode refused", int(WifiMode_::Both), "readMode", QStringList{"readMode"}, false,
                true);
        dataRow("access point refused", int(WifiMode_::Both), "readAPSetting",
                QStringList{"readMode", "readAPSetting"}, false, true);
        dataRow("station refused", int(WifiMode_::Both), "readSTASetting",
                QStringList{"readMode", "readAPSetting", "readSTASetting"}, false, true);
    }
    void readAll() {
        QFETCH(int, mode);
        QFETCH(QString, failing);
        QFETCH(QStringList, calls);
        QFETCH(bool, read);
        QFETCH(bool, refused);
        auto programmer = std::make_shared<FakeWMProgrammer>();
        programmer->failing = QStringList{failing};
        if (!refused)
            programmer->silent = QStringList{failing};
        programmer->mode = WifiMode_::E(mode);
        programmer->state = WMState_::SD;
        programmer->ap = kNewAp;
        programmer->sta = kStaFixed;
        WMProgrammerPlanner planner(
            programmer, std::make_shared<TCCancellable>(std::make_shared<FakeSleepToken>(false)));

        // A refusal is not carried over to a read that follows it.
        programmer->failing = QStringList{"readMode"};
        const QStringList silent = std::exchange(programmer->silent, {});
        QVERIFY(!planner.readAll().hasValue());
        QVERIFY(planner.lastReadRefused());
        programmer->failing = QStringList{failing};
        programmer->silent = silent;
        programmer->calls.clear();

        const Nullable<WifiSetting> got = planner.readAll();
        QCOMPARE(programmer->calls, calls);
        QCOMPARE(got.hasValue(), read);
        QCOMPARE(planner.lastReadRefused(), refused);
        if (!read)
            return;
        WifiSetting expected;
        expected.mode = WifiMode_::E(mode);
        expected.state = WMState_::SD;
        if (mode != WifiMode_::STA)
            expected.ap = kNewAp;
        if (mode != WifiMode_::AP)
            expected.sta = kStaFixed;
        QVERIFY(got.value() == expected);
    }

    void writeModeAndMissingState() {
        auto programmer = std::make_shared<FakeWMProgrammer>();
        WMProgrammerPlanner planner(
            programmer, std::make_shared<TCCancellable>(std::make_shared<FakeSleepToken>(false)));
        QVERIFY(planner.writeMode());
        QCOMPARE(programmer->calls, QStringList{"writeMode 3 stored"});

        programmer->calls.clear();
        WifiSetting noState = read(WMState_::AA, kAp, kNoSta);
        noState.state.reset();
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 planner.apply(false, noState, want(WifiMode_::AP, kAp, kNoSta)));
        QVERIFY(programmer->calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstWMProgrammerPlanner)
#include "tst_wmprogrammerplanner.moc"
