// main() for systems other than Windows: runs the program's WinMain as
// Windows starts it, then stops the windowing layer.
#include "platform/user_internal.h"

#include <string>

int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    static int instanceTag = 0;
    auto instance = reinterpret_cast<HINSTANCE>(&instanceTag);
    int code = WinMain(instance, nullptr, commandLine.data(), SW_SHOWDEFAULT);
    vora::platform::user::shutdown();
    return code;
}
