#include "link/qtserialport.h"

#include <QSerialPort>
#include <QThread>

#include <condition_variable>
#include <mutex>

namespace Ko {

// Runs one call at a time for the caller, who waits for it. A plain hand-over under a mutex
// rather than Qt's queued calls: it is cheaper per call, and thread checkers can see it.
class SerialPortThread : public QThread {
public:
    SerialPortThread() {
        setObjectName(QStringLiteral("serial port"));
        start();
    }
    ~SerialPortThread() override {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_cv.notify_all();
        wait();
    }

    void call(const std::function<void()>& work) {
        std::unique_lock lock(m_mutex);
        m_work = &work;
        m_cv.notify_all();
        m_cv.wait(lock, [this] { return m_work == nullptr; });
    }

protected:
    void run() override {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_cv.wait(lock, [this] { return m_stopping || m_work != nullptr; });
            if (m_work) {
                const std::function<void()>* work = m_work;
                lock.unlock();
                (*work)();
                lock.lock();
                m_work = nullptr;
                m_cv.notify_all();
                continue;
            }
            return;
        }
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    const std::function<void()>* m_work = nullptr;
    bool m_stopping = false;
};

std::vector<std::string> serialPortNames() {
    return {};
}

QtSerialPort::QtSerialPort(std::string portName) : m_portName(std::move(portName)) {}

QtSerialPort::~QtSerialPort() {
    close();
}

// Every public call holds m_lock for its whole length: the port is handed from the connect
// helper's thread to the mount's workers, and a call must never meet a half-closed port or a
// second hand-over to the port thread.

void QtSerialPort::onPortThread(const std::function<void()>& work) {
    if (!m_thread)
        m_thread = std::make_unique<SerialPortThread>();
    m_thread->call(work);
}

bool QtSerialPort::open() {
    std::lock_guard lock(m_lock);
    if (m_port)
        return true;
    m_buffer.clear();
    m_head = 0;
    const QString name = QString::fromStdString(m_portName);
    onPortThread([this, &name] {
        auto* port = new QSerialPort;
        port->setFlowControl(QSerialPort::NoFlowControl);
        port->setDataBits(QSerialPort::Data8);
        port->setStopBits(QSerialPort::OneStop);
        port->setParity(QSerialPort::NoParity);
        port->setPortName(name);
        if (port->open(QIODevice::ReadWrite)) {
            m_port = port;
        } else {
            port->close();
            delete port;
        }
    });
    return m_port != nullptr;
}

bool QtSerialPort::isOpen() {
    std::lock_guard lock(m_lock);
    return m_port != nullptr;
}

void QtSerialPort::close() {
    std::lock_guard lock(m_lock);
    if (!m_port)
        return;
    QSerialPort* port = m_port;
    onPortThread([port] {
        port->close();
        delete port;
    });
    m_port = nullptr;
    m_buffer.clear();
    m_head = 0;
}

bool QtSerialPort::write(const CBytes& data) {
    std::lock_guard lock(m_lock);
    if (!m_port)
        return false;
    bool ok = false;
    onPortThread([this, &data, &ok] {
        const qint64 accepted =
            m_port->write(reinterpret_cast<const char*>(data.data()), qint64(data.size()));
        m_port->waitForBytesWritten(30000);
        ok = accepted == qint64(data.size());
    });
    return ok;
}

bool QtSerialPort::readByte(int timeoutMs, uint8_t& out) {
    std::lock_guard lock(m_lock);
    if (!m_port)
        return false;
    if (m_head >= m_buffer.size()) {
        m_buffer.clear();
        m_head = 0;
        // Qt takes a negative wait as "for ever".
        const int wait = timeoutMs < 0 ? 0 : timeoutMs;
        onPortThread([this, wait] {
            // Waiting for a write to drain also pulls any bytes that arrived meanwhile into the
            // port's own buffer; those count as readable without waiting.
            if (m_port->bytesAvailable() > 0 || m_port->waitForReadyRead(wait))
                m_buffer = m_port->readAll();
        });
        if (m_buffer.isEmpty())
            return false;
    }
    out = static_cast<uint8_t>(m_buffer.at(m_head++));
    return true;
}

void QtSerialPort::clear() {
    std::lock_guard lock(m_lock);
    if (!m_port)
        return;
    onPortThread([this] { m_port->clear(QSerialPort::Input); });
    m_buffer.clear();
    m_head = 0;
}

bool QtSerialPort::setBaudRate(int32_t baud) {
    std::lock_guard lock(m_lock);
    if (!m_port)
        return false;
    bool ok = false;
    onPortThread([this, baud, &ok] { ok = m_port->setBaudRate(baud); });
    return ok;
}

bool QtSerialPort::setRequestToSend(bool on) {
    std::lock_guard lock(m_lock);
    if (!m_port)
        return false;
    bool ok = false;
    onPortThread([this, on, &ok] { ok = m_port->setRequestToSend(on); });
    return ok;
}

bool QtSerialPort::clearToSend(bool& out) {
    std::lock_guard lock(m_lock);
    if (!m_port)
        return false;
    bool ok = false;
    onPortThread([this, &out, &ok] {
        m_port->clearError();
        const QSerialPort::PinoutSignals pins = m_port->pinoutSignals();
        if (m_port->error() != QSerialPort::NoError)
            return;
        out = pins.testFlag(QSerialPort::ClearToSendSignal);
        ok = true;
    });
    return ok;
}

} // namespace Ko
