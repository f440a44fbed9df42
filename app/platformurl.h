#pragma once

#include "base/iplatformurl.h"

#include <QUrl>

#include <string>
#include <unordered_map>

namespace Ko {

// IPlatformUrl over QDesktopServices. The platform delivers a URL of a claimed scheme to
// dispatchUrl, which hands it to the scheme's handler; URLs of a scheme without a handler are
// dropped. Every scheme still claimed is released when this object goes.
// Threads: main thread only.
class PlatformUrl : public IPlatformUrl {
    Q_OBJECT
public:
    using IPlatformUrl::IPlatformUrl;
    ~PlatformUrl() override;

    void registerUrlHandler(const std::string& scheme,
                            std::function<void(std::string)> handler) override;
    void unregisterUrlHandler(const std::string& scheme) override;
    bool openUrl(const std::string& url) override;

public slots:
    void dispatchUrl(const QUrl& url);

private:
    std::unordered_map<std::string, std::function<void(std::string)>> m_handlers;
};

} // namespace Ko
