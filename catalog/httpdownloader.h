#pragma once

#include <functional>
#include <memory>
#include <string>

namespace Ko {

// One HTTP GET at a time, its body saved to a file. The body goes to a temporary file beside the
// target, which replaces the target only when the whole body arrived: a failed or stalled transfer
// leaves an existing file as it was. A transfer without progress for 4 s fails.
// Threads: main thread only (it lives on, and reports on, the thread that made it, which needs an
// event loop).
class HttpDownloader {
public:
    HttpDownloader();
    ~HttpDownloader();
    HttpDownloader(const HttpDownloader&) = delete;
    HttpDownloader& operator=(const HttpDownloader&) = delete;

    // Called once per finished request, true when the file was replaced; set before download.
    std::function<void(bool ok)> completion;

    // Ignored while a request runs: nothing is queued and nothing is reported for it.
    void download(const char* url, const char* outputPath);
    bool isBusy() const;
    // Why the last request failed, in the network layer's words; empty after a success.
    std::string failure() const;

    class Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace Ko
