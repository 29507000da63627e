# libFuzzer over the language-table reader and row splitter. The code under test is compiled
# into the target itself so that it carries the fuzzer's coverage instrumentation.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(fuzz_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_executable(vantrel_fuzz_language_table
        ${CMAKE_SOURCE_DIR}/tests/fuzz/LanguageTableFuzz.cpp
        ${CMAKE_SOURCE_DIR}/i18n/LanguageTable.cpp
        ${CMAKE_SOURCE_DIR}/os/CodePage.cpp
        ${CMAKE_SOURCE_DIR}/toolkit/Text.cpp)
    target_include_directories(vantrel_fuzz_language_table PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_options(vantrel_fuzz_language_table PRIVATE -Wall -Wextra -Werror ${fuzz_flags})
    target_link_options(vantrel_fuzz_language_table PRIVATE ${fuzz_flags})

    # New inputs go to a corpus in the build tree; the committed seeds stay as they are.
    set(fuzz_corpus ${CMAKE_BINARY_DIR}/fuzz/language-table)
    file(MAKE_DIRECTORY ${fuzz_corpus})
    add_test(NAME fuzz-language-table
        COMMAND vantrel_fuzz_language_table -max_total_time=60 -timeout=5 -rss_limit_mb=2048
            -print_final_stats=1 ${fuzz_corpus} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus)
    set_tests_properties(fuzz-language-table PROPERTIES TIMEOUT 180
        ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endif()
