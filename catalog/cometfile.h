#pragma once

#include "catalog/httpdownloader.h"
#include "catalog/icometfile.h"

#include <QString>

#include <memory>
#include <string>

namespace Ko {

class IFileUtil;

// The public minor-planet service's comet elements.
inline constexpr const char* kCometElementsUrl =
    "https://www.minorplanetcenter.net/iau/MPCORB/CometEls.txt";

// Keeps "CometEls.txt" and its timestamp file "CometEls.ts.txt" in the app data folder. On the
// first start (no local elements file) both are seeded from the copies in the program's shipped
// data folder, made writable for the downloads that follow.
// Threads: main thread only.
class CometFile : public ICometFile {
    Q_OBJECT
public:
    explicit CometFile(std::shared_ptr<IFileUtil> fileUtil,
                       std::string downloadUrl = kCometElementsUrl);

    FILE* openFile() override;
    void downloadAsync() override;
    bool downloading() const override;
    QString failure() const override;
    int64_t downloadTime() const override;

private:
    void onDownloadFinished(bool ok);
    void writeTimestamp();

    const std::shared_ptr<IFileUtil> m_fileUtil;
    const std::string m_downloadUrl;
    const QString m_elementsPath;
    const QString m_timestampPath;
    HttpDownloader m_downloader;
    QString m_failure;
};

} // namespace Ko
