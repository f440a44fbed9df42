#include "app/platformurl.h"

#include <QDesktopServices>

#include <utility>

namespace Ko {

PlatformUrl::~PlatformUrl() {
    for (const auto& entry : m_handlers)
        QDesktopServices::unsetUrlHandler(QString::fromStdString(entry.first));
}

void PlatformUrl::registerUrlHandler(const std::string& scheme,
                                     std::function<void(std::string)> handler) {
    m_handlers[scheme] = std::move(handler);
    QDesktopServices::setUrlHandler(QString::fromStdString(scheme), this, "dispatchUrl");
}

void PlatformUrl::unregisterUrlHandler(const std::string& scheme) {
    m_handlers.erase(scheme);
    // Also when this object never claimed the scheme: whatever receiver holds it is let go.
    QDesktopServices::unsetUrlHandler(QString::fromStdString(scheme));
}

bool PlatformUrl::openUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

void PlatformUrl::dispatchUrl(const QUrl& url) {
    const auto it = m_handlers.find(url.scheme().toStdString());
    if (it == m_handlers.end())
        return;
    // A copy runs, so a handler that releases or replaces its own scheme does not destroy the
    // code it is running.
    const auto handler = it->second;
    handler(url.toString().toStdString());
}

} // namespace Ko
