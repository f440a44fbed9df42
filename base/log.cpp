#include "base/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace Ko {

namespace {

thread_local int t_indent = 0;

struct ListenerRegistry {
    std::mutex mutex;
    std::map<int, std::function<void(const char*)>> listeners;
    unsigned int nextId = 0;
};

// Never destroyed: detached worker threads may still log while the process runs its exit
// handlers, and must not find the registry or the stream state already torn down.
ListenerRegistry& registry() {
    static auto* r = new ListenerRegistry;
    return *r;
}

// One stream, used from any thread: the log appends to it from workers while the log page reads
// and clears it on the user-interface thread.
struct LogFileState {
    std::recursive_mutex mutex;
    FILE* stream = nullptr;
};

LogFileState& fileState() {
    static auto* s = new LogFileState;
    return *s;
}

constexpr size_t kListenerBuffer = 5000;

// Measures first and grows the string, so the whole text is always appended. False on a
// formatting error, which leaves the string as it was.
bool appendFormatted(std::string* out, const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0)
        return false;
    const size_t old = out->size();
    out->resize(old + static_cast<size_t>(needed));
    va_copy(copy, args);
    // vsnprintf writes the terminator one past the new size, which std::string always has room for.
    std::vsnprintf(out->data() + old, static_cast<size_t>(needed) + 1, format, copy);
    va_end(copy);
    return true;
}

bool openLocked(LogFileState& s) {
    if (s.stream)
        return true;
    const std::string p = LogFile::path();
    // A fresh machine has no application data folder yet; without it the file never opens.
    QDir().mkpath(QFileInfo(QString::fromStdString(p)).absolutePath());
    s.stream = std::fopen(p.c_str(), "a+");
    return s.stream != nullptr;
}

void truncateLocked(LogFileState& s) {
    if (s.stream) {
        std::fclose(s.stream);
        s.stream = nullptr;
    }
    if (FILE* f = std::fopen(LogFile::path().c_str(), "w"))
        std::fclose(f);
}

void appendLineLocked(LogFileState& s, const char* text) {
    if (!openLocked(s))
        return;
    if (std::ftell(s.stream) > LogFile::kMaxBytes) {
        truncateLocked(s);
        if (!openLocked(s))
            return;
    }
    std::fputs(text, s.stream);
    std::fputc('\n', s.stream);
    std::fflush(s.stream);
}

} // namespace

void LogSink(const char* format, va_list args) {
    std::string text;
    if (!appendFormatted(&text, format, args))
        return;

    std::fprintf(stderr, "%s\n", text.c_str());
    {
        auto& s = fileState();
        std::lock_guard lock(s.mutex);
        appendLineLocked(s, text.c_str());
    }

    std::vector<std::function<void(const char*)>> listeners;
    {
        auto& r = registry();
        std::lock_guard lock(r.mutex);
        listeners.reserve(r.listeners.size());
        for (const auto& [id, fn] : r.listeners)
            listeners.push_back(fn);
    }
    if (listeners.empty())
        return;
    // Listeners receive at most the buffer's worth, as documented for them.
    char buffer[kListenerBuffer];
    const size_t n = std::min(text.size(), kListenerBuffer - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    for (const auto& fn : listeners)
        fn(buffer);
}

void Log(const char* format, ...) {
    const int level = t_indent > 0 ? t_indent : 0;
    std::string indented(static_cast<size_t>(2 * level), ' ');
    indented += format;
    va_list args;
    va_start(args, format);
    LogSink(indented.c_str(), args);
    va_end(args);
}

void LogIndentPush() {
    ++t_indent;
}
void LogIndentPop() {
    --t_indent;
}

int LogAddListener(std::function<void(const char*)> listener) {
    if (!listener)
        return -1;
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    const int id = static_cast<int>(r.nextId++);
    r.listeners.emplace(id, std::move(listener));
    return id;
}

int LogRemoveListener(int id) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    return r.listeners.erase(id) ? 1 : 0;
}

void StringAppendV(std::string* out, const char* format, va_list args) {
    appendFormatted(out, format, args);
}

void StringAppendF(std::string* out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    StringAppendV(out, format, args);
    va_end(args);
}

namespace LogFile {

std::string path() {
    QString dir;
    if (QCoreApplication::instance())
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty())
        dir = QDir(QStringLiteral(".")).absolutePath();
    return QDir(dir).absoluteFilePath(QStringLiteral("vtflog.txt")).toStdString();
}

bool open() {
    auto& s = fileState();
    std::lock_guard lock(s.mutex);
    return openLocked(s);
}

bool writeV(const char* format, va_list args) {
    auto& s = fileState();
    std::lock_guard lock(s.mutex);
    if (!openLocked(s))
        return false;
    std::vfprintf(s.stream, format, args);
    std::fputc('\n', s.stream);
    return std::fflush(s.stream) == 0;
}

bool write(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const bool ok = writeV(format, args);
    va_end(args);
    return ok;
}

void clear() {
    auto& s = fileState();
    std::lock_guard lock(s.mutex);
    truncateLocked(s);
}

std::string readAll() {
    auto& s = fileState();
    std::lock_guard lock(s.mutex);
    if (!openLocked(s))
        return {};
    std::fseek(s.stream, 0, SEEK_END);
    const long size = std::ftell(s.stream);
    if (size < 0)
        return {};
    std::fseek(s.stream, 0, SEEK_SET);
    std::string text(static_cast<size_t>(size), '\0');
    const size_t got = std::fread(text.data(), 1, text.size(), s.stream);
    text.resize(got);
    std::fseek(s.stream, 0, SEEK_END);
    return text;
}

} // namespace LogFile

} // namespace Ko
