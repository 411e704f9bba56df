# Runs the picture tool TOOL into OUT and compares every file it writes with
# the unpacked archive REF.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE r)
if(NOT r EQUAL 0)
    message(FATAL_ERROR "reglesimages failed: ${r}")
endif()
set(files vora.ico vora.png)
foreach(p RANGE 1 9)
    list(APPEND files regle${p}.bmp)
endforeach()
foreach(f IN LISTS files)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${f} ${REF}/${f}
                    RESULT_VARIABLE d)
    if(NOT d EQUAL 0)
        message(FATAL_ERROR "${f} differs from the archive (draw again and repack: "
                            "resources/README.md)")
    endif()
endforeach()
message(STATUS "the tool draws the archive's pictures again")
