# The layering test: the portable core neither includes nor links the
# windowing and drawing layer. vora_layering_test is called once, at the end
# of the top-level CMakeLists.txt, when every target is declared.

# out becomes every library that target links, directly or through the
# libraries it links (PUBLIC, PRIVATE and INTERFACE alike: a static library's
# private libraries are linked into its users), as target names, file paths
# or plain names.
function(vora_link_closure target out)
    set(seen)
    set(todo ${target})
    while(todo)
        list(POP_FRONT todo name)
        if(name IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${name})
        if(NOT TARGET ${name})
            continue()
        endif()
        get_target_property(aliased ${name} ALIASED_TARGET)
        if(aliased)
            list(APPEND todo ${aliased})
        endif()
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(libs ${name} ${property})
            foreach(lib IN LISTS libs)
                # $<LINK_ONLY:x> marks a static library's private library x.
                string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
                if(lib AND NOT lib MATCHES "-NOTFOUND$")
                    list(APPEND todo ${lib})
                endif()
            endforeach()
        endforeach()
    endwhile()
    list(REMOVE_ITEM seen ${target})
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# vora_layering_test(CORE lib... FOLDERS dir...)
# Writes the link closure of each CORE library to layering_links.txt in the
# build tree (one line "library=name,name,...") and registers the CTest test `layering`, which runs
# cmake/VoraLayeringCheck.cmake: it fails when a file of FOLDERS includes a
# header of platform/, SDL, Cairo, X11, fontconfig or <windows.h>, or when a
# CORE library's closure holds a library whose name starts with `platform` or
# an SDL, Cairo, X11, fontconfig, user32 or gdi32 library. The test runs the
# host's cmake, so it also runs in the Windows cross build.
function(vora_layering_test)
    cmake_parse_arguments(L "" "" "CORE;FOLDERS" ${ARGN})
    set(text "")
    foreach(lib ${L_CORE})
        if(NOT TARGET ${lib})
            message(FATAL_ERROR "layering test: no core library ${lib}")
        endif()
        vora_link_closure(${lib} closure)
        list(JOIN closure "," closure)
        string(APPEND text "${lib}=${closure}\n")
    endforeach()
    set(links ${PROJECT_BINARY_DIR}/layering_links.txt)
    file(WRITE ${links} "${text}")
    list(JOIN L_FOLDERS "," folders)
    add_test(NAME layering
        COMMAND ${CMAKE_COMMAND}
            -DVORA_SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DVORA_FOLDERS=${folders}
            -DVORA_LINKS=${links}
            -P ${PROJECT_SOURCE_DIR}/cmake/VoraLayeringCheck.cmake)
endfunction()
