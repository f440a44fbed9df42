#pragma once

namespace Ko {
[[noreturn]] void assertFailed(const char* condition, const char* function, const char* file,
                               int line);
} // namespace Ko

// Programming errors only: names the function, the source file and the failed condition, then
// stops the program. Mount-protocol outcomes are never reported this way.
// Threads: any thread.
#define KO_ASSERT(cond)                                                                            \
    ((cond) ? static_cast<void>(0)                                                                 \
            : ::Ko::assertFailed(#cond, static_cast<const char*>(__func__), __FILE__, __LINE__))
