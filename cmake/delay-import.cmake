# aerowisp_delay_import_library(VAR DLL): builds a delay-load import library for DLL (its name without
# ".dll") from the toolchain's ordinary import library, and sets VAR to its path. A program linked with it
# loads the DLL at its first call into it rather than at start-up: the wireless, IP Helper and automation
# DLLs are never called in simulation, the version DLL only by the About page, and Windows 7 loads them
# only once the program needs them.
# The helper that loads them (__delayLoadHelper2) comes with mingw-w64's own library; the programs' hooks
# (src/win/native/system_libraries.cpp) make it load them from the system folder only.
set(AEROWISP_DELAY_IMPORT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/make-delay-import.cmake)

function(aerowisp_delay_import_library var dll)
    find_library(import_${dll} NAMES lib${dll}.a REQUIRED)
    set(output ${CMAKE_BINARY_DIR}/delay-import/lib${dll}_delay.a)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(machine i386)
    else()
        set(machine i386:x86-64)
    endif()
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL} -DMACHINE=${machine}
                -DIMPORT_LIBRARY=${import_${dll}} -DDLL=${dll}.dll -DOUTPUT=${output}
                -P ${AEROWISP_DELAY_IMPORT_SCRIPT}
        DEPENDS ${import_${dll}} ${AEROWISP_DELAY_IMPORT_SCRIPT}
        VERBATIM)
    add_custom_target(delay_import_${dll} DEPENDS ${output})
    set(${var} ${output} PARENT_SCOPE)
endfunction()
