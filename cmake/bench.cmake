# Benchmarks (scripts/bench.sh): the floor programs and the measuring tools.
configure_file(tests/bench/baseline.rc.in generated/baseline.rc @ONLY)
add_executable(baseline WIN32 tests/bench/baseline.cpp ${CMAKE_BINARY_DIR}/generated/baseline.rc)
rudiv_product(baseline)
target_link_options(baseline PRIVATE ${RUDIV_LINK_OPTIONS} ${RUDIV_STRIP_OPTION})

add_executable(launch tests/bench/launch.cpp)
target_link_libraries(launch PRIVATE psapi)
target_link_options(launch PRIVATE -static)

add_executable(tick_bench tests/bench/tick_bench.cpp)
rudiv_charset(tick_bench)
target_link_libraries(tick_bench PRIVATE program)
target_link_options(tick_bench PRIVATE ${RUDIV_LINK_OPTIONS})
