// The per-grid chronometers and the rule that runs at most one of them.
#include "shell/core/chronogrilles.h"

#include <algorithm>
#include <cstring>

short chronoquitourne(const etatchrono& etat) {
    const bool tourne = etat.affichage && etat.actif && !etat.minimise && etat.verrous <= 0 &&
                        etat.mode == modeappli::jeu && !etat.grillefinie;
    return tourne ? std::max<short>(etat.grille, 0) : short(0);
}

chronogrilles::chronogrilles(short nbgrilles)
    : chronos(static_cast<size_t>(std::max<short>(nbgrilles, 0))) {}

durelapsed& chronogrilles::grille(short i) {
    if (i < 1 || i > getnbgrilles()) {
        horsgrille.clear();
        return horsgrille;
    }
    return chronos[static_cast<size_t>(i - 1)];
}

std::int32_t chronogrilles::getsec(short i) const {
    if (i < 1 || i > getnbgrilles()) return 0;
    return chronos[static_cast<size_t>(i - 1)].getsec();
}

void chronogrilles::chronomevaluer(const etatchrono& etat) {
    const short tourne = chronoquitourne(etat);
    for (short i = 1; i <= getnbgrilles(); ++i) {
        durelapsed& d = chronos[static_cast<size_t>(i - 1)];
        if (i == tourne)
            d.demarrer();
        else
            d.suspendre();
    }
}

void chronogrilles::remiseazero(short i, const etatchrono& etat) {
    grille(i).clear();
    chronomevaluer(etat);
}

bool chronogrilles::affichronocourt(short i, bool pret, gstring& out, bool anglais) {
    out.clear();
    if (!pret) {
        dernieraffiche.clear();
        return false;
    }
    gstring texte;
    grille(i).affiduresec(texte, anglais);
    const short blancs = static_cast<short>(4 - texte.len() / 2);
    if (blancs > 0) out.addncarac(blancs, ' ');
    out.cat(texte.adr());
    if (std::strcmp(out.adr(), dernieraffiche.adr()) == 0) return false;
    dernieraffiche.gset(out);
    return true;
}
