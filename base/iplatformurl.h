#pragma once

#include <QObject>

#include <functional>
#include <string>

namespace Ko {

// The desktop's URL services: a service claims a URL scheme and receives every URL of it that
// the platform hands to the program, and URLs are opened in the platform's default external
// application.
// Threads: main thread only.
class IPlatformUrl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // At most one handler per scheme: a second registration replaces the first. The handler gets
    // the whole URL text, scheme included, on the main thread.
    virtual void registerUrlHandler(const std::string& scheme,
                                    std::function<void(std::string)> handler) = 0;
    virtual void unregisterUrlHandler(const std::string& scheme) = 0;
    // url is UTF-8 text. True when the platform took the URL: a handler of its scheme, or a
    // program of the desktop, was found to open it; false when nothing here opens it.
    virtual bool openUrl(const std::string& url) = 0;
};

} // namespace Ko
