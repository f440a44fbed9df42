#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace Ko {

// A pseudo-terminal for serial tests, in raw mode from the start so that no line discipline
// touches the bytes before the port under test configures its side. The port under test opens
// name; the fake motor controller serves master and reads the line speed through slave.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;
    bool isOpen() const { return master >= 0 && slave >= 0; }

    int master = -1;
    int slave = -1;
    std::string name;
};

// A scripted stand-in for the mount's motor controller at the process boundary. It answers
// request frames from a table (or a handler), records every request it receives, and can stay
// silent, put garbage ahead of a reply, answer late, or dribble a reply byte by byte. It serves
// either UDP on 127.0.0.1 (ephemeral port) or the master side of a pseudo-terminal; on a
// pseudo-terminal it sees the line speed the port side was set to and can answer at one speed
// only. It runs on a thread of its own; every setter may be called while it serves.
class FakeMotorController {
public:
    struct Request {
        CBytes bytes;
        // The port side's line speed when the request arrived; 0 over UDP.
        int baud = 0;
        // The sender's UDP port; 0 over a pseudo-terminal.
        uint16_t peerPort = 0;
    };
    // Consulted when the table has no entry for a request; an empty result means no answer.
    using Handler = std::function<Nullable<CBytes>(const CBytes& request)>;

    FakeMotorController();
    ~FakeMotorController();
    FakeMotorController(const FakeMotorController&) = delete;
    FakeMotorController& operator=(const FakeMotorController&) = delete;

    // The whole request frame, e.g. ":j1\r", maps to the whole reply, e.g. "=000080\r".
    void setReply(const std::string& request, const std::string& reply);
    void setReply(const CBytes& request, const CBytes& reply);
    void clearReplies();
    void setHandler(Handler handler);
    void setSilent(bool silent);
    // The next n requests are recorded but not answered.
    void ignoreNext(int n);
    // Sent ahead of every reply: in the same datagram over UDP, as earlier bytes on a line.
    void setGarbage(const std::string& garbage);
    void setDelayMs(int ms);
    // Serial only: the pause between the bytes of a reply.
    void setByteGapMs(int ms);
    // Serial only: answer only while the port side runs at this speed; 0 answers at any speed.
    void setAnswerBaud(int baud);
    // UDP only: one datagram, unasked, to the sender of the last request (a stray or duplicated
    // reply); false before any request.
    bool sendUnasked(const std::string& datagram);
    // Off for long runs that do not look at the requests.
    void setRecording(bool on);

    std::vector<Request> requests() const;
    size_t requestCount() const;
    // Waits until at least n requests have arrived.
    bool waitForRequests(size_t n, int timeoutMs) const;
    void clearRequests();
    // Replies sent whole (a delayed one counts once it has gone out); clearRequests keeps it.
    size_t replyCount() const;
    // Waits until at least n replies have gone out.
    bool waitForReplies(size_t n, int timeoutMs) const;

    // Binds 127.0.0.1 on the port (0: an ephemeral one) and serves it; returns the port, 0 on
    // failure (the port is held).
    uint16_t serveUdp(uint16_t port = 0);
    // Serves the master side of a pseudo-terminal; portSideFd is a descriptor of the slave side,
    // used only to read its line speed. Both stay owned by the caller and must outlive stop().
    bool serveSerial(int masterFd, int portSideFd);
    // The port side's current line speed in baud, 0 when unknown.
    int portBaud() const;
    // Ends serving for good; the destructor calls it.
    void stop();

    static int baudOfSpeed(unsigned speed);

private:
    void run();
    void handleRequest(const CBytes& request, const void* udpPeer, unsigned udpPeerLength);
    // False when stop() came first.
    bool pause(int ms);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cv;
    std::map<CBytes, CBytes> m_table;
    Handler m_handler;
    bool m_silent = false;
    int m_ignore = 0;
    CBytes m_garbage;
    int m_delayMs = 0;
    int m_byteGapMs = 0;
    int m_answerBaud = 0;
    bool m_recording = true;
    std::vector<Request> m_requests;
    size_t m_requestCount = 0;
    size_t m_replyCount = 0;
    bool m_stopping = false;
    // The raw address of the last UDP sender.
    CBytes m_lastUdpPeer;

    int m_udpFd = -1;
    int m_masterFd = -1;
    int m_portSideFd = -1;
    int m_wakeFd = -1;
    std::thread m_thread;
};

} // namespace Ko
