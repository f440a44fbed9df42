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
    ~LogCapture() {
        LogRemoveListener(m_id);
        // The last lines may have come from threads whose end this thread has not seen: taking
        // their lock orders those writes before the lines go.
        std::lock_guard lock(m_mutex);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The lines that start with prefix, all of them without one.
    QStringList lines(const QString& prefix = {}) const {
        std::lock_guard lock(m_mutex);
        QStringList out;
        for (const auto& l : m_lines) {
            if (l.startsWith(prefix))
                out.append(l);
        }
        return out;
    }
    // How many lines contain text.
    qsizetype count(const QString& text) const {
        std::lock_guard lock(m_mutex);
        return m_lines.filter(text).size();
    }

private:
    int m_id = -1;
    mutable std::mutex m_mutex;
    QStringList m_lines;
};

} // namespace Ko
