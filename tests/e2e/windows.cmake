# End-to-end runs: the built program started under Wine and driven from outside.
file(GLOB e2e_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
if(e2e_sources AND CMAKE_SIZEOF_VOID_P EQUAL 8)
    add_executable(vantrel_e2e_tests ${e2e_sources})
    target_link_libraries(vantrel_e2e_tests PRIVATE vantrel_win32 gtest_main)
    add_dependencies(vantrel_e2e_tests Vantrel)
    add_test(NAME e2e COMMAND vantrel_e2e_tests --gtest_brief=1)
    set_tests_properties(e2e PROPERTIES RUN_SERIAL TRUE TIMEOUT 900)
    # The same start-up under other regional conventions: Wine takes the user's locale
    # from LANG.
    foreach(locale de_DE en_GB)
        add_test(NAME e2e-${locale}
            COMMAND vantrel_e2e_tests --gtest_brief=1 --gtest_filter=*RegionalConventions*)
        set_tests_properties(e2e-${locale} PROPERTIES RUN_SERIAL TRUE TIMEOUT 300
            ENVIRONMENT "LANG=${locale}.UTF-8;VANTREL_EXPECT_LOCALE=${locale}")
    endforeach()
endif()
