// lisparametres and rendparametres: the parameter file's lock held for the
// whole game, and the start-up messages about the file.
#include "shell/paramdemarrage.h"

#include "shell/boites.h"
#include "shell/etatjeu.h"

#include "shell/core/accesparam.h"
#include "shell/core/cheminparam.h"
#include "shell/core/paramuser.h"
#include "shell/core/verrouparam.h"

#include <cstdlib>
#include <string>

namespace {

claverrouparam verrou;
std::string fichier;

// The parameter file's path for this start.
std::string choisitfichier() {
    gstring nom;
    nomfichierparam(nom);
    const systemeparam sys = systemecourant();
    return cheminparam(nom.adr(), cheminexiste(nom.adr()),
                       dossierdonnees(sys, [](const char* v) { return std::getenv(v); }), sys);
}

} // namespace

bool lisparametres() {
    fichier = choisitfichier();
    partie.fixefichier(fichier);
    const char* nom = fichier.c_str();
    const accesparam acces = accedeparam(fichier, verrou);
    // Reading changes nothing on the disk: the file gives the language of
    // the messages below even when another copy holds it.
    getparamuser(partie.parametres(), nom);
    languedesboites();
    switch (acces.g) {
    case accesparam::genre::occupe:
        boitemessage(18, MB_OK | MB_ICONHAND, nom);
        return false;
    case accesparam::genre::sansverrou:
    case accesparam::genre::dossiernonsur: {
        const short m = acces.g == accesparam::genre::sansverrou ? 23 : 24;
        if (boitemessage(m, MB_YESNO | MB_ICONEXCLAMATION, nom, acces.objet.c_str()) != IDYES)
            return false;
        partie.interditenregistrement();
        return true;
    }
    case accesparam::genre::seul:
        break;
    }
    std::string aside;
    if (const short m = rangeparam(fichier, aside))
        boitemessage(m, MB_OK | MB_ICONEXCLAMATION, nom, aside.c_str());
    return true;
}

const std::string& fichierparam() {
    return fichier;
}

void rendparametres() {
    verrou.rendre();
}
