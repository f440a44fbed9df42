#pragma once

#include "app/datafolderlock.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <chrono>
#include <memory>
#include <vector>

class QLocalSocket;
class QThread;

namespace Ko {

// One program per data folder, and how a URL of the program's scheme that another application
// opens reaches it on Linux. The desktop starts the program with the URL as an argument (the
// desktop entry in resources/ declares the scheme handler), and a double click may start it a
// second time. Two instances on one data folder would each write their own copy of the settings
// over the other's and would both drive the mount.
//
// So a start first claims the data folder (DataFolderLock: atomic, and a lock left by a crashed
// holder is taken over). The process that holds the folder listens on a local socket whose name
// derives from the folder itself (its device and inode, so that every path to it, a bind mount
// included, leads to one name), and is the only one that ever binds or removes that socket file.
// A start that finds the folder held hands over to the holder over that socket and ends, before
// it builds or writes anything: its URLs, or, without any, a request to come to the front.
// Instances on other data folders (tests on scratch folders) never meet.
//
// The socket lies in a folder where only this user can make entries (the session's runtime
// folder, or a private one of the user's own), never in the shared temporary folder, where
// another user could take its name first and block every hand-over, or listen in its place.
// A holder that still cannot listen logs it, and a start gives up on it soon rather than at the
// end of its limit: no answer can come.
//
// What a connection sends is one request per line: a URL, or an empty line for "come to the
// front"; the holder answers an empty line once it has taken them, and only then carries them
// out. A start that gives up withdraws first (it shuts its side for reading, so that an answer
// can no longer reach it) and then looks whether the answer came before: an answer that the
// holder could still write was read, and a request whose start gave up is never carried out.
//
// A holder on its way out (from the moment its end begins, see setEnding()) carries nothing out:
// it answers "ending" and keeps the connection open until it has written its last file and let
// the folder go; only then does it drop it. A start therefore never takes silence for an answer:
// it waits for the answer or for the drop, and on a drop takes the folder and runs itself, with
// its window and its own URLs. Nothing a start carries is lost or carried out twice, and an
// ending program never looks like a running one. If the end is called off (the user stays),
// what waited is taken then.
// Threads: main thread only (the blocking start-up calls may run on any one thread, as long as no
// other member is called meanwhile; the signals they emit come on that thread). After stopTaking()
// the object lives on a thread of its own, and only its destructor may be called, on the thread
// that called stopTaking().
class UrlDelivery : public QObject {
    Q_OBJECT
public:
    // What a start does after claimOrHandOver().
    enum class Start {
        // This process holds the data folder (or nobody can hold it) and runs.
        Run,
        // The holder took the request: this process ends.
        HandedOver,
        // The holder neither took the request nor ended within the time given: it hangs.
        GaveUp,
    };

    // How long a start waits for the holder to take its request or to end. A holder answers once
    // its event loop runs, which a loaded machine may delay for tens of seconds at its own start;
    // one that ends has let the folder go within seconds.
    static constexpr std::chrono::milliseconds kStartLimit{120000};
    // More than any URL of the scheme needs; a connection that sends more is dropped.
    static constexpr qint64 kMaxForwardBytes = 64 * 1024;
    // How long a start waits while the folder's holder on this machine does not listen at all.
    // A holder listens within moments of taking the folder, and until moments before it lets it
    // go; one that does not for this long cannot.
    static constexpr std::chrono::milliseconds kUnreachableAfter{10000};

    UrlDelivery(const QString& dataFolder, const QString& scheme);
    // Lets the name go, then the data folder, and only then the connections of starts still
    // waiting for an answer: they find the folder free when they hear the drop.
    ~UrlDelivery() override;

    // The folder that holds the hand-over's socket: this user's own, which nobody else may write
    // in; made if it is the private one and does not exist yet. Empty when there is none.
    static QString handOverFolder();
    // The full path of the hand-over's socket for dataFolder, in handOverFolder(); empty when
    // there is no such folder.
    static QString socketName(const QString& dataFolder);
    // The arguments that are URLs of scheme, in order.
    static QStringList urlsOfScheme(const QStringList& arguments, const QString& scheme);

    // A start: claims the data folder and listens, or hands the URLs (with none, the request to
    // come to the front) to the process that holds it. Blocks until one of them has happened, or
    // limit has passed with the holder alive but silent, or unreachableAfter with a holder here
    // that does not listen. Logs nothing unless this process claims the folder: a start that
    // hands over leaves the running instance's files alone, its log included.
    Start claimOrHandOver(const QStringList& urls, std::chrono::milliseconds limit = kStartLimit,
                          std::chrono::milliseconds unreachableAfter = kUnreachableAfter);
    // Hands the URLs, or with none the request to come to the front, to the process that listens;
    // true once it has answered that it took them. False when nobody listens, when the listener
    // drops them unanswered because it is ending, or when limit passes without an answer.
    bool forward(const QStringList& urls, std::chrono::milliseconds limit = kStartLimit);
    // Claims the data folder and the name, so that later starts hand over to this process; false
    // when another process holds the folder, or when it cannot listen (logged). Whatever lies
    // under the name (a socket file left by a holder that crashed, or anything else of this
    // user's) is replaced. What arrives waits until open().
    bool listen();
    // Carries out what later starts asked for, from now on and what came before: URLs go to
    // deliver(), a request to come to the front to activationRequested.
    void open();
    // Hands every URL of the scheme to its handler through QDesktopServices; other URLs are
    // dropped, so a forwarding process cannot make this one open local files.
    void deliver(const QStringList& urls) const;
    // The program's end has begun (true), or has been called off (false): while it has begun,
    // requests are answered "ending" and wait, and are taken when it is called off. A start's
    // request still emits startArrived first, which may call the end off.
    void setEnding(bool ending);
    // The program is ending for good: requests that arrive from now on are answered "ending" and
    // wait, their connections open until this object goes, so that the starts that sent them run
    // once this process has let the folder go. As the caller's event loop ends after it, this
    // object then answers on a thread of its own until it goes; it must have no parent.
    void stopTaking();

    // Test hook: with it set, stopTaking() holds the end until a start has come (up to a minute),
    // so that a test of a start during the end does not depend on which process gets there first.
    static constexpr char kEndAwaitsAStartEnv[] = "KO_END_AWAITS_A_START";

signals:
    // A later start without URLs on this data folder: the user wants the program in front.
    void activationRequested();
    // A later start, with URLs or without: the user wants this program to run on. Comes before
    // activationRequested and the URLs' delivery, and also when the end has begun, so that a
    // close held back can be let go.
    void startArrived();
    // From a start's claim: the holder answered that it is on its way out, and the start waits
    // only for its end.
    void holderEnding();
    // From a start's claim: the folder's lock is held on another machine (a shared network
    // folder), which no request can reach.
    void heldOnAnotherMachine(const QString& machine, const QString& lockFile);

private:
    enum class Offer {
        Taken,
        // The holder dropped the request unanswered: it has ended.
        NotTaken,
        // Nothing listens under the name.
        NobodyListens,
        Unanswered,
    };
    Offer offer(const QStringList& urls, const QDeadlineTimer& deadline);
    bool listenHoldingFolder();
    void takeConnection();
    void takeRequest(QLocalSocket* socket);
    void carryOut(const QStringList& urls, bool activate);

    // A request answered "ending", taken if the end is called off.
    struct Waiting {
        QPointer<QLocalSocket> socket;
        QStringList urls;
        bool activate = false;
    };

    const QString m_name;
    const QString m_scheme;
    DataFolderLock m_folder;
    // A child, so that it moves with this object to another thread.
    QLocalServer m_server;
    bool m_open = false;
    bool m_ending = false;
    bool m_stopped = false;
    std::vector<Waiting> m_waitingForEnd;
    // Tells the starts that come once the event loop is over, from stopTaking() until this object
    // goes; this object lives there meanwhile.
    std::unique_ptr<QThread> m_endThread;
    // What came before open().
    QStringList m_waitingUrls;
    bool m_activationWaiting = false;
};

} // namespace Ko
