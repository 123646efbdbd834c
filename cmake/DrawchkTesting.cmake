# How the tests are built and run: GoogleTest, a label for each kind of test, and for the
# cross-built Windows program Wine on a virtual X display, shared by every test of a run.
#
# Kinds (CTest labels): unit (a part, in process), program (the real program in folders of
# its own), window (the Qt window), wine (anything run under Wine). `ctest -L unit` runs one.

# Today's date for every test, which the program takes in place of its clock's: the day after
# the sample file's newest draw, so that the sample is a current file. No test reads the clock.
set(DRAWCHK_TEST_TODAY DRAWCHK_TODAY=2025-08-30)

if(WIN32 AND CMAKE_CROSSCOMPILING)
    # GoogleTest built from its sources with the same toolchain, and the tests run under Wine in
    # a prefix of this build's own.
    set(DRAWCHK_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH
        "GoogleTest's sources, cross-built for the Windows tests (Debian's googletest package)")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${DRAWCHK_GOOGLETEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest
        EXCLUDE_FROM_ALL SYSTEM)
    find_program(DRAWCHK_WINE wine64 PATHS /usr/lib/wine REQUIRED)
    set(DRAWCHK_WINE_ENVIRONMENT WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
        WINEDLLOVERRIDES=mscoree,mshtml= ${DRAWCHK_TEST_TODAY})
    set(CMAKE_CROSSCOMPILING_EMULATOR env ${DRAWCHK_WINE_ENVIRONMENT} ${DRAWCHK_WINE})

    # A virtual display and one Wine server for the whole run, started before the first test
    # that needs them: each program then starts in tens of milliseconds, not seconds.
    find_program(DRAWCHK_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine REQUIRED)
    find_program(XVFB Xvfb REQUIRED)
    set(DRAWCHK_WINE_SESSION ${PROJECT_SOURCE_DIR}/win32/tests/wine_session.sh)
    set(DRAWCHK_WINE_STATE ${CMAKE_BINARY_DIR}/wine-session)
    add_test(NAME wine.start COMMAND ${DRAWCHK_WINE_SESSION} start ${DRAWCHK_WINE_STATE}
        ${DRAWCHK_WINE} ${DRAWCHK_WINESERVER})
    add_test(NAME wine.stop COMMAND ${DRAWCHK_WINE_SESSION} stop ${DRAWCHK_WINE_STATE}
        ${DRAWCHK_WINE} ${DRAWCHK_WINESERVER})
    set_tests_properties(wine.start wine.stop PROPERTIES
        ENVIRONMENT "${DRAWCHK_WINE_ENVIRONMENT}" TIMEOUT 120 LABELS wine)
    set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
    set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Registers a GoogleTest program's tests with CTest under the label `kind`, with any further
# test properties: one by one where they run natively, as one run under Wine.
function(drawchk_add_gtest target kind)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
        set_tests_properties(${target} PROPERTIES TIMEOUT 300 FIXTURES_REQUIRED wine
            LABELS "${kind};wine")
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 120 PROPERTIES LABELS ${kind}
            ENVIRONMENT ${DRAWCHK_TEST_TODAY} ${ARGN})
    endif()
endfunction()

# A test of the Windows program under Wine: on the session's display with ON_DISPLAY,
# else with none; `kind` is its label beside wine.
function(drawchk_add_wine_test name kind)
    cmake_parse_arguments(PARSE_ARGV 2 arg "ON_DISPLAY" "TIMEOUT" "COMMAND")
    if(arg_ON_DISPLAY)
        add_test(NAME ${name} COMMAND ${DRAWCHK_WINE_SESSION} run ${DRAWCHK_WINE_STATE}
            env ${DRAWCHK_WINE_ENVIRONMENT} ${arg_COMMAND})
    else()
        add_test(NAME ${name} COMMAND env ${DRAWCHK_WINE_ENVIRONMENT} ${arg_COMMAND})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT_MODIFICATION "DISPLAY=unset:")
    endif()
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT} FIXTURES_REQUIRED wine
        LABELS "${kind};wine")
endfunction()
