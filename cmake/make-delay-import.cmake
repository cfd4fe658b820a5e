# Run by aerowisp_delay_import_library: lists the functions the import library IMPORT_LIBRARY names and
# writes a delay-load import library for DLL with them to OUTPUT. 32-bit names keep their "@bytes" in the
# library and lose it in the DLL (dlltool -k), as in the ordinary import library.
execute_process(COMMAND ${NM} -g --defined-only ${IMPORT_LIBRARY} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[0-9a-fA-F]+ T [^\n]+" lines "${symbols}")
set(exports "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[0-9a-fA-F]+ T " "" name "${line}")
    if(MACHINE STREQUAL "i386")
        string(REGEX REPLACE "^_" "" name "${name}")
    endif()
    string(APPEND exports "    ${name}\n")
endforeach()
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${OUTPUT}.def "LIBRARY ${DLL}\nEXPORTS\n${exports}")
execute_process(COMMAND ${DLLTOOL} -m ${MACHINE} -k -d ${OUTPUT}.def -D ${DLL} -y ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
