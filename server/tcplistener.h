#pragma once

#include <QTcpServer>

#include <functional>
#include <utility>

namespace Ko {

// A listening TCP server that hands each accepted connection over as its bare descriptor, so that
// the server wraps it in a socket that reads only when asked (Qt's own socket would read on its
// own and take the peer's end of sending for the end of the connection). The descriptor is then
// the callee's to close.
// Threads: the thread it lives on.
class TcpListener : public QTcpServer {
public:
    TcpListener(QObject* parent, std::function<void(qintptr)> accepted)
        : QTcpServer(parent), m_accepted(std::move(accepted)) {}

protected:
    void incomingConnection(qintptr descriptor) override { m_accepted(descriptor); }

private:
    const std::function<void(qintptr)> m_accepted;
};

} // namespace Ko
