# Linux: unit tests of the portable core, with sanitizers.
file(GLOB support_sources CONFIGURE_DEPENDS tests/support/*.cpp)
add_library(vantrel_test_support STATIC ${support_sources})
target_link_libraries(vantrel_test_support PUBLIC vantrel_core gtest)

file(GLOB native_test_sources CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(vantrel_native_tests ${native_test_sources})
target_link_libraries(vantrel_native_tests PRIVATE vantrel_test_support gtest_main)

enable_testing()
add_test(NAME native COMMAND vantrel_native_tests --gtest_brief=1)
set_tests_properties(native PROPERTIES ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1")

file(GLOB native_cmake CONFIGURE_DEPENDS tests/*/native.cmake)
foreach(extra IN LISTS native_cmake)
    include(${extra})
endforeach()
# Tests that work on the shipped resources read them from the source tree.
target_compile_definitions(vantrel_native_tests PRIVATE VANTREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
