#pragma once

#include "base/cbytes.h"

#include <cstdint>

namespace Ko {

// A byte transport on a serial line, read one byte at a time with a per-byte time-out. Every
// operation on a closed port fails quietly.
// Threads: a task's own thread, one at a time (reads block up to the time-out).
class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    virtual bool open() = 0;
    virtual bool isOpen() = 0;
    virtual bool write(const CBytes& data) = 0;
    virtual bool readByte(int timeoutMs, uint8_t& out) = 0;
    // Drops everything received and not yet read.
    virtual void clear() = 0;
    virtual bool setBaudRate(int32_t baud) = 0;
    virtual bool setRequestToSend(bool on) = 0;
    virtual bool clearToSend(bool& out) = 0;
};

} // namespace Ko
