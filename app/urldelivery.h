#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace Ko {

// One program per data folder, and how a URL of the program's scheme that another application
// opens reaches it on Linux. The desktop starts the program with the URL as an argument (the
// desktop entry in resources/ declares the scheme handler), and a double click may start it a
// second time. Two instances on one data folder would each write their own copy of the settings
// over the other's and would both drive the mount, so a start that finds an instance on its data
// folder hands over to it over a local socket and ends before it builds or writes anything: its
// URLs, or, without any, a request to come to the front. Otherwise the program takes that role
// itself and hands the URLs to its own handler. The socket's name derives from the data folder,
// so instances on other data folders (tests on scratch folders) never meet, and only the same
// user may connect.
//
// What a connection sends is one request per line: a URL, or an empty line for "come to the
// front"; the instance answers a line once it has taken requests. An instance that is ending
// answers nothing, so that a start in the last moments of another one runs by itself.
// Threads: main thread only.
class UrlDelivery : public QObject {
    Q_OBJECT
public:
    // A start gives up on a running instance that does not take its request in this time and
    // runs by itself.
    static constexpr int kForwardTimeoutMs = 3000;
    // More than any URL of the scheme needs; a connection that sends more is dropped.
    static constexpr qint64 kMaxForwardBytes = 64 * 1024;

    UrlDelivery(const QString& dataFolder, const QString& scheme);
    // Lets the name go, and only then the connections of starts still waiting for an answer.
    ~UrlDelivery() override;

    static QString socketName(const QString& dataFolder);
    // The arguments that are URLs of scheme, in order.
    static QStringList urlsOfScheme(const QStringList& arguments, const QString& scheme);

    // Hands the URLs, or with none the request to come to the front, to the instance that
    // listens; false when none took them, also when the one that listens drops them unanswered
    // because it is ending. Logs nothing: a start that hands over leaves the running instance's
    // files alone, its log included.
    bool forward(const QStringList& urls) const;
    // Claims the name, so that later starts hand over to this process; false when another
    // instance answers on it, which then keeps it. A socket file that nothing answers on (left by
    // an instance that crashed) is taken over. What arrives waits until open().
    bool listen();
    // Carries out what later starts asked for, from now on and what came before: URLs go to
    // deliver(), a request to come to the front to activationRequested.
    void open();
    // Hands every URL of the scheme to its handler through QDesktopServices; other URLs are
    // dropped, so a forwarding process cannot make this one open local files.
    void deliver(const QStringList& urls) const;
    // The program is ending: requests that arrive from now on stay unanswered, and their
    // connections go with the name, so that the starts that sent them run by themselves.
    void stopTaking();

signals:
    // A later start without URLs on this data folder: the user wants the program in front.
    void activationRequested();

private:
    // Whether a server accepts a connection on name within the forwarding time.
    static bool answers(const QString& name);
    void takeConnection();
    void carryOut(const QStringList& urls, bool activate);

    const QString m_name;
    const QString m_scheme;
    QLocalServer m_server;
    bool m_open = false;
    bool m_stopped = false;
    // What came before open().
    QStringList m_waitingUrls;
    bool m_activationWaiting = false;
};

} // namespace Ko
