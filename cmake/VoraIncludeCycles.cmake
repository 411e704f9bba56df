# The include-cycles test: among the modules of a folder (a module is a .cpp
# with its .h, named by its path without the extension), no two reach each
# other through #include lines. vora_include_cycles_test is called once, at
# the end of the top-level CMakeLists.txt.

# vora_include_cycles_test(FOLDERS dir...)
# Registers the CTest test `includecycles`, which runs
# cmake/VoraIncludeCyclesCheck.cmake on the folders (their subfolders too):
# it fails, naming one circle, when the modules' includes go round one. A
# second test, `includecycles_selftest`, runs the same script on a made-up
# folder of three modules in a circle (one in a subfolder, through a header
# and a source) and passes only when the script names that circle. Both run
# the host's cmake, so they also run in the Windows cross build.
function(vora_include_cycles_test)
    cmake_parse_arguments(C "" "" "FOLDERS" ${ARGN})
    list(JOIN C_FOLDERS "," folders)
    add_test(NAME includecycles
        COMMAND ${CMAKE_COMMAND}
            -DVORA_SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DVORA_FOLDERS=${folders}
            -P ${PROJECT_SOURCE_DIR}/cmake/VoraIncludeCyclesCheck.cmake)

    set(essai ${PROJECT_BINARY_DIR}/includecycles_selftest)
    file(WRITE ${essai}/cercle/a.h "#pragma once\n#include \"cercle/b.h\"\n")
    file(WRITE ${essai}/cercle/a.cpp "#include \"cercle/a.h\"\n")
    file(WRITE ${essai}/cercle/b.h "#pragma once\n")
    file(WRITE ${essai}/cercle/b.cpp "#include \"cercle/b.h\"\n#include \"cercle/sous/c.h\"\n")
    file(WRITE ${essai}/cercle/sous/c.h "#pragma once\n")
    file(WRITE ${essai}/cercle/sous/c.cpp "#include \"cercle/sous/c.h\"\n#include \"cercle/a.h\"\n")
    add_test(NAME includecycles_selftest
        COMMAND ${CMAKE_COMMAND}
            -DVORA_SOURCE_DIR=${essai}
            -DVORA_FOLDERS=cercle
            "-DVORA_ATTENDU=cercle/a -> cercle/b -> cercle/sous/c -> cercle/a"
            -P ${PROJECT_SOURCE_DIR}/cmake/VoraIncludeCyclesCheck.cmake)
endfunction()
