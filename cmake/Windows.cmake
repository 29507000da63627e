# MinGW-w64: the program, its Win32 layer and the tests that run under Wine.
add_library(vantrel_win32 STATIC ${win32_sources})
target_link_libraries(vantrel_win32 PUBLIC vantrel_core)
# Only libraries that Windows always takes from its own folder are imported statically;
# everything else is loaded at run time from the system folder.
target_link_libraries(vantrel_win32 PUBLIC user32 gdi32 advapi32 shell32 ole32 comctl32 uuid)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VANTREL_MANIFEST_ARCH amd64)
else()
    set(VANTREL_MANIFEST_ARCH x86)
endif()
configure_file(resources/Vantrel.manifest.in ${CMAKE_BINARY_DIR}/generated/Vantrel.manifest @ONLY)

function(vantrel_program name)
    add_executable(${name} WIN32 app/win32/WinMain.cpp resources/Vantrel.rc ${ARGN})
    target_link_libraries(${name} PRIVATE vantrel_win32)
    target_link_options(${name} PRIVATE -municode)
    target_include_directories(${name} PRIVATE ${CMAKE_BINARY_DIR}/generated
        ${CMAKE_SOURCE_DIR}/resources)
    set_target_properties(${name} PROPERTIES OUTPUT_NAME ${name})
endfunction()

vantrel_program(Vantrel)
# windres does not report the files the script includes, so list them for it to re-run.
file(GLOB art_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/art/*.ico
    ${CMAKE_SOURCE_DIR}/resources/art/*.png)
set_property(SOURCE resources/Vantrel.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_BINARY_DIR}/generated/Vantrel.manifest
    ${CMAKE_SOURCE_DIR}/resources/ENGLISH.txt
    ${CMAKE_SOURCE_DIR}/resources/CLICK.wav
    ${art_files})

# The files that ship beside the program: the compiled help, built from our own pages with
# chmcmd, and the licence text.
find_program(CHMCMD chmcmd REQUIRED)
file(GLOB_RECURSE help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/*)
set(help_dir ${CMAKE_BINARY_DIR}/help)
file(MAKE_DIRECTORY ${help_dir})
add_custom_command(
    OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Vantrel.chm
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/help ${help_dir}
    COMMAND ${CHMCMD} --no-html-scan --verbosity 0 Vantrel.hhp
    COMMAND ${CMAKE_COMMAND} -E copy ${help_dir}/Vantrel.chm ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/
    WORKING_DIRECTORY ${help_dir}
    DEPENDS ${help_sources}
    COMMENT "Compiling the help file Vantrel.chm"
    VERBATIM)
add_custom_command(
    OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/License.rtf
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/License.rtf
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/License.rtf
    VERBATIM)
add_custom_target(companion_files ALL
    DEPENDS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Vantrel.chm ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/License.rtf)
add_dependencies(Vantrel companion_files)

enable_testing()
file(GLOB windows_cmake CONFIGURE_DEPENDS tests/*/windows.cmake)
foreach(extra IN LISTS windows_cmake)
    include(${extra})
endforeach()
