// Test programs that hold several Qt Test programs. The tests of a folder compile together, in
// batches that read the headers and emit the shared template code (shared pointers, containers,
// the folder's rigs) once for the batch instead of once for each test: most of the cost of
// compiling a test under the sanitizers. Each test still runs in a process of its own, named by
// the program's first argument: "ko_tests_mount tst_mount -v2 someFunction" runs as
// "tst_mount -v2 someFunction" did, with the same application name. A program that holds one
// test runs it without the name.
//
// A test file keeps writing QTEST_MAIN, QTEST_GUILESS_MAIN or QTEST_APPLESS_MAIN: this header,
// read after Qt Test's (through the precompiled header, or -include where there is none), turns
// the main() they define into a registered entry named after the file (tst_mount.cpp: "tst_mount").
// A test that needs set-up before its application object exists gives its class a static
// initMain(), which Qt Test calls first, rather than a main() of its own.
// Threads: registration runs during static initialisation; the rest on the main thread.

#pragma once

#include <QTest>

namespace Ko::TestMain {

using Entry = int (*)(int argc, char* argv[]);

// Adds the test of the source file `file` to the program's list.
struct Registration {
    Registration(const char* file, Entry entry);
};

} // namespace Ko::TestMain

#define KO_TEST_MAIN_CAT(a, b) a##b
#define KO_TEST_MAIN_NUMBERED(n, TestObject, ...)                                                  \
    static int KO_TEST_MAIN_CAT(koTestMain, n)(int argc, char* argv[]) {                           \
        TESTLIB_SELFCOVERAGE_START(#TestObject)                                                    \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }                                                                                              \
    static const Ko::TestMain::Registration KO_TEST_MAIN_CAT(koTestRegistration, n)(               \
        __FILE__, &KO_TEST_MAIN_CAT(koTestMain, n));
// The counter keeps the names apart when several test files share one compile.
#define KO_TEST_MAIN_EXPAND(n, ...) KO_TEST_MAIN_NUMBERED(n, __VA_ARGS__)

#undef QTEST_MAIN_WRAPPER
#define QTEST_MAIN_WRAPPER(TestObject, ...)                                                        \
    KO_TEST_MAIN_EXPAND(__COUNTER__, TestObject, __VA_ARGS__)
