#pragma once

#include "base/log.h"

#include <QString>
#include <QStringList>

#include <mutex>

namespace Ko {

// Collects the log lines written while it lives, from any thread.
class LogCapture {
public:
    LogCapture() {
        m_id = LogAddListener([this](const char* line) {
            std::lock_guard lock(m_mutex);
            m_lines.append(QString::fromUtf8(line).trimmed());
        });
    }
    ~LogCapture() { LogRemoveListener(m_id); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines(const QString& prefix) const {
        std::lock_guard lock(m_mutex);
        QStringList out;
        for (const auto& l : m_lines) {
            if (l.startsWith(prefix))
                out.append(l);
        }
        return out;
    }

private:
    int m_id = -1;
    mutable std::mutex m_mutex;
    QStringList m_lines;
};

} // namespace Ko
