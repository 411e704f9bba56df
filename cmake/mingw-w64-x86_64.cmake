# Toolchain for the Windows build: the x86_64-w64-mingw32 cross compilers with
# the posix thread model. Programs link libgcc, libstdc++ and winpthread
# statically, so an .exe needs nothing but the system DLLs of Windows (or
# Wine). CTest and add_custom_command run the test programs under Wine.
#
#   cmake -S . -B build/windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VORA_MINGW_PREFIX}-windres)

# Headers and libraries come from the cross environment only; programs
# (code generators, Wine) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VORA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Release: the optimisation of RelWithDebInfo without its debug information,
# and stripped programs (Wine has no use for DWARF, and the test programs
# would take a gigabyte with it).
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of the C compiler for Release")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of the C++ compiler for Release")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# -static makes the linker take libwinpthread.a instead of its import library.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wine's 64-bit loader, called directly: the `wine` launcher of some
# distributions looks for a 32-bit Wine first and complains when it is absent.
# WINEPREFIX and WINEDEBUG come from the environment (scripts/windows-test.sh
# sets them).
find_program(VORA_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine NO_CMAKE_FIND_ROOT_PATH)
if(VORA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VORA_WINE})
endif()
