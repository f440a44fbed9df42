// The main() of every test program that uses base/tests/testmain.h: runs the test the first
// argument names, or the only one the program holds.
// Threads: the main thread.

#include "base/tests/testmain.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

namespace Ko::TestMain {

// Written by the build beside each program: the names of its tests marked SINGLE_THREADED,
// ended by a null pointer.
extern const char* const kSingleThreaded[];

// Written beside it too, so that the ThreadSanitizer build, which leaves singlethreaded.cpp out,
// has it: set while a test marked SINGLE_THREADED runs, read by base/tests/singlethreaded.cpp,
// which fails a program that starts a thread then.
extern std::atomic<bool> g_oneThreadOnly;

namespace {

struct Test {
    std::string name;
    Entry entry;
};

std::vector<Test>& tests() {
    static std::vector<Test> all;
    return all;
}

bool singleThreaded(const std::string& name) {
    for (const char* const* each = kSingleThreaded; *each; ++each)
        if (name == *each)
            return true;
    return false;
}

const Test* find(const char* name) {
    for (const Test& test : tests())
        if (test.name == name)
            return &test;
    return nullptr;
}

} // namespace

Registration::Registration(const char* file, Entry entry) {
    std::string name = file;
    if (const auto slash = name.find_last_of('/'); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos)
        name.erase(dot);
    tests().push_back({name, entry});
}

} // namespace Ko::TestMain

int main(int argc, char* argv[]) {
    using namespace Ko::TestMain;
    const Test* test = argc > 1 ? find(argv[1]) : nullptr;
    std::vector<char*> arguments(argv, argv + argc);
    if (test)
        arguments.erase(arguments.begin() + 1);
    else if (tests().size() == 1)
        test = &tests().front();
    if (!test) {
        std::fprintf(stderr, "Usage: %s <test> [Qt Test options], where <test> is one of:\n",
                     argv[0]);
        std::vector<std::string> names;
        for (const Test& each : tests())
            names.push_back(each.name);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    // As the test's own program had: its settings and data folders are named after it.
    QCoreApplication::setApplicationName(QString::fromStdString(test->name));
    g_oneThreadOnly = singleThreaded(test->name);
    arguments.push_back(nullptr);
    return test->entry(static_cast<int>(arguments.size()) - 1, arguments.data());
}
