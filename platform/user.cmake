# Sources of the windowing half of the layer (USER on SDL2 and X11), listed
# for platform/CMakeLists.txt, and the platform_winmain library that gives a
# WinMain program its main() on these systems.
set(VORA_PLATFORM_USER_SOURCES
    user_attrib.cpp user_beep.cpp user_button.cpp user_class.cpp user_cursor.cpp
    user_defproc.cpp user_draw_text.cpp user_frame.cpp user_geometry.cpp user_input.cpp
    user_keymap.cpp user_msgbox.cpp user_paint.cpp user_placement.cpp user_queue.cpp
    user_region.cpp user_x11.cpp user_state.cpp user_static.cpp user_testing.cpp
    user_timer.cpp user_window.cpp)

add_library(platform_winmain STATIC user_winmain.cpp)
target_link_libraries(platform_winmain PUBLIC platform)
vora_warnings(platform_winmain)
