// lisparametres and rendparametres: the parameter file's lock held for the
// whole game, and the start-up messages about the file.
#include "shell/paramdemarrage.h"

#include "shell/boites.h"
#include "shell/jeu.h"

#include "shell/core/cheminparam.h"
#include "shell/core/paramabime.h"
#include "shell/core/paramuser.h"
#include "shell/core/verrouparam.h"

#include <cstdlib>
#include <string>

namespace {

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

// A message about the parameter file (nom, and b), asked as every box.
void annonce(claappli& a, short numero, questionjeu::icone icone, const char* nom,
             const char* b = "") {
    questionjeu q;
    q.numero = numero;
    q.genre = icone;
    q.p1 = nom;
    q.p2 = b;
    appliquer(a, a.partie.annonce(std::move(q)));
}

} // namespace

bool lisparametres(claappli& a) {
    a.fichier = choisitfichier();
    a.partie.fixefichier(a.fichier);
    const char* nom = a.fichier.c_str();
    const claverrouparam::issue issue = a.verrou.prendre(a.fichier);
    // Reading changes nothing on the disk: the file gives the language of
    // the messages below even when another copy holds it.
    a.partie.litparametres(nom);
    languedesboites(a.partie.parametres().langue);
    if (issue == claverrouparam::issue::occupe) {
        annonce(a, 18, questionjeu::icone::arret, nom);
        return false;
    }
    if (fichierabime(nom)) {
        std::string aside;
        if (metsdecote(nom, aside))
            annonce(a, 19, questionjeu::icone::exclamation, nom, aside.c_str());
        else
            annonce(a, 20, questionjeu::icone::exclamation, nom);
    }
    return true;
}

const std::string& fichierparam(const claappli& a) {
    return a.fichier;
}

void rendparametres(claappli& a) {
    a.verrou.rendre();
}
