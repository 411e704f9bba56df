// The game's entry point.
#include "shell/fenetre.h"

#include "resources/ressourcesregles.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int montrer) {
    enregistreimagesregles();
    if (demarrage(instance, montrer) == nullptr) return 0;
    const int code = bouclemessages();
    finjeu();
    return code;
}
