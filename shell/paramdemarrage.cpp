// lisparametres and rendparametres: the parameter file's lock held for the
// whole game, and the start-up messages about the file.
#include "shell/paramdemarrage.h"

#include "shell/boites.h"
#include "shell/etatjeu.h"

#include "shell/core/cheminparam.h"
#include "shell/core/paramabime.h"
#include "shell/core/paramuser.h"
#include "shell/core/verrouparam.h"

#include <cstdlib>
#include <string>

namespace {

claverrouparam verrou;
std::string fichier;

// The parameter file's path for this start, its folder made when it is the
// data folder's.
std::string choisitfichier() {
    gstring nom;
    nomfichierparam(nom);
    const systemeparam sys = systemecourant();
    const std::string chemin =
        cheminparam(nom.adr(), cheminexiste(nom.adr()),
                    dossierdonnees(sys, [](const char* v) { return std::getenv(v); }), sys);
    creedossierde(chemin);
    return chemin;
}

} // namespace

bool lisparametres() {
    fichier = choisitfichier();
    partie.fixefichier(fichier);
    const char* nom = fichier.c_str();
    const claverrouparam::issue issue = verrou.prendre(fichier);
    // Reading changes nothing on the disk: the file gives the language of
    // the messages below even when another copy holds it.
    getparamuser(partie.parametres(), nom);
    languedesboites();
    if (issue == claverrouparam::issue::occupe) {
        boitemessage(18, MB_OK | MB_ICONHAND, nom);
        return false;
    }
    if (fichierabime(nom)) {
        std::string aside;
        if (metsdecote(nom, aside))
            boitemessage(19, MB_OK | MB_ICONEXCLAMATION, nom, aside.c_str());
        else
            boitemessage(20, MB_OK | MB_ICONEXCLAMATION, nom);
    }
    return true;
}

const std::string& fichierparam() {
    return fichier;
}

void rendparametres() {
    verrou.rendre();
}
