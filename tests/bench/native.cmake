# Micro-benchmarks of the portable core, built optimised and without sanitizers (which
# would distort the figures): the sources they need are compiled again for them alone.
find_package(benchmark QUIET)
if(benchmark_FOUND)
    set(bench_core_sources ${core_sources})
    list(FILTER bench_core_sources INCLUDE REGEX "/(i18n|os|optimizer|toolkit)/[^/]+\\.cpp$")
    add_executable(vantrel_bench
        ${CMAKE_SOURCE_DIR}/tests/bench/CaptionsBench.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/MemoryRegistry.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/MemoryResources.cpp
        ${bench_core_sources})
    target_include_directories(vantrel_bench PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_options(vantrel_bench PRIVATE -Wall -Wextra -Werror -O2)
    target_compile_definitions(vantrel_bench PRIVATE NDEBUG
        VANTREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    target_link_libraries(vantrel_bench PRIVATE benchmark::benchmark)

    # A short run, so that the benchmarks keep working; the figures come from longer runs.
    add_test(NAME bench COMMAND vantrel_bench --benchmark_min_time=0.05)
else()
    message(WARNING "Google Benchmark not found (libbenchmark-dev): no benchmarks")
endif()
