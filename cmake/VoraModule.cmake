# Helpers shared by every subsystem folder: one library per folder, one test
# program per `name_tests.cpp` beside the code, one benchmark per `name_bench.cpp`.

set(VORA_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(VORA_WERROR)
    list(APPEND VORA_WARNINGS -Werror)
endif()

if(VORA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# The fuzzing build: every library instrumented for libFuzzer's coverage and
# sanitized; the fuzz targets link libFuzzer itself.
if(VORA_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# Applies the project's warning set to a target.
function(vora_warnings target)
    target_compile_options(${target} PRIVATE ${VORA_WARNINGS})
endfunction()

# The test programs' own sources share one precompiled header (GoogleTest and
# the standard headers they use most), built once per build folder; in an
# optimised build they are compiled without optimisation (the code under test
# keeps its flags), which halves their compile time and changes nothing they
# check.
set(VORA_TEST_PCH_HEADERS <gtest/gtest.h> <algorithm> <cstdint> <cstring> <filesystem> <fstream>
    <functional> <map> <memory> <random> <set> <sstream> <string> <utility> <vector>)

# vora_test_program(exe source...)
# Declares a GoogleTest program (linked with gtest_main) built as above. The
# caller links what it tests and registers it with CTest.
function(vora_test_program exe)
    if(NOT TARGET vora_test_pch)
        add_library(vora_test_pch OBJECT ${PROJECT_SOURCE_DIR}/cmake/vora_test_pch.cpp)
        target_link_libraries(vora_test_pch PRIVATE GTest::gtest)
        target_precompile_headers(vora_test_pch PRIVATE ${VORA_TEST_PCH_HEADERS})
        vora_test_flags(vora_test_pch)
    endif()
    add_executable(${exe} ${ARGN})
    target_link_libraries(${exe} PRIVATE GTest::gtest_main)
    target_precompile_headers(${exe} REUSE_FROM vora_test_pch)
    vora_test_flags(${exe})
endfunction()

# The warnings and the optimisation level of a test program's own sources.
# _REENTRANT, which SDL's flags define for the programs that test the layer
# (and glibc ignores), is defined for all of them, as the shared precompiled
# header must be built with the macros of every program that uses it.
function(vora_test_flags target)
    vora_warnings(${target})
    if(NOT WIN32)
        target_compile_definitions(${target} PRIVATE _REENTRANT)
    endif()
    if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
        target_compile_options(${target} PRIVATE -O0)
    endif()
endfunction()

# vora_module(NAME lib SOURCES a.cpp b.cpp
#             [DEPS x...] [PRIVATE_DEPS y...] [TESTS t_tests.cpp...] [TEST_DEPS z...])
# Declares the folder's static library from one plain list of sources.
# DEPS are the libraries its public headers expose (linked PUBLIC, so their
# usage requirements reach every user); PRIVATE_DEPS the libraries only its
# sources need (linked PRIVATE: their include paths and definitions stay
# inside). Each test program (TESTS, by default every `*_tests.cpp` of the
# folder) is a GoogleTest program run by CTest, linked with the library, its
# PRIVATE_DEPS (tests sit beside the code and may reach what the sources
# reach) and TEST_DEPS. Each `*_bench.cpp` of the folder is a benchmark
# program (built when Google Benchmark is found and the build is not
# sanitized; not a test).
function(vora_module)
    cmake_parse_arguments(M "" "NAME" "SOURCES;DEPS;PRIVATE_DEPS;TESTS;TEST_DEPS" ${ARGN})
    add_library(${M_NAME} STATIC ${M_SOURCES})
    target_include_directories(${M_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${M_NAME} PUBLIC ${M_DEPS} PRIVATE ${M_PRIVATE_DEPS})
    vora_warnings(${M_NAME})

    if(DEFINED M_TESTS)
        list(TRANSFORM M_TESTS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
        set(tests ${M_TESTS})
    else()
        file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_tests.cpp)
    endif()
    if(VORA_TESTS)
        foreach(src ${tests})
            get_filename_component(exe ${src} NAME_WE)
            vora_test_program(${exe} ${src})
            target_link_libraries(${exe} PRIVATE ${M_NAME} ${M_PRIVATE_DEPS} ${M_TEST_DEPS})
            add_test(NAME ${M_NAME}.${exe} COMMAND ${exe})
        endforeach()
    endif()

    if(VORA_TESTS AND benchmark_FOUND AND NOT VORA_SANITIZE)
        file(GLOB benches CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_bench.cpp)
        foreach(src ${benches})
            get_filename_component(exe ${src} NAME_WE)
            add_executable(${exe} ${src})
            target_link_libraries(${exe} PRIVATE ${M_NAME} ${M_PRIVATE_DEPS} benchmark::benchmark_main)
            vora_warnings(${exe})
        endforeach()
    endif()
endfunction()
