# Precompiled headers. Every library and test parses the same standard and Qt headers; with
# sanitizers on, parsing them is a large part of each compile. Donor targets precompile them once
# and the libraries and tests reuse a donor's header. A header serves only compiles with the same
# flags and the same values of the macros it tests: all libraries share one donor; tests share one
# per set of Qt modules whose macros QtTest's headers test (QT_GUI_LIB, QT_NETWORK_LIB). Should a
# flag ever differ, GCC reads the plain headers instead (and says so with -Winvalid-pch): a
# mismatch costs time, never correctness. KO_PCH=OFF builds without them, e.g. to check that every
# file includes what it uses.
option(KO_PCH "Precompile the common standard and Qt headers" ON)
set(KO_PCH_HEADERS
    <algorithm> <array> <atomic> <chrono> <cmath> <cstdint> <functional> <limits> <map>
    <memory> <mutex> <optional> <string> <thread> <utility> <vector>
    <QByteArray> <QHash> <QList> <QObject> <QString> <QStringList> <QVariant>)
set(KO_PCH_TEST_HEADERS ${KO_PCH_HEADERS} <QSignalSpy> <QTemporaryDir> <QTest>
    ${PROJECT_SOURCE_DIR}/base/tests/testmain.h)
set(KO_PCH_TEST_MODULES Gui Network)

# _ko_pch_donor(<name> LIBRARY|PROGRAM <headers var> <libs>...): an empty target that
# precompiles the headers. Libraries and programs need donors of their own kind, as they are
# compiled as position-independent code of different kinds.
function(_ko_pch_donor name kind headers)
    set(source ${CMAKE_BINARY_DIR}/${name}.cpp)
    if(kind STREQUAL "LIBRARY")
        set(text "")
        add_library(${name} STATIC EXCLUDE_FROM_ALL ${source})
    else()
        set(text "int main() { return 0; }\n")
        add_executable(${name} EXCLUDE_FROM_ALL ${source})
        _ko_test_defines(${name})
    endif()
    file(CONFIGURE OUTPUT ${source} CONTENT "${text}")
    target_link_libraries(${name} PRIVATE ${ARGN})
    target_precompile_headers(${name} PRIVATE ${${headers}})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
endfunction()

# _ko_test_defines(<target>): QtTest defines the folders of each test program, for the lookup of
# test data by QFINDTESTDATA; no test uses it (and the lookup finds a test's own folder through
# __FILE__ anyway). Dropping them lets the tests of every folder share precompiled headers.
function(_ko_test_defines target)
    target_compile_options(${target} PRIVATE -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
endfunction()

if(KO_PCH)
    _ko_pch_donor(ko_pch LIBRARY KO_PCH_HEADERS Qt6::Core)
endif()

# _ko_test_modules(<result var> <target>): which of KO_PCH_TEST_MODULES the target's compiles
# see, i.e. which it links directly or through the interface links of what it links.
function(_ko_test_modules result target)
    get_target_property(pending ${target} LINK_LIBRARIES)
    set(seen)
    set(found)
    while(pending)
        list(POP_FRONT pending item)
        if(item MATCHES "^\\$<LINK_ONLY:" OR NOT TARGET ${item} OR item IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${item})
        get_target_property(aliased ${item} ALIASED_TARGET)
        if(aliased)
            set(item ${aliased})
        endif()
        foreach(module IN LISTS KO_PCH_TEST_MODULES)
            if(item STREQUAL "Qt6::${module}")
                list(APPEND found ${module})
            endif()
        endforeach()
        get_target_property(libs ${item} INTERFACE_LINK_LIBRARIES)
        if(libs)
            list(APPEND pending ${libs})
        endif()
    endwhile()
    list(REMOVE_DUPLICATES found)
    list(SORT found)
    set(${result} ${found} PARENT_SCOPE)
endfunction()

# _ko_test_pch(<test>): gives the test the donor that matches its flags. Called once the whole
# tree is read, so that every library the test links is known, wherever it is defined.
function(_ko_test_pch test)
    _ko_test_modules(modules ${test})
    set(donor ko_pch_tests)
    set(libs Qt6::Core Qt6::Test)
    foreach(module IN LISTS modules)
        string(TOLOWER ${module} lower)
        string(APPEND donor _${lower})
        list(APPEND libs Qt6::${module})
    endforeach()
    if(NOT TARGET ${donor})
        _ko_pch_donor(${donor} PROGRAM KO_PCH_TEST_HEADERS ${libs})
    endif()
    target_precompile_headers(${test} REUSE_FROM ${donor})
endfunction()

# ko_add_library(<folder> [SUBDIRS <subfolders>...] [DEPS <targets>...])
#   One static library ko_<folder> from every .cpp and .h directly in the folder and in each
#   named subfolder (a folder past about forty files gets subfolders that name its design; it
#   stays one library). Headers are included as "<folder>/<file>.h" or
#   "<folder>/<subfolder>/<file>.h" from the repository root.
function(ko_add_library folder)
    cmake_parse_arguments(ARG "" "" "DEPS;SUBDIRS" ${ARGN})
    set(patterns)
    foreach(dir . ${ARG_SUBDIRS})
        list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
             ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.qrc)
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${patterns})
    if(NOT sources)
        add_library(ko_${folder} INTERFACE)
        target_include_directories(ko_${folder} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(ko_${folder} INTERFACE ${ARG_DEPS})
        return()
    endif()
    add_library(ko_${folder} STATIC ${sources})
    # The files of a library compile in batches of eight, which read the project's and Qt's
    # headers once a batch: some half of a library's compile time. Names in an anonymous
    # namespace or declared static must therefore differ between the files of one library (a
    # clash shows as a redefinition); a folder whose files cannot meet that marks them with
    # SKIP_UNITY_BUILD_INCLUSION.
    set_target_properties(ko_${folder} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    target_include_directories(ko_${folder} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(ko_${folder} PUBLIC ${ARG_DEPS})
    if(KO_PCH)
        target_precompile_headers(ko_${folder} REUSE_FROM ko_pch)
    endif()
endfunction()

# ko_add_test(<name> [SINGLE_THREADED] [ALONE] [LIBS <targets>...] [SOURCES <extra files>...]
#             [DEFINES <definitions>...] [DEPENDS <targets>...])
#   Builds tests/<name>.cpp of the current folder as a Qt Test program, linked to the folder's own
#   library, and registers it with CTest under <name>.
#   The tests of a folder share one program, ko_tests_<folder>, and compile in batches of
#   KO_TEST_BATCH files (base/tests/testmain.h says why and how it runs them; it holds their
#   SOURCES, LIBS, DEFINES and DEPENDS together, so names in an anonymous namespace or declared
#   static must differ between the test files of a folder, as between a library's files).
#   ALONE: a program <name> of its own, for a test with a main() of its own, e.g. one that starts
#   itself again with arguments of its own.
#   SINGLE_THREADED: the test never starts a second thread (base/tests/singlethreaded.cpp fails it
#   if it does), so ThreadSanitizer, which reports races between threads, can find nothing in it:
#   the ThreadSanitizer build leaves it out, and the other builds run it once.
# A sanitizer report fails a test even where its exit code does not show it: a report from a child
# process the test starts, or one that a program ending early through its own exit path leaves
# behind. Every sanitizer closes its report with this line.
set(KO_SANITIZER_REPORT "SUMMARY: [A-Za-z]*Sanitizer")
set(KO_TEST_BATCH 8 CACHE STRING "Test files compiled together in one batch")

# _ko_test_program(<program>): an empty test program; ko_add_test adds the tests.
function(_ko_test_program program)
    if(NOT TARGET ko_testmain)
        add_library(ko_testmain STATIC ${PROJECT_SOURCE_DIR}/base/tests/testmain.cpp
                    ${PROJECT_SOURCE_DIR}/base/tests/testmain.h)
        target_link_libraries(ko_testmain PUBLIC Qt6::Test)
        target_include_directories(ko_testmain PUBLIC ${PROJECT_SOURCE_DIR})
        set_target_properties(ko_testmain PROPERTIES AUTOMOC OFF)
        if(NOT KO_TSAN)
            add_library(ko_singlethreaded OBJECT ${PROJECT_SOURCE_DIR}/base/tests/singlethreaded.cpp)
        endif()
    endif()
    # The names of the program's SINGLE_THREADED tests, known once every folder is read.
    set(threads ${CMAKE_CURRENT_BINARY_DIR}/${program}_threads.cpp)
    set(names "$<TARGET_PROPERTY:${program},KO_SINGLE_THREADED>")
    file(GENERATE OUTPUT ${threads} CONTENT
"// Generated by cmake/Ko.cmake: the tests of this program marked SINGLE_THREADED.
#include <atomic>
namespace Ko::TestMain {
extern const char* const kSingleThreaded[];
const char* const kSingleThreaded[] = {$<$<BOOL:${names}>:\"$<JOIN:${names},\"$<COMMA> \">\"$<COMMA> >nullptr};
extern std::atomic<bool> g_oneThreadOnly;
std::atomic<bool> g_oneThreadOnly{false};
} // namespace Ko::TestMain
")
    add_executable(${program} ${threads})
    set_source_files_properties(${threads} TARGET_DIRECTORY ${program} PROPERTIES GENERATED ON
                                SKIP_PRECOMPILE_HEADERS ON SKIP_UNITY_BUILD_INCLUSION ON)
    target_link_libraries(${program} PRIVATE ko_testmain Qt6::Test)
    # GCC warns of a test class whose members use the file's anonymous namespace unless the class
    # lies in the file being compiled, which in a batch it no longer does; each test class is used
    # only in its own file all the same.
    target_compile_options(${program} PRIVATE -Wno-subobject-linkage)
    if(NOT KO_TSAN)
        target_link_libraries(${program} PRIVATE ko_singlethreaded)
    endif()
    _ko_test_defines(${program})
    if(KO_PCH)
        cmake_language(EVAL CODE
            "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]] CALL _ko_test_pch ${program})")
        # The program's own moc file is usually empty (a test includes its moc output itself):
        # loading the header would cost more than it saves.
        set_source_files_properties(
            ${CMAKE_CURRENT_BINARY_DIR}/${program}_autogen/mocs_compilation.cpp
            TARGET_DIRECTORY ${program} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    else()
        target_compile_options(${program} PRIVATE -include
                               ${PROJECT_SOURCE_DIR}/base/tests/testmain.h)
    endif()
endfunction()

function(ko_add_test name)
    cmake_parse_arguments(ARG "SINGLE_THREADED;ALONE" "" "LIBS;SOURCES;DEFINES;DEPENDS" ${ARGN})
    if(ARG_SINGLE_THREADED AND KO_TSAN)
        return()
    endif()
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    if(ARG_ALONE)
        set(program ${name})
        set(command ${program})
        _ko_test_program(${program})
    else()
        set(program ko_tests_${folder})
        set(command ${program} ${name})
        if(NOT TARGET ${program})
            _ko_test_program(${program})
            set_target_properties(${program} PROPERTIES UNITY_BUILD ON
                                  UNITY_BUILD_BATCH_SIZE ${KO_TEST_BATCH})
        endif()
    endif()
    target_sources(${program} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/${name}.cpp ${ARG_SOURCES})
    target_link_libraries(${program} PRIVATE ko_${folder} ${ARG_LIBS})
    target_include_directories(${program} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    if(ARG_DEFINES)
        target_compile_definitions(${program} PRIVATE ${ARG_DEFINES})
    endif()
    if(ARG_DEPENDS)
        add_dependencies(${program} ${ARG_DEPENDS})
    endif()
    if(ARG_SINGLE_THREADED)
        set_property(TARGET ${program} APPEND PROPERTY KO_SINGLE_THREADED ${name})
    endif()
    # Each test runs in a folder of its own, so files it writes beside itself never collide
    # with another test running at the same time.
    set(home ${CMAKE_BINARY_DIR}/test-home/${name})
    file(MAKE_DIRECTORY ${home})
    add_test(NAME ${name} COMMAND ${command} WORKING_DIRECTORY ${home})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_DATA_HOME=${home}/data;XDG_CONFIG_HOME=${home}/config"
        TIMEOUT 300 FAIL_REGULAR_EXPRESSION "${KO_SANITIZER_REPORT}")
endfunction()

# ko_test_timeout(<name> <seconds>): how long a test may take, for CTest and for Qt Test's own
#   watchdog alike. The watchdog ends a test at 300 s unless told otherwise, which would cut a
#   longer test short before CTest's limit is reached.
function(ko_test_timeout name seconds)
    math(EXPR ms "${seconds} * 1000")
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "QTEST_FUNCTION_TIMEOUT=${ms}")
    set_tests_properties(${name} PROPERTIES TIMEOUT ${seconds})
endfunction()

# ko_test_cost(<name> <seconds>): about how long the test runs under AddressSanitizer on two busy
#   cores. A run without the timings of an earlier one (a fresh clone) starts the costliest tests
#   first, so that none of the longest begins near the end and keeps the run waiting alone.
function(ko_test_cost name seconds)
    set_tests_properties(${name} PROPERTIES COST ${seconds})
endfunction()

# ko_add_bench(<name> [LIBS <targets>...] [SOURCES <extra files>...]): a benchmark program
#   bench/<name>.cpp; not a test. SOURCES may name test peers of other folders, e.g.
#   ${PROJECT_SOURCE_DIR}/link/tests/fakemotorcontroller.cpp.
function(ko_add_bench name)
    cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
    add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()

# ko_add_qml_test(<name> [LIBS <targets>...])
#   A Qt Quick Test program tst_<name>, run by CTest under that name. It runs every tst_*.qml of
#   the folder tests/tst_<name>/ offscreen, each file on a QML engine of its own that carries the
#   real composition root (app/tests/qmltestsetup.h), in scratch home and data folders.
#   To add a QML test folder:
#     1. tests/tst_<name>.cpp holds only
#          #include "app/tests/qmltestsetup.h"
#          #include <QtQuickTest>
#          KO_QUICK_TEST_MAIN(<name>)
#     2. tests/tst_<name>/tst_<what>.qml files, each a TestCase that imports the interface's
#        folders by their resource paths (import "qrc:/" and import "qrc:/CommonUI") and either
#        creates the whole window (Qt.createComponent("qrc:/main.qml")) or builds a root of its
#        own that offers the window's names (inj_stackView, inj_nightManager, inj_toaster,
#        inj_mainUIUtil) as root properties.
#     3. ko_add_qml_test(<name>) in the folder's tests/CMakeLists.txt.
#   The stored settings select the emulated mount in EQ mode, connect at launch, use day colours
#   and no location sensor; a file tests/tst_<name>/Settings.txt replaces them for the folder.
#   Each test file starts from those settings again. QML reaches "testHelper" (Ko::QmlTestHelper):
#   storedSettings(), publish(name, standIn) of a recording stand-in under a service's name before
#   the page that uses it is created, restore(name), and sendKey(item, key, press, autoRepeat).
function(ko_add_qml_test name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    set(test tst_${name})
    set(dir ${CMAKE_CURRENT_SOURCE_DIR}/tests/${test})
    # The setup is the same in every program: compiled once, in a library of its own.
    if(NOT TARGET ko_qmltestsetup)
        add_library(ko_qmltestsetup STATIC ${PROJECT_SOURCE_DIR}/app/tests/qmltestsetup.cpp
                    ${PROJECT_SOURCE_DIR}/app/tests/qmltestsetup.h)
        target_link_libraries(ko_qmltestsetup PUBLIC ko_app ko_qml Qt6::QuickTest
                              Qt6::QuickControls2)
    endif()
    add_executable(${test} ${CMAKE_CURRENT_SOURCE_DIR}/tests/${test}.cpp)
    target_link_libraries(${test} PRIVATE ko_qmltestsetup ${ARG_LIBS})
    target_compile_definitions(${test} PRIVATE QUICK_TEST_SOURCE_DIR="${dir}"
                               KO_QML_TEST_DIR="${dir}")
    add_dependencies(${test} ko_resources)
    set(home ${CMAKE_BINARY_DIR}/test-home/${test})
    file(MAKE_DIRECTORY ${home})
    add_test(NAME ${test} COMMAND ${test} -input ${dir} WORKING_DIRECTORY ${home})
    set_tests_properties(${test} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_DATA_HOME=${home}/data;XDG_CONFIG_HOME=${home}/config"
        TIMEOUT 300 FAIL_REGULAR_EXPRESSION "${KO_SANITIZER_REPORT}")
endfunction()

# ko_add_shots_test(<area> [SETTINGS <file>] [DRIVER <name>] [ARGS <probe options>...])
#   The screenshot test shots_<area>: the probe (app/probe/probe.cpp, whose head says how to
#   write a driver) runs the driver tests/shots_<area>.qml (or tests/shots_<name>.qml, with the
#   probe options, e.g. --language de) of the current folder under xvfb-run
#   on the xcb platform (offscreen rendering drops the Material backgrounds and shader effects),
#   starting from the settings file (default qml/tests/shots/Settings.txt: the emulated mount in
#   EQ mode, not connected at launch, day colours, a site at 46 degrees north, where the sky around
#   the pole the mount starts at stays up at any hour). The pictures stay under
#   test-artifacts/screenshots/<area>/ of the build folder; look at them. Labelled "screenshots",
#   which the ThreadSanitizer pass leaves out.
function(ko_add_shots_test area)
    cmake_parse_arguments(ARG "" "SETTINGS;DRIVER" "ARGS" ${ARGN})
    if(NOT ARG_DRIVER)
        set(ARG_DRIVER ${area})
    endif()
    if(NOT ARG_SETTINGS)
        set(ARG_SETTINGS ${PROJECT_SOURCE_DIR}/qml/tests/shots/Settings.txt)
    endif()
    set(test shots_${area})
    set(home ${CMAKE_BINARY_DIR}/test-home/${test})
    set(out ${CMAKE_BINARY_DIR}/test-artifacts/screenshots/${area})
    file(MAKE_DIRECTORY ${home})
    add_test(NAME ${test}
             COMMAND xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb
                     $<TARGET_FILE:quorvel_probe> --driver ${CMAKE_CURRENT_SOURCE_DIR}/tests/shots_${ARG_DRIVER}.qml
                     --out ${out} --settings ${ARG_SETTINGS} ${ARG_ARGS}
             WORKING_DIRECTORY ${home})
    # No leak check here: the GL and text-input modules that xcb loads are unloaded before the
    # check runs, so their allocations cannot be named in a suppression. The QML tests check the
    # same code for leaks offscreen.
    set_tests_properties(${test} PROPERTIES
        ENVIRONMENT "HOME=${home};XDG_DATA_HOME=${home}/data;XDG_CONFIG_HOME=${home}/config;XDG_CACHE_HOME=${home}/cache;ASAN_OPTIONS=detect_leaks=0"
        LABELS screenshots TIMEOUT 300 FAIL_REGULAR_EXPRESSION "${KO_SANITIZER_REPORT}")
endfunction()
