# Tests that run the real code under Wine: one test process per test case, in
# the prefix that scripts/test.sh prepares (WINEPREFIX).
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

configure_file(tests/wine/run-in-wine.sh.in ${CMAKE_BINARY_DIR}/run-in-wine.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/run-in-wine.sh)

enable_testing()
include(GoogleTest)

# rudiv_wine_test(NAME SOURCES... [ENVIRONMENT VAR=VALUE])
function(rudiv_wine_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "ENVIRONMENT" "")
  set(ARGN ${arg_UNPARSED_ARGUMENTS})
  # With the program's own resources: icon, manifest and version block.
  add_executable(${name} ${ARGN} ${CMAKE_BINARY_DIR}/generated/app.rc)
  rudiv_charset(${name})
  target_include_directories(${name} PRIVATE tests/windows)
  target_link_libraries(${name} PRIVATE program GTest::gtest)
  target_link_options(${name} PRIVATE ${RUDIV_LINK_OPTIONS})
  # Each test exe in a folder of its own: its settings file lands beside it.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/${name})
  gtest_discover_tests(${name} TEST_PREFIX "wine.${name}." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       # One window at a time: key strokes go to the foreground window.
                       PROPERTIES TIMEOUT 600 RESOURCE_LOCK wine_desktop ENVIRONMENT "${arg_ENVIRONMENT}")
endfunction()

rudiv_wine_test(portable_tests_wine
  tests/windows/gtest_main.cpp
  tests/portable/conversion_test.cpp
  tests/portable/action_type_test.cpp
  tests/portable/gbk_literals_test.cpp
  tests/windows/conversion_wine_test.cpp)

rudiv_wine_test(window_tests
  tests/windows/gtest_main.cpp
  tests/windows/window_fixture.cpp
  tests/windows/window_layout_test.cpp
  tests/windows/keyboard_test.cpp
  tests/windows/lifecycle_test.cpp
  tests/windows/window_operations_test.cpp)

rudiv_wine_test(resources_tests
  tests/windows/gtest_main.cpp
  tests/windows/resources_test.cpp)
target_compile_definitions(resources_tests PRIVATE RUDIV_EXE_UNIX_PATH=L"$<TARGET_FILE:RudivAdodavuv>")
target_link_libraries(resources_tests PRIVATE version)
add_dependencies(resources_tests RudivAdodavuv)

rudiv_wine_test(settings_tests
  tests/windows/gtest_main.cpp
  tests/windows/window_fixture.cpp
  tests/windows/settings_file.cpp
  tests/windows/settings_test.cpp
  tests/windows/bad_settings_test.cpp)

rudiv_wine_test(countdown_tests
  tests/windows/gtest_main.cpp
  tests/windows/window_fixture.cpp
  tests/windows/power_fixture.cpp
  tests/windows/settings_file.cpp
  tests/windows/countdown_test.cpp
  tests/windows/start_cancel_test.cpp
  tests/windows/power_system_test.cpp
  tests/windows/hardening_test.cpp)

# The same texts under a Western ANSI code page.
rudiv_wine_test(codepage_tests
  tests/windows/gtest_main.cpp
  tests/windows/window_fixture.cpp
  tests/windows/codepage_test.cpp
  ENVIRONMENT RUDIV_LC_ALL=en_US.UTF-8)

# Many runs with random timing: scripts/races.sh, not the test command.
rudiv_wine_test(race_tests
  tests/windows/gtest_main.cpp
  tests/windows/window_fixture.cpp
  tests/windows/power_fixture.cpp
  tests/windows/settings_file.cpp
  tests/windows/race_test.cpp)

# End-to-end: the real exe in Xvfb, driven by xdotool and looked at by probe.exe.
add_executable(probe tests/e2e/probe.cpp)
target_link_options(probe PRIVATE -static)
file(GLOB e2e_scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*_test.sh)
foreach(script ${e2e_scripts})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e.${name} COMMAND bash ${script})
  set_tests_properties(e2e.${name} PROPERTIES LABELS e2e TIMEOUT 180 RESOURCE_LOCK wine_desktop
    ENVIRONMENT "RUDIV_BUILD=${CMAKE_BINARY_DIR};RUDIV_SOURCE=${PROJECT_SOURCE_DIR}")
endforeach()
