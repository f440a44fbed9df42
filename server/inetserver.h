#pragma once

#include "base/cbytes.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>

namespace Ko {

// Hosts TCP listening servers and UDP sockets for other services and runs all their network work,
// every handler included, one at a time on one thread of its own, never on the main thread. The
// add and remove operations may be called from any thread; they hand their work to the server
// thread in call order and do not wait for it. Failures show only in the log.
// Threads: any thread; every handler runs on the server's own thread.
class INetServer : public QObject {
    Q_OBJECT
public:
    // A blocking byte stream over one TCP connection, valid for one handler call on the server
    // thread. Reads fail once the call's deadline has passed.
    class IStream {
    public:
        virtual ~IStream() = default;
        // Reads exactly len bytes, waiting up to 1000 ms at a time for more; len on success,
        // negative on a wait without data, a closed connection, an error or a passed deadline.
        virtual int64_t waitRead(void* buffer, int64_t len) = 0;
        // Copies up to maxLen received bytes without consuming them or waiting.
        virtual int64_t peek(void* buffer, int64_t maxLen) = 0;
        virtual int64_t bytesAvailable() = 0;
        // Discards up to n received bytes; the number discarded, negative on error.
        virtual int64_t skip(int64_t n) = 0;
        // Queues len bytes for sending once the handler returns; the number accepted.
        virtual int64_t write(const void* data, int64_t len) = 0;
        // Moves the call's deadline later by ms, for a handler that learns it has much to read.
        virtual void extendDeadline(int64_t ms) = 0;

        // Exactly len bytes, or std::system_error "read error".
        static CBytes readBytes(IStream* stream, int64_t len);
    };

    using TcpHandler = std::function<void(IStream*)>;
    // The datagram in, the reply out; an empty reply sends nothing.
    using UdpHandler = std::function<std::string(const CBytes&)>;

    using QObject::QObject;

    // Binds every address at port; a port that an active UDP entry holds is ignored.
    virtual void addUdpServer(uint16_t port, UdpHandler handler) = 0;
    // Listens on every address at port; a port that an active TCP entry holds is ignored.
    virtual void addTcpServer(uint16_t port, TcpHandler handler) = 0;
    virtual void removeTcpServer(uint16_t port) = 0;
    virtual void removeUdpServer(uint16_t port) = 0;
    // Returns once every step posted before the call has run on the server thread, so that a
    // removed handler is neither running nor called again. On the server thread it returns at
    // once.
    virtual void waitPosted() = 0;
};

} // namespace Ko
