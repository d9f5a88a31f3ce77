# Build options shared by every target of the project.
add_library(veltrane_options INTERFACE)
target_compile_options(veltrane_options INTERFACE -Wall -Wextra -Wpedantic)
if(VELTRANE_WERROR)
    target_compile_options(veltrane_options INTERFACE -Werror)
endif()
if(VELTRANE_SANITIZE)
    target_compile_options(veltrane_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                      -fno-sanitize-recover=undefined)
    target_link_options(veltrane_options INTERFACE -fsanitize=address,undefined)
endif()
if(VELTRANE_FUZZ)
    # Coverage for libFuzzer in every library the fuzz targets link.
    target_compile_options(veltrane_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# veltrane_library(name SOURCES ... LIBS ...): one static library of a subsystem.
function(veltrane_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE veltrane_options)
endfunction()

set(VELTRANE_LOCALE_DIR ${CMAKE_BINARY_DIR}/locale)

# What every test's environment holds besides its platform. Under the
# sanitizers, Qt's own event dispatcher replaces GLib's: LeakSanitizer of
# GCC 12 crashes on exit scanning GLib's dynamic thread-local storage under
# glibc 2.36. System libraries' own leaks are suppressed by name.
set(VELTRANE_TEST_ENVIRONMENT
    "VELTRANE_PROGRAM_DIR=${VELTRANE_PROGRAM_DIR}" "LOCPATH=${VELTRANE_LOCALE_DIR}")
if(VELTRANE_SANITIZE)
    list(APPEND VELTRANE_TEST_ENVIRONMENT "QT_NO_GLIB=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizer/lsan.supp")
endif()

# veltrane_add_test(name SOURCES ... LIBS ...): one QtTest executable registered
# with CTest, run offscreen and away from the user's own files.
function(veltrane_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS} veltrane_options)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;${VELTRANE_TEST_ENVIRONMENT}"
        # The program's own (English) texts whatever the developer's session speaks.
        ENVIRONMENT_MODIFICATION "LANGUAGE=unset:"
        TIMEOUT 120)
endfunction()
