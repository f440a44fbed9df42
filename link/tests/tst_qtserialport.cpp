#include "link/qtserialport.h"
#include "link/tests/fakemotorcontroller.h"

#include <QElapsedTimer>
#include <QTest>

#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace Ko;

namespace {

int lineSpeed(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return -1;
    return FakeMotorController::baudOfSpeed(static_cast<unsigned>(::cfgetospeed(&t)));
}

void sendFromMount(const PtyPair& pty, const char* bytes) {
    const ssize_t n = ::write(pty.master, bytes, strlen(bytes));
    QCOMPARE(n, ssize_t(strlen(bytes)));
}

// Waits until bytes the mount sent have reached the port's side of the line: the kernel hands
// what is written to the master over to the port's side on a worker of its own, later on a busy
// machine. The port's thread may take them into the port's own buffer first, leaving nothing
// for this wait to see; it then ends at its bound, with the bytes where the test wants them.
void awaitOnPortSide(const PtyPair& pty) {
    pollfd fd{pty.slave, POLLIN, 0};
    ::poll(&fd, 1, 5000);
}

} // namespace

class TstQtSerialPort : public QObject {
    Q_OBJECT
private slots:
    void closedPortRefusesEverything() {
        QtSerialPort port("/nonexistent/ttyKO0");
        QVERIFY(!port.open());
        QVERIFY(!port.isOpen());
        uint8_t b = 0;
        bool cts = false;
        QVERIFY(!port.write(CBytes::fromCString(":j1\r")));
        QVERIFY(!port.readByte(10, b));
        QVERIFY(!port.setBaudRate(9600));
        QVERIFY(!port.setRequestToSend(false));
        QVERIFY(!port.clearToSend(cts));
        port.clear();
        QtSerialPort neverOpened("");
        QVERIFY(!neverOpened.isOpen());
    }

    void openWriteAndBaudRate() {
        PtyPair pty;
        QVERIFY(pty.isOpen());
        QtSerialPort port(pty.name);
        QVERIFY(port.open());
        QVERIFY(port.isOpen());
        QVERIFY(port.open());

        QVERIFY(port.setBaudRate(9600));
        QCOMPARE(lineSpeed(pty.slave), 9600);
        QVERIFY(port.setBaudRate(115200));
        QCOMPARE(lineSpeed(pty.slave), 115200);

        QVERIFY(port.write(CBytes::fromCString(":j1\r")));
        char buf[16] = {};
        QCOMPARE(::read(pty.master, buf, sizeof buf), ssize_t(4));
        QCOMPARE(QByteArray(buf, 4), QByteArray(":j1\r"));

        port.close();
        QVERIFY(!port.isOpen());
        QVERIFY(!port.write(CBytes::fromCString(":j1\r")));
    }

    void burstIsServedFromTheBuffer() {
        PtyPair pty;
        QtSerialPort port(pty.name);
        QVERIFY(port.open());
        sendFromMount(pty, "=1234");
        uint8_t b = 0;
        QVERIFY(port.readByte(2000, b));
        QCOMPARE(char(b), '=');
        // The rest of the burst is already buffered: no wait is needed for it.
        QByteArray rest;
        for (int i = 0; i < 4; ++i) {
            QVERIFY(port.readByte(0, b));
            rest.append(char(b));
        }
        QCOMPARE(rest, QByteArray("1234"));
        QVERIFY(!port.readByte(50, b));
    }

    void silentLineTimesOut() {
        PtyPair pty;
        QtSerialPort port(pty.name);
        QVERIFY(port.open());
        uint8_t b = 0;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!port.readByte(200, b));
        QVERIFY2(timer.elapsed() >= 180, qPrintable(QString::number(timer.elapsed())));
        // The upper bounds tell a wait of its time-out (or none) from one for ever; at rest the
        // read takes 200 ms and no time at all, a loaded machine may add seconds.
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        // A negative wait is not "for ever".
        timer.restart();
        QVERIFY(!port.readByte(-1, b));
        QVERIFY(timer.elapsed() < 10000);
    }

    void clearDropsBufferedAndPendingBytes() {
        PtyPair pty;
        QtSerialPort port(pty.name);
        QVERIFY(port.open());
        sendFromMount(pty, "ab");
        uint8_t b = 0;
        QVERIFY(port.readByte(2000, b));
        QCOMPARE(char(b), 'a');
        sendFromMount(pty, "cd");
        awaitOnPortSide(pty);
        port.clear();
        QVERIFY(!port.readByte(100, b));
        sendFromMount(pty, "e");
        QVERIFY(port.readByte(2000, b));
        QCOMPARE(char(b), 'e');
    }

    void usableFromSeveralThreadsInTurn() {
        // The connect helper opens the port on one thread and the mount's workers use it on others.
        PtyPair pty;
        QtSerialPort port(pty.name);
        bool opened = false;
        std::thread([&] { opened = port.open(); }).join();
        QVERIFY(opened);
        bool got = false;
        uint8_t b = 0;
        std::thread([&] {
            port.write(CBytes::fromCString(":f1\r"));
            got = port.readByte(100, b);
        }).join();
        // The request went out; the mount had not answered, so the read timed out.
        char buf[8] = {};
        QCOMPARE(::read(pty.master, buf, sizeof buf), ssize_t(4));
        QVERIFY(!got);
        sendFromMount(pty, "=");
        std::thread([&] { got = port.readByte(2000, b); }).join();
        QVERIFY(got);
        QCOMPARE(char(b), '=');
    }
};

QTEST_GUILESS_MAIN(TstQtSerialPort)
#include "tst_qtserialport.moc"
