#pragma once

#include "base/ifileutil.h"

#include <string>

namespace Ko {

// Threads: any thread.
class QtFileUtil : public IFileUtil {
public:
    // dataLocation stands in for the platform's writable application-data location when it is
    // not empty, so that tests can keep every file inside a temporary folder.
    explicit QtFileUtil(std::string appFolderName, std::string dataLocation = {});

    std::string appDataDir() override;
    std::string resourceUrl(const std::string& name) override;
    std::string resourcePath(const std::string& name) override;
    bool fileExists(const std::string& pathOrUrl) override;

private:
    const std::string m_appFolderName;
    const std::string m_dataLocation;
};

} // namespace Ko
