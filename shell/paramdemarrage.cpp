// lisparametres and rendparametres: the parameter file's lock held for the
// whole game, and the start-up messages about the file; the desktop's
// language for a first start.
#include "shell/paramdemarrage.h"

#include "shell/boites.h"
#include "shell/jeu.h"

#include "shell/core/accesparam.h"
#include "shell/core/cheminparam.h"
#include "shell/core/languebureau.h"
#include "shell/core/paramuser.h"
#include "shell/core/verrouparam.h"

#include <cstdlib>
#include <string>

namespace {

// The parameter file's path for this start.
std::string choisitfichier() {
    gstring nom;
    nomfichierparam(nom);
    const systemeparam sys = systemecourant();
    return cheminparam(nom.adr(), cheminexiste(nom.adr()),
                       dossierdonnees(sys, [](const char* v) { return std::getenv(v); }), sys);
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
    const accesparam acces = accedeparam(a.fichier, a.verrou);
    // Reading changes nothing on the disk: the file gives the language of
    // the messages below even when another copy holds it.
    a.partie.litparametres(nom, languebureau());
    languedesboites(a.partie.parametres().langue);
    switch (acces.g) {
    case accesparam::genre::occupe:
        annonce(a, 18, questionjeu::icone::arret, nom);
        return false;
    case accesparam::genre::sansverrou:
    case accesparam::genre::dossiernonsur: {
        const short m = acces.g == accesparam::genre::sansverrou ? 23 : 24;
        return !appliquer(a, a.partie.demandesansenregistrer(m, nom, acces.objet)).quitter;
    }
    case accesparam::genre::seul:
        break;
    }
    std::string aside;
    if (const short m = rangeparam(a.fichier, aside))
        annonce(a, m, questionjeu::icone::exclamation, nom, aside.c_str());
    return true;
}

const std::string& fichierparam(const claappli& a) {
    return a.fichier;
}

void rendparametres(claappli& a) {
    a.verrou.rendre();
}

short languebureau() {
#ifdef _WIN32
    return languedelangid(GetUserDefaultUILanguage());
#else
    return languedelocale([](const char* v) { return std::getenv(v); });
#endif
}
