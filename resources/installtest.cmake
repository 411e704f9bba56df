# Installs the build BUILD_DIR into PREFIX (emptied first) and checks what
# lands there: the desktop entry (valid by desktop-file-validate), the icons,
# the manual page, the AppStream metadata, the copyright file,
# and the game when EXPECT_EXE is 1.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE r OUTPUT_QUIET)
if(NOT r EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${r}")
endif()
set(expected share/applications/vora.desktop share/man/man6/vora.6.gz
    share/metainfo/io.github.vora.Vora.metainfo.xml share/doc/vora/copyright)
foreach(t 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${t}x${t}/apps/vora.png)
endforeach()
if(EXPECT_EXE)
    list(APPEND expected games/vora)
endif()
foreach(f IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${f})
        message(FATAL_ERROR "missing after install: ${f}")
    endif()
endforeach()
file(READ ${PREFIX}/share/applications/vora.desktop entry)
foreach(key "Name=" "Name\\[fr\\]=" "Comment=" "Comment\\[fr\\]=" "Icon=vora"
        "Categories=Game;LogicGame;")
    if(NOT entry MATCHES "\n${key}")
        message(FATAL_ERROR "desktop entry without ${key}")
    endif()
endforeach()
find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
    message(FATAL_ERROR "desktop-file-validate not found (package desktop-file-utils)")
endif()
execute_process(COMMAND ${VALIDATE} ${PREFIX}/share/applications/vora.desktop
                RESULT_VARIABLE v)
if(NOT v EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refused the entry")
endif()
message(STATUS "install layout correct")
