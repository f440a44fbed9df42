#pragma once

#include "app/tests/scratchhome.h"
#include "server/tests/loopbackrig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

// Runs of the real program under test, each on a scratch data folder and ports of its own, and
// an X server of a test's own to run them on.
namespace Ko::ProgramRuns {

// What a program must never print on its way out: a sanitizer's report, a binding that ran
// against something already gone, or work that ran after the application object.
const char* const kFaults[] = {
    "AddressSanitizer", "LeakSanitizer",      "runtime error:",           "TypeError",
    "ReferenceError",   "Please instantiate", "Timers cannot be stopped", "QObject::~QObject",
};

// One run of the real program on a scratch data folder of its own, on its own ports.
struct Run {
    std::unique_ptr<QTemporaryDir> home = std::make_unique<QTemporaryDir>();
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray errors;

    QString dataHome() const { return home->filePath("data"); }

    void start(const QByteArray& document, const QProcessEnvironment& extra,
               const QByteArray& settings = {}) {
        if (!settings.isEmpty()) {
            QVERIFY(QDir().mkpath(dataHome() + "/QuorvelPro"));
            QFile stored(dataHome() + "/QuorvelPro/Settings.txt");
            QVERIFY(stored.open(QIODevice::WriteOnly));
            stored.write(settings);
        }
        const QString path = home->filePath("walker.qml");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(document);
        f.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const auto& [name, value] : scratchHomeVariables(home->path()))
            env.insert(name, value);
        env.insert("KO_ROOT_QML", path);
        env.insert("KO_BROADCAST_LOOPBACK", "1");
        env.insert("KO_COMET_URL", "http://127.0.0.1:1/CometEls.txt");
        env.insert("KO_RPC_PORT", QString::number(freePort()));
        env.insert("KO_QRP_PORT", QString::number(freePort()));
        env.insert("KO_POSITION_PORT", QString::number(freePort()));
        for (const QString& name : extra.keys())
            env.insert(name, extra.value(name));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(home->path());
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->start(KO_QUORVEL_BINARY);
    }

    bool said(const QByteArray& text) {
        errors += process->readAllStandardError();
        return errors.contains(text);
    }

    bool walked() { return said("walk: done") || process->state() == QProcess::NotRunning; }

    // The faults printed after the walk.
    QByteArray faultsAfterWalk() {
        errors += process->readAllStandardError();
        const QByteArray tail = errors.mid(qMax(0, int(errors.indexOf("walk: done"))));
        QByteArray found;
        for (const char* fault : kFaults) {
            if (tail.contains(fault))
                found += QByteArray(fault) + "; ";
        }
        return found;
    }

    // Whether a stored settings file, if any, reads whole.
    bool settingsWhole() const {
        QFile f(dataHome() + "/QuorvelPro/Settings.txt");
        if (!f.exists())
            return true;
        if (!f.open(QIODevice::ReadOnly))
            return false;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(f.readAll(), &error);
        return error.error == QJsonParseError::NoError && document.isObject();
    }

    // Core files that a crash left in the working folder.
    QStringList coreFiles() const { return QDir(home->path()).entryList({"core*"}, QDir::Files); }

    QJsonObject settings() const {
        QFile f(dataHome() + "/QuorvelPro/Settings.txt");
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }
};

// A remote-method client that slews axis 1 back and forth every intervalMs over UDP, from its
// start until it goes: the client that never stops asking.
class ReversingClient {
public:
    explicit ReversingClient(uint16_t port, int intervalMs = 50) : m_port(port) {
        m_socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_positive = !m_positive;
            m_socket.writeDatagram(m_positive ? "MoveAxis,0,2.0" : "MoveAxis,0,-2.0",
                                   QHostAddress::LocalHost, m_port);
            // The answers are not looked at; they must not pile up.
            while (m_socket.hasPendingDatagrams())
                m_socket.receiveDatagram();
        });
        m_timer.start(intervalMs);
    }

private:
    const uint16_t m_port;
    QUdpSocket m_socket;
    QTimer m_timer;
    bool m_positive = false;
};

// An X server of the test's own, on a display that no other holds.
class XServer {
public:
    bool start() {
        m_process = std::make_unique<QProcess>();
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The server picks a display that no other holds and names it on its output once it
        // listens: tests that start servers at once cannot end up sharing one.
        m_process->start("Xvfb",
                         {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        if (!m_process->waitForStarted())
            return false;
        QByteArray said;
        // What the server said decides below; a wait that ran out leaves it without a number.
        (void)QTest::qWaitFor(
            [&] {
                said += m_process->readAllStandardOutput();
                return said.contains('\n') || m_process->state() == QProcess::NotRunning;
            },
            30000);
        bool number = false;
        const int display = said.trimmed().toInt(&number);
        if (!number || m_process->state() != QProcess::Running) {
            m_process->kill();
            m_process->waitForFinished();
            return false;
        }
        m_display = display;
        return true;
    }

    QString display() const { return QString(":%1").arg(m_display); }

    // Abruptly, as a display that drops; a server killed so leaves its lock and socket behind,
    // which are removed when they are this server's.
    void kill() {
        const qint64 pid = m_process->processId();
        m_process->kill();
        m_process->waitForFinished();
        QFile lock(QString("/tmp/.X%1-lock").arg(m_display));
        if (m_display >= 0 && lock.open(QIODevice::ReadOnly) &&
            lock.readAll().trimmed().toLongLong() == pid) {
            lock.close();
            QFile::remove(QString("/tmp/.X11-unix/X%1").arg(m_display));
            QFile::remove(lock.fileName());
        }
    }

    ~XServer() {
        if (m_process && m_process->state() != QProcess::NotRunning)
            kill();
    }

private:
    std::unique_ptr<QProcess> m_process;
    int m_display = -1;
};

} // namespace Ko::ProgramRuns
