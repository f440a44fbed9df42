#include "base/koassert.h"

#include <cstdio>
#include <cstdlib>

namespace Ko {

void assertFailed(const char* condition, const char* function, const char* file, int line) {
    std::fprintf(stderr, "Assertion failed in %s (%s:%d): %s\n", function, file, line, condition);
    std::fflush(stderr);
    std::abort();
}

} // namespace Ko
