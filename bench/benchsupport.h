#pragma once

// What the benchmark programs share: a thread CPU clock, the summaries of their rounds, and the
// shipped resources folder seen through the file-location service.

#include "base/ifileutil.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

namespace Ko::Bench {

// Milliseconds of CPU time of the calling thread: waits and other threads do not count.
inline double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

inline double best(std::vector<double> v) {
    return *std::min_element(v.begin(), v.end());
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Resources are read from the folder of the given file, the source tree's shipped data.
class ShippedFile : public IFileUtil {
public:
    explicit ShippedFile(const char* fileInResources)
        : m_dir(QFileInfo(fileInResources).absolutePath().toStdString()) {}
    std::string appDataDir() override { return "."; }
    std::string resourceUrl(const std::string& name) override { return "file://" + path(name); }
    std::string resourcePath(const std::string& name) override { return path(name); }
    bool fileExists(const std::string& p) override { return QFileInfo::exists(p.c_str()); }

private:
    std::string path(const std::string& name) const { return m_dir + "/" + name; }

    std::string m_dir;
};

} // namespace Ko::Bench
