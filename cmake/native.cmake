# Native Linux build: unit tests of the portable rules under ASan and UBSan.
if(NOT RUDIV_TESTS)
  return()
endif()
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(portable PRIVATE ${sanitizers})

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()
include(GoogleTest)
add_executable(portable_tests
  tests/portable/conversion_test.cpp
  tests/portable/action_type_test.cpp
  tests/portable/gbk_literals_test.cpp
  tests/portable/text_test.cpp)
rudiv_charset(portable_tests)
target_compile_options(portable_tests PRIVATE ${sanitizers})
target_link_options(portable_tests PRIVATE ${sanitizers})
target_link_libraries(portable_tests PRIVATE portable GTest::gtest_main)
gtest_discover_tests(portable_tests TEST_PREFIX "native.")
