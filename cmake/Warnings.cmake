# Options shared by every target of ours: warnings as errors, sanitizers on the native build,
# and the Windows definitions on the MinGW builds.
add_library(vantrel_options INTERFACE)
target_compile_options(vantrel_options INTERFACE -Wall -Wextra -Werror)
if(VANTREL_SANITIZE)
    target_compile_options(vantrel_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(vantrel_options INTERFACE -fsanitize=address,undefined)
endif()
if(WIN32)
    target_compile_definitions(vantrel_options INTERFACE
        UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    # The C and C++ runtimes are linked in: an elevated program must not pick up
    # libstdc++-6.dll, libgcc_s or libwinpthread-1.dll from its own folder.
    target_link_options(vantrel_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()
