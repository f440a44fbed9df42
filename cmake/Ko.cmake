# Precompiled headers. Every library and test parses the same standard and Qt headers; with
# sanitizers on, parsing them is a large part of each compile. Donor targets precompile them once
# and the libraries and tests reuse a donor's header. A header serves only compiles with the same
# flags and the same values of the macros it tests: all libraries share one donor; the tests of a
# folder share one (QtTest's headers test the folder-dependent QT_TESTCASE_BUILDDIR and
# QT_TESTCASE_SOURCEDIR), or two when some of them link the GUI module (QT_GUI_LIB). Should a flag
# ever differ, GCC reads the plain headers instead (and says so with -Winvalid-pch): a mismatch
# costs time, never correctness. KO_PCH=OFF builds without them, e.g. to check that every file
# includes what it uses.
option(KO_PCH "Precompile the common standard and Qt headers" ON)
set(KO_PCH_HEADERS
    <algorithm> <array> <atomic> <chrono> <cmath> <cstdint> <functional> <limits> <map>
    <memory> <mutex> <optional> <string> <thread> <utility> <vector>
    <QByteArray> <QHash> <QList> <QObject> <QString> <QStringList> <QVariant>)
set(KO_PCH_TEST_HEADERS ${KO_PCH_HEADERS} <QSignalSpy> <QTemporaryDir> <QTest>)

# _ko_pch_donor(<name> LIBRARY|PROGRAM <headers var> <libs>...): an empty target of the current
# folder that precompiles the headers. Libraries and programs need donors of their own kind, as
# they are compiled as position-independent code of different kinds.
function(_ko_pch_donor name kind headers)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
    if(kind STREQUAL "LIBRARY")
        set(text "")
        add_library(${name} STATIC EXCLUDE_FROM_ALL ${source})
    else()
        set(text "int main() { return 0; }\n")
        add_executable(${name} EXCLUDE_FROM_ALL ${source})
    endif()
    file(CONFIGURE OUTPUT ${source} CONTENT "${text}")
    target_link_libraries(${name} PRIVATE ${ARGN})
    target_precompile_headers(${name} PRIVATE ${${headers}})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
endfunction()

if(KO_PCH)
    _ko_pch_donor(ko_pch LIBRARY KO_PCH_HEADERS Qt6::Core)
endif()

# The Qt modules whose <MODULE>_LIB macro QtTest's headers test.
set(KO_PCH_TEST_MODULES Gui Network)

# _ko_test_modules(<result var> <target>): which of KO_PCH_TEST_MODULES the target's compiles
# see, i.e. which it links directly or through the interface links of what it links. Libraries
# not yet defined are not followed.
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

# _ko_folder_test_pch(<folder>): run once the folder's CMakeLists.txt is read, so that links added
# after ko_add_test count; gives each test of the folder its donor.
function(_ko_folder_test_pch folder)
    get_directory_property(tests KO_TESTS)
    foreach(test IN LISTS tests)
        _ko_test_modules(modules ${test})
        set(donor ko_pch_${folder}_tests)
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
    endforeach()
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
    target_include_directories(ko_${folder} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(ko_${folder} PUBLIC ${ARG_DEPS})
    if(KO_PCH)
        target_precompile_headers(ko_${folder} REUSE_FROM ko_pch)
    endif()
endfunction()

# ko_add_test(<name> [LIBS <targets>...] [SOURCES <extra files>...])
#   Builds tests/<name>.cpp of the current folder as a Qt Test program, linked to the
#   folder's own library, and registers it with CTest under <name>.
function(ko_add_test name)
    cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/tests/${name}.cpp ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ko_${folder} ${ARG_LIBS} Qt6::Test)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    if(KO_PCH)
        get_directory_property(tests KO_TESTS)
        if(NOT tests)
            cmake_language(EVAL CODE "cmake_language(DEFER CALL _ko_folder_test_pch ${folder})")
        endif()
        set_property(DIRECTORY APPEND PROPERTY KO_TESTS ${name})
        # The program's own moc file is usually empty (a test includes its moc output itself):
        # loading the header would cost more than it saves.
        set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp
                                    TARGET_DIRECTORY ${name} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
    # Each test runs in a folder of its own, so files it writes beside itself never collide
    # with another test running at the same time.
    set(home ${CMAKE_BINARY_DIR}/test-home/${name})
    file(MAKE_DIRECTORY ${home})
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${home})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_DATA_HOME=${home}/data;XDG_CONFIG_HOME=${home}/config"
        TIMEOUT 120)
endfunction()

# ko_add_bench(<name> [LIBS <targets>...] [SOURCES <extra files>...]): a benchmark program
#   bench/<name>.cpp; not a test. SOURCES may name test peers of other folders, e.g.
#   ${PROJECT_SOURCE_DIR}/link/tests/fakemotorcontroller.cpp.
function(ko_add_bench name)
    cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
    add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
