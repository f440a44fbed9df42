#include "app/platformurl.h"
#include "app/urldelivery.h"
#include "base/base64.h"
#include "base/endingstate.h"
#include "base/tests/datarow.h"
#include "base/tests/logcapture.h"
#include "base/tests/onthread.h"
#include "base/tlvrecord.h"
#include "base/uiblockingmessage.h"
#include "model/transportalignmentdata.h"
#include "mount/tests/mountstackrig.h"
#include "server/urlapiserver.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <thread>

using namespace Ko;

namespace {

const QString kRequest = QStringLiteral("com-halvermoor-quorvel:");
// other-app://done and other-app://cb?id=7, as a caller puts them into its request.
const QString kDone = QStringLiteral("returnUrl=other-app%3A%2F%2Fdone");
const QString kWithQuery = QStringLiteral("returnUrl=other-app%3A%2F%2Fcb%3Fid%3D7");

// An answer with the value of its data item replaced by "…", so that tables can name it.
QString shape(const QString& answer) {
    static const QRegularExpression data(QStringLiteral("(alignData|connectionData)=[^&]*"));
    return QString(answer).replace(data, QStringLiteral("\\1=…"));
}

// The desktop's URL service with a record of every URL the program opens, and on which thread.
// The caller's scheme gets a handler of its own, so an answer never leaves the process.
class RecordingPlatformUrl : public PlatformUrl {
public:
    RecordingPlatformUrl() {
        QDesktopServices::setUrlHandler(QStringLiteral("other-app"), this, "dispatchUrl");
    }
    ~RecordingPlatformUrl() override { QDesktopServices::unsetUrlHandler("other-app"); }

    bool openUrl(const std::string& url) override {
        {
            std::lock_guard lock(mutex);
            opened << QString::fromStdString(url);
            onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
        }
        return PlatformUrl::openUrl(url);
    }
    QStringList openedUrls() {
        std::lock_guard lock(mutex);
        return opened;
    }

    std::mutex mutex;
    QStringList opened;
    bool onMainThread = true;
};

// A session whose completion the test calls, from whichever thread it likes.
class ScriptedSession : public IConnectable {
public:
    bool busy() const override { return false; }
    QString statusText() const override { return {}; }
    QString statusDetailText() const override { return {}; }
    QVariant devicesList() const override { return {}; }
    QString nextActionText() const override { return {}; }
    bool timeoutIsDisconnect() const override { return false; }
    void setTimeoutIsDisconnect(bool) override {}
    void startSessionWithCallback(std::function<void(bool)> f) override { done = std::move(f); }
    void startSession() override {}
    void startNextAction() override {}
    void selectDevice(int) override {}
    void cancelSession() override {}

    std::function<void(bool)> done;
};

// The URL API as the composition root builds it, over the real connection stack, the real
// overlay and the real desktop URL service.
struct UrlRig {
    // udpPort: a controller on loopback that the UDP link reaches; 0 for none.
    explicit UrlRig(std::shared_ptr<IConnectable> session = {}, uint16_t udpPort = 0)
        : stack(StackRig::loopbackRoutes(udpPort)),
          server(std::make_unique<UrlApiServer>(urls, stack.container, stack.holder, overlay,
                                                session ? session : stack.session, ending)) {
        QObject::connect(stack.session.get(), &IConnectable::sessionStarted, &stack.receiver,
                         [this] { ++sessionsStarted; });
    }

    // Asks through the desktop, as another application does.
    void request(const QString& pathAndQuery) {
        QDesktopServices::openUrl(QUrl(kRequest + pathAndQuery, QUrl::TolerantMode));
    }
    // Waits for the overlay to finish with whatever it holds. The pause after it is a check
    // that nothing more comes (a second answer would be opened within it at rest); on a loaded
    // machine it may come only later, so the pause can miss a fault but never fail a sound run.
    // Answers that must come are waited for by openedShapes.
    void settle() {
        QTRY_VERIFY_WITH_TIMEOUT(!overlay->showing(), 10000);
        QTest::qWait(50);
    }
    // The shapes of the answers opened so far.
    QStringList openedShapes() {
        QStringList shapes;
        for (const QString& answer : urls->openedUrls())
            shapes << shape(answer);
        return shapes;
    }

    StackRig stack;
    std::shared_ptr<RecordingPlatformUrl> urls = std::make_shared<RecordingPlatformUrl>();
    std::shared_ptr<UiBlockingMessage> overlay = std::make_shared<UiBlockingMessage>();
    // The program's end, which a test begins and takes back.
    std::shared_ptr<EndingState> ending = std::make_shared<EndingState>();
    std::unique_ptr<UrlApiServer> server;
    int sessionsStarted = 0;
};

std::string itemValue(const QString& answer, const char* key) {
    return UrlApiServer::queryItemValue(answer.toStdString(), key);
}

// The URLs that reach the program's own scheme handler, as UrlDelivery hands them on.
struct SchemeRecorder {
    SchemeRecorder() {
        platform->registerUrlHandler(UrlApiServer::kScheme, [this](std::string url) {
            urls << QString::fromStdString(url);
        });
    }
    ~SchemeRecorder() { platform->unregisterUrlHandler(UrlApiServer::kScheme); }

    std::shared_ptr<PlatformUrl> platform = std::make_shared<PlatformUrl>();
    QStringList urls;
};

// A later start's hand-over, from a thread of its own as in a second process, while the
// instance answers on this thread's event loop; whether the instance took it.
bool laterStartForwards(const QString& folder, const QStringList& urls) {
    const QString scheme = QString::fromLatin1(UrlApiServer::kScheme);
    auto forwarded = onThread([=] { return UrlDelivery(folder, scheme).forward(urls); });
    if (!QTest::qWaitFor([&] { return isReady(forwarded); }, 30000))
        return false;
    return forwarded.get();
}

// Leaves a socket file on the path that nothing listens on, as an instance that crashed does.
bool leaveStaleSocketFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    memcpy(address.sun_path, name.constData(), size_t(name.size()));
    // The name comes from the folder's device and inode, which a scratch folder may share with
    // one of an earlier run whose entry is still there: it goes first, as the program's own
    // start would replace it.
    QFile::remove(path);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        close(fd);
    return bound && QFile::exists(path);
}

} // namespace

class TestUrlApiServer : public QObject {
    Q_OBJECT

private slots:
    // Answered at once or not at all, with no session and nothing moving.
    void answersWithoutSession_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QStringList>("opened");
        const QStringList error{"other-app://done?result=error"};
        QTest::newRow("goto with a target")
            << "/goto?name=M31&coordType=rd_j2000&coord1=10.68&coord2=41.27&" + kDone << error;
        QTest::newRow("goto, return URL with a query")
            << "/goto?" + kWithQuery << QStringList{"other-app://cb?id=7&result=error"};
        QTest::newRow("goto, return URL with a fragment")
            << "/goto?returnUrl=other-app%3A%2F%2Fdone%23frag%3Fx"
            << QStringList{"other-app://done?result=error#frag?x"};
        QTest::newRow("goto, return URL with a query and a fragment")
            << "/goto?returnUrl=other-app%3A%2F%2Fcb%3Fid%3D7%23frag"
            << QStringList{"other-app://cb?id=7&result=error#frag"};
        QTest::newRow("goto, return URL ending in ?")
            << "/goto?returnUrl=other-app%3A%2F%2Fdone%3F"
            << QStringList{"other-app://done?result=error"};
        QTest::newRow("goto, return URL ending in &")
            << "/goto?returnUrl=other-app%3A%2F%2Fcb%3Fid%3D7%26"
            << QStringList{"other-app://cb?id=7&result=error"};
        QTest::newRow("goto without return URL") << "/goto?name=M31" << QStringList{};
        QTest::newRow("host form") << "//goto?" + kDone << QStringList{};
        QTest::newRow("upper-case path") << "/GOTO?" + kDone << QStringList{};
        QTest::newRow("trailing slash") << "/goto/?" + kDone << QStringList{};
        QTest::newRow("lower-case data path") << "/getaligndata?" + kDone << QStringList{};
        QTest::newRow("file return URL")
            << "/goto?returnUrl=file%3A%2F%2F%2Ftmp%2Fx" << QStringList{};
        QTest::newRow("upper-case file return URL")
            << "/goto?returnUrl=FILE%3A%2Ftmp%2Fx" << QStringList{};
        QTest::newRow("relative return URL") << "/goto?returnUrl=done" << QStringList{};
    }
    void answersWithoutSession() {
        QFETCH(QString, request);
        QFETCH(QStringList, opened);
        UrlRig rig;
        rig.request(request);
        QCOMPARE(rig.urls->openedUrls(), opened);
        QCOMPARE(rig.sessionsStarted, 0);
        QVERIFY(!rig.stack.holder->connected());
        QVERIFY(!rig.overlay->showing());
    }

    // Once the program has begun to end, every request is answered at once with the reason, and
    // nothing starts; once the user stays, each is taken as before. afterStay: the answer then,
    // empty where the request waits for the session.
    void requestsWhileEnding_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("afterStay");
        QTest::newRow("goto") << "/goto?name=M31&" + kDone
                              << QString("other-app://done?result=error");
        QTest::newRow("connect") << "/connect?" + kDone << QString();
        QTest::newRow("model") << "/getAlignData?" + kDone << QString();
    }
    void requestsWhileEnding() {
        QFETCH(QString, request);
        QFETCH(QString, afterStay);
        const auto session = std::make_shared<ScriptedSession>();
        UrlRig rig(session);
        QVERIFY(rig.ending->begin());
        rig.request(request);
        const QStringList refused{"other-app://done?reason=ending&result=error"};
        QCOMPARE(rig.urls->openedUrls(), refused);
        QVERIFY(!session->done);
        QVERIFY(!rig.overlay->showing());

        QVERIFY(rig.ending->cancel());
        rig.request(request);
        if (afterStay.isEmpty()) {
            QVERIFY(session->done);
            QCOMPARE(rig.urls->openedUrls(), refused);
        } else {
            QCOMPARE(rig.urls->openedUrls(), refused + QStringList{afterStay});
        }
    }

    // A connected mount: "Please wait" for its delay, then the data with result=ok.
    void dataAnswers_data() {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("opened");
        QTest::newRow("model") << false << "/getAlignData?" + kDone
                               << "other-app://done?alignData=…&result=ok";
        QTest::newRow("model, return URL with a query")
            << false << "/getAlignData?" + kWithQuery
            << "other-app://cb?id=7&alignData=…&result=ok";
        QTest::newRow("model, return URL with a fragment")
            << false << "/getAlignData?returnUrl=other-app%3A%2F%2Fdone%23frag"
            << "other-app://done?alignData=…&result=ok#frag";
        QTest::newRow("connection record, emulator")
            << false << "/connect?" + kDone << "other-app://done?connectionData=…&result=ok";
        QTest::newRow("connection record, Wi-Fi link")
            << true << "/connect?" + kDone << "other-app://done?connectionData=…&result=ok";
    }
    void dataAnswers() {
        QFETCH(bool, udp);
        QFETCH(QString, request);
        QFETCH(QString, opened);
        FakeController controller;
        UrlRig rig({}, udp ? controller.fake.serveUdp() : 0);
        if (udp)
            rig.stack.useLoopbackUdp();
        QVERIFY(rig.stack.connectMount());
        QElapsedTimer timer;
        timer.start();
        rig.request(request);
        QVERIFY(rig.overlay->showing());
        QVERIFY(rig.urls->openedUrls().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(rig.urls->openedUrls().size(), 1, 10000);
        QVERIFY2(timer.elapsed() >= UiBlockingMessage::kDelayMs - 50,
                 qPrintable(QString::number(timer.elapsed())));
        const QString answer = rig.urls->openedUrls().first();
        QCOMPARE(shape(answer), opened);
        QVERIFY(rig.urls->onMainThread);

        const SavedAlignment saved = rig.stack.container->makeSavedData();
        if (request.startsWith("/getAlignData")) {
            const QString raw = answer.section("alignData=", 1).section('&', 0, 0);
            QVERIFY2(!raw.contains(QRegularExpression("[+/=]")), qPrintable(raw));
            const std::string package = itemValue(answer, "alignData");
            QCOMPARE(TransportAlignmentData::unpack(package).value(), saved);
            // The envelope opens with its format version, tag 'mtvr' least significant first.
            QVERIFY(Base64::decode(package, false).starts_with("rvtm"));
            return;
        }
        const std::string bytes = Base64::decode(itemValue(answer, "connectionData"), false);
        const auto record = TlvRecord::parse(CBytes::fromStdString(bytes));
        QVERIFY(record.hasValue());
        std::vector<uint32_t> tags;
        for (const auto& entry : record.value().entries())
            tags.push_back(entry.tag);
        const auto tag = [](const char(&t)[5]) { return TlvRecord::tagOf(t); };
        const std::vector<uint32_t> expectedTags =
            udp ? std::vector{tag("pmod"), tag("phst"), tag("puem"), tag("adat")}
                : std::vector{tag("pmod"), tag("puem"), tag("adat")};
        QCOMPARE(tags, expectedTags);
        QCOMPARE(record.value().getInt32(tag("pmod")).value(),
                 int32_t(rig.stack.holder->sharedMount()->mountMode()));
        QCOMPARE(record.value().getInt32(tag("puem")).value(), udp ? 0 : 1);
        if (udp)
            QCOMPARE(record.value().getString(tag("phst")).value(), std::string("127.0.0.1"));
        QCOMPARE(TransportAlignmentData::readPackage(record.value().getBytes(tag("adat")).value())
                     .value(),
                 saved);
    }

    // Requests that wait for the session: only the newest is answered, once.
    void sessionOutcomes_data() {
        QTest::addColumn<bool>("connectedFirst");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("cancelled") << false << QStringList{"/connect?" + kDone} << true
                                   << QStringList{"other-app://done?result=cancel"};
        QTest::newRow("burst while connecting")
            << false
            << QStringList{"/getAlignData?returnUrl=other-app%3A%2F%2Fa",
                           "/connect?returnUrl=other-app%3A%2F%2Fb",
                           "/getAlignData?returnUrl=other-app%3A%2F%2Fc"}
            << false << QStringList{"other-app://c?alignData=…&result=ok"};
        QTest::newRow("burst while connected")
            << true
            << QStringList{"/connect?returnUrl=other-app%3A%2F%2Fa",
                           "/getAlignData?returnUrl=other-app%3A%2F%2Fb"}
            << false << QStringList{"other-app://b?alignData=…&result=ok"};
        QTest::newRow("no return URL")
            << true << QStringList{"/getAlignData", "/connect"} << false << QStringList{};
    }
    void sessionOutcomes() {
        QFETCH(bool, connectedFirst);
        QFETCH(QStringList, requests);
        QFETCH(bool, cancel);
        QFETCH(QStringList, opened);
        UrlRig rig;
        if (connectedFirst)
            QVERIFY(rig.stack.connectMount());
        for (const QString& request : requests)
            rig.request(request);
        if (cancel)
            rig.stack.session->cancelSession();
        QTRY_VERIFY_WITH_TIMEOUT(rig.stack.holder->connected() && !rig.stack.session->busy(),
                                 10000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.openedShapes(), opened, 10000);
        rig.settle();
        QCOMPARE(rig.openedShapes(), opened);
    }

    // Completions that arrive late, off the main thread, or find nothing to send.
    void completionMends_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<bool>("mountConnected");
        QTest::addColumn<bool>("modelHeld");
        QTest::addColumn<bool>("serverGone");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("connect after the mount went")
            << "/connect?" + kDone << false << true << false
            << QStringList{"other-app://done?result=error"};
        QTest::newRow("model from another thread")
            << "/getAlignData?" + kDone << true << true << false
            << QStringList{"other-app://done?alignData=…&result=ok"};
        QTest::newRow("no model for the package")
            << "/getAlignData?" + kDone << true << false << false
            << QStringList{"other-app://done?result=error"};
        QTest::newRow("no model for the record") << "/connect?" + kDone << true << false << false
                                                 << QStringList{"other-app://done?result=error"};
        QTest::newRow("server gone before the completion")
            << "/connect?" + kDone << true << true << true << QStringList{};
    }
    void completionMends() {
        QFETCH(QString, request);
        QFETCH(bool, mountConnected);
        QFETCH(bool, modelHeld);
        QFETCH(bool, serverGone);
        QFETCH(QStringList, opened);
        const auto session = std::make_shared<ScriptedSession>();
        UrlRig rig(session);
        if (mountConnected)
            QVERIFY(rig.stack.connectMount());
        if (!modelHeld)
            rig.stack.alignmentData->set(Nullable<ALIGNMENT_DATA>());
        rig.request(request);
        QVERIFY(session->done);
        if (serverGone)
            rig.server.reset();
        std::thread([&] { session->done(true); }).join();
        QVERIFY(rig.urls->openedUrls().isEmpty());
        // Nothing to open: the pause is a check that nothing comes, which can miss a late answer
        // on a loaded machine but never fail a sound run.
        if (opened.isEmpty())
            QTest::qWait(100);
        else
            QTRY_COMPARE_WITH_TIMEOUT(rig.urls->openedUrls().size(), 1, 10000);
        rig.settle();
        QCOMPARE(rig.openedShapes(), opened);
        QVERIFY(rig.urls->onMainThread);
    }

    // Text that other applications send is logged as one line each, whatever it holds.
    void peerTextInTheLog_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("line");
        QTest::newRow("line break in a goto name")
            << "/goto?name=M31%0D%0AUrlApiServer: forged"
            << QStringLiteral("UrlApiServer: goto \"M31\\x0d\\x0aUrlApiServer: forged\" refused");
        QTest::newRow("terminal escape in a goto name")
            << "/goto?name=%1B%5B2J" << QStringLiteral("UrlApiServer: goto \"\\x1b[2J\" refused");
        QTest::newRow("backslash stands for itself escaped")
            << "/goto?name=a%5Cx0d" << QStringLiteral("UrlApiServer: goto \"a\\x5cx0d\" refused");
        QTest::newRow("line break in a refused return URL")
            << "/goto?returnUrl=file%3A%2Ftmp%2Fx%0AUrlApiServer: forged"
            << QStringLiteral(
                   "UrlApiServer: return URL refused: file:/tmp/x\\x0aUrlApiServer: forged");
    }
    void peerTextInTheLog() {
        QFETCH(QString, request);
        QFETCH(QString, line);
        UrlRig rig;
        LogCapture log;
        rig.request(request);
        const QStringList lines = log.lines(QStringLiteral("UrlApiServer:"));
        QVERIFY2(lines.contains(line), qPrintable(lines.join('|')));
        for (const QString& l : lines) {
            for (const QChar c : l)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() != 0x7f, qPrintable(l));
        }
        QCOMPARE(log.count(QStringLiteral("forged")), lines.filter("forged").size());
        QCOMPARE(log.lines(QStringLiteral("UrlApiServer: forged")), QStringList{});
    }

    // A second instance on the same data folder leaves the socket to the instance that answers
    // on it, so later URLs still reach that one; a socket file nothing answers on is taken.
    void secondInstanceAndTheSocket_data() {
        QTest::addColumn<bool>("running");
        QTest::newRow("an instance answers") << true;
        QTest::newRow("stale file of a crashed instance") << false;
    }
    void secondInstanceAndTheSocket() {
        QFETCH(bool, running);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        SchemeRecorder recorder;
        const QString scheme = QString::fromLatin1(UrlApiServer::kScheme);
        const QString url = scheme + QStringLiteral(":/goto?name=M31");
        auto first = std::make_unique<UrlDelivery>(folder.path(), scheme);
        if (running) {
            QVERIFY(first->listen());
            first->open();
        } else
            QVERIFY(leaveStaleSocketFile(UrlDelivery::socketName(folder.path())));
        {
            UrlDelivery second(folder.path(), scheme);
            QCOMPARE(second.listen(), !running);
            // The newcomer is gone (it ended, or it was never started): the name still answers
            // when an instance listened on it, and takes the next URL.
        }
        QCOMPARE(laterStartForwards(folder.path(), {url}), running);
        if (running)
            QTRY_COMPARE_WITH_TIMEOUT(recorder.urls, QStringList{url}, 10000);
    }

    // What a later start on the same data folder hands over: without URLs a request for the
    // window and nothing else, with URLs each of them in order and nothing else.
    void requestsOfALaterStart_data() {
        const QString scheme = QString::fromLatin1(UrlApiServer::kScheme);
        const QString m31 = scheme + QStringLiteral(":/goto?name=M31");
        const QString connect = scheme + QStringLiteral(":/connect");
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<int>("activations");
        dataRow("bare start", QStringList{}, 1);
        dataRow("one URL", QStringList{m31}, 0);
        dataRow("two URLs", QStringList{connect, m31}, 0);
    }
    void requestsOfALaterStart() {
        QFETCH(QStringList, urls);
        QFETCH(int, activations);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        SchemeRecorder recorder;
        const QString scheme = QString::fromLatin1(UrlApiServer::kScheme);
        UrlDelivery running(folder.path(), scheme);
        QSignalSpy activated(&running, &UrlDelivery::activationRequested);
        QVERIFY(running.listen());
        running.open();
        QVERIFY(laterStartForwards(folder.path(), urls));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.urls == urls && activated.size() == activations, 10000);
        // Nothing more came of it: a URL sent later is all that follows.
        const QString later = scheme + QStringLiteral(":/later");
        QVERIFY(laterStartForwards(folder.path(), {later}));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.urls.contains(later), 10000);
        QCOMPARE(recorder.urls, urls + QStringList{later});
        QCOMPARE(activated.size(), activations);
    }

    // A forwarded line has a bound: a peer that sends more without a line end is dropped, a URL
    // within the bound is taken.
    void forwardedLineBound_data() {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<bool>("lineEnd");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("long URL within the bound")
            << UrlDelivery::kMaxForwardBytes - 1024 << true << false;
        QTest::newRow("one byte past the bound, no line end")
            << UrlDelivery::kMaxForwardBytes + 1 << false << true;
        QTest::newRow("four times the bound, no line end")
            << 4 * UrlDelivery::kMaxForwardBytes << false << true;
    }
    void forwardedLineBound() {
        QFETCH(qint64, length);
        QFETCH(bool, lineEnd);
        QFETCH(bool, dropped);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        SchemeRecorder recorder;
        const QString scheme = QString::fromLatin1(UrlApiServer::kScheme);
        UrlDelivery delivery(folder.path(), scheme);
        QVERIFY(delivery.listen());
        delivery.open();
        QByteArray line = scheme.toUtf8() + ":/goto?name=";
        line += QByteArray(length - line.size(), 'x');
        QLocalSocket peer;
        peer.connectToServer(UrlDelivery::socketName(folder.path()));
        QVERIFY(peer.waitForConnected(10000));
        peer.write(line + (lineEnd ? "\n" : ""));
        if (dropped) {
            QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QLocalSocket::UnconnectedState, 10000);
            QVERIFY(recorder.urls.isEmpty());
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(recorder.urls.size(), 1, 10000);
            QCOMPARE(recorder.urls.first().size(), line.size());
            QCOMPARE(peer.state(), QLocalSocket::ConnectedState);
        }
    }
};

QTEST_MAIN(TestUrlApiServer)
#include "tst_urlapiserver.moc"
