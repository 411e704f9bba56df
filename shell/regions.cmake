# The main window's shape, the grid's scrolling and the cell sizes that
# fit (regions*.cpp, clawinregion.cpp, taillecase.cpp): the library
# `shellregions`, which the windowed shell links, and its tests. Included at
# the end of shell/CMakeLists.txt.
if(VORA_PORTABLE_ONLY)
    return()
endif()

if(WIN32)
    set(VORA_REGIONS_USER user32 gdi32)
else()
    set(VORA_REGIONS_USER platform_user)
endif()

add_library(shellregions STATIC
    ${CMAKE_CURRENT_LIST_DIR}/clawinregion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/regionsdisposition.cpp
    ${CMAKE_CURRENT_LIST_DIR}/regions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/taillecase.cpp)
target_include_directories(shellregions PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(shellregions PUBLIC render ${VORA_REGIONS_USER})
vora_warnings(shellregions)

# A test program may already exist when the folder's own tests are found by
# pattern: it then only gains this library.
if(NOT VORA_TESTS)
    return()
endif()
foreach(t clawinregion_tests regionsdisposition_tests regions_tests)
    if(NOT TARGET ${t})
        vora_test_program(${t} ${CMAKE_CURRENT_LIST_DIR}/${t}.cpp)
        add_test(NAME shellregions.${t} COMMAND ${t})
    endif()
    target_link_libraries(${t} PRIVATE shellregions gridcatalogue)
endforeach()
