#include "mountstackrig.h"

#include "base/tests/datarow.h"
#include "mount/appcore.h"
#include "mount/writablemountconnection.h"

#include <QTest>

#include <array>
#include <cmath>
#include <mutex>

using namespace Ko;

namespace {

// The classic controller with the settings a page writes kept as it took them: the autoguider
// speed and the auxiliary encoders per axis, the polar-scope light, the PPEC flags. It reports
// PPEC, the encoders and the light among its features. While replies are lost it still takes
// every command it receives, as a controller whose answers never come back does.
class SettingsController {
public:
    SettingsController() {
        controller.fake.setHandler([this](const CBytes& request) { return answer(request); });
    }

    // Those to commands that begin with except still come back.
    void loseReplies(bool lose, const std::string& except = {}) {
        std::lock_guard lock(m_mutex);
        m_lose = lose;
        m_kept = except;
    }
    // Commands that begin with prefix are refused from now on, and change nothing.
    void refuse(const std::string& prefix) {
        std::lock_guard lock(m_mutex);
        m_refused = prefix;
    }
    // Per axis: the auxiliary encoder is on.
    bool encoder(int slot) const {
        std::lock_guard lock(m_mutex);
        return m_encoders[slot];
    }
    // The setting as the controller holds it, in the units of the row (see TestSettingWrites).
    int held(const QString& setting) const {
        std::lock_guard lock(m_mutex);
        if (setting == "guiding rate R.A.")
            return m_guideSpeed[0];
        if (setting == "guiding rate Dec")
            return m_guideSpeed[1];
        if (setting == "polar scope light")
            return int(std::lround(m_light / 25.5));
        if (setting == "auxiliary encoders")
            return m_encoders[0] || m_encoders[1];
        return m_playback;
    }

    FakeController controller;

private:
    Nullable<CBytes> answer(const CBytes& request) {
        const std::string r = text(request);
        std::lock_guard lock(m_mutex);
        const size_t slot = r.size() > 2 && r[2] == '2' ? 1 : 0;
        const std::string payload = r.size() > 3 ? r.substr(3, r.size() - 4) : std::string();
        const bool lost = m_lose && (m_kept.empty() || r.rfind(m_kept, 0) != 0);
        if (!m_refused.empty() && r.rfind(m_refused, 0) == 0)
            return lost ? Nullable<CBytes>() : Nullable<CBytes>(CBytes::fromCString("!0\r"));
        Nullable<CBytes> reply = classicController(request);
        if (r.rfind(":W", 0) == 0 && payload.size() == 1) {
            m_guideSpeed[slot] = kSpeedOfDigit[payload[0] - '0'];
        } else if (r.rfind(":W", 0) == 0 && payload.size() == 6) {
            const int code = std::stoi(payload.substr(0, 2), nullptr, 16);
            if (code == 2 || code == 3)
                m_playback = code == 2;
            else if (code == 4 || code == 5)
                m_encoders[slot] = code == 4;
        } else if (r.rfind(":V", 0) == 0 && payload.size() == 2) {
            m_light = std::stoi(payload, nullptr, 16);
        } else if (r == ":q1010000\r") {
            // Status digit: playback in bit 1; features: encoders, PPEC; then the light.
            const std::string status = m_playback ? "2" : "0";
            reply = CBytes::fromStdString("=" + status + "31000\r");
        }
        if (lost)
            return {};
        return reply;
    }

    // The controller's speed digits, 0 to 4, as the program's speeds.
    static constexpr std::array<int, 5> kSpeedOfDigit{
        int(GuidingSpeed_::Sidereal), int(GuidingSpeed_::X75), int(GuidingSpeed_::X5),
        int(GuidingSpeed_::X25), int(GuidingSpeed_::X125)};

    mutable std::mutex m_mutex;
    bool m_lose = false;
    std::string m_kept;
    std::string m_refused;
    std::array<int, 2> m_guideSpeed{-1, -1};
    int m_light = 0;
    std::array<bool, 2> m_encoders{false, false};
    bool m_playback = false;
};

} // namespace

class TestSettingWrites : public QObject {
    Q_OBJECT
private slots:
    // A setting written while the mount's replies are lost: the mount takes it, but the program
    // hears nothing. The user is told that the mount does not answer, the program keeps what the
    // mount confirmed last (what the pages show), and once the link answers again the mount and
    // the program agree once more: a setting the mount can report is read (it holds the new
    // value), one it cannot is sent again as confirmed (it holds the old one). Units: speeds as
    // GuidingSpeed, the light in tenths, switches as 0 and 1.
    // mend: "link" the replies come back; "reconnect" the mount is disconnected, the replies come
    // back and it is connected again; "other axis" the other axis's speed is written meanwhile
    // and answered, then the replies come back.
    void unansweredWriteIsMadeSure_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("mend");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("settled");
        const int x25 = int(GuidingSpeed_::X25);
        const int x75 = int(GuidingSpeed_::X75);
        const int x125 = int(GuidingSpeed_::X125);
        const QString link("link"), reconnect("reconnect"), other("other axis");
        const QString ra("guiding rate R.A."), dec("guiding rate Dec");
        dataRow("guiding rate R.A./Az sent again", ra, link, x25, x75, x25);
        dataRow("guiding rate Dec/Alt sent again", dec, link, x25, x75, x25);
        dataRow("polar scope light sent again", QString("polar scope light"), link, 2, 5, 2);
        dataRow("auxiliary encoders sent again", QString("auxiliary encoders"), link, 0, 1, 0);
        dataRow("PPEC playback on read back", QString("PPEC playback"), link, 0, 1, 1);
        dataRow("PPEC playback off read back", QString("PPEC playback"), link, 1, 0, 0);
        dataRow("guiding rate R.A./Az sent again after a reconnect", ra, reconnect, x25, x125, x25);
        dataRow("guiding rate Dec/Alt sent again after a reconnect", dec, reconnect, x25, x125,
                x25);
        dataRow("guiding rate R.A./Az sent again after Dec/Alt was taken", ra, other, x25, x75,
                x25);
        dataRow("guiding rate Dec/Alt sent again after R.A./Az was taken", dec, other, x25, x75,
                x25);
    }
    void unansweredWriteIsMadeSure() {
        QFETCH(QString, setting);
        QFETCH(QString, mend);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(int, settled);
        SettingsController mountSide;
        const uint16_t port = mountSide.controller.fake.serveUdp();
        QVERIFY(port != 0);
        StackRig rig(StackRig::loopbackRoutes(port));
        rig.useLoopbackUdp();
        rig.session->setTimeoutIsDisconnect(false);
        QStringList toasts;
        QObject::connect(rig.toasts.get(), &ToastManagerUIStub::shouldToast, &rig.receiver,
                         [&](const QString& text) { toasts << text; });
        QVERIFY(rig.connectMount());
        std::shared_ptr<IMount> mount = rig.holder->sharedMount();
        QVERIFY(mount);
        const QString noAnswer = IMount::noAnswerText();

        const auto write = [&](const QString& which, int value) {
            if (which == "guiding rate R.A.")
                return mount->setGuidingSpeed(true, GuidingSpeed_::E(value));
            if (which == "guiding rate Dec")
                return mount->setGuidingSpeed(false, GuidingSpeed_::E(value));
            if (which == "polar scope light")
                return mount->setPolarLEDBrightness(value / 10.0);
            if (which == "auxiliary encoders")
                return mount->setEnableDualEncodersAsync(value != 0);
            return mount->setPpecPlaybackAsync(value != 0);
        };
        // What the program holds as confirmed, which is what the pages show.
        const auto confirmed = [&] {
            if (setting == "guiding rate R.A.")
                return int(rig.appCore->autoguiderRate1());
            if (setting == "guiding rate Dec")
                return int(rig.appCore->autoguiderRate2());
            if (setting == "polar scope light")
                return int(std::lround(rig.appCore->pScopeLight() * 10));
            if (setting == "auxiliary encoders")
                return int(mount->lastEnableDualEncoders());
            return int(mount->lastPpecPlayback());
        };

        QFuture<CmdRet> taken = write(setting, before);
        QTRY_VERIFY_WITH_TIMEOUT(taken.isFinished(), 10000);
        QCOMPARE(taken.result().type, CmdRetType_::Ok);
        QTRY_COMPARE(confirmed(), before);
        QCOMPARE(mountSide.held(setting), before);

        // The speed commands of an axis begin ":W1" or ":W2". The link stays silent until the
        // other axis's speed is answered, whose write then ends before the link's return is
        // heard.
        const bool ra = setting == "guiding rate R.A.";
        mountSide.loseReplies(true, mend == "other axis" ? (ra ? ":W2" : ":W1") : "");
        QFuture<CmdRet> lost = write(setting, after);
        QTRY_VERIFY_WITH_TIMEOUT(lost.isFinished(), 10000);
        QCOMPARE(lost.result().type, CmdRetType_::Timeout);
        QTRY_COMPARE(toasts.count(noAnswer), 1);
        QCOMPARE(mountSide.held(setting), after);
        QCOMPARE(confirmed(), before);

        if (mend == "reconnect") {
            QVERIFY(rig.disconnectMount());
            mount.reset();
            mountSide.loseReplies(false);
            QVERIFY(rig.connectMount());
            mount = rig.holder->sharedMount();
            QVERIFY(mount);
        } else {
            if (mend == "other axis") {
                const QString otherAxis = ra ? "guiding rate Dec" : "guiding rate R.A.";
                QFuture<CmdRet> answered = write(otherAxis, before);
                QTRY_VERIFY_WITH_TIMEOUT(answered.isFinished(), 10000);
                QCOMPARE(answered.result().type, CmdRetType_::Ok);
                QCOMPARE(mountSide.held(otherAxis), before);
            }
            mountSide.loseReplies(false);
        }
        QTRY_VERIFY_WITH_TIMEOUT(mount->linkAnswering(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(mountSide.held(setting), settled, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(confirmed(), settled, 10000);
        // Told once, for the write the user made; the check that follows tells nothing.
        QCOMPARE(toasts.count(noAnswer), 1);
    }

    // The auxiliary encoders are switched on both axes or on neither: a switch that axis 1
    // refuses is not sent to axis 2, and the program keeps what the mount confirmed last.
    // refused: the commands the controller refuses, axis 1's encoder switch (":W1") or none.
    void encodersSwitchTogether_data() {
        QTest::addColumn<QString>("refused");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("on");
        dataRow("taken by both axes", QString(), int(CmdRetType_::Ok), true);
        dataRow("refused by axis 1", QString(":W1"), int(CmdRetType_::Nak), false);
    }
    void encodersSwitchTogether() {
        QFETCH(QString, refused);
        QFETCH(int, result);
        QFETCH(bool, on);
        SettingsController mountSide;
        const uint16_t port = mountSide.controller.fake.serveUdp();
        QVERIFY(port != 0);
        StackRig rig(StackRig::loopbackRoutes(port));
        rig.useLoopbackUdp();
        QVERIFY(rig.connectMount());
        const std::shared_ptr<IMount> mount = rig.holder->sharedMount();
        QVERIFY(mount);
        QVERIFY(mount->hasDualEncoders());

        mountSide.refuse(refused.toStdString());
        QFuture<CmdRet> write = mount->setEnableDualEncodersAsync(true);
        QTRY_VERIFY_WITH_TIMEOUT(write.isFinished(), 10000);
        QCOMPARE(int(write.result().type), result);
        QCOMPARE(mountSide.encoder(0), on);
        QCOMPARE(mountSide.encoder(1), on);
        QCOMPARE(mount->lastEnableDualEncoders(), on);
    }
};

QTEST_MAIN(TestSettingWrites)
#include "tst_settingwrites.moc"
