// lisparametres and rendparametres: the parameter file's lock held for the
// whole game, and the start-up messages about the file.
#include "shell/paramdemarrage.h"

#include "shell/boites.h"
#include "shell/etatjeu.h"

#include "shell/core/paramabime.h"
#include "shell/core/paramuser.h"
#include "shell/core/verrouparam.h"

#include <string>

namespace {

claverrouparam verrou;

} // namespace

bool lisparametres() {
    gstring nom;
    nomfichierparam(nom);
    const claverrouparam::issue issue = verrou.prendre(nom.adr());
    // Reading changes nothing on the disk: the file gives the language of
    // the messages below even when another copy holds it.
    getparamuser(partie.parametres(), nom.adr());
    languedesboites();
    if (issue == claverrouparam::issue::occupe) {
        boitemessage(18, MB_OK | MB_ICONHAND, nom.adr());
        return false;
    }
    if (fichierabime(nom.adr())) {
        std::string aside;
        if (metsdecote(nom.adr(), aside))
            boitemessage(19, MB_OK | MB_ICONEXCLAMATION, nom.adr(), aside.c_str());
        else
            boitemessage(20, MB_OK | MB_ICONEXCLAMATION, nom.adr());
    }
    return true;
}

void rendparametres() {
    verrou.rendre();
}
