# Checks of the built program file itself: machine, subsystem, imports, manifest.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(pe_machine i386)
else()
    set(pe_machine x86-64)
endif()
add_test(NAME program-file
    COMMAND ${CMAKE_SOURCE_DIR}/tests/pe/check-program-file $<TARGET_FILE:Vantrel> ${pe_machine})

# The icon files (every image at its size and bit depth) and the resources linked from them:
# both icon groups named by strings, "0" first, and every picture the windows load.
add_test(NAME icon-files COMMAND ${CMAKE_SOURCE_DIR}/resources/art/check-ico.py)
add_test(NAME program-resources
    COMMAND ${CMAKE_SOURCE_DIR}/tests/pe/check-resources $<TARGET_FILE:Vantrel>)
