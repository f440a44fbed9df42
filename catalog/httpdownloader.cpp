#include "catalog/httpdownloader.h"

#include "base/log.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

#include <string>

namespace Ko {

namespace {

// A transfer that makes no progress for this long has stalled; it ends with a network error.
constexpr int kTransferTimeoutMs = 4000;
constexpr qint64 kChunkBytes = 1024;

} // namespace

class HttpDownloader::Impl : public QObject {
public:
    explicit Impl(HttpDownloader* owner) : m_owner(owner), m_manager(new QNetworkAccessManager) {
        m_manager->setTransferTimeout(kTransferTimeoutMs);
        connect(m_manager.get(), &QNetworkAccessManager::finished, this, &Impl::onFinished);
    }

    // A request that the manager ends while it is destroyed reports to nobody.
    ~Impl() override { m_manager->disconnect(this); }

    void download(const char* url, const char* outputPath) {
        if (m_busy)
            return;
        m_busy = true;
        m_outputPath = outputPath;
        m_manager->get(QNetworkRequest(QUrl(QString::fromUtf8(url))));
    }

    bool busy() const { return m_busy; }
    const std::string& failure() const { return m_failure; }

private:
    void onFinished(QNetworkReply* reply) {
        bool ok = false;
        m_failure.clear();
        if (reply->error() != QNetworkReply::NoError) {
            Log("CometFile: download failed. Error code: %d", int(reply->error()));
            m_failure = reply->errorString().toStdString();
        } else {
            ok = saveReply(reply);
        }
        reply->deleteLater();
        m_busy = false;
        m_owner->completion(ok);
    }

    // The target is replaced only by commit, after the last byte was written; an early return
    // discards the temporary file.
    bool saveReply(QNetworkReply* reply) {
        QSaveFile file(QString::fromStdString(m_outputPath));
        if (!file.open(QIODevice::WriteOnly)) {
            Log("Warning: cannot open output file: %s", m_outputPath.c_str());
            m_failure = file.errorString().toStdString();
            return false;
        }
        char chunk[kChunkBytes];
        while (reply->bytesAvailable() > 0) {
            const qint64 n = reply->read(chunk, kChunkBytes);
            if (n < 0 || file.write(chunk, n) != n) {
                m_failure = file.errorString().toStdString();
                return false;
            }
        }
        if (!file.commit()) {
            m_failure = file.errorString().toStdString();
            return false;
        }
        return true;
    }

    HttpDownloader* const m_owner;
    const std::unique_ptr<QNetworkAccessManager> m_manager;
    std::string m_outputPath;
    std::string m_failure;
    bool m_busy = false;
};

HttpDownloader::HttpDownloader() : m_impl(std::make_unique<Impl>(this)) {}

HttpDownloader::~HttpDownloader() = default;

void HttpDownloader::download(const char* url, const char* outputPath) {
    m_impl->download(url, outputPath);
}

bool HttpDownloader::isBusy() const {
    return m_impl->busy();
}

std::string HttpDownloader::failure() const {
    return m_impl->failure();
}

} // namespace Ko
