// The game's entry point: the command line's help and version answered, or
// the application object built for the run.
#include "shell/fenetre.h"
#include "shell/paramdemarrage.h"

#include "shell/core/lignecommande.h"
#include "shell/core/textesvora.h"

#include "foundation/textutf8.h"

#include "resources/ressourcesregles.h"

#include <cstdio>
#include <string>

namespace {

// Answers a request of the command line other than playing, without opening
// the window: on the console (Linux) or in a box (Windows, where the game
// has no console), in the desktop's language. Returns the exit code: 2 for
// an unknown request, else 0.
int repondligne(demandeligne d, const char* ligne) {
    const std::string t = texteligne(d, ligne, languebureau());
    const bool erreur = d == demandeligne::inconnue;
#ifdef _WIN32
    gstring titre;
    titreprogramme(titre);
    MessageBoxA(nullptr, t.c_str(), titre.adr(),
                MB_OK | (erreur ? MB_ICONERROR : MB_ICONINFORMATION));
#else
    std::fputs(utf8de1252(t).c_str(), erreur ? stderr : stdout);
#endif
    return erreur ? 2 : 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR ligne, int montrer) {
    const char* arguments = ligne != nullptr ? ligne : "";
    if (const demandeligne d = lisligne(arguments); d != demandeligne::jouer)
        return repondligne(d, arguments);
    enregistreimagesregles();
    claappli appli(instance);
    if (demarrage(appli, montrer) == nullptr) return 0;
    const int code = bouclemessages();
    finjeu(appli);
    return code;
}
