#include "server/urlapiserver.h"

#include "base/backgroundwork.h"
#include "base/base64.h"
#include "base/endingstate.h"
#include "base/iplatformurl.h"
#include "base/iuiblockingmessage.h"
#include "base/log.h"
#include "base/tlvrecord.h"
#include "model/ialignmentdatacontainer.h"
#include "model/transportalignmentdata.h"
#include "mount/iconnectable.h"
#include "mount/imountconnection.h"

#include <QUrl>
#include <QUrlQuery>

#include <exception>
#include <utility>

namespace Ko {

namespace {

constexpr char kResultOk[] = "ok";
constexpr char kResultCancel[] = "cancel";
constexpr char kResultError[] = "error";
// Why an error was answered, where the caller may want to know: it may ask again in a new start.
constexpr char kReasonEnding[] = "ending";

constexpr uint32_t tag(const char (&t)[5]) {
    return TlvRecord::tagOf(t);
}

QUrl parse(const std::string& url) {
    return QUrl(QString::fromStdString(url), QUrl::TolerantMode);
}

// text as one log line: any application may send a request, so a control character it carries
// (a line break that would forge a line of its own, a terminal escape) and the backslash that
// introduces the escapes are written as "\xNN".
std::string loggable(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '\\')
            StringAppendF(&out, "\\x%02x", byte);
        else
            out += c;
    }
    return out;
}

} // namespace

UrlApiServer::UrlApiServer(std::shared_ptr<IPlatformUrl> platformUrl,
                           std::shared_ptr<IAlignmentDataContainer> alignmentData,
                           std::shared_ptr<IMountConnection> mountConnection,
                           std::shared_ptr<IUiBlockingMessage> blockingMessage,
                           std::shared_ptr<IConnectable> connectable,
                           std::shared_ptr<EndingState> ending)
    : m_platformUrl(std::move(platformUrl)), m_alignmentData(std::move(alignmentData)),
      m_mountConnection(std::move(mountConnection)), m_blockingMessage(std::move(blockingMessage)),
      m_connectable(std::move(connectable)), m_ending(std::move(ending)) {
    m_platformUrl->registerUrlHandler(kScheme, [this](std::string url) { handle(url); });
}

UrlApiServer::~UrlApiServer() {
    m_platformUrl->unregisterUrlHandler(kScheme);
}

std::string UrlApiServer::urlPath(const std::string& url) {
    return parse(url).path(QUrl::FullyDecoded).toStdString();
}

std::string UrlApiServer::queryItemValue(const std::string& url, const std::string& key) {
    return QUrlQuery(parse(url))
        .queryItemValue(QString::fromStdString(key), QUrl::FullyDecoded)
        .toStdString();
}

bool UrlApiServer::hasQueryItem(const std::string& url, const std::string& key) {
    return QUrlQuery(parse(url)).hasQueryItem(QString::fromStdString(key));
}

std::string UrlApiServer::appendQueryItem(const std::string& base, const std::string& key,
                                          const std::string& value) {
    // The item joins the query, which ends where a fragment begins: after the fragment the
    // receiver would read it as part of the fragment. A query that is present but empty, or that
    // already ends in "&", takes the item without another separator.
    const size_t hash = base.find('#');
    const std::string head = base.substr(0, hash);
    const std::string fragment = hash == std::string::npos ? std::string() : base.substr(hash);
    const char* separator = "?";
    if (head.find('?') != std::string::npos)
        separator = head.back() == '?' || head.back() == '&' ? "" : "&";
    // toPercentEncoding leaves exactly the letters, digits and "-._~" and writes upper-case hex.
    return head + separator + QUrl::toPercentEncoding(QString::fromStdString(key)).toStdString() +
           "=" + QUrl::toPercentEncoding(QString::fromStdString(value)).toStdString() + fragment;
}

void UrlApiServer::handle(const std::string& url) {
    Log("UrlApiServer: handle: %s", loggable(url).c_str());
    Nullable<std::string> returnUrl;
    if (hasQueryItem(url, "returnUrl"))
        returnUrl = queryItemValue(url, "returnUrl");
    // Exact and case-sensitive; the "//host" form has an empty path and is ignored like any
    // other path.
    const std::string path = urlPath(url);
    const bool known = path == "/goto" || path == "/getAlignData" || path == "/connect";
    if (known && m_ending && m_ending->ending()) {
        Log("UrlApiServer: %s refused, the program is ending", path.c_str());
        if (returnUrl.hasValue())
            replyResult(appendQueryItem(returnUrl.value(), "reason", kReasonEnding), kResultError);
        return;
    }
    if (path == "/goto")
        handle_Goto(url, returnUrl);
    else if (path == "/getAlignData")
        handle_GetAlignData(url, returnUrl);
    else if (path == "/connect")
        handle_Connect(url, returnUrl);
}

void UrlApiServer::handle_Goto(const std::string& url, const Nullable<std::string>& returnUrl) {
    // Other applications may not move the mount: the target is noted and refused.
    Log("UrlApiServer: goto \"%s\" refused", loggable(queryItemValue(url, "name")).c_str());
    replyResult(returnUrl, kResultError);
}

void UrlApiServer::handle_GetAlignData(const std::string&, const Nullable<std::string>& returnUrl) {
    whenConnected({returnUrl}, &UrlApiServer::connectHandler_GetAlignData);
}

void UrlApiServer::handle_Connect(const std::string&, const Nullable<std::string>& returnUrl) {
    whenConnected({returnUrl}, &UrlApiServer::connectHandler_Connect);
}

void UrlApiServer::whenConnected(ServerJobBase job,
                                 void (UrlApiServer::*connected)(const ServerJobBase&)) {
    const std::weak_ptr<int> alive = m_alive;
    m_connectable->startSessionWithCallback([this, alive, job, connected](bool ok) {
        runOnMainThread([this, alive, job, connected, ok] {
            if (!alive.lock())
                return;
            if (ok)
                (this->*connected)(job);
            else
                replyResult(job.returnUrl, kResultCancel);
        });
    });
}

void UrlApiServer::connectHandler_GetAlignData(const ServerJobBase& job) {
    std::string package;
    try {
        package = TransportAlignmentData::pack(m_alignmentData->makeSavedData());
    } catch (const std::exception& e) {
        Log("UrlApiServer: no pointing model to send: %s", e.what());
        replyResult(job.returnUrl, kResultError);
        return;
    }
    replyAfterOverlay(job, "alignData", package);
}

void UrlApiServer::connectHandler_Connect(const ServerJobBase& job) {
    // Taken once: the connection may replace or drop either while the answer is made.
    const std::shared_ptr<IMount> mount = m_mountConnection->sharedMount();
    const bool hasWifi = m_mountConnection->sharedWifi() != nullptr;
    const std::string wifiName = m_mountConnection->wifiName();
    if (!mount) {
        Log("UrlApiServer: the mount went before the connection record was made");
        replyResult(job.returnUrl, kResultError);
        return;
    }
    std::string record;
    try {
        TlvRecord r;
        r.setInt32(tag("pmod"), int32_t(mount->mountMode()));
        if (hasWifi)
            r.setString(tag("phst"), wifiName);
        r.setInt32(tag("puem"), hasWifi ? 0 : 1);
        r.setBytes(tag("adat"),
                   TransportAlignmentData::Envelope_Pack(m_alignmentData->makeSavedData()));
        const CBytes bytes = r.serialize();
        record = Base64::encodeBytes(bytes.data(), bytes.size(), false);
    } catch (const std::exception& e) {
        Log("UrlApiServer: no connection record to send: %s", e.what());
        replyResult(job.returnUrl, kResultError);
        return;
    }
    replyAfterOverlay(job, "connectionData", record);
}

void UrlApiServer::replyAfterOverlay(const ServerJobBase& job, const char* key,
                                     const std::string& value) {
    Nullable<std::string> answer;
    if (job.returnUrl.hasValue())
        answer = appendQueryItem(job.returnUrl.value(), key, value);
    const std::weak_ptr<int> alive = m_alive;
    m_blockingMessage->showBlocking([this, alive, answer = std::move(answer)] {
        if (alive.lock())
            replyResult(answer, kResultOk);
    });
}

void UrlApiServer::replyResult(const Nullable<std::string>& returnUrl, const std::string& value) {
    if (!returnUrl.hasValue())
        return;
    // Any application may send a request: its return URL must not make the program open a
    // local file or resolve a relative reference.
    const QUrl target = parse(returnUrl.value());
    if (target.isRelative() || target.isLocalFile() ||
        target.scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) == 0) {
        Log("UrlApiServer: return URL refused: %s", loggable(returnUrl.value()).c_str());
        return;
    }
    m_platformUrl->openUrl(appendQueryItem(returnUrl.value(), "result", value));
}

} // namespace Ko
