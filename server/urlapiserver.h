#pragma once

#include "base/nullable.h"

#include <memory>
#include <string>

namespace Ko {

class EndingState;
class IAlignmentDataContainer;
class IConnectable;
class IMountConnection;
class IPlatformUrl;
class IUiBlockingMessage;

// Answers other applications on this device that open a URL of the program's own scheme:
// "/getAlignData" hands them the pointing model, "/connect" the state of the connection with the
// model, "/goto" is refused. Each answer opens the caller's "returnUrl" with items appended.
// Before a data answer the program makes sure a mount is connected (the connect session runs
// when none is) and shows "Please wait" for the overlay's delay. Only the newest waiting request
// is answered: a new one replaces the session's and the overlay's pending job. Once the program
// has begun to end, every request is answered at once with result=error and reason=ending: a
// connect session would outlive the program, and no GoTo is started then by anyone.
//
// Threads: main thread only: construction, destruction and handle. A session completion that
// arrives on another thread is posted to the main thread, where the mount and the Wi-Fi access are
// taken once; completions and overlay jobs that run after this object has gone do nothing.
class UrlApiServer {
public:
    static constexpr char kScheme[] = "com-halvermoor-quorvel";

    // A request that waits for a connected mount.
    struct ServerJobBase {
        Nullable<std::string> returnUrl;
    };

    UrlApiServer(std::shared_ptr<IPlatformUrl> platformUrl,
                 std::shared_ptr<IAlignmentDataContainer> alignmentData,
                 std::shared_ptr<IMountConnection> mountConnection,
                 std::shared_ptr<IUiBlockingMessage> blockingMessage,
                 std::shared_ptr<IConnectable> connectable,
                 std::shared_ptr<EndingState> ending = nullptr);
    ~UrlApiServer();
    UrlApiServer(const UrlApiServer&) = delete;
    UrlApiServer& operator=(const UrlApiServer&) = delete;

    // The whole URL as the platform delivers it.
    void handle(const std::string& url);

    // URL helpers; each parses its text tolerantly.
    static std::string urlPath(const std::string& url);
    static std::string queryItemValue(const std::string& url, const std::string& key);
    static bool hasQueryItem(const std::string& url, const std::string& key);
    // base with key=value added to its query, before any fragment: "?" starts a query, "&"
    // follows an item; both percent-encoded (everything but letters, digits and "-._~").
    static std::string appendQueryItem(const std::string& base, const std::string& key,
                                       const std::string& value);

private:
    void handle_Goto(const std::string& url, const Nullable<std::string>& returnUrl);
    void handle_GetAlignData(const std::string& url, const Nullable<std::string>& returnUrl);
    void handle_Connect(const std::string& url, const Nullable<std::string>& returnUrl);
    // Starts the session (or finds the mount connected) and runs connected on the main thread
    // with the job once a mount is there; answers "cancel" when none came.
    void whenConnected(ServerJobBase job, void (UrlApiServer::*connected)(const ServerJobBase&));
    void connectHandler_GetAlignData(const ServerJobBase& job);
    void connectHandler_Connect(const ServerJobBase& job);
    // Hands the answer (the return URL with key=value) to the overlay, to be opened with
    // result=ok after its delay.
    void replyAfterOverlay(const ServerJobBase& job, const char* key, const std::string& value);
    void replyResult(const Nullable<std::string>& returnUrl, const std::string& value);

    const std::shared_ptr<IPlatformUrl> m_platformUrl;
    const std::shared_ptr<IAlignmentDataContainer> m_alignmentData;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    const std::shared_ptr<IUiBlockingMessage> m_blockingMessage;
    const std::shared_ptr<IConnectable> m_connectable;
    const std::shared_ptr<EndingState> m_ending;
    // Expires with this object; callbacks that outlive it hold it weakly and check it on the
    // main thread, where it is destroyed.
    const std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace Ko
