# Helpers shared by every subsystem's CMakeLists.txt.

# zyk_core_library(NAME SOURCES... [DEPENDS libs...])
# A core library holds behaviour only: plain C++ and the standard library, never Qt.
function(zyk_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    if(ARG_DEPENDS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    endif()
    set_property(GLOBAL APPEND PROPERTY ZYK_CORE_LIBRARIES ${name})
endfunction()

# Core libraries must stay free of Qt so that they build fast, test without a display and fuzz.
function(zyk_check_core_libraries)
    get_property(libs GLOBAL PROPERTY ZYK_CORE_LIBRARIES)
    foreach(lib IN LISTS libs)
        get_target_property(deps ${lib} LINK_LIBRARIES)
        foreach(dep IN LISTS deps)
            if(dep MATCHES "^Qt" OR dep MATCHES "::Qt")
                message(FATAL_ERROR "core library ${lib} links the Qt target ${dep}")
            endif()
        endforeach()
        get_target_property(srcs ${lib} SOURCES)
        get_target_property(dir ${lib} SOURCE_DIR)
        foreach(src IN LISTS srcs)
            if(IS_ABSOLUTE "${src}")
                set(path "${src}")
            else()
                set(path "${dir}/${src}")
            endif()
            if(EXISTS "${path}")
                file(STRINGS "${path}" qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
                if(qt_includes)
                    message(FATAL_ERROR "core source ${path} includes Qt: ${qt_includes}")
                endif()
            endif()
        endforeach()
    endforeach()
endfunction()

# Every file replace flushes the file and its folder to the disk (tens of milliseconds each on a
# real disk); tests keep their temporary folders in memory where the machine offers it.
set(ZYK_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZYK_TEST_BINARY_DIR=${PROJECT_BINARY_DIR}")
if(IS_DIRECTORY /dev/shm)
    list(APPEND ZYK_TEST_ENVIRONMENT "TMPDIR=/dev/shm")
endif()

# zyk_test(NAME SOURCES... DEPENDS libs... [LABELS labels...])
function(zyk_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    gtest_discover_tests(${name}
        PROPERTIES LABELS "${ARG_LABELS}"
        ENVIRONMENT "${ZYK_TEST_ENVIRONMENT}"
        DISCOVERY_TIMEOUT 60)
endfunction()
