#pragma once

#include <cstdarg>
#include <functional>
#include <string>

#if defined(__GNUC__)
#define KO_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define KO_PRINTF_FORMAT(fmt, args)
#endif

namespace Ko {

// Threads: any thread; the indentation is kept per thread.

// The one diagnostic log. Each line goes to standard error, to the log file "vtflog.txt" and to
// the registered listeners, indented by two spaces per level of the calling thread's indentation.
void Log(const char* format, ...) KO_PRINTF_FORMAT(1, 2);
void LogSink(const char* format, va_list args);
void LogIndentPush();
void LogIndentPop();

// Raises the calling thread's log indentation for the lifetime of the guard.
struct LogIndentScope {
    LogIndentScope() { LogIndentPush(); }
    ~LogIndentScope() { LogIndentPop(); }
    LogIndentScope(const LogIndentScope&) = delete;
    LogIndentScope& operator=(const LogIndentScope&) = delete;
};

// Returns the listener's id; an empty function is refused with -1.
int LogAddListener(std::function<void(const char*)> listener);
// Returns 1 if the id was registered, else 0.
int LogRemoveListener(int id);

void StringAppendF(std::string* out, const char* format, ...) KO_PRINTF_FORMAT(2, 3);
void StringAppendV(std::string* out, const char* format, va_list args);

namespace LogFile {
std::string path();
bool open();
bool write(const char* format, ...) KO_PRINTF_FORMAT(1, 2);
bool writeV(const char* format, va_list args);
void clear();
std::string readAll();
// The file is started afresh once it passes this size, so it never grows without bound.
constexpr long kMaxBytes = 4L * 1024 * 1024;
} // namespace LogFile

} // namespace Ko
