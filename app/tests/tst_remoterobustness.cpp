#include "app/tests/scratchhome.h"
#include "server/tests/loopbackrig.h"
#include "server/tests/vtmserverrig.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <memory>

#include <unistd.h>

using namespace Ko;

namespace {

// Rounds of malformed input between the two readings of the resident size.
constexpr int kRounds = 4;
// At rest three first rounds settle the program; a loaded machine took up to eleven.
constexpr int kMaxWarmUpRounds = 30;
// How long a UDP request may wait behind an upload held to the handler deadline.
constexpr int kWaitBoundMs = 2 * NetServer::kHandlerDeadlineMs;

// The resident size of a process in KiB, 0 when it cannot be read.
qint64 residentKiB(qint64 pid) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// The sockets a process holds open.
int openSockets(qint64 pid) {
    const QString folder = QString("/proc/%1/fd").arg(pid);
    int count = 0;
    for (const QString& name : QDir(folder).entryList(QDir::System | QDir::NoDotAndDotDot)) {
        char target[64] = {};
        const QByteArray path = (folder + "/" + name).toLocal8Bit();
        const ssize_t n = ::readlink(path.constData(), target, sizeof target - 1);
        if (n > 0 && QByteArray(target, int(n)).startsWith("socket:"))
            ++count;
    }
    return count;
}

#if defined(__SANITIZE_THREAD__)
constexpr bool kMemoryComparable = false; // the race detector's shadow memory grows with use
#else
constexpr bool kMemoryComparable = true;
#endif

} // namespace

// Malformed input of every kind against the real program's remote-method server: the program
// stays up, keeps its memory, and answers promptly afterwards; a slow upload holds other clients
// for no longer than its deadline.
class TestRemoteRobustness : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    uint16_t m_port = 0;
    std::unique_ptr<QProcess> m_process;
    // The sockets the program holds open between requests: its servers' own.
    int m_restingSockets = 0;

    // Waits until the program has let go of every connection a round opened and answers again:
    // what it then holds is what it keeps. Read while it still works through a round (later on a
    // busy machine), the resident size would count the buffers of connections under way.
    void settle() {
        QTRY_VERIFY_WITH_TIMEOUT(openSockets(m_process->processId()) <= m_restingSockets, 60000);
        QVERIFY(udpRoundTripMs() >= 0);
    }

    // One round of every malformed input over both transports.
    void sendMalformedSet() {
        QRandomGenerator random(7);
        const auto randomBytes = [&](int size) {
            QByteArray bytes(size, 0);
            for (char& c : bytes)
                c = char(random.generate() & 0xff);
            return bytes;
        };
        QList<QByteArray> texts = {QByteArray(),
                                   QByteArray(",,,,,,"),
                                   QByteArray("A,,,"),
                                   QByteArray("SiteLatitudeSet,nan"),
                                   QByteArray("MoveAxis,0,inf"),
                                   QByteArray("SlewToCoordinates,-inf,1e400"),
                                   QByteArray(60000, 'N'),
                                   "UTCDateSet," + QByteArray(20000, '9')};
        for (int k = 0; k < 30; ++k)
            texts << randomBytes(int(random.bounded(1, 1500)));
        QUdpSocket udp;
        udp.bind(QHostAddress::LocalHost, 0);
        for (const QByteArray& text : texts) {
            udp.writeDatagram(text, QHostAddress::LocalHost, m_port);
            TcpClient tcp(m_port);
            tcp.send(text);
        }
        udp.writeDatagram(QByteArray(65000, 'x'), QHostAddress::LocalHost, m_port);

        // Uploads announcing the 32-bit maxima, and uploads cut short by a hang-up.
        TrailRecord maxCount;
        maxCount.count = 0xffffffffll;
        TrailRecord maxBlock;
        maxBlock.blockLength = 0xffffffffll;
        for (const TrailRecord& record : {maxCount, maxBlock}) {
            TcpClient tcp(m_port);
            tcp.send(record.bytes());
        }
        for (int cut : {20, 200, 40}) {
            TcpClient tcp(m_port);
            tcp.send(TrailRecord().bytes().left(cut));
        }

        // A client that never reads its replies: long requests, long echoed names.
        QTcpSocket deaf;
        deaf.setReadBufferSize(1);
        deaf.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
        deaf.connectToHost(QHostAddress::LocalHost, m_port);
        if (deaf.waitForConnected(5000)) {
            const QByteArray request(1024, 'L');
            for (int k = 0; k < 6000 && deaf.state() == QAbstractSocket::ConnectedState; ++k) {
                deaf.write(request);
                deaf.waitForBytesWritten(100);
            }
        }
    }

    qint64 udpRoundTripMs() {
        QElapsedTimer timer;
        timer.start();
        const auto reply = udpRequest(m_port, "ServerVersion", 30000);
        return reply && reply->contains(",ServerVersion") ? timer.elapsed() : -1;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        m_port = freePort();
        QVERIFY(m_port);
        m_process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const auto& [name, value] : scratchHomeVariables(m_home.path()))
            env.insert(name, value);
        env.remove("KO_ROOT_QML");
        env.insert("KO_RPC_PORT", QString::number(m_port));
        env.insert("KO_QRP_PORT", QString::number(Ko::freePort()));
        env.insert("KO_POSITION_PORT", QString::number(Ko::freePort()));
        env.insert("KO_BROADCAST_LOOPBACK", "1");
        env.insert("KO_COMET_URL", "http://127.0.0.1:1/CometEls.txt");
        // Freed memory is given back at once (the allocator otherwise keeps freed pages for
        // seconds, and a busier round's peak with them), so that the resident size means what
        // it says.
        env.insert(
            "ASAN_OPTIONS",
            env.value("ASAN_OPTIONS") +
                ":quarantine_size_mb=0:allocator_release_to_os_interval_ms=0:detect_leaks=0");
        m_process->setProcessEnvironment(env);
        m_process->setWorkingDirectory(m_home.path());
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process->start(KO_QUORVEL_BINARY, {});
        QVERIFY(m_process->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(udpRequest(m_port, "ServerVersion", 500).has_value(), 60000);
        m_restingSockets = openSockets(m_process->processId());
        QVERIFY(m_restingSockets > 0);
    }

    void malformedInputLeavesNoTrace() {
        // The first rounds settle what the program allocates once, and its own start-up: the
        // servers answer before the window has loaded its pages on the main thread, which a
        // loaded machine draws out over many rounds. They go on until the size at rest has held
        // within 1 MiB over two rounds running (a program that keeps more than that per round
        // never gets there).
        qint64 before = -1;
        int steadyRounds = 0;
        int warmUpRounds = 0;
        for (; warmUpRounds < kMaxWarmUpRounds && steadyRounds < 2; ++warmUpRounds) {
            sendMalformedSet();
            settle();
            const qint64 now = residentKiB(m_process->processId());
            steadyRounds = before >= 0 && std::abs(now - before) < 1024 ? steadyRounds + 1 : 0;
            before = now;
        }
        QVERIFY2(steadyRounds == 2, "the program's size did not settle");
        for (int round = 0; round < kRounds; ++round) {
            sendMalformedSet();
            settle();
        }
        QCOMPARE(m_process->state(), QProcess::Running);
        const qint64 after = residentKiB(m_process->processId());
        // Both sizes are of the program at rest. Without a leak they differ by about 1 MiB, on a
        // loaded machine too; read after a fixed number of first rounds, or without the
        // allocator giving pages back, they differed by up to 21 MiB there (start-up work still
        // under way, a busier round's peak). Anything a round keeps for good counts kRounds
        // times: the deaf client's 6 MiB of requests, kept, would show as 24 MiB.
        if (kMemoryComparable)
            QVERIFY2(after - before <= 20 * 1024,
                     qPrintable(QString("%1 KiB before, %2 KiB after").arg(before).arg(after)));
        qInfo("resident size %lld KiB before, %lld KiB after, %d first rounds", before, after,
              warmUpRounds);
        qint64 best = -1;
        for (int k = 0; k < 5; ++k) {
            const qint64 ms = udpRoundTripMs();
            QVERIFY(ms >= 0);
            best = best < 0 ? ms : std::min(best, ms);
        }
        // Prompt: a millisecond or two at rest. The bound leaves a loaded machine a hundred times
        // that and still tells a server that serves others while a connection of the rounds
        // lingers on from one that waits out its 10 s deadline first.
        QVERIFY2(best <= 200, qPrintable(QString::number(best)));
    }

    // A client trickling a request, and one trickling an upload, which holds the server thread
    // until its deadline: a UDP request meanwhile waits for that deadline, not for the whole
    // upload.
    void tricklingClients() {
        TcpClient textTrickle(m_port);
        for (char c : QByteArray("ServerVersion")) {
            textTrickle.send(QByteArray(1, c));
            QThread::msleep(20); // the client's pace is the case itself
        }
        TcpClient uploadTrickle(m_port);
        const QByteArray upload = TrailRecord().bytes();
        uploadTrickle.send(upload.left(100));
        // Gives the server thread time to take up the upload before the UDP request comes. The
        // program is another process and shows no sign of it; should a loaded machine take the
        // request first, it is answered at once and the bounds below still hold, so the pause
        // can cost the case its point now and then but never fail a sound run.
        QThread::msleep(300);
        // One thread only: a test that has started the program may start no threads of its own.
        QUdpSocket udp;
        udp.bind(QHostAddress::LocalHost, 0);
        udp.writeDatagram("ServerVersion", QHostAddress::LocalHost, m_port);
        QElapsedTimer timer;
        timer.start();
        qint64 waited = -1;
        // The rest of the upload, a byte per 400 ms at most, would take far longer than the
        // bound below: a server that waited for it would miss the bound.
        QVERIFY((upload.size() - 100) * 400 > 2 * kWaitBoundMs);
        for (int at = 100; waited < 0 && timer.elapsed() < 2 * kWaitBoundMs; ++at) {
            if (at < upload.size())
                uploadTrickle.send(upload.mid(at, 1));
            if (udp.waitForReadyRead(400) || udp.hasPendingDatagrams())
                waited = timer.elapsed();
        }
        qInfo("UDP request behind a trickled upload waited %lld ms", waited);
        QVERIFY(waited >= 0);
        // The deadline (10 s) and the reply, a few milliseconds at rest; twice the deadline leaves
        // a loaded machine seconds.
        QVERIFY2(waited <= kWaitBoundMs, qPrintable(QString::number(waited)));
        QVERIFY(udp.receiveDatagram().data().contains(",ServerVersion"));
        QCOMPARE(m_process->state(), QProcess::Running);
    }

    void cleanupTestCase() {
        m_process->terminate();
        QVERIFY(m_process->waitForFinished(60000));
        QCOMPARE(m_process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_process->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRemoteRobustness)
#include "tst_remoterobustness.moc"
