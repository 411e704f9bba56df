// The game's entry point.
#include "shell/fenetre.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int montrer) {
    if (demarrage(instance, montrer) == nullptr) return 0;
    const int code = bouclemessages();
    finjeu();
    return code;
}
