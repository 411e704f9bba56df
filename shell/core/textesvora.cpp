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
