# Win32 code against Wine's real registry, windows and resources.
file(GLOB wine_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
if(wine_test_sources AND CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_executable(vantrel_wine_tests ${wine_test_sources})
    target_link_libraries(vantrel_wine_tests PRIVATE vantrel_win32 gtest_main)
    # Tests that compare resources with their sources read them through Wine's Z: drive.
    target_compile_definitions(vantrel_wine_tests PRIVATE
        VANTREL_SOURCE_DIR=L"Z:${CMAKE_SOURCE_DIR}")
    # Tests that read resources back from the built program find it beside themselves.
    add_dependencies(vantrel_wine_tests Vantrel)

    # Helper programs the tests start, built beside them: a probe for what only a fresh
    # process shows, a stand-in for the updater, and a library planted beside the programs.
    add_executable(VantrelProbe ${CMAKE_SOURCE_DIR}/tests/wine/probes/VantrelProbe.cpp)
    target_link_libraries(VantrelProbe PRIVATE vantrel_win32)
    target_link_options(VantrelProbe PRIVATE -municode)
    add_executable(VantrelUpdate WIN32 ${CMAKE_SOURCE_DIR}/tests/wine/probes/UpdaterStandIn.cpp)
    target_link_libraries(VantrelUpdate PRIVATE vantrel_options)
    target_link_options(VantrelUpdate PRIVATE -municode)
    add_library(VantrelPlanted SHARED ${CMAKE_SOURCE_DIR}/tests/wine/probes/PlantedLibrary.cpp)
    target_link_libraries(VantrelPlanted PRIVATE vantrel_options)
    set_target_properties(VantrelPlanted PROPERTIES PREFIX "")
    add_dependencies(vantrel_wine_tests VantrelProbe VantrelUpdate VantrelPlanted)

    add_test(NAME wine COMMAND vantrel_wine_tests --gtest_brief=1)
    set_tests_properties(wine PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
endif()
