# Every C++ source keeps the repository's clang-format style.
find_program(CLANG_FORMAT clang-format REQUIRED)
add_test(NAME format
    COMMAND sh -c "git ls-files -z '*.cpp' '*.h' | xargs -0 '${CLANG_FORMAT}' --dry-run -Werror"
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
