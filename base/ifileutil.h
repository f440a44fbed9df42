#pragma once

#include <string>

namespace Ko {

// Threads: any thread.
class IFileUtil {
public:
    virtual ~IFileUtil() = default;

    // The writable folder that holds the settings file; no trailing separator.
    virtual std::string appDataDir() = 0;
    virtual std::string resourceUrl(const std::string& name) = 0;
    virtual std::string resourcePath(const std::string& name) = 0;
    // Understands plain paths and the "file://" and "qrc:/" URL forms.
    virtual bool fileExists(const std::string& pathOrUrl) = 0;
};

} // namespace Ko
