// Recording in the undo history (the length bound); undo and redo on the
// grid.
#include "shell/core/actionmemoire.h"

#include "grid/clagrivora.h"
#include "grid/valuemasks.h"

#include "foundation/numtext.h"

namespace {

bool effacement(const char* text) {
    return text && text[0] == '/';
}

// The n-th run of decimal digits of text (1-based), 0 when there is none;
// runs longer than four digits read as 0.
short nombreduteste(const char* text, int n) {
    const char* p = text;
    for (int k = 1; *p; ++k) {
        while (*p && (*p < '0' || *p > '9')) ++p;
        int v = 0;
        int chiffres = 0;
        for (; *p >= '0' && *p <= '9'; ++p, ++chiffres)
            if (chiffres < 5) v = v * 10 + (*p - '0');
        if (chiffres == 0) return 0;
        if (k == n) return chiffres > 4 ? short(0) : static_cast<short>(v);
    }
    return 0;
}

} // namespace

void memorisaction(defairefaire& history, short kind, short value, short cell,
                   const std::vector<short>& nettoyees) {
    if (kind != actionpose && kind != actioneffacement) return;
    gstring texte;
    texte.set(kind == actionpose ? "v" : "/v", vi(value), ",");
    texte.cat(vi(cell));
    if (kind == actionpose)
        for (const short c : nettoyees) {
            texte.cat(",");
            texte.cat(vi(c));
        }
    history.ajoute(texte.adr());
    // The oldest entries go once the history is full; what is left still
    // leads back, step by step, through positions the player saw.
    while (history.effectif() > historiquemax) history.kill(1);
    history.gaffeniv();
}

void memorisemarques(defairefaire& history, const std::vector<std::pair<short, short>>& basculees) {
    if (basculees.empty()) return;
    gstring texte("m");
    for (const auto& [cell, masque] : basculees) {
        if (texte.adr()[1] != '\0') texte.cat(",");
        texte.cat(vi(cell), ",");
        texte.cat(vi(masque));
    }
    history.ajoute(texte.adr());
    while (history.effectif() > historiquemax) history.kill(1);
    history.gaffeniv();
}

bool refaitaction(defairefaire& history, clagrivora& grid, short direction) {
    gstring entree;
    if (direction == pasrefaire && history.peutavancer()) {
        history.avance(entree);
    } else if (direction == pasdefaire && history.peutreculer()) {
        history.retire(entree);
    } else {
        return false;
    }
    if (entree.adr()[0] == 'm') {
        for (int i = 1;; i += 2) {
            const short cell = nombreduteste(entree.adr(), i);
            const short masque = nombreduteste(entree.adr(), i + 1);
            if (cell == 0) break;
            for (short v = 1; v <= 6; ++v)
                if ((masque & (1 << (v - 1))) != 0) grid.swapossuser(cell, v);
        }
        return true;
    }
    const bool estefface = effacement(entree.adr());
    const short valeur = nombreduteste(entree.adr(), 1);
    const short cell = nombreduteste(entree.adr(), 2);
    // Redoing a placement or undoing an erasure puts the value back.
    const bool remet = (direction == pasrefaire) != estefface;
    grid.setcaseval(cell, remet ? valeur : short(0));
    if (estefface) return true;
    // The marks the placement removed: back when it is undone.
    for (int i = 3;; ++i) {
        const short c = nombreduteste(entree.adr(), i);
        if (c == 0) break;
        const bool marquee = yavaldpo(valeur, grid.getpuser(c)) != 0;
        if (marquee == remet) grid.swapossuser(c, valeur);
    }
    return true;
}
