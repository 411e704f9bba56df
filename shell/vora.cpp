// The game's entry point: the application object built for the run.
#include "shell/fenetre.h"

#include "resources/ressourcesregles.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int montrer) {
    enregistreimagesregles();
    claappli appli(instance);
    if (demarrage(appli, montrer) == nullptr) return 0;
    const int code = bouclemessages();
    finjeu(appli);
    return code;
}
