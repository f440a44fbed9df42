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
