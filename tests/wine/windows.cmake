# Win32 code against Wine's real registry, windows and resources.
file(GLOB wine_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
if(wine_test_sources AND CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_executable(vantrel_wine_tests ${wine_test_sources})
    target_link_libraries(vantrel_wine_tests PRIVATE vantrel_win32 gtest_main)
    # Tests that read resources back from the built program find it beside themselves.
    add_dependencies(vantrel_wine_tests Vantrel)
    target_compile_definitions(vantrel_wine_tests PRIVATE VANTREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_test(NAME wine COMMAND vantrel_wine_tests --gtest_brief=1)
    set_tests_properties(wine PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
endif()
