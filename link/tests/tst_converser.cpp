#include "base/cancellable.h"
#include "base/log.h"
#include "base/tests/datarow.h"
#include "base/tests/logcapture.h"
#include "link/connectionsettings.h"
#include "link/conversertimeoutforwarder.h"
#include "link/koconverser.h"
#include "link/koserialportconverser.h"
#include "link/mountcmd.h"
#include "link/qtserialport.h"
#include "link/slconverser.h"
#include "link/tests/udplinkrig.h"
#include "link/udpconverser.h"
#include "link/unixudp.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <condition_variable>
#include <mutex>
#include <thread>

using namespace Ko;

namespace {

std::shared_ptr<ConnectionSettings> settingsWith(int readTimeoutMs, int retries,
                                                 ConnectionType_::E type) {
    auto s = std::make_shared<ConnectionSettings>(nullptr);
    s->setReadTimeoutMs_other(readTimeoutMs);
    s->setMaxRetryCount(retries);
    s->setType(type);
    return s;
}

// The whole serial road over a pseudo-terminal.
struct SerialChain {
    explicit SerialChain(int readTimeoutMs = 1000, int retries = 0,
                         ConnectionType_::E type = ConnectionType_::Serial) {
        settings = settingsWith(readTimeoutMs, retries, type);
        port = std::make_shared<QtSerialPort>(pty.name);
        opened = port->open() && port->setBaudRate(115200);
        fake.serveSerial(pty.master, pty.slave);
        transport = std::make_shared<KoSerialPortConverser>(settings, port, cancel);
        link = std::make_shared<SLConverser>(transport);
        converser = std::make_shared<KoConverser>(link);
    }
    ~SerialChain() { fake.stop(); }
    PtyPair pty;
    FakeMotorController fake;
    bool opened = false;
    std::shared_ptr<ConnectionSettings> settings;
    std::shared_ptr<ControlledCancellable> cancel = std::make_shared<ControlledCancellable>();
    std::shared_ptr<QtSerialPort> port;
    std::shared_ptr<KoSerialPortConverser> transport;
    std::shared_ptr<SLConverser> link;
    std::shared_ptr<KoConverser> converser;
};

const MountCmd kReadPos(0, 'j');

} // namespace

class TstConverser : public QObject {
    Q_OBJECT
private slots:
    void replyClassification_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("errorLines");
        dataRow("ok", QByteArray("=000080\r"), int(CmdRetType_::Ok), QByteArray("=000080\r"), 0);
        QTest::newRow("nak") << QByteArray("!\r") << int(CmdRetType_::Nak) << QByteArray("!\r")
                             << 1;
        dataRow("nak with code", QByteArray("!2\r"), int(CmdRetType_::Nak), QByteArray("!2\r"), 1);
        dataRow("no marker", QByteArray("ABC"), int(CmdRetType_::Other), QByteArray("ABC"), 1);
        dataRow("garbage before =", QByteArray("garbage=12\r"), int(CmdRetType_::Ok),
                QByteArray("=12\r"), 0);
        dataRow("garbage before !", QByteArray("xy!1\r"), int(CmdRetType_::Nak), QByteArray("!1\r"),
                1);
        dataRow("no carriage return", QByteArray("=12"), int(CmdRetType_::Other), QByteArray("=12"),
                1);
        dataRow("marker only", QByteArray("xx="), int(CmdRetType_::Other), QByteArray("="), 1);
    }
    void replyClassification() {
        QFETCH(QByteArray, reply);
        QFETCH(int, type);
        QFETCH(QByteArray, value);
        QFETCH(int, errorLines);
        UdpLinkRig chain(1000);
        chain.fake.setReply(":j1\r", reply.toStdString());
        LogCapture log;
        const auto resp = chain.converser->converse(kReadPos);
        QCOMPARE(int(resp.type), type);
        QCOMPARE(qb(resp.value()), value);
        const QStringList lines = log.lines("Conv error resp:");
        QCOMPARE(lines.size(), errorLines);
        if (type == CmdRetType_::Nak && reply == "!\r")
            QCOMPARE(lines.first(),
                     QStringLiteral("Conv error resp: Cmd=4 [:j1\\r] Resp=2 [!\\r]"));
        QCOMPARE(chain.fake.requestCount(), size_t(1));
    }

    void valueParsing() {
        UdpLinkRig chain(1000);
        chain.fake.setReply(":j1\r", "=563412\r");
        chain.fake.setReply(":j2\r", "=123\r");
        chain.fake.setReply(":a1\r", "!0\r");
        chain.fake.setReply(":X10003\r", "=FFFFFFFF\r");
        chain.fake.setReply(":X20003\r", "=000080\r");

        auto v = chain.converser->converseValue(kReadPos);
        QCOMPARE(v.type, CmdRetType_::Ok);
        QCOMPARE(v.value(), 0x123456u);

        v = chain.converser->converseValue(MountCmd(1, 'j'));
        QCOMPARE(v.type, CmdRetType_::Other);
        QVERIFY(!v.hasValue);

        v = chain.converser->converseValue(MountCmd(0, 'a'));
        QCOMPARE(v.type, CmdRetType_::Nak);
        QVERIFY(!v.hasValue);

        v = chain.converser->converseValue32(MountCmd::makeXSub(0, 3));
        QCOMPARE(v.type, CmdRetType_::Ok);
        QCOMPARE(int32_t(v.value()), -1);

        v = chain.converser->converseBytesValue32(MountCmd::encode(MountCmd::makeXSub(1, 3)));
        QCOMPARE(v.type, CmdRetType_::Other);
        QVERIFY(!v.hasValue);

        chain.fake.setSilent(true);
        v = chain.converser->converseValue(kReadPos);
        QCOMPARE(v.type, CmdRetType_::Timeout);
        QVERIFY(!v.hasValue);
    }

    void attemptsUnderTimeout_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("override"); // -1: none
        QTest::addColumn<int>("retries");
        QTest::newRow("no resend") << 0 << -1 << 0;
        QTest::newRow("two resends") << 2 << -1 << 2;
        QTest::newRow("override 0 wins over two stored") << 2 << 0 << 0;
        QTest::newRow("override 1 wins over none stored") << 0 << 1 << 1;
    }
    void attemptsUnderTimeout() {
        QFETCH(int, stored);
        QFETCH(int, override);
        QFETCH(int, retries);
        const int timeoutMs = 100;
        UdpLinkRig chain(timeoutMs, stored);
        if (override >= 0)
            chain.settings->setResendCountOverride(override);
        chain.fake.setSilent(true);
        QSignalSpy transportSpy(chain.transport.get(), &IConverser::converseTimeout);
        QSignalSpy outerSpy(chain.link.get(), &IConverser::converseTimeout);
        QElapsedTimer timer;
        timer.start();
        const auto resp = chain.converser->converse(kReadPos);
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(resp.type, CmdRetType_::Timeout);
        QVERIFY(!resp.hasValue);
        QVERIFY(chain.fake.waitForRequests(size_t(1 + retries), 2000));
        QCOMPARE(chain.fake.requestCount(), size_t(1 + retries));
        for (const auto& r : chain.fake.requests())
            QCOMPARE(qb(r.bytes), QByteArray(":j1\r"));
        QCOMPARE(transportSpy.count(), 1);
        QCOMPARE(outerSpy.count(), 1);
        QVERIFY2(elapsed >= (1 + retries) * timeoutMs * 9 / 10,
                 qPrintable(QString::number(elapsed)));
    }

    void resendRecoversFromALostReply() {
        UdpLinkRig chain(300, 2);
        chain.fake.setReply(":j1\r", "=000080\r");
        chain.fake.ignoreNext(1);
        QSignalSpy spy(chain.link.get(), &IConverser::converseTimeout);
        const auto resp = chain.converser->converseValue(kReadPos);
        QCOMPARE(resp.type, CmdRetType_::Ok);
        QCOMPARE(resp.value(), 0x800000u);
        QCOMPARE(chain.fake.requestCount(), size_t(2));
        QCOMPARE(spy.count(), 0);
        QVERIFY(!chain.link->timedout());
    }

    void lateReplyNeverAnswersTheNextExchange() {
        UdpLinkRig chain(100, 0);
        chain.fake.setReply(":j1\r", "=111111\r");
        chain.fake.setReply(":j2\r", "=222222\r");
        chain.fake.setDelayMs(300);
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Timeout);
        chain.fake.setDelayMs(0);
        // The late "=111111" has gone out towards the socket of the finished exchange (loopback
        // delivers it within the send); should it still be on its way, the next exchange must
        // not take it either.
        QVERIFY(chain.fake.waitForReplies(1, 10000));
        const auto resp = chain.converser->converse(MountCmd(1, 'j'));
        QCOMPARE(resp.type, CmdRetType_::Ok);
        QCOMPARE(qb(resp.value()), QByteArray("=222222\r"));
    }

    void lateReplyAfterResendNeverAnswersTheNextExchange() {
        // The first request's answer comes late and is taken for the resend's; the resend's own
        // answer is then still on its way when the next exchange begins.
        UdpLinkRig chain(300, 1);
        chain.fake.setReply(":j1\r", "=111111\r");
        chain.fake.setReply(":j2\r", "=222222\r");
        chain.fake.setDelayMs(400);
        const auto first = chain.converser->converse(kReadPos);
        QCOMPARE(first.type, CmdRetType_::Ok);
        QCOMPARE(qb(first.value()), QByteArray("=111111\r"));
        chain.fake.setDelayMs(0);
        // Spread over the arrival of the resend's answer, which may land before, between or
        // during these exchanges; none may take it. The pause only spreads them: whenever the
        // answer lands, the check holds, so a loaded machine cannot make it fail.
        for (int i = 0; i < 3; ++i) {
            const auto next = chain.converser->converse(MountCmd(1, 'j'));
            QCOMPARE(next.type, CmdRetType_::Ok);
            QCOMPARE(qb(next.value()), QByteArray("=222222\r"));
            QTest::qWait(100);
        }
        // Once that answer has certainly gone out (two for the first exchange, one per later
        // one), the next exchange still gets its own.
        QVERIFY(chain.fake.waitForReplies(2 + 3, 10000));
        const auto last = chain.converser->converse(MountCmd(1, 'j'));
        QCOMPARE(last.type, CmdRetType_::Ok);
        QCOMPARE(qb(last.value()), QByteArray("=222222\r"));
    }

    void settledSocketIsKept() {
        UdpLinkRig chain(300, 0);
        chain.fake.setReply(":j1\r", "=000080\r");
        chain.fake.setReply(":j2\r", "=000080");
        QVERIFY(chain.converser->converse(kReadPos).isOk());
        QVERIFY(chain.converser->converse(kReadPos).isOk());
        chain.fake.setSilent(true);
        chain.converser->converse(kReadPos);
        chain.fake.setSilent(false);
        QVERIFY(chain.converser->converse(kReadPos).isOk());
        // A reply without its carriage return may have a rest still coming.
        QCOMPARE(chain.converser->converse(MountCmd(1, 'j')).type, CmdRetType_::Other);
        QVERIFY(chain.converser->converse(kReadPos).isOk());
        const auto reqs = chain.fake.requests();
        QCOMPARE(reqs.size(), size_t(6));
        QCOMPARE(reqs[1].peerPort, reqs[0].peerPort);
        QCOMPARE(reqs[2].peerPort, reqs[1].peerPort);
        QVERIFY(reqs[3].peerPort != reqs[2].peerPort);
        QCOMPARE(reqs[4].peerPort, reqs[3].peerPort);
        QVERIFY(reqs[5].peerPort != reqs[4].peerPort);
    }

    void strayReplyOnAKeptSocketIsDropped_data() {
        QTest::addColumn<QStringList>("strays");
        QTest::newRow("duplicated reply") << QStringList{"=111111\r"};
        QTest::newRow("foreign reply") << QStringList{"=000000\r"};
        QTest::newRow("several") << QStringList{"=111111\r", "!0\r", "=333333\r"};
    }
    void strayReplyOnAKeptSocketIsDropped() {
        QFETCH(QStringList, strays);
        UdpLinkRig chain(300, 0);
        chain.fake.setReply(":j1\r", "=111111\r");
        chain.fake.setReply(":j2\r", "=222222\r");
        QCOMPARE(qb(chain.converser->converse(kReadPos).value()), QByteArray("=111111\r"));
        // Queued on the kept socket between the two exchanges (loopback delivers before sendto
        // returns).
        for (const auto& stray : strays)
            QVERIFY(chain.fake.sendUnasked(stray.toStdString()));
        const auto resp = chain.converser->converse(MountCmd(1, 'j'));
        QCOMPARE(resp.type, CmdRetType_::Ok);
        QCOMPARE(qb(resp.value()), QByteArray("=222222\r"));
        // The same socket served both: the stray was drained, not escaped by a reopen.
        const auto reqs = chain.fake.requests();
        QCOMPARE(reqs.size(), size_t(2));
        QCOMPARE(reqs[1].peerPort, reqs[0].peerPort);
    }

    void cancelBeforeFirstAttemptSendsNothing() {
        UdpLinkRig chain(1000);
        chain.fake.setReply(":j1\r", "=000080\r");
        chain.cancel->cancel();
        QSignalSpy spy(chain.link.get(), &IConverser::converseTimeout);
        const auto resp = chain.converser->converse(kReadPos);
        QCOMPARE(resp.type, CmdRetType_::Cancel);
        QVERIFY(!resp.hasValue);
        QVERIFY(!chain.fake.waitForRequests(1, 200));
        QCOMPARE(spy.count(), 0);
        QVERIFY(!chain.link->timedout());
    }

    void timedoutStateAndForwarder() {
        UdpLinkRig chain(300, 0);
        chain.fake.setReply(":j1\r", "=000080\r");
        std::vector<bool> changes;
        std::mutex changesMutex;
        chain.link->timedoutChangedList.append([&](bool v) {
            std::lock_guard lock(changesMutex);
            changes.push_back(v);
        });

        ConverserTimeoutForwarder forwarder;
        QSignalSpy spy(&forwarder, &ConverserTimeoutForwarder::timedoutChanged_q);
        QVERIFY(!forwarder.property("timedout").toBool());
        forwarder.attach(chain.link);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!forwarder.property("timedout").toBool());

        chain.fake.setSilent(true);
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Timeout);
        QVERIFY(chain.link->timedout());
        QCOMPARE(spy.count(), 2);
        QVERIFY(forwarder.property("timedout").toBool());

        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Timeout);
        QCOMPARE(spy.count(), 2);

        chain.fake.setSilent(false);
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Ok);
        QVERIFY(!chain.link->timedout());
        QCOMPARE(spy.count(), 3);
        QVERIFY(!forwarder.property("timedout").toBool());

        // Nak and Other are answers: the link is not timed out.
        chain.fake.setSilent(true);
        chain.converser->converse(kReadPos);
        chain.fake.setSilent(false);
        chain.fake.setReply(":j1\r", "!0\r");
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Nak);
        QVERIFY(!chain.link->timedout());

        std::lock_guard lock(changesMutex);
        QCOMPARE(changes, (std::vector<bool>{true, false, true, false}));
    }

    void timedoutStateFollowsTheLastExchange() {
        // One thread's exchange times out, and the thread is held up after leaving the link (in its
        // log line) while another thread's exchange succeeds: the link must not end up timed out.
        UdpLinkRig chain(200, 0);
        chain.fake.setReply(":j1\r", "=000080\r");
        chain.fake.ignoreNext(1);
        chain.link->setLogEnabled(true);
        std::vector<bool> changes;
        chain.link->timedoutChangedList.append([&](bool t) { changes.push_back(t); });
        std::mutex mutex;
        std::condition_variable cv;
        bool heldUp = false;
        bool release = false;
        const int listener = LogAddListener([&](const char* line) {
            if (!QByteArray(line).contains("Communication error"))
                return;
            std::unique_lock lock(mutex);
            heldUp = true;
            cv.notify_all();
            cv.wait(lock, [&] { return release; });
        });
        CmdRetType_::E lateResult = CmdRetType_::Ok;
        std::thread late([&] { lateResult = chain.converser->converse(kReadPos).type; });
        bool wasHeldUp = false;
        {
            std::unique_lock lock(mutex);
            wasHeldUp = cv.wait_for(lock, std::chrono::seconds(10), [&] { return heldUp; });
        }
        const CmdRetType_::E laterResult = chain.converser->converse(kReadPos).type;
        {
            std::lock_guard lock(mutex);
            release = true;
        }
        cv.notify_all();
        late.join();
        LogRemoveListener(listener);
        QVERIFY(wasHeldUp);
        QCOMPARE(laterResult, CmdRetType_::Ok);
        QCOMPARE(lateResult, CmdRetType_::Timeout);
        QVERIFY(!chain.link->timedout());
        QVERIFY(changes.empty());
    }

    void forwarderLeavesOldConverser() {
        UdpLinkRig a(50, 0), b(300, 0);
        a.fake.setSilent(true);
        b.fake.setSilent(true);
        auto forwarder = std::make_unique<ConverserTimeoutForwarder>();
        forwarder->attach(a.link);
        QVERIFY(!a.link->timedoutChangedList.empty());
        forwarder->attach(b.link);
        QVERIFY(a.link->timedoutChangedList.empty());
        QVERIFY(!b.link->timedoutChangedList.empty());

        QSignalSpy spy(forwarder.get(), &ConverserTimeoutForwarder::timedoutChanged_q);
        a.converser->converse(kReadPos);
        QVERIFY(a.link->timedout());
        QCOMPARE(spy.count(), 0);
        QVERIFY(!forwarder->timedout());
        b.converser->converse(kReadPos);
        QCOMPARE(spy.count(), 1);
        QVERIFY(forwarder->timedout());

        // Detaching reads false again and leaves b alone.
        forwarder->attach(nullptr);
        QVERIFY(!forwarder->timedout());
        QVERIFY(b.link->timedoutChangedList.empty());

        // A forwarder that dies first leaves nothing behind in the converser it followed.
        forwarder->attach(b.link);
        forwarder.reset();
        QVERIFY(b.link->timedoutChangedList.empty());
        b.fake.setSilent(false);
        b.fake.setReply(":j1\r", "=000080\r");
        QCOMPARE(b.converser->converse(kReadPos).type, CmdRetType_::Ok);
    }

    void signalsRunOnTheExchangeThread() {
        UdpLinkRig chain(50, 0);
        chain.fake.setSilent(true);
        ConverserTimeoutForwarder forwarder;
        forwarder.attach(chain.link);
        std::thread::id signalThread, listenerThread, forwarderThread, worker;
        connect(
            chain.link.get(), &IConverser::converseTimeout, this,
            [&] { signalThread = std::this_thread::get_id(); }, Qt::DirectConnection);
        connect(
            &forwarder, &ConverserTimeoutForwarder::timedoutChanged_q, this,
            [&] { forwarderThread = std::this_thread::get_id(); }, Qt::DirectConnection);
        chain.link->timedoutChangedList.append(
            [&](bool) { listenerThread = std::this_thread::get_id(); });
        std::thread t([&] {
            worker = std::this_thread::get_id();
            chain.converser->converse(kReadPos);
        });
        t.join();
        QVERIFY(worker != std::this_thread::get_id());
        QVERIFY(signalThread == worker);
        QVERIFY(listenerThread == worker);
        QVERIFY(forwarderThread == worker);
    }

    void exchangesOnOneLinkAreSequential() {
        // Every caller gets the reply to its own request, even when four threads share the link.
        UdpLinkRig chain(1000, 0);
        for (int axis = 0; axis < 2; ++axis) {
            for (char letter : {'j', 'a', 'g', 'f'}) {
                const std::string req = std::string(":") + letter + char('1' + axis) + "\r";
                chain.fake.setReply(req, "=" + req.substr(1, 2) + "\r");
            }
        }
        chain.fake.setDelayMs(2);
        std::atomic<int> wrong{0};
        std::vector<std::thread> threads;
        for (char letter : {'j', 'a', 'g', 'f'}) {
            threads.emplace_back([&, letter] {
                for (int i = 0; i < 10; ++i) {
                    const uint32_t axis = uint32_t(i % 2);
                    const auto resp = chain.converser->converse(MountCmd(axis, letter));
                    const std::string expect = std::string("=") + letter + char('1' + axis) + "\r";
                    if (!resp.isOk() || resp.value().toStdString() != expect)
                        ++wrong;
                }
            });
        }
        for (auto& t : threads)
            t.join();
        QCOMPARE(wrong.load(), 0);
        QCOMPARE(chain.fake.requestCount(), size_t(40));
    }

    void exchangeLogLine() {
        UdpLinkRig chain(300, 0);
        chain.fake.setReply(":j1\r", "=000080\r");
        LogCapture log;
        chain.converser->converse(kReadPos);
        QVERIFY(log.lines("KoConv:").isEmpty());
        chain.link->setLogEnabled(true);
        chain.converser->converse(kReadPos);
        chain.fake.setSilent(true);
        chain.converser->converse(kReadPos);
        QCOMPARE(
            log.lines("KoConv:"),
            (QStringList{QStringLiteral("KoConv: Cmd=[:j1\\r] <Successful> Resp=[=000080\\r]"),
                         QStringLiteral("KoConv: Cmd=[:j1\\r] <Communication error> Resp=[]")}));
    }

    void serialExchange() {
        SerialChain chain;
        QVERIFY(chain.opened);
        chain.fake.setReply(":j1\r", "=563412\r");
        chain.fake.setReply(":K2\r", "!3\r");
        const auto v = chain.converser->converseValue(kReadPos);
        QCOMPARE(v.type, CmdRetType_::Ok);
        QCOMPARE(v.value(), 0x123456u);
        LogCapture log;
        const auto nak = chain.converser->converse(MountCmd(1, 'K'));
        QCOMPARE(nak.type, CmdRetType_::Nak);
        QCOMPARE(qb(nak.value()), QByteArray("!3\r"));
        QCOMPARE(log.lines("Conv error resp:").size(), 1);
        QCOMPARE(chain.fake.requests().front().baud, 115200);
    }

    void serialGarbageBeforeFrame() {
        SerialChain chain;
        chain.fake.setReply(":j1\r", "=123\r");
        chain.fake.setGarbage("xx");
        const auto resp = chain.transport->converse(MountCmd::encode(kReadPos));
        QCOMPARE(resp.type, CmdRetType_::Ok);
        QCOMPARE(qb(resp.value()), QByteArray("=123\r"));
    }

    void serialGarbageThenSilence() {
        SerialChain chain(100, 0);
        chain.fake.setReply(":j1\r", "xx");
        QSignalSpy spy(chain.link.get(), &IConverser::converseTimeout);
        const auto resp = chain.converser->converse(kReadPos);
        QCOMPARE(resp.type, CmdRetType_::Timeout);
        QVERIFY(!resp.hasValue);
        QCOMPARE(spy.count(), 1);
        // A partial frame is dropped too.
        chain.fake.setReply(":j1\r", "=12");
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Timeout);
    }

    void serialFirstByteWait() {
        SerialChain chain(100, 1);
        chain.fake.setReply(":j1\r", "=000080\r");
        chain.fake.setDelayMs(400);
        QSignalSpy spy(chain.link.get(), &IConverser::converseTimeout);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Timeout);
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed >= 180, qPrintable(QString::number(elapsed)));
        QCOMPARE(spy.count(), 1);
        QVERIFY(chain.fake.waitForRequests(2, 2000));
        QCOMPARE(chain.fake.requestCount(), size_t(2));

        // A wait longer than the mount's delay gets the answer.
        chain.fake.stop();
        SerialChain patient(1500, 0);
        patient.fake.setReply(":j1\r", "=000080\r");
        patient.fake.setDelayMs(200);
        QCOMPARE(patient.converser->converse(kReadPos).type, CmdRetType_::Ok);
    }

    void serialPerByteWait() {
        SerialChain chain(1000, 0);
        chain.fake.setReply(":j1\r", "=000080\r");
        // Far beyond the 10 ms allowed between bytes.
        chain.fake.setByteGapMs(150);
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Timeout);
    }

    void serialBleTypeUsesBleTimeout() {
        SerialChain chain(50, 0, ConnectionType_::BLE);
        chain.settings->setReadTimeoutMs_BLE(1500);
        chain.fake.setReply(":j1\r", "=000080\r");
        chain.fake.setDelayMs(250);
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Ok);
        chain.settings->setType(ConnectionType_::Serial);
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Timeout);
    }

    void serialFailedWrite() {
        auto settings = settingsWith(50, 2, ConnectionType_::Serial);
        auto port = std::make_shared<QtSerialPort>("/nonexistent/ttyKO0");
        KoSerialPortConverser converser(settings, port, std::make_shared<NullCancellable>());
        QSignalSpy spy(&converser, &IConverser::converseTimeout);
        QCOMPARE(converser.converse(MountCmd::encode(kReadPos)).type, CmdRetType_::Timeout);
        QCOMPARE(spy.count(), 0);
    }

    void serialCancel() {
        SerialChain chain;
        chain.fake.setReply(":j1\r", "=000080\r");
        chain.cancel->cancel();
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Cancel);
        QVERIFY(!chain.fake.waitForRequests(1, 200));
    }

    void serialEndlessNoiseEnds() {
        SerialChain chain(200, 0);
        chain.fake.setReply(":j1\r", std::string(4000, 'x'));
        chain.fake.setReply(":j2\r", "=" + std::string(4000, 'A'));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(chain.converser->converse(kReadPos).type, CmdRetType_::Timeout);
        QCOMPARE(chain.converser->converse(MountCmd(1, 'j')).type, CmdRetType_::Timeout);
        // Endless noise does not hold the reader past its time-outs: two of 200 ms at rest, and
        // the bound leaves a loaded machine more than ten times that.
        QVERIFY(timer.elapsed() < 10000);
    }

    void serialAnswersOnlyAtItsSpeed() {
        SerialChain chain(300, 0);
        chain.fake.setReply(":f1\r", "=111\r");
        chain.fake.setAnswerBaud(9600);
        QCOMPARE(chain.converser->converse(MountCmd(0, 'f')).type, CmdRetType_::Timeout);
        QVERIFY(chain.port->setBaudRate(9600));
        QCOMPARE(chain.fake.portBaud(), 9600);
        QCOMPARE(chain.converser->converse(MountCmd(0, 'f')).type, CmdRetType_::Ok);
        const auto reqs = chain.fake.requests();
        QCOMPARE(reqs.size(), size_t(2));
        QCOMPARE(reqs[0].baud, 115200);
        QCOMPARE(reqs[1].baud, 9600);
    }
};

QTEST_GUILESS_MAIN(TstConverser)
#include "tst_converser.moc"
