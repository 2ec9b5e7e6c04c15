# The Windows exe, linked statically so that it imports system DLLs only,
# and its tests, which run under Wine.
enable_language(RC)

set(RUDIV_RES_DIR ${PROJECT_SOURCE_DIR}/res)
set(RUDIV_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
set(RUDIV_MANIFEST ${CMAKE_BINARY_DIR}/generated/app.manifest)
configure_file(src/ui/config.h.in generated/ui/config.h @ONLY)
configure_file(res/app.manifest ${RUDIV_MANIFEST} @ONLY)
configure_file(res/app.rc.in generated/app.rc @ONLY)

# Small, reproducible and self-contained: no link timestamp, no runtime DLLs.
if(MSVC)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  set(RUDIV_LINK_OPTIONS /MANIFEST:NO /Brepro)  # the manifest comes with the resources
  set(RUDIV_STRIP_OPTION "")
else()
  set(RUDIV_LINK_OPTIONS -static -Wl,--no-insert-timestamp -Wl,--gc-sections)
  set(RUDIV_STRIP_OPTION -s)
  add_compile_options(-ffunction-sections -fdata-sections)
endif()

add_library(program STATIC
  src/app/exit_routines.cpp
  src/app/program_exit.cpp
  src/app/run_directory.cpp
  src/power/action_type_controls.cpp
  src/power/countdown_state.cpp
  src/power/countdown_worker.cpp
  src/power/delay.cpp
  src/power/privilege.cpp
  src/power/start_cancel.cpp
  src/power/system_calls.cpp
  src/settings/settings.cpp
  src/ui/edit_filter.cpp
  src/ui/event_loop.cpp
  src/ui/keyboard.cpp
  src/ui/label.cpp
  src/ui/main_window.cpp
  src/ui/subclass.cpp
  src/ui/wide_text.cpp
  src/ui/window_definition.cpp
  src/ui/window_operations.cpp)
rudiv_product(program)
target_include_directories(program PUBLIC src ${CMAKE_BINARY_DIR}/generated)
target_compile_definitions(program PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
target_link_libraries(program PUBLIC portable user32 gdi32 advapi32 kernel32)
target_compile_definitions(portable PUBLIC NOMINMAX)

add_executable(RudivAdodavuv WIN32 src/app/main.cpp ${CMAKE_BINARY_DIR}/generated/app.rc)
rudiv_product(RudivAdodavuv)
target_link_libraries(RudivAdodavuv PRIVATE program)
target_link_options(RudivAdodavuv PRIVATE ${RUDIV_LINK_OPTIONS} ${RUDIV_STRIP_OPTION})
if(MINGW)  # the link map shows what each library adds to the exe
  target_link_options(RudivAdodavuv PRIVATE -Wl,-Map=${CMAKE_BINARY_DIR}/RudivAdodavuv.map)
endif()
set_property(SOURCE ${CMAKE_BINARY_DIR}/generated/app.rc APPEND PROPERTY OBJECT_DEPENDS
             ${RUDIV_RES_DIR}/icon.ico ${RUDIV_MANIFEST})

if(RUDIV_TESTS)
  include(cmake/windows_tests.cmake)
  include(cmake/bench.cmake)
endif()
