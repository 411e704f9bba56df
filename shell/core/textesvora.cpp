// Look-up and unscrambling of the game's own texts.
#include "shell/core/textesvora.h"

#include "shell/core/textesdonnees.h"
#include "shell/core/versionvora.h"

#include "lattice/catalogue/vodecrypte.h"

#include "foundation/numtext.h"
#include "foundation/textcompare.h"

void textevora(gstring& out, const char* key) {
    out.clear();
    for (short i = 0; i < nbtextesdonnees; ++i) {
        if (strugal(textesdonnees[i].cle, key)) {
            out.set(decrypvora(textesdonnees[i].texte));
            return;
        }
    }
}

void titreprogramme(gstring& out) {
    textevora(out, "titre");
    out.cat(" ", vi(versionprogramme));
}

std::string nomforme(const std::string& forme, bool anglais) {
    const std::size_t fin = forme.find(' ');
    const std::string famille = forme.substr(0, fin);
    gstring nom;
    textevora(nom, ("forme." + famille + (anglais ? ".en" : ".fr")).c_str());
    if (nom.adr()[0] == '\0') return forme;
    return nom.adr() + (fin == std::string::npos ? std::string() : forme.substr(fin));
}
