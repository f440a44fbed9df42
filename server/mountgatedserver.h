#pragma once

#include "base/callbacksubscriptions.h"
#include "server/peerreset.h"

#include <QObject>

#include <cstdint>
#include <memory>

class QTcpServer;

namespace Ko {

class ClientSocket;
class IMountConnection;

// A TCP port that is open only while the mount holder has a mount: it opens when a mount comes
// and closes, dropping every client, when the mount goes. One mount replacing another keeps the
// port and its clients. A port that cannot be opened is logged and tried again at the next mount
// event. The holder's callback may fire on any thread; mountEvent() brings the change to this
// object's (main) thread, where everything else runs. The subscription ends in the destructor,
// so a server destroyed before the holder is never called. Each client costs a descriptor, so the
// port serves at most maxClients at once and refuses the others at once (logged once each time
// the port fills up), long before the process runs out of descriptors for its other ports. A
// client's place is free again as soon as its connection closes, and a client that meets a full
// port is refused only after the clients that have reset unseen are let go.
// Threads: main thread only; the holder's callback may fire on any thread.
class MountGatedServer : public QObject {
    Q_OBJECT
public:
    ~MountGatedServer() override;

    // Stops when the holder has no mount, else starts.
    void onMountEvent();
    void start();
    void stop();
    // For the program's end: closes the port for good, dropping every client; no mount event
    // opens it again.
    void closeForEnd();
    bool isListening() const;
    // The port that is open (the one asked for, or the system's choice for 0); 0 while closed.
    uint16_t listeningPort() const;
    // The clients whose connection is open.
    int clientCount() const { return m_clientCount; }

signals:
    void mountEvent();

protected:
    // port 0 lets the system choose (tests); name labels the log lines.
    MountGatedServer(std::shared_ptr<IMountConnection> mountConnection, uint16_t port,
                     const char* name, int maxClients);

    // A new client, a child of the listening server: it is aborted (emitting closed) and
    // deleted when the server stops.
    virtual void acceptClient(ClientSocket* socket) = 0;
    // Ends the subscription to the holder; derived destructors call it first, so that no mount
    // event reaches an object already half destroyed.
    void unsubscribe();

    const std::shared_ptr<IMountConnection> m_mountConnection;

private:
    void onNewConnection(qintptr descriptor);

    const uint16_t m_port;
    const char* const m_name;
    const int m_maxClients;
    // Clients whose connection is open.
    int m_clientCount = 0;
    // The refusals of the current full spell have been logged.
    bool m_refusalLogged = false;
    // Closed for the program's end.
    bool m_closedForEnd = false;
    // Null while closed.
    QTcpServer* m_tcpServer = nullptr;
    // The clients' connections, whichever server took them.
    ResetWatch m_resets;
    CallbackSubscriptions<void()> m_mountSubscription;
};

} // namespace Ko
