# aerowisp_windows_program(TARGET): the build of a shipped Windows program, shared by Aerowisp.exe and the
# benchmark's bare dialog so that the two are compared on equal terms. Only Windows 7's own DLLs at run
# time: the C++ run-time, libgcc and winpthread are linked in. Release builds drop unused sections and
# carry no symbols. Sections lie in the file at page boundaries, as in memory, so that a loader can map
# them and bring in only the pages used: Wine reads an image laid out otherwise whole into memory at start.
function(aerowisp_windows_program target)
    target_link_libraries(${target} PRIVATE aerowisp_warnings)
    target_link_options(${target} PRIVATE -municode -static -static-libgcc -static-libstdc++ -Wl,--gc-sections
                                          -Wl,--file-alignment=4096 $<$<CONFIG:Release>:-s>)
endfunction()
