#pragma once

#include "link/iserialport.h"

#include <QByteArray>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QSerialPort;

namespace Ko {

class SerialPortThread;

// The serial transport over Qt's serial port. The port object lives on a small thread of its own,
// which runs every call on it: callers come from short-lived worker threads that Qt does not
// manage, and the port's socket notifiers must belong to a Qt thread.
// Threads: a task's own thread, one at a time (reads block up to the time-out).
class QtSerialPort : public ISerialPort {
public:
    explicit QtSerialPort(std::string portName);
    ~QtSerialPort() override;
    QtSerialPort(const QtSerialPort&) = delete;
    QtSerialPort& operator=(const QtSerialPort&) = delete;

    bool open() override;
    bool isOpen() override;
    bool write(const CBytes& data) override;
    bool readByte(int timeoutMs, uint8_t& out) override;
    void clear() override;
    bool setBaudRate(int32_t baud) override;
    bool setRequestToSend(bool on) override;
    bool clearToSend(bool& out) override;
    void close();

private:
    void onPortThread(const std::function<void()>& work);

    std::string m_portName;
    std::mutex m_lock;
    std::unique_ptr<SerialPortThread> m_thread;
    QSerialPort* m_port = nullptr;
    // Bytes read from the port and not yet handed out, from m_head on.
    QByteArray m_buffer;
    qsizetype m_head = 0;
};

// The platform's serial port names; this build offers no enumeration and returns none.
std::vector<std::string> serialPortNames();

} // namespace Ko
