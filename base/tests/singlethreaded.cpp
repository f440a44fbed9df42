// Linked into every test program outside the ThreadSanitizer build, which leaves the tests marked
// SINGLE_THREADED out: while such a test runs (base/tests/testmain.cpp says which), a thread of its
// own (started in its code, a library of the project's or Qt's) fails it at once instead of losing
// the race checks it needs.
// Threads: the program's main thread; Qt Test's watchdog.

#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace Ko::TestMain {
extern std::atomic<bool> g_oneThreadOnly;
}

namespace {

using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);

std::atomic<int> g_started{0};

} // namespace

// The program's definition comes before any library's, so that every call to start a thread,
// std::thread and QThread included, arrives here. The first thread is Qt Test's watchdog, which
// it starts before the first test function (and leaves out under a debugger): it only waits for
// a test function that overruns its time, and touches nothing of the program's.
extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attributes,
                              void* (*start)(void*), void* argument) {
    if (Ko::TestMain::g_oneThreadOnly && g_started.fetch_add(1) > 0) {
        std::fputs("FAIL! This test is marked SINGLE_THREADED, yet it starts a thread: "
                   "remove the mark so that the ThreadSanitizer pass runs it.\n",
                   stderr);
        std::abort();
    }
    static const auto next = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
    return next(thread, attributes, start, argument);
}
