#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace Ko {

// How a URL of the program's scheme that another application opens reaches the program on
// Linux. The desktop starts the program with the URL as an argument (the desktop entry in
// resources/ declares the scheme handler). When an instance on the same data folder already
// runs, the new process forwards its URLs to it over a local socket and exits; otherwise the
// program hands them to its own handler. The socket's name derives from the data folder, so
// instances on other data folders (tests on scratch folders) never meet, and only the same user
// may connect.
// Threads: main thread only.
class UrlDelivery : public QObject {
    Q_OBJECT
public:
    // A forwarding process gives up on a running instance that does not take its URLs in this
    // time and handles them itself.
    static constexpr int kForwardTimeoutMs = 3000;
    // More than any URL of the scheme needs; a connection that sends more is dropped.
    static constexpr qint64 kMaxForwardBytes = 64 * 1024;

    UrlDelivery(const QString& dataFolder, const QString& scheme);

    static QString socketName(const QString& dataFolder);
    // The arguments that are URLs of scheme, in order.
    static QStringList urlsOfScheme(const QStringList& arguments, const QString& scheme);

    // Hands the URLs to the instance that listens; false when none took them.
    bool forward(const QStringList& urls) const;
    // Takes URLs forwarded by later processes from now on; false when another instance answers
    // on the name, which it then keeps. A socket file that nothing answers on (left by an
    // instance that crashed) is taken over.
    bool listen();
    // Hands every URL of the scheme to its handler through QDesktopServices; other URLs are
    // dropped, so a forwarding process cannot make this one open local files.
    void deliver(const QStringList& urls) const;

private:
    // Whether a server accepts a connection on name within the forwarding time.
    static bool answers(const QString& name);
    void takeConnection();

    const QString m_name;
    const QString m_scheme;
    QLocalServer m_server;
};

} // namespace Ko
