# Sources of the drawing half of the layer (GDI on Cairo), listed for
# platform/CMakeLists.txt. Fontconfig is linked for gdi::release_font_caches.
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
link_libraries(PkgConfig::FONTCONFIG)
set(VORA_PLATFORM_GDI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_resources.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cp1252.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_blit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_dc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_object_calls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_objects.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_regions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_shapes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_syscolor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_decode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pixel_region.cpp)
