#include "app/datafolderlock.h"
#include "app/startnotice.h"
#include "app/tests/scratchhome.h"
#include "app/urldelivery.h"
#include "base/tests/datarow.h"
#include "link/tests/motorcontrollersim.h"
#include "server/tests/loopbackrig.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QMap>
#include <QNetworkDatagram>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <array>
#include <csignal>
#include <initializer_list>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// From the close of the window to the end of the process. A close without background work to
// wait for takes under a second at rest under the sanitizers, up to about 3.5 s on a machine
// loaded three times over, and once took 5.7 s with every core busy twice over; the slow end this
// bound guards against (waiting for the connection's work until it gives up on it) took tens of
// seconds.
constexpr qint64 kCloseBoundMs = 15000;

// The simulated mount on a loopback port of its own (the program is told it), answering until it
// is made silent; while silent it only counts the stops that reach it.
struct SilencedMount {
    Ko::MotorControllerSim sim;
    bool silent = false;
    int stopsWhileSilent = 0;
    QUdpSocket socket;

    bool bind() {
        if (!socket.bind(QHostAddress::LocalHost, 0))
            return false;
        QObject::connect(&socket, &QUdpSocket::readyRead, &socket, [this] {
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram request = socket.receiveDatagram();
                const QByteArray bytes = request.data();
                if (silent) {
                    stopsWhileSilent += bytes.startsWith(":K") ? 1 : 0;
                    continue;
                }
                const auto reply =
                    sim.answer(Ko::CBytes::fromData(bytes.constData(), bytes.size()));
                if (reply.hasValue()) {
                    socket.writeDatagram(QByteArray::fromStdString(reply.value().toStdString()),
                                         request.senderAddress(), quint16(request.senderPort()));
                }
            }
        });
        return true;
    }
};

} // namespace

// Runs the real program as a separate process, offscreen, with its data folders in a scratch
// folder; a root document can be put in its place through KO_ROOT_QML.
class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    // The remote-method port of the program; 0 leaves it on its fixed port.
    uint16_t m_rpcPort = 0;
    // Where the program reaches a mount over UDP; 0 leaves the mount's own port.
    uint16_t m_mountPort = 0;
    // Further variables for the next starts.
    QMap<QString, QString> m_env;

    QString dataHome() const { return m_home->filePath("data"); }

    // Listens where the holder of the data folder does, as a holder with the folder held does:
    // the name comes from the folder's device and inode, which a scratch folder of an earlier
    // run may have had, and whatever that run's holder left there is replaced.
    bool listenAsHolder(QLocalServer& server) const {
        const QString name = Ko::UrlDelivery::socketName(dataHome() + "/QuorvelPro");
        QLocalServer::removeServer(name);
        return server.listen(name);
    }

    QString writeDocument(const QString& name, const QByteArray& text) const {
        const QString path = m_home->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(text);
        return path;
    }

    // captureErrors keeps the program's standard error for the test to read instead of passing
    // it through.
    std::unique_ptr<QProcess> start(const QString& rootDocument = {}, bool captureErrors = false,
                                    const QStringList& arguments = {}) const {
        auto process = prepare(rootDocument, captureErrors);
        process->start(KO_QUORVEL_BINARY, arguments);
        return process;
    }

    // The program's process as start() makes it, not started yet.
    std::unique_ptr<QProcess> prepare(const QString& rootDocument, bool captureErrors) const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const auto& [name, value] : scratchHomeVariables(m_home->path()))
            env.insert(name, value);
        env.remove("KO_ROOT_QML");
        env.remove("KO_RPC_PORT");
        env.insert("KO_BROADCAST_LOOPBACK", "1");
        env.insert("KO_COMET_URL", "http://127.0.0.1:1/CometEls.txt");
        if (m_rpcPort)
            env.insert("KO_RPC_PORT", QString::number(m_rpcPort));
        env.remove("KO_MOUNT_PORT");
        if (m_mountPort)
            env.insert("KO_MOUNT_PORT", QString::number(m_mountPort));
        // The planetarium ports open once the emulated mount connects.
        env.insert("KO_QRP_PORT", QString::number(Ko::freePort()));
        env.insert("KO_POSITION_PORT", QString::number(Ko::freePort()));
        if (!rootDocument.isEmpty())
            env.insert("KO_ROOT_QML", rootDocument);
        for (auto it = m_env.cbegin(); it != m_env.cend(); ++it)
            env.insert(it.key(), it.value());
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_home->path());
        process->setProcessChannelMode(captureErrors ? QProcess::SeparateChannels
                                                     : QProcess::ForwardedErrorChannel);
        return process;
    }

    // Collects a running program's standard error until it holds text.
    static bool errorsReach(QProcess& process, QByteArray& errors, const QByteArray& text) {
        errors += process.readAllStandardError();
        return errors.contains(text);
    }

    static void finish(QProcess& process) {
        QVERIFY2(process.waitForFinished(180000), "the program did not end");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    }

    // The settings a run starts with.
    void writeSettings(const QByteArray& json) const {
        QVERIFY(QDir().mkpath(dataHome() + "/QuorvelPro"));
        QFile f(dataHome() + "/QuorvelPro/Settings.txt");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(json);
    }

    // Settings of a first run that choose the emulated mount in its equatorial mode.
    void useEmulatedMount() const {
        writeSettings(R"({"cxn.commtype": 1, "connect_multi_mountmode": 1})");
    }

    // One row for each signal that asks the program to quit.
    static void signalRows() {
        QTest::addColumn<int>("signal");
        QTest::newRow("terminate") << int(SIGTERM);
        QTest::newRow("interrupt") << int(SIGINT);
        QTest::newRow("hang-up") << int(SIGHUP);
    }

    // The data folder's lock file as the program names it.
    QString lockFile() const {
        return dataHome() + "/QuorvelPro/" + QString::fromLatin1(Ko::DataFolderLock::kFileName);
    }

    // Kills what still runs when a check fails.
    static auto stopping(std::initializer_list<std::unique_ptr<QProcess>*> processes) {
        return qScopeGuard([list = std::vector(processes)] {
            for (auto* process : list) {
                if (*process && (*process)->state() != QProcess::NotRunning) {
                    (*process)->kill();
                    (*process)->waitForFinished();
                }
            }
        });
    }

    // Every file of the data folders with its content.
    QMap<QString, QByteArray> dataFiles() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(dataHome(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            files.insert(f.fileName(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
        }
        return files;
    }

    QJsonObject settings() const {
        QFile f(dataHome() + "/QuorvelPro/Settings.txt");
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }

private slots:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        m_rpcPort = Ko::freePort();
        QVERIFY(m_rpcPort);
        m_mountPort = 0;
        m_env.clear();
    }

    void brokenRootDocumentExitsWithMinusOne_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("syntax error") << QByteArray("import QtQuick\nItem { width: }\n");
        QTest::newRow("unknown type") << QByteArray("import QtQuick\nNoSuchWindow {}\n");
        QTest::newRow("missing file") << QByteArray();
    }
    void brokenRootDocumentExitsWithMinusOne() {
        QFETCH(QByteArray, text);
        const QString path =
            text.isEmpty() ? m_home->filePath("absent.qml") : writeDocument("broken.qml", text);
        auto process = start(path);
        QVERIFY(process->waitForStarted());
        finish(*process);
        QCOMPARE(process->exitCode(), 255);
    }

    void normalRunStaysUpUntilAskedToQuit() {
        auto process = start();
        QVERIFY(process->waitForStarted());
        // The settings folder appears when the composition root builds the settings store.
        QTRY_VERIFY_WITH_TIMEOUT(QDir(dataHome() + "/QuorvelPro").exists(), 120000);
        QVERIFY2(!process->waitForFinished(3000), "the program ended on its own");
        process->terminate();
        finish(*process);
        QCOMPARE(process->exitCode(), 0);
    }

    // The first signal starts the orderly quit; when the teardown then hangs, a second one ends
    // the process the usual way instead of being swallowed.
    void secondSignalEndsAHungTeardown_data() { signalRows(); }
    void secondSignalEndsAHungTeardown() {
        QFETCH(int, signal);
        const QString path = writeDocument("hangs.qml", R"(
            import QtQuick
            Item {
                Component.onCompleted: console.log("state: running")
                Connections {
                    target: Qt.application
                    function onAboutToQuit() {
                        console.log("state: hanging")
                        for (;;) {}
                    }
                }
            }
        )");
        auto process = start(path, true);
        QVERIFY(process->waitForStarted());
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "state: running"), 120000);
        ::kill(pid_t(process->processId()), signal);
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "state: hanging"), 60000);
        ::kill(pid_t(process->processId()), signal);
        QVERIFY2(process->waitForFinished(20000), "the second signal did not end the program");
        QCOMPARE(process->exitStatus(), QProcess::CrashExit);
        QCOMPARE(process->exitCode(), signal);
    }

    // A signal's quit goes through the window's close, which may be held back (a stop not yet
    // taken) and cancelled (the user stays). A signal after that asks again in the same way,
    // rather than killing the program with a slew running: the window here holds back its first
    // close as the quit question's Stay does, and takes the second.
    void signalAfterStayQuitsNormally_data() { signalRows(); }
    void signalAfterStayQuitsNormally() {
        QFETCH(int, signal);
        const QString path = writeDocument("stays.qml", R"(
            import QtQuick
            import QtQuick.Window
            Window {
                property int closes: 0
                visible: true
                Component.onCompleted: console.log("state: running")
                onClosing: close => {
                    closes += 1
                    console.log("state: close " + closes)
                    close.accepted = closes > 1
                }
            }
        )");
        auto process = start(path, true);
        QVERIFY(process->waitForStarted());
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "state: running"), 120000);
        ::kill(pid_t(process->processId()), signal);
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "state: close 1"), 60000);
        ::kill(pid_t(process->processId()), signal);
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "state: close 2") ||
                                     process->state() == QProcess::NotRunning,
                                 60000);
        // waitForFinished answers false for a process that has already ended.
        QVERIFY2(process->state() == QProcess::NotRunning || process->waitForFinished(180000),
                 "the program did not end");
        errors += process->readAllStandardError();
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && errors.contains("state: close 2"),
                 errors.constData());
        QCOMPARE(process->exitCode(), 0);
    }

    // A signal that the program was started to ignore (nohup, a script's background job) stays
    // ignored: the program runs on, and ends at the next signal it takes.
    void ignoredSignalStaysIgnored_data() { signalRows(); }
    void ignoredSignalStaysIgnored() {
        QFETCH(int, signal);
        const QString path = writeDocument("ticks.qml", R"(
            import QtQuick
            Item {
                property int ticks: 0
                Timer {
                    interval: 100
                    repeat: true
                    running: true
                    onTriggered: console.log("state: tick " + ++parent.ticks)
                }
            }
        )");
        std::unique_ptr<QProcess> process = prepare(path, true);
        process->setChildProcessModifier([signal] { ::signal(signal, SIG_IGN); });
        process->start(KO_QUORVEL_BINARY, QStringList{});
        const auto stopAll = stopping({&process});
        QVERIFY(process->waitForStarted());
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "state: tick 1\n"), 120000);
        ::kill(pid_t(process->processId()), signal);
        // Ticks after the signal: the loop runs on, and a quit would have come before them.
        const int from = errors.count("state: tick");
        QTRY_VERIFY_WITH_TIMEOUT(
            errorsReach(*process, errors, "state: tick " + QByteArray::number(from + 5)) ||
                process->state() == QProcess::NotRunning,
            60000);
        QVERIFY2(process->state() == QProcess::Running && !errors.contains("UrlDelivery: ending"),
                 errors.constData());
        ::kill(pid_t(process->processId()), signal == SIGTERM ? SIGINT : SIGTERM);
        QVERIFY2(process->waitForFinished(180000), "the program did not end");
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
    }

    // A lock file that cannot be read as one names no live process: the start takes the folder
    // over and runs, rather than waiting for a holder that does not exist.
    void brokenLockFileIsTakenOver_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("empty file") << "empty";
        QTest::newRow("garbage bytes") << "garbage";
        QTest::newRow("directory") << "directory";
        QTest::newRow("dangling symbolic link") << "dangling link";
        QTest::newRow("a FIFO") << "fifo";
        // A home folder restored from a backup made while the program ran, or kept across a
        // reinstall: nobody holds it.
        QTest::newRow("another machine's lock") << "other machine";
        QTest::newRow("another machine's lock in the older three-line form")
            << "other machine, three lines";
        QTest::newRow("this host's name with another machine's identity") << "other machine id";
        QTest::newRow("another host's lock naming a process alive here") << "other host";
    }
    void brokenLockFileIsTakenOver() {
        QFETCH(QString, kind);
        writeSettings(R"({"lang_code": "en"})");
        if (kind == "directory") {
            QVERIFY(QDir().mkpath(lockFile() + "/inside"));
        } else if (kind == "dangling link") {
            QVERIFY(QFile::link(m_home->filePath("gone"), lockFile()));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(lockFile()).constData(), 0600), 0);
        } else if (kind.startsWith("other")) {
            QFile file(lockFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray here = QSysInfo::machineHostName().toUtf8();
            const QByteArray otherId = "0123456789abcdef0123456789abcdef";
            // A process number far above any this machine hands out, but for the live one.
            QByteArray text = kind == "other host"
                                  ? QByteArray::number(QCoreApplication::applicationPid())
                                  : QByteArray("4000000");
            text += "\nquorvel\n" + (kind == "other machine id" ? here : "elsewhere") + '\n';
            if (!kind.endsWith("three lines"))
                text += otherId + '\n' + otherId + '\n';
            file.write(text);
        } else {
            QFile file(lockFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == "garbage")
                file.write("\x7f"
                           "ELF garbage\n\n\n");
        }
        const QString idle = writeDocument("idle.qml", "import QtQuick\nItem {}\n");
        std::unique_ptr<QProcess> process = start(idle, true);
        const auto stopAll = stopping({&process});
        QVERIFY(process->waitForStarted());
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "UrlDelivery: listening") ||
                                     process->state() == QProcess::NotRunning,
                                 120000);
        errors += process->readAllStandardError();
        QVERIFY2(errors.contains("UrlDelivery: listening"), errors.constData());
        QVERIFY2(errors.contains("took over the data folder"), errors.constData());
        QVERIFY(QFileInfo(lockFile()).isFile());
        process->terminate();
        finish(*process);
        QCOMPARE(process->exitCode(), 0);
        // Let go at the end, as any lock of the program.
        QVERIFY(!QFileInfo::exists(lockFile()));
    }

    // A start that finds the folder held by an instance that does not answer says so on the
    // screen within seconds, rather than showing nothing until it gives up two minutes later;
    // once the holder lets the folder go, it runs.
    void startWaitingOnASilentHolderTellsTheUser_data() {
        QTest::addColumn<bool>("listens");
        QTest::newRow("the holder does not listen") << false;
        QTest::newRow("the holder takes the connection and never answers") << true;
    }
    void startWaitingOnASilentHolderTellsTheUser() {
        QFETCH(bool, listens);
        writeSettings(R"({"lang_code": "en"})");
        auto lock = std::make_unique<Ko::DataFolderLock>(dataHome() + "/QuorvelPro");
        QCOMPARE(lock->tryTake(), Ko::DataFolderLock::Take::Taken);
        auto holder = std::make_unique<QLocalServer>();
        if (listens)
            QVERIFY(listenAsHolder(*holder));
        std::unique_ptr<QProcess> process = start({}, true);
        const auto stopAll = stopping({&process});
        QVERIFY(process->waitForStarted());
        QByteArray errors;
        // Told while the start still waits, long before it would give up.
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "told the user on the screen") ||
                                     process->state() == QProcess::NotRunning,
                                 60000);
        QVERIFY2(process->state() == QProcess::Running, errors.constData());
        if (listens)
            QVERIFY(holder->hasPendingConnections() || holder->waitForNewConnection(10000));
        // The holder ends: its connections drop with it, and the folder is free.
        holder.reset();
        lock.reset();
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "UrlDelivery: listening") ||
                                     process->state() == QProcess::NotRunning,
                                 120000);
        errors += process->readAllStandardError();
        QVERIFY2(errors.contains("UrlDelivery: listening"), errors.constData());
        // The notice's window went, and the program's own keeps it running.
        QVERIFY2(!process->waitForFinished(3000), "the program ended on its own");
        process->terminate();
        finish(*process);
        QCOMPARE(process->exitCode(), 0);
    }

    // A start that gives up on a holder says so on the screen and ends by itself, as nobody may
    // be there to close its notice. A holder on another machine, which no request can reach, is
    // named there with the lock file it holds, so that the user knows what to end or remove.
    void startThatGivesUpEndsByItself_data() {
        QTest::addColumn<bool>("elsewhere");
        QTest::newRow("a holder here that takes the connection and never answers") << false;
        QTest::newRow("a holder on another machine, under a file lock") << true;
    }
    void startThatGivesUpEndsByItself() {
        QFETCH(bool, elsewhere);
        writeSettings(R"({"lang_code": "en"})");
        std::unique_ptr<Ko::DataFolderLock> lock;
        std::unique_ptr<QLocalServer> holder;
        int fileLock = -1;
        const auto closeFileLock = qScopeGuard([&fileLock] {
            if (fileLock >= 0)
                ::close(fileLock);
        });
        if (elsewhere) {
            QFile file(lockFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("4000000\nquorvel\nelsewhere\n0123456789abcdef0123456789abcdef\n"
                       "0123456789abcdef0123456789abcdef\n");
            file.close();
            // What the machine over the network folder holds.
            fileLock = ::open(QFile::encodeName(lockFile()).constData(), O_RDONLY | O_CLOEXEC);
            QVERIFY(fileLock >= 0);
            QCOMPARE(::flock(fileLock, LOCK_EX | LOCK_NB), 0);
        } else {
            lock = std::make_unique<Ko::DataFolderLock>(dataHome() + "/QuorvelPro");
            QCOMPARE(lock->tryTake(), Ko::DataFolderLock::Take::Taken);
            holder = std::make_unique<QLocalServer>();
            QVERIFY(listenAsHolder(*holder));
        }
        m_env.insert(Ko::StartNotice::kShortLimitsEnv, "1");
        std::unique_ptr<QProcess> process =
            start({}, true, {"com-halvermoor-quorvel:/goto?name=X"});
        const auto stopAll = stopping({&process});
        QVERIFY(process->waitForStarted());
        // A loaded machine may take long to start it; once the limits run, it ends in seconds.
        QVERIFY2(process->waitForFinished(120000), "the start that gave up did not end");
        const QByteArray errors = process->readAllStandardError();
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 1,
                 errors.constData());
        QVERIFY2(errors.contains("neither takes requests nor ends"), errors.constData());
        const QByteArray named = "Held on the machine elsewhere: " + QFile::encodeName(lockFile());
        QVERIFY2(errors.contains(named) == elsewhere, errors.constData());
        QVERIFY2(!errors.contains("UrlDelivery: listening"), errors.constData());
        // The holder's lock is as it was.
        QVERIFY(QFileInfo(lockFile()).isFile());
    }

    // Ended by a signal, from a terminal or a supervisor, the program keeps the window's place
    // and size as a closed window does. Stored off every screen, the window comes back on the
    // screen at its stored size: what is saved then is where the window was, not what was read.
    void geometrySavedOnSignal_data() { signalRows(); }
    void geometrySavedOnSignal() {
        QFETCH(int, signal);
        writeSettings(R"({"ui.winrect.x": 5000, "ui.winrect.y": 4000,
                          "ui.winrect.width": 400, "ui.winrect.height": 500})");

        auto process = start({}, true);
        QVERIFY(process->waitForStarted());
        QByteArray errors;
        // Past this line the window is made before the event loop runs, and a signal waits for it.
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "UrlDelivery: listening"), 120000);
        ::kill(pid_t(process->processId()), signal);
        finish(*process);
        QCOMPARE(process->exitCode(), 0);

        const QJsonObject saved = settings();
        QVERIFY2(saved.value("ui.winrect.x").toDouble(5000) < 5000,
                 QJsonDocument(saved).toJson().constData());
        QVERIFY(saved.value("ui.winrect.y").toDouble(4000) < 4000);
        QCOMPARE(saved.value("ui.winrect.width").toDouble(), 400.0);
        QCOMPARE(saved.value("ui.winrect.height").toDouble(), 500.0);
    }

    // The future bridge and the promise library load from the program's resources.
    void futureAndPromiseModulesLoad() {
        const QString path = writeDocument("modules.qml", R"(
            import QtQuick
            import QuickFuture 1.0
            import QuickPromise 1.0
            import "qrc:/CmdRetPromise.js" as CmdRetPromise
            Item {
                Promise { id: element; resolveWhen: true }
                Component.onCompleted: Q.all([element, CmdRetPromise.cmdRetType_string(2)])
                    .then(function (v) {
                        const ok = v[0] === true && v[1] === "Communication error" &&
                                   typeof Future.promise === "function";
                        Qt.exit(ok ? 5 : 1);
                    })
            }
        )");
        auto process = start(path);
        QVERIFY(process->waitForStarted());
        finish(*process);
        QCOMPARE(process->exitCode(), 5);
    }

    // Quitting while work runs in the background, through the real start-up on the emulated
    // mount: the program ends normally and at once, the work (bounded) before the services it
    // uses. A result that reached a destroyed receiver would end it with a sanitizer report.
    void quitDuringBackgroundWork_data() {
        QTest::addColumn<QByteArray>("atStart");
        QTest::addColumn<QByteArray>("onConnected");
        QTest::newRow("connection attempt") << QByteArray("quit()") << QByteArray();
        dataRow("identify refresh", QByteArray(), QByteArray("inj_identifyList.refresh(); quit()"));
        dataRow("user-object position read", QByteArray(),
                QByteArray("inj_userObject_CE.objectLoadCurrent().loadCurrentAsync(); quit()"));
        // The brightest-star flow centres its first star by hand, without a GoTo; pressing the
        // centre button measures the axes.
        dataRow("star measurement", QByteArray(),
                QByteArray("inj_alignmentRoutine.start(AlignmentType.BrightestStar)\n"
                           "inj_alignStarListUIStubs.select(0, 0)\n"
                           "inj_alignStarListUIStubs.select(1, 0)\n"
                           "inj_alignSelectionUIStub.start()"));
    }
    void quitDuringBackgroundWork() {
        QFETCH(QByteArray, atStart);
        QFETCH(QByteArray, onConnected);
        useEmulatedMount();
        const QString path = writeDocument("quitter.qml", QByteArray(R"(
            import QtQuick
            import Ko.Quorvel 1.0
            Item {
                // Later: an exit asked for before the event loop runs would be lost.
                function quit() {
                    console.log("state: quitting")
                    Qt.callLater(Qt.exit, 0)
                }
                Connections {
                    target: inj_mountConnection
                    function onMountChanged_q() {
                        if (inj_mountConnection.connected) {
                            %2
                        }
                    }
                }
                Connections {
                    target: inj_centeringUIStub
                    function onShouldShow() {
                        inj_centeringUIStub.center()
                        quit()
                    }
                }
                // The work never came: a code of its own, so that the row says so.
                Timer { interval: 60000; running: true; onTriggered: Qt.exit(7) }
                Component.onCompleted: {
                    inj_iConnectable.startSession()
                    %1
                }
            }
        )")
                                                              .replace("%1", atStart)
                                                              .replace("%2", onConnected));
        auto process = start(path, true);
        QVERIFY(process->waitForStarted());
        QElapsedTimer sinceQuit;
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "state: quitting") ||
                                     process->state() == QProcess::NotRunning,
                                 90000);
        sinceQuit.start();
        // waitForFinished answers false for a process that has already ended.
        QVERIFY2(process->state() == QProcess::NotRunning || process->waitForFinished(30000),
                 "the program did not end");
        errors += process->readAllStandardError();
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
                 errors.constData());
        // The wait for background work is bounded at 5 s; the rest is the teardown, about a
        // second at rest under the sanitizers. The bound tells a bounded shutdown from one that
        // hangs on a job, and leaves a loaded machine ten times the teardown.
        QVERIFY2(sinceQuit.elapsed() < 20000, qPrintable(QString::number(sinceQuit.elapsed())));
        QVERIFY2(!errors.contains("still running after"), errors.constData());
    }

    // Closing the window while a question that a connection waits on is open ends the program as
    // fast as a close without one: the way out answers the question, rather than waiting for the
    // connection's background work until it gives up on it. Nothing stored is lost: the window's
    // place is written at the close and the park data stays for the next start. That start, right
    // after the close, opens a window of its own instead of handing over to an instance that ends.
    void closingTheWindowAtAQuestion_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("parkFirst");
        QTest::addColumn<QByteArray>("question");
        // The emulated mount is parked in its equatorial mode by a run before, so that the
        // connection at launch asks whether to restore it.
        dataRow("park-data question",
                QByteArray(R"({"cxn.commtype": 1, "connect_multi_mountmode": 1,
                                "connect_at_start": true})"),
                true, QByteArray("popupLoadParkData"));
        // The emulated mount works both ways; without a stored choice the user is asked.
        dataRow("mount-mode question",
                QByteArray(R"({"cxn.commtype": 1, "connect_at_start": true})"), false,
                QByteArray("popupMountMode"));
    }
    void closingTheWindowAtAQuestion() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, parkFirst);
        QFETCH(QByteArray, question);
        writeSettings(stored);
        if (parkFirst) {
            const QString parker = writeDocument("parker.qml", R"(
                import QtQuick
                Item {
                    Connections {
                        target: inj_mountConnection
                        function onMountChanged_q() {
                            if (inj_mountConnection.connected)
                                inj_mountConnection.mount.parkAsync(false)
                        }
                    }
                    Connections {
                        target: inj_mountConnection.mount
                        ignoreUnknownSignals: true
                        function onParkChanged() {
                            if (inj_mountConnection.mount.parked)
                                Qt.exit(0)
                        }
                    }
                    Timer { interval: 60000; running: true; onTriggered: Qt.exit(7) }
                    Component.onCompleted: inj_iConnectable.startSession()
                }
            )");
            auto process = start(parker);
            QVERIFY(process->waitForStarted());
            finish(*process);
            QCOMPARE(process->exitCode(), 0);
            QVERIFY(settings().contains("align.axis1"));
        }
        // The program's own window, closed as the user closes it once the question is open.
        const QString closer = writeDocument("closer.qml", QByteArray(R"(
            import QtQuick
            QtObject {
                id: root
                property var window
                function find(node, name) {
                    if (!node)
                        return null
                    if (node.objectName === name)
                        return node
                    const children = node.data || []
                    for (let i = 0; i < children.length; ++i) {
                        const found = find(children[i], name)
                        if (found)
                            return found
                    }
                    return null
                }
                property Connections watch: Connections {
                    target: root.window ? root.find(root.window.header, "%1") : null
                    function onOpened() {
                        console.log("state: closing")
                        Qt.callLater(function () { root.window.close() })
                    }
                }
                property Timer giveUp: Timer {
                    interval: 60000
                    running: true
                    onTriggered: Qt.exit(7)
                }
                Component.onCompleted:
                    window = Qt.createComponent("qrc:/main.qml").createObject(null)
            }
        )")
                                                               .replace("%1", question));
        // The second start comes as soon as the first window closes, while that instance may
        // still be on its way out.
        std::unique_ptr<QProcess> process = start(closer, true);
        QVERIFY(process->waitForStarted());
        for (const char* round : {"first start", "start right after the close"}) {
            QByteArray errors;
            QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*process, errors, "state: closing") ||
                                         process->state() == QProcess::NotRunning,
                                     120000);
            QElapsedTimer sinceClose;
            sinceClose.start();
            std::unique_ptr<QProcess> next;
            if (qstrcmp(round, "first start") == 0) {
                next = start(closer, true);
                QVERIFY(next->waitForStarted());
            }
            QVERIFY2(process->state() == QProcess::NotRunning || process->waitForFinished(30000),
                     round);
            const qint64 took = sinceClose.elapsed();
            errors += process->readAllStandardError();
            QVERIFY2(errors.contains("state: closing"), errors.constData());
            QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
                     errors.constData());
            QVERIFY2(!errors.contains("still running after"), errors.constData());
            QVERIFY2(took < kCloseBoundMs,
                     qPrintable(QStringLiteral("%1: %2 ms").arg(round).arg(took)));
            QVERIFY2(settings().contains("ui.winrect.width"), round);
            QCOMPARE(settings().contains("align.axis1"), parkFirst);
            process = std::move(next);
        }
    }

    // The exit code is the one QML passes; QML torn down at exit still reaches the services.
    void exitCodeAndTeardownOrder() {
        const QString path = writeDocument("quitter.qml", R"(
            import QtQuick
            Item {
                Timer { interval: 1; running: true; onTriggered: Qt.exit(3) }
                Component.onDestruction:
                    inj_kvStore.saveString("teardown.reached", inj_appVersion.appName)
            }
        )");
        auto process = start(path);
        QVERIFY(process->waitForStarted());
        finish(*process);
        QCOMPARE(process->exitCode(), 3);
        QCOMPARE(settings().value("teardown.reached").toString(), QString("Quorvel Pro"));
    }

    // A URL of the program's scheme on the command line reaches the instance that runs on the
    // same data folder, or this process's own handler when none runs.
    void urlFromTheCommandLine_data() {
        QTest::addColumn<bool>("oneRunning");
        QTest::newRow("forwarded to the running instance") << true;
        QTest::newRow("handled by the only instance") << false;
    }
    void urlFromTheCommandLine() {
        QFETCH(bool, oneRunning);
        const QString url = QStringLiteral("com-halvermoor-quorvel:/goto?name=M31");
        const QByteArray handled = "UrlApiServer: handle: " + url.toUtf8();
        QByteArray firstErrors;
        std::unique_ptr<QProcess> first =
            start({}, true, oneRunning ? QStringList{} : QStringList{url});
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "UrlDelivery: listening"),
                                 120000);
        if (oneRunning) {
            auto second = start({}, true, {url});
            QVERIFY(second->waitForStarted());
            QVERIFY2(second->waitForFinished(30000), "the forwarding process did not end");
            QCOMPARE(second->exitCode(), 0);
            QVERIFY(!second->readAllStandardError().contains("UrlApiServer"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, handled), 30000);
        QCOMPARE(firstErrors.count(handled), 1);
        first->terminate();
        finish(*first);
        QCOMPARE(first->exitCode(), 0);
    }

    // A second start on the data folder of a running instance hands over to it and ends, having
    // written nothing: a bare start brings the running window to the front, a start with a URL
    // has the URL handled there. The socket file of an instance that was killed stops neither the
    // next start nor the hand-over to it.
    void secondStartHandsOver_data() {
        const QString url = QStringLiteral("com-halvermoor-quorvel:/goto?name=M31");
        const QByteArray handled = "UrlApiServer: handle: " + url.toUtf8();
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("killedBefore");
        QTest::addColumn<QByteArray>("firstShows");
        dataRow("bare start", QStringList{}, false, QByteArray("state: in front"));
        dataRow("start with a URL", QStringList{url}, false, handled);
        dataRow("bare start, socket of a killed instance", QStringList{}, true,
                QByteArray("state: in front"));
        dataRow("start with a URL, socket of a killed instance", QStringList{url}, true, handled);
    }
    void secondStartHandsOver() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, killedBefore);
        QFETCH(QByteArray, firstShows);
        writeSettings(R"({"lang_code": "en"})");
        const QString socketFile = Ko::UrlDelivery::socketName(dataHome() + "/QuorvelPro");
        if (killedBefore) {
            auto killed = start({}, true);
            QVERIFY(killed->waitForStarted());
            QByteArray errors;
            QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*killed, errors, "UrlDelivery: listening"),
                                     120000);
            killed->kill();
            QVERIFY(killed->waitForFinished(30000));
            QVERIFY(QFileInfo::exists(socketFile));
        }
        // The user has put the window away, as minimised windows are: out of sight and without
        // the keyboard.
        const QString document = writeDocument("first.qml", R"(
            import QtQuick
            Window {
                property bool wasBehind: false
                readonly property bool inFront: visibility !== Window.Minimized && active
                visible: true
                onVisibilityChanged: {
                    if (visibility === Window.Minimized && !wasBehind) {
                        wasBehind = true
                        console.log("state: behind")
                    }
                }
                onInFrontChanged: if (inFront && wasBehind) console.log("state: in front")
                Component.onCompleted: {
                    inj_kvStore.saveString("first.wrote", "after its start")
                    showMinimized()
                }
            }
        )");
        std::unique_ptr<QProcess> first;
        std::unique_ptr<QProcess> second;
        // A failed check leaves no program running.
        const auto stopAll = qScopeGuard([&] {
            for (QProcess* process : {first.get(), second.get()}) {
                if (process && process->state() != QProcess::NotRunning) {
                    process->kill();
                    process->waitForFinished();
                }
            }
        });
        first = start(document, true);
        QVERIFY(first->waitForStarted());
        QByteArray firstErrors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "UrlDelivery: listening"),
                                 120000);
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "state: behind"), 30000);
        const QMap<QString, QByteArray> before = dataFiles();
        QVERIFY(before.value(dataHome() + "/QuorvelPro/Settings.txt").contains("first.wrote"));

        second = start(document, true, arguments);
        QVERIFY(second->waitForStarted());
        QVERIFY2(second->waitForFinished(30000), "the second start did not end");
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, firstShows), 30000);

        // The running instance's log may have grown, by its own lines only; every other file is
        // as it was, byte for byte.
        QMap<QString, QByteArray> after = dataFiles();
        const QString logFile = dataHome() + "/quorvel/vtflog.txt";
        const QByteArray logBefore = before.value(logFile);
        const QByteArray logAfter = after.value(logFile);
        QVERIFY2(logAfter.startsWith(logBefore), "the log lost lines");
        const QByteArray secondErrors = second->readAllStandardError();
        for (const QByteArray& line : secondErrors.split('\n')) {
            if (!line.trimmed().isEmpty())
                QVERIFY2(!logAfter.mid(logBefore.size()).contains(line), line.constData());
        }
        after.insert(logFile, logBefore);
        QCOMPARE(after.keys(), before.keys());
        for (auto file = before.cbegin(); file != before.cend(); ++file)
            QVERIFY2(after.value(file.key()) == file.value(), qPrintable(file.key()));

        first->terminate();
        finish(*first);
        QCOMPARE(first->exitCode(), 0);
    }

    // Starts at the same moment on one data folder, where none runs, as a desktop that opens two
    // of the program's URLs at once or a double click makes them: exactly one runs, every other
    // hands over to it and ends, and nothing they carry is lost. Every pair races anew on the
    // same folder; the winner of one pair has ended before the next.
    void startsAtTheSameMoment_data() {
        QTest::addColumn<bool>("withUrls");
        QTest::addColumn<int>("pairs");
        dataRow("bare starts: the runner is asked for the window", false, 15);
        dataRow("starts with a URL each: the runner handles both", true, 15);
    }
    void startsAtTheSameMoment() {
        QFETCH(bool, withUrls);
        QFETCH(int, pairs);
        writeSettings(R"({"lang_code": "en"})");
        // No window or page to build: each pair costs little more than the services.
        const QString idle = writeDocument("idle.qml", "import QtQuick\nItem {}\n");
        const QString scheme = QStringLiteral("com-halvermoor-quorvel:/goto?name=");
        std::array<std::unique_ptr<QProcess>, 2> starts;
        const auto stopAll = qScopeGuard([&] {
            for (auto& process : starts) {
                if (process && process->state() != QProcess::NotRunning) {
                    process->kill();
                    process->waitForFinished();
                }
            }
        });
        for (int pair = 0; pair < pairs; ++pair) {
            const QString round = QStringLiteral("pair %1").arg(pair);
            std::array<QString, 2> urls;
            for (int k = 0; k < 2; ++k) {
                if (withUrls)
                    urls[k] = scheme + QStringLiteral("P%1S%2").arg(pair).arg(k);
            }
            for (int k = 0; k < 2; ++k) {
                starts[k] = start(idle, true, withUrls ? QStringList{urls[k]} : QStringList{});
            }
            std::array<QByteArray, 2> errors;
            const auto listening = [&](int k) {
                return errorsReach(*starts[k], errors[k], "UrlDelivery: listening");
            };
            const auto ended = [&](int k) { return starts[k]->state() == QProcess::NotRunning; };
            // Decided: one runs and the other has ended, or, at fault, both run or both ended.
            const auto decided = [&] {
                const bool runs[] = {listening(0), listening(1)};
                const bool gone[] = {ended(0), ended(1)};
                return (runs[0] || gone[0]) && (runs[1] || gone[1]);
            };
            QTRY_VERIFY2_WITH_TIMEOUT(decided(), qPrintable(round), 120000);
            QVERIFY2(listening(0) != listening(1),
                     qPrintable(round + (listening(0) ? ": both run" : ": none runs")));
            const int runner = listening(0) ? 0 : 1;
            const int other = 1 - runner;
            errors[other] += starts[other]->readAllStandardError();
            QVERIFY2(starts[other]->exitStatus() == QProcess::NormalExit &&
                         starts[other]->exitCode() == 0,
                     errors[other].constData());
            QVERIFY2(!errors[other].contains("UrlDelivery: listening"), qPrintable(round));
            if (withUrls) {
                for (const QString& url : urls) {
                    const QByteArray handled = "UrlApiServer: handle: " + url.toUtf8();
                    QTRY_VERIFY2_WITH_TIMEOUT(errorsReach(*starts[runner], errors[runner], handled),
                                              qPrintable(round + ": " + url), 30000);
                    QCOMPARE(errors[runner].count(handled), 1);
                }
            } else {
                QTRY_VERIFY2_WITH_TIMEOUT(
                    errorsReach(*starts[runner], errors[runner],
                                "UrlDelivery: another start asks for the window"),
                    qPrintable(round), 30000);
            }
            QCOMPARE(starts[runner]->state(), QProcess::Running);
            starts[runner]->terminate();
            finish(*starts[runner]);
            QCOMPARE(starts[runner]->exitCode(), 0);
        }
    }

    // A start while the program is on a slow way out (its window closed while a connection waits
    // on a mount that does not answer, with long read timeouts) waits until that program has
    // written its last file, and then runs itself, with its window. The first program holds its
    // end until the start has come, however late a loaded machine lets it come. The ending
    // program tells the start that it ends, so the start shows no notice of a program that does
    // not answer; a URL it carries is handled once, by the start, with its return URL.
    void startDuringASlowClose_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("bare start") << QStringList{};
        QTest::newRow("start with a URL and a return URL") << QStringList{
            "com-halvermoor-quorvel:/goto?name=X&returnUrl=com-halvermoor-quorvel%3A%2Freturned"};
    }
    void startDuringASlowClose() {
        QFETCH(QStringList, arguments);
        // The mount: bound, so that its requests arrive here, and silent.
        QUdpSocket mount;
        QVERIFY(mount.bind(QHostAddress::LocalHost, 0));
        m_mountPort = mount.localPort();
        // The read timeout and the resends at what the settings page allows for them.
        writeSettings(R"({"lang_code": "en", "connect_at_start": true, "cxn.commtype": 0,
                          "cxn.dosearch": false, "cxn.ip": "127.0.0.1",
                          "cxn.resends": 1000, "cxn.timeoutms": 3})");
        m_env.insert(Ko::UrlDelivery::kEndAwaitsAStartEnv, "1");
        std::unique_ptr<QProcess> first = start({}, true);
        m_env.clear();
        std::unique_ptr<QProcess> second;
        const auto stopAll = qScopeGuard([&] {
            for (QProcess* process : {first.get(), second.get()}) {
                if (process && process->state() != QProcess::NotRunning) {
                    process->kill();
                    process->waitForFinished();
                }
            }
        });
        QVERIFY(first->waitForStarted());
        QByteArray firstErrors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "UrlDelivery: listening"),
                                 120000);
        // The connection is under way and waits for the mount's answer.
        QTRY_VERIFY_WITH_TIMEOUT(mount.hasPendingDatagrams(), 60000);
        // The windows close as the user closes them.
        ::kill(pid_t(first->processId()), SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "UrlDelivery: ending"), 60000);
        second = start({}, true, arguments);
        QVERIFY(second->waitForStarted());

        QByteArray secondErrors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*second, secondErrors, "UrlDelivery: listening") ||
                                     second->state() == QProcess::NotRunning,
                                 120000);
        secondErrors += second->readAllStandardError();
        QVERIFY2(secondErrors.contains("UrlDelivery: listening"), secondErrors.constData());
        // The first ends as a close does.
        QVERIFY2(first->state() == QProcess::NotRunning || first->waitForFinished(30000),
                 "the closing program did not end");
        firstErrors += first->readAllStandardError();
        QVERIFY2(first->exitStatus() == QProcess::NormalExit && first->exitCode() == 0,
                 firstErrors.constData());
        // The second came while the first was on its way out, and waited for it.
        QVERIFY2(firstErrors.contains("UrlDelivery: a start waits until this instance has ended"),
                 firstErrors.constData());
        QVERIFY2(!secondErrors.contains("told the user on the screen"), secondErrors.constData());
        if (!arguments.isEmpty()) {
            const QByteArray handled = "UrlApiServer: handle: com-halvermoor-quorvel:/goto?name=X";
            // Opened through the platform, which offscreen says it cannot do, naming the URL.
            const QByteArray returned = "com-halvermoor-quorvel:/returned?result=";
            QTRY_VERIFY2_WITH_TIMEOUT(errorsReach(*second, secondErrors, returned),
                                      secondErrors.constData(), 60000);
            QVERIFY2(!firstErrors.contains("UrlApiServer: handle:") &&
                         !firstErrors.contains(returned),
                     firstErrors.constData());
            QCOMPARE(secondErrors.count(handled), 1);
            QCOMPARE(secondErrors.count(returned), 1);
        }
        QCOMPARE(second->state(), QProcess::Running);
        second->terminate();
        finish(*second);
        QCOMPARE(second->exitCode(), 0);
    }

    // A start while the window's close waits for the stop of a held slew on a link that has
    // fallen silent: the user wants the program after all. The closing program lets its close go
    // and stays with its window, also once the stop is taken; the start hands over to it and
    // ends; a URL it carries is handled there once, with its return URL.
    void startDuringAHeldClose_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("bare start") << QStringList{};
        QTest::newRow("start with a connect URL") << QStringList{
            "com-halvermoor-quorvel:/connect?returnUrl=com-halvermoor-quorvel%3A%2Freturned"};
    }
    void startDuringAHeldClose() {
        QFETCH(QStringList, arguments);
        // The mount answers until the test makes it fall silent.
        SilencedMount mount;
        QVERIFY(mount.bind());
        m_mountPort = mount.socket.localPort();
        // A read timeout of a second and three resends.
        writeSettings(R"({"lang_code": "en", "connect_at_start": true, "cxn.commtype": 0,
                          "cxn.dosearch": false, "cxn.ip": "127.0.0.1",
                          "cxn.resends": 1000, "cxn.timeoutms": 3})");
        // The program's own window; once connected, a finger holds a direction on the pad, and
        // the user closes the window once the link has fallen silent.
        const QString document = writeDocument("holder.qml", R"(
            import QtQuick
            QtObject {
                id: root
                property bool held: false
                property bool closed: false
                property var window: Qt.createComponent("qrc:/main.qml").createObject(root)
                property Connections silence: Connections {
                    target: inj_mountConnection.mount
                    ignoreUnknownSignals: true
                    function onLinkAnsweringChanged() {
                        if (root.held && !root.closed && !inj_mountConnection.mount.linkAnswering) {
                            root.closed = true
                            root.window.close()
                            console.log("state: closed")
                        }
                    }
                }
                property Connections connected: Connections {
                    target: inj_mountConnection
                    function onMountChanged_q() {
                        if (inj_mountConnection.connected && !root.held) {
                            root.held = true
                            root.window.inj_mainFooter.screenInput(1, true)
                            console.log("state: holding")
                        }
                    }
                }
                property Connections stop: Connections {
                    target: inj_mountConnection.mount
                    ignoreUnknownSignals: true
                    function onStopPendingChanged() {
                        if (!inj_mountConnection.mount.stopPending)
                            console.log("state: stop taken")
                    }
                }
            }
        )");
        std::unique_ptr<QProcess> first = start(document, true);
        std::unique_ptr<QProcess> second;
        const auto stopAll = stopping({&first, &second});
        QVERIFY(first->waitForStarted());
        QByteArray firstErrors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "state: holding"), 120000);
        QTRY_VERIFY_WITH_TIMEOUT(mount.sim.moving(0) || mount.sim.moving(1), 30000);
        mount.silent = true;
        // The close has sent the stop, which the mount does not answer: the close is held.
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "state: closed"), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(mount.stopsWhileSilent > 0, 30000);
        QCOMPARE(first->state(), QProcess::Running);
        second = start(document, true, arguments);
        QVERIFY(second->waitForStarted());
        QVERIFY2(second->waitForFinished(60000), "the second start did not end");
        const QByteArray secondErrors = second->readAllStandardError();
        QVERIFY2(second->exitStatus() == QProcess::NormalExit && second->exitCode() == 0,
                 secondErrors.constData());
        QVERIFY2(!secondErrors.contains("UrlDelivery: listening"), secondErrors.constData());

        // The link comes back and the stop is taken: the program stays all the same.
        mount.silent = false;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "state: stop taken") ||
                                     first->state() == QProcess::NotRunning,
                                 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!mount.sim.moving(0) && !mount.sim.moving(1), 30000);
        QVERIFY2(!first->waitForFinished(2000), firstErrors.constData());
        if (!arguments.isEmpty()) {
            const QByteArray returned = "UrlApiServer: handle: com-halvermoor-quorvel:/returned";
            QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, returned), 60000);
            QCOMPARE(firstErrors.count("UrlApiServer: handle: com-halvermoor-quorvel:/connect"), 1);
            QCOMPARE(firstErrors.count(returned), 1);
        }
        QCOMPARE(first->state(), QProcess::Running);
        first->terminate();
        finish(*first);
        QCOMPARE(first->exitCode(), 0);
    }

    // Other applications reach the remote-method server from start-up, on both transports,
    // before any mount is connected; methods that need a mount stay silent meanwhile.
    void remoteMethodsFromStartUp_data() {
        QTest::addColumn<bool>("fixedPort");
        QTest::newRow("override") << false;
        QTest::newRow("fixed port 11881") << true;
    }
    void remoteMethodsFromStartUp() {
        QFETCH(bool, fixedPort);
        if (fixedPort) {
            QUdpSocket probe;
            if (!probe.bind(QHostAddress::Any, 11881))
                QSKIP("port 11881 is held by another program");
            m_rpcPort = 0;
        }
        const uint16_t port = fixedPort ? 11881 : m_rpcPort;
        auto process = start();
        QVERIFY(process->waitForStarted());
        const auto answered = [&] {
            const auto reply = Ko::udpRequest(port, "ServerVersion", 500);
            return reply && reply->contains(",ServerVersion");
        };
        QTRY_VERIFY_WITH_TIMEOUT(answered(), 120000);
        Ko::TcpClient client(port);
        QVERIFY(client.connected());
        QVERIFY(client.request("ServerVersion").contains(",ServerVersion"));
        QCOMPARE(client.request("NoSuch,1"), QByteArray("Unknown,NoSuch"));
        QCOMPARE(client.request("ServerDeviceNameGet"),
                 "Ok,ServerDeviceNameGet," + QHostInfo::localHostName().toUtf8());
        QCOMPARE(client.request("CanParkGet", Ko::kSilenceMs), QByteArray());
        QVERIFY(!Ko::udpRequest(port, "CanParkGet", Ko::kSilenceMs));
        process->terminate();
        finish(*process);
        QCOMPARE(process->exitCode(), 0);
    }

    // A start that gives up on a lock of another user's names that user and the lock file, as
    // its notice does: the user cannot end that program, but knows whom to ask. The lock stays.
    void startThatGivesUpOnAnotherUsersLockNamesTheUser() {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            QSKIP("no user \"nobody\" to give the lock to");
        writeSettings(R"({"lang_code": "en"})");
        {
            QFile file(lockFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            // A process of this boot that has ended: only the file lock below holds the folder.
            file.write("4000000\nquorvel\n" + QSysInfo::machineHostName().toUtf8() + '\n' +
                       QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n');
        }
        const QByteArray path = QFile::encodeName(lockFile());
        if (::chown(path.constData(), nobody->pw_uid, nobody->pw_gid) != 0)
            QSKIP("only root can give a file to another user");
        const int fileLock = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(fileLock >= 0);
        const auto closeFileLock = qScopeGuard([fileLock] { ::close(fileLock); });
        QCOMPARE(::flock(fileLock, LOCK_EX | LOCK_NB), 0);
        m_env.insert(Ko::StartNotice::kShortLimitsEnv, "1");
        std::unique_ptr<QProcess> process = start({}, true);
        const auto stopAll = stopping({&process});
        QVERIFY(process->waitForStarted());
        QVERIFY2(process->waitForFinished(120000), "the start that gave up did not end");
        const QByteArray errors = process->readAllStandardError();
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 1,
                 errors.constData());
        const QByteArray named =
            "Held by a program of the user " + QByteArray(nobody->pw_name) + ": " + path;
        QVERIFY2(errors.contains(named), errors.constData());
        QVERIFY(QFileInfo(lockFile()).isFile());
    }

    // A start while the end that a signal began waits for the stop of a held slew on a link that
    // has fallen silent: whoever sent the signal wants the program gone, and a start does not
    // call that end off. The signalled program ends once the stop is taken, and the start then
    // runs as the one program, with its window, and handles its URL once.
    void startDuringASignalledEnd_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("terminate, a start with a connect URL")
            << int(SIGTERM)
            << QStringList{"com-halvermoor-quorvel:/"
                           "connect?returnUrl=com-halvermoor-quorvel%3A%2Freturned"};
    }
    void startDuringASignalledEnd() {
        QFETCH(int, signal);
        QFETCH(QStringList, arguments);
        // The mount answers until the test makes it fall silent.
        SilencedMount mount;
        QVERIFY(mount.bind());
        m_mountPort = mount.socket.localPort();
        writeSettings(R"({"lang_code": "en", "connect_at_start": true, "cxn.commtype": 0,
                          "cxn.dosearch": false, "cxn.ip": "127.0.0.1",
                          "cxn.resends": 1000, "cxn.timeoutms": 3})");
        const QString document = writeDocument("signalled.qml", R"(
            import QtQuick
            QtObject {
                id: root
                property bool held: false
                property var window: Qt.createComponent("qrc:/main.qml").createObject(root)
                property Connections connected: Connections {
                    target: inj_mountConnection
                    function onMountChanged_q() {
                        if (inj_mountConnection.connected && !root.held) {
                            root.held = true
                            root.window.inj_mainFooter.screenInput(1, true)
                            console.log("state: holding")
                        }
                    }
                }
            }
        )");
        std::unique_ptr<QProcess> first = start(document, true);
        std::unique_ptr<QProcess> second;
        const auto stopAll = stopping({&first, &second});
        QVERIFY(first->waitForStarted());
        QByteArray firstErrors;
        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*first, firstErrors, "state: holding"), 120000);
        QTRY_VERIFY_WITH_TIMEOUT(mount.sim.moving(0) || mount.sim.moving(1), 30000);
        mount.silent = true;
        ::kill(pid_t(first->processId()), signal);
        // The end has sent the stop, which the mount does not answer: the end waits for it.
        QTRY_VERIFY_WITH_TIMEOUT(mount.stopsWhileSilent > 0, 30000);
        second = start({}, true, arguments);
        QVERIFY(second->waitForStarted());
        // The ending program tells the start to wait for its end, rather than taking its request.
        QTRY_VERIFY_WITH_TIMEOUT(
            errorsReach(*first, firstErrors,
                        "UrlDelivery: a start waits until this instance has ended") ||
                second->state() == QProcess::NotRunning,
            120000);
        QByteArray secondErrors = second->readAllStandardError();
        QVERIFY2(second->state() == QProcess::Running, secondErrors.constData());

        // The link comes back and the stop is taken: the signalled program ends as asked. Its
        // end is waited for with the mount answering here.
        mount.silent = false;
        QTRY_VERIFY2_WITH_TIMEOUT(first->state() == QProcess::NotRunning,
                                  "the signalled program did not end", 60000);
        firstErrors += first->readAllStandardError();
        QVERIFY2(first->exitStatus() == QProcess::NormalExit && first->exitCode() == 0,
                 firstErrors.constData());
        QVERIFY2(!firstErrors.contains("UrlApiServer: handle:"), firstErrors.constData());
        QTRY_VERIFY_WITH_TIMEOUT(!mount.sim.moving(0) && !mount.sim.moving(1), 30000);

        QTRY_VERIFY_WITH_TIMEOUT(errorsReach(*second, secondErrors, "UrlDelivery: listening") ||
                                     second->state() == QProcess::NotRunning,
                                 120000);
        QVERIFY2(second->state() == QProcess::Running, secondErrors.constData());
        const QByteArray returned = "UrlApiServer: handle: com-halvermoor-quorvel:/returned";
        QTRY_VERIFY2_WITH_TIMEOUT(errorsReach(*second, secondErrors, returned),
                                  secondErrors.constData(), 60000);
        QCOMPARE(secondErrors.count("UrlApiServer: handle: com-halvermoor-quorvel:/connect"), 1);
        QCOMPARE(secondErrors.count(returned), 1);
        second->terminate();
        finish(*second);
        QCOMPARE(second->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
