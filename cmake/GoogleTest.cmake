# GoogleTest and GoogleMock from Debian's sources, built for whichever target this is.
set(gtest_root /usr/src/googletest)
if(NOT EXISTS ${gtest_root}/googletest/src/gtest-all.cc)
    message(FATAL_ERROR "googletest sources missing: run scripts/setup")
endif()
add_library(gtest STATIC EXCLUDE_FROM_ALL
    ${gtest_root}/googletest/src/gtest-all.cc
    ${gtest_root}/googlemock/src/gmock-all.cc)
target_include_directories(gtest SYSTEM PUBLIC
    ${gtest_root}/googletest/include ${gtest_root}/googlemock/include)
target_include_directories(gtest PRIVATE ${gtest_root}/googletest ${gtest_root}/googlemock)
find_package(Threads REQUIRED)
target_link_libraries(gtest PUBLIC Threads::Threads)
if(VANTREL_SANITIZE)
    target_compile_options(gtest PRIVATE -fsanitize=address,undefined)
    target_link_options(gtest PUBLIC -fsanitize=address,undefined)
endif()
if(WIN32)
    target_link_options(gtest PUBLIC -static)
endif()
add_library(gtest_main STATIC EXCLUDE_FROM_ALL ${gtest_root}/googlemock/src/gmock_main.cc)
target_link_libraries(gtest_main PUBLIC gtest)
