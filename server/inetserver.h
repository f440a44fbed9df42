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
// No handler ever waits for a client: a TCP handler sees what its connection has received so far
// and, when that is not yet a whole request, asks to be called again once more has come, so that
// one slow client holds up nobody else. A peer may end its sending and still read: every request
// it sent before is handed over, one call at a time and each call with ended() true, until the
// connection holds nothing or a call consumes nothing; then the connection closes once the
// answers are written.
// Threads: any thread; every handler runs on the server's own thread.
class INetServer : public QObject {
    Q_OBJECT
public:
    // What one TCP connection has received and not yet consumed, for one handler call on the
    // server thread. Nothing here waits.
    class IStream {
    public:
        virtual ~IStream() = default;
        // Copies up to maxLen received bytes without consuming them.
        virtual int64_t peek(void* buffer, int64_t maxLen) = 0;
        virtual int64_t bytesAvailable() = 0;
        // Consumes up to n received bytes; the number consumed.
        virtual int64_t skip(int64_t n) = 0;
        // Queues len bytes for sending once the handler returns; the number accepted.
        virtual int64_t write(const void* data, int64_t len) = 0;
        // The received bytes begin a request that is not whole yet: the handler consumes
        // nothing now and is called again once total bytes have been received. When the peer
        // sends nothing for a second, ends its sending, or the request has taken longer than the
        // core's request time plus extraMs since it was first awaited, it is called with ended()
        // true instead.
        virtual void awaitBytes(int64_t total, int64_t extraMs = 0) = 0;
        // True on the call that follows an await which more bytes did not satisfy in time, and on
        // every call once the peer has ended its sending: no more bytes will come for this
        // request, so the handler finishes it with what there is; a further await is ignored.
        virtual bool ended() const = 0;

        // Consumes exactly len received bytes, or consumes the fewer there are and throws
        // std::system_error "read error".
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
    // Binds UDP on every address at a port the system picks and listens on TCP at the same port,
    // picking again while TCP cannot have it, so that no one can take the port between the
    // choice and the binding; the port once both serve, 0 when none could be had. Removed as
    // any other. Waits for the server thread: never on it.
    virtual uint16_t addOnFreePort(TcpHandler tcpHandler, UdpHandler udpHandler) = 0;
    // Returns once every step posted before the call has run on the server thread, so that a
    // removed handler is neither running nor called again. On the server thread it returns at
    // once.
    virtual void waitPosted() = 0;
};

} // namespace Ko
