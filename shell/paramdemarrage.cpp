// lisparametres and rendparametres: the parameter file's lock held for the
// whole game, and the start-up messages about the file.
#include "shell/paramdemarrage.h"

#include "shell/boites.h"
#include "shell/etatjeu.h"
#include "shell/jeu.h"

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
// A message about the parameter file (nom, and a), asked as every box.
void annonce(short numero, questionjeu::icone icone, const char* nom, const char* a = "") {
    questionjeu q;
    q.numero = numero;
    q.genre = icone;
    q.p1 = nom;
    q.p2 = a;
    appliquer(partie.annonce(std::move(q)));
}

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
    partie.litparametres(nom);
    languedesboites();
    if (issue == claverrouparam::issue::occupe) {
        annonce(18, questionjeu::icone::arret, nom);
        return false;
    }
    if (fichierabime(nom)) {
        std::string aside;
        if (metsdecote(nom, aside))
            annonce(19, questionjeu::icone::exclamation, nom, aside.c_str());
        else
            annonce(20, questionjeu::icone::exclamation, nom);
    }
    return true;
}

const std::string& fichierparam() {
    return fichier;
}

void rendparametres() {
    verrou.rendre();
}
