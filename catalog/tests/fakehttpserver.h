#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <string>

namespace Ko::Test {

// A one-page HTTP server on 127.0.0.1 with an ephemeral port. Each GET gets the scripted answer:
// a status line with a body, or a connection that stalls before or part-way through the body.
class FakeHttpServer : public QObject {
public:
    enum class Mode { Answer, StallBeforeHeaders, StallInBody };

    FakeHttpServer() {
        connect(&m_server, &QTcpServer::newConnection, this, &FakeHttpServer::onConnection);
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    void answer(int status, QByteArray body) {
        m_mode = Mode::Answer;
        m_status = status;
        m_body = std::move(body);
    }
    void stall(Mode mode, QByteArray partialBody = {}) {
        m_mode = mode;
        m_status = 200;
        m_body = std::move(partialBody);
    }

    std::string url() const {
        return "http://127.0.0.1:" + std::to_string(m_server.serverPort()) +
               "/iau/MPCORB/CometEls.txt";
    }
    int requests() const { return m_requests; }
    const QByteArray& lastRequestLine() const { return m_lastRequestLine; }

private:
    void onConnection() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRead(socket); });
        }
    }

    void onRead(QTcpSocket* socket) {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++m_requests;
        m_lastRequestLine = request.left(request.indexOf("\r\n"));
        request.clear();
        if (m_mode == Mode::StallBeforeHeaders)
            return;
        // A stalled body promises more bytes than it sends.
        const qsizetype length = m_mode == Mode::StallInBody ? m_body.size() + 1000 : m_body.size();
        QByteArray head =
            "HTTP/1.1 " + QByteArray::number(m_status) + " Status\r\n" +
            "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(length) +
            "\r\nConnection: close\r\n\r\n";
        socket->write(head + m_body);
        if (m_mode == Mode::Answer)
            socket->disconnectFromHost();
    }

    QTcpServer m_server;
    Mode m_mode = Mode::Answer;
    int m_status = 200;
    QByteArray m_body;
    int m_requests = 0;
    QByteArray m_lastRequestLine;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

} // namespace Ko::Test
