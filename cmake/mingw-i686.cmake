# MinGW-w64 i686 with the posix thread model: the shipped 32-bit build. Built and inspected
# here, never run (this kernel runs no 32-bit code).
set(triple i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
