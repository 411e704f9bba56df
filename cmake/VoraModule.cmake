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

# Applies the project's warning set to a target.
function(vora_warnings target)
    target_compile_options(${target} PRIVATE ${VORA_WARNINGS})
endfunction()

# vora_module(NAME lib SOURCES a.cpp b.cpp DEPS other [TEST_DEPS extra])
# Declares the folder's library and registers each `*_tests.cpp` of the folder
# as its own GoogleTest program (run by CTest) and each `*_bench.cpp` as a
# benchmark program (built, not run as a test).
function(vora_module)
    cmake_parse_arguments(M "" "NAME" "SOURCES;DEPS;TEST_DEPS" ${ARGN})
    add_library(${M_NAME} STATIC ${M_SOURCES})
    target_include_directories(${M_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${M_NAME} PUBLIC ${M_DEPS})
    vora_warnings(${M_NAME})

    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_tests.cpp)
    foreach(src ${tests})
        get_filename_component(exe ${src} NAME_WE)
        add_executable(${exe} ${src})
        target_link_libraries(${exe} PRIVATE ${M_NAME} ${M_TEST_DEPS} GTest::gtest_main)
        vora_warnings(${exe})
        add_test(NAME ${M_NAME}.${exe} COMMAND ${exe})
    endforeach()

    if(benchmark_FOUND AND NOT VORA_SANITIZE)
        file(GLOB benches CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_bench.cpp)
        foreach(src ${benches})
            get_filename_component(exe ${src} NAME_WE)
            add_executable(${exe} ${src})
            target_link_libraries(${exe} PRIVATE ${M_NAME} benchmark::benchmark_main)
            vora_warnings(${exe})
        endforeach()
    endif()
endfunction()
