# Checks of the built program file itself: machine, subsystem, imports, manifest.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(pe_machine i386)
else()
    set(pe_machine x86-64)
endif()
add_test(NAME program-file
    COMMAND ${CMAKE_SOURCE_DIR}/tests/pe/check-program-file $<TARGET_FILE:Vantrel> ${pe_machine})
