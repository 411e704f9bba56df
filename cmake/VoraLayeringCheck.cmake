# Script of the `layering` test (cmake -P; see VoraLayering.cmake): the files
# of the core folders include nothing of the windowing and drawing layer, and
# the core libraries link none of its libraries.
#   VORA_SOURCE_DIR  the source tree
#   VORA_FOLDERS     the core folders, relative to it, comma-separated (their
#                    subfolders too)
#   VORA_LINKS       lines "library=name,name,..." written at configure time
cmake_minimum_required(VERSION 3.25)

set(faults 0)
string(REPLACE "," ";" folders "${VORA_FOLDERS}")

# Includes: a header of platform/, SDL, Cairo, X11, fontconfig or <windows.h>,
# also through a relative path ("../platform/win32.h"). A <windows.h> marked
# "// kernel only" on its line is the system's file calls, not its windows.
set(bad_include "[<\"]([^>\"]*/)?(platform/|[Ss][Dd][Ll]|[Cc]airo|X11/|fontconfig/|[Ww]indows\\.h)")
foreach(folder ${folders})
    if(NOT IS_DIRECTORY ${VORA_SOURCE_DIR}/${folder})
        message(SEND_ERROR "no folder ${folder}")
        math(EXPR faults "${faults} + 1")
        continue()
    endif()
    file(GLOB_RECURSE files ${VORA_SOURCE_DIR}/${folder}/*.h ${VORA_SOURCE_DIR}/${folder}/*.hpp
         ${VORA_SOURCE_DIR}/${folder}/*.cpp ${VORA_SOURCE_DIR}/${folder}/*.c)
    foreach(file ${files})
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS lines)
            if(line MATCHES "${bad_include}" AND NOT line MATCHES "<windows\\.h> *// kernel only")
                file(RELATIVE_PATH rel ${VORA_SOURCE_DIR} ${file})
                message(SEND_ERROR "${rel} includes the windowing or drawing layer: ${line}")
                math(EXPR faults "${faults} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()

# Links: a library named platform*, or an SDL, Cairo, X11 (any X11:: target or
# libX*/libxcb file), fontconfig, user32 or gdi32 library.
file(STRINGS ${VORA_LINKS} entries)
if(NOT entries)
    message(SEND_ERROR "no link closures in ${VORA_LINKS}")
    math(EXPR faults "${faults} + 1")
endif()
foreach(entry IN LISTS entries)
    string(REGEX MATCH "^([^=]*)=(.*)$" matched "${entry}")
    set(lib ${CMAKE_MATCH_1})
    string(REPLACE "," ";" closure "${CMAKE_MATCH_2}")
    foreach(name IN LISTS closure)
        string(TOLOWER "${name}" lower)
        get_filename_component(base "${lower}" NAME)
        string(REGEX REPLACE "^pkgconfig::" "" base "${base}")
        if(lower MATCHES "^x11::" OR base MATCHES "^platform"
           OR base MATCHES "^(lib)?(sdl|cairo|x11|xext|xcb|xrender|fontconfig|user32|gdi32)")
            message(SEND_ERROR "core library ${lib} links ${name}")
            math(EXPR faults "${faults} + 1")
        endif()
    endforeach()
endforeach()

if(faults GREATER 0)
    message(FATAL_ERROR "layering: ${faults} fault(s)")
endif()
list(LENGTH entries count)
message(STATUS "layering: ${count} core libraries, folders ${VORA_FOLDERS}: clean")
