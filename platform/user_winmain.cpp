// main() for systems other than Windows: runs the program's WinMain as
// Windows starts it, then stops the windowing layer and frees the font
// caches, so that the process ends with nothing left allocated.
#include "platform/font_caches.h"
#include "platform/user_internal.h"

#include <string>

int main(int argc, char** argv) {
    std::string command_line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) command_line += ' ';
        command_line += argv[i];
    }
    static int instance_tag = 0;
    auto instance = reinterpret_cast<HINSTANCE>(&instance_tag);
    int code = WinMain(instance, nullptr, command_line.data(), SW_SHOWDEFAULT);
    vora::platform::user::shutdown();
    vora::platform::release_font_caches();
    return code;
}
