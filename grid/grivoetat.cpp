// clagrivora: the game-state text (values and pencil marks of every cell,
// compressed), its decoding, and the pending entries it leaves.
#include "grid/clagrivora.h"

#include "foundation/depile.h"
#include "foundation/textcompare.h"

#include <string>

lichavo lisaisiesattente;

namespace {

// Replace every occurrence of `de` by `par`, scanning from the left.
std::string remplace(const std::string& s, const std::string& de, const std::string& par) {
    std::string r;
    r.reserve(s.size() * par.size());
    size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, de.size(), de) == 0) {
            r += par;
            i += de.size();
        } else {
            r += s[i++];
        }
    }
    return r;
}

bool chiffreoctal(char c) {
    return c >= '0' && c <= '7';
}

} // namespace

void clagrivora::getactudata(short mode, gstring* text) {
    if (!text) return;
    text->clear();
    if (mode != 3) return;
    fautunetabledescases();
    std::string s;
    for (short c = 1; c <= nbcases; ++c) {
        const grivocase& r = tabcases[static_cast<size_t>(c)];
        if (r.caseval >= 1 && r.caseval <= 6) {
            s += static_cast<char>('@' + r.caseval);
        } else if ((r.puser & 63) == 0) {
            s += 'G';
        } else {
            s += static_cast<char>('0' + (r.puser & 63) % 8);
            s += static_cast<char>('0' + (r.puser & 63) / 8);
        }
    }
    text->set(remplace(remplace(s, "GGG", "K"), "GG", "H").c_str());
}

bool clagrivora::setactudatabis(const char* text) {
    fautunetabledescases();
    std::string s(text ? text : "");
    for (char& ch : s) ch = carmaju(ch);
    s = remplace(remplace(s, "H", "GG"), "K", "GGG");
    lisaisiesattente.clear();
    gstring entree;
    int compteur = 0;
    bool rejete = false;
    for (size_t i = 0; i < s.size(); ++i) {
        const char ch = s[i];
        ++compteur;
        if (compteur > nbcases) {
            rejete = true;
            continue;
        }
        const short cell = static_cast<short>(compteur);
        grivocase& r = tabcases[static_cast<size_t>(cell)];
        short valeur = 0;
        short marques = 0;
        short haut = 0;
        if (chiffreoctal(ch) && i + 1 < s.size()) {
            ++i;
            if (chiffreoctal(s[i])) haut = static_cast<short>(s[i] - '0');
        }
        if (r.fixe) {
            // A given keeps its value and marks whatever the item says; only a
            // letter that contradicts it spoils the text.
            if (ch >= 'A' && ch <= 'F' && r.caseval != ch - '@') rejete = true;
            continue;
        }
        if (ch >= 'A' && ch <= 'F') {
            valeur = static_cast<short>(ch - '@');
            entree.setxdiese("v,#,#", cell, valeur);
            lisaisiesattente.padd(entree.adr());
        } else if (chiffreoctal(ch)) {
            marques = static_cast<short>(haut * 8 + (ch - '0'));
            entree.setxdiese("p,#,#", cell, marques);
            lisaisiesattente.padd(entree.adr());
        }
        r.caseval = valeur;
        r.puser = marques;
    }
    if (rejete) {
        retourafixe();
        razallpuser();
        lisaisiesattente.clear();
    }
    return !rejete;
}

void clagrivora::injecterpossuval() {
    gstring entree;
    gstring genre;
    while (!lisaisiesattente.isempty()) {
        lisaisiesattente.gpopto(entree);
        genre.depilufrom(entree.adr());
        const short cell = depilint(entree.adr());
        const short nombre = depilint(entree.adr());
        if (genre.uqual("V")) {
            if (!casestfixe(cell)) setcaseval(cell, nombre);
        } else if (genre.uqual("P")) {
            setvaluposs(cell, nombre);
        }
    }
}
