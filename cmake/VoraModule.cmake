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
    foreach(src ${tests})
        get_filename_component(exe ${src} NAME_WE)
        add_executable(${exe} ${src})
        target_link_libraries(${exe} PRIVATE ${M_NAME} ${M_PRIVATE_DEPS} ${M_TEST_DEPS} GTest::gtest_main)
        vora_warnings(${exe})
        add_test(NAME ${M_NAME}.${exe} COMMAND ${exe})
    endforeach()

    if(benchmark_FOUND AND NOT VORA_SANITIZE)
        file(GLOB benches CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_bench.cpp)
        foreach(src ${benches})
            get_filename_component(exe ${src} NAME_WE)
            add_executable(${exe} ${src})
            target_link_libraries(${exe} PRIVATE ${M_NAME} ${M_PRIVATE_DEPS} benchmark::benchmark_main)
            vora_warnings(${exe})
        endforeach()
    endif()
endfunction()
