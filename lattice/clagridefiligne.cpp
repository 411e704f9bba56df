// Parsing and printing of grid definition lines.
#include "lattice/clagridefiligne.h"

#include "foundation/depile.h"
#include "foundation/lichavo.h"
#include "foundation/textcompare.h"

#include <string>

namespace {

bool ispathchar(char c) {
    return (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9');
}

void skipblanks(const std::string& s, size_t& i) {
    while (i < s.size() && s[i] == ' ') ++i;
}

} // namespace

clagridefiligne::clagridefiligne()
    : valeur(0), pourcentage(0), etat(0), hexa(0), cas(0), premiereplage(0), typecase(0) {}

void clagridefiligne::clear() {
    chemin.setchemin("");
    texte.clear();
    valeur = 0;
    pourcentage = 0;
    etat = 0;
    hexa = 0;
    cas = 0;
    premiereplage = 0;
    typecase = 0;
}

void clagridefiligne::setfromlignecond(const char* line) {
    clear();
    std::string s = line == nullptr ? "" : line;
    for (char& c : s) c = carmaju(c);
    size_t i = 0;
    skipblanks(s, i);
    if (i < s.size() && s[i] == 'X') {
        hexa = 1;
        ++i;
        skipblanks(s, i);
    }
    const size_t debut = i;
    while (i < s.size() && ispathchar(s[i])) ++i;
    chemin.setchemin(s.substr(debut, i - debut).c_str());

    skipblanks(s, i);
    if (i >= s.size()) return;
    if (s.compare(i, 3, ":AB") == 0 || s.compare(i, 3, ":AF") == 0) {
        cas = 1;
        typecase = s[i + 2] == 'B' ? 1 : 0;
        return;
    }
    if (s[i] != 'W' && s[i] != 'V') return;
    cas = 1;
    typecase = s[i] == 'W' ? 1 : 0;
    ++i;
    skipblanks(s, i);
    if (i >= s.size()) return;
    const char v = s[i++];
    if (v >= 'J' && v <= 'O') {
        valeur = static_cast<short>(v - 'J' + 1);
        premiereplage = 1;
    } else if (v >= 'P' && v <= 'U') {
        valeur = static_cast<short>(v - 'P' + 1);
    }
    if (i >= s.size()) return;
    const char e = s[i++];
    // Only "J".."M" name a state; any other letter leaves neither bit set.
    if (e >= 'J' && e <= 'M') etat = static_cast<short>(e - 'J');
    skipblanks(s, i);
    if (i < s.size() && s[i] == '%') {
        std::string reste = s.substr(i + 1);
        pourcentage = depilint(reste.data());
    }
}

void clagridefiligne::givelivohex(gstring* g) {
    if (hexa) {
        g->set(chemin.decompacte().c_str());
    } else {
        g->clear();
    }
}

void clagridefiligne::givelivocase(gstring* g) {
    if (cas) {
        g->set(chemin.decompacte().c_str(), typecase ? ":AB" : ":AF");
    } else {
        g->clear();
    }
}

void clagridefiligne::givelignecourt(gstring* g) {
    std::string s = hexa ? "X" : "";
    s += chemin.compacte();
    if (cas && valeur >= 1 && valeur <= 6) {
        s += typecase ? 'W' : 'V';
        s += static_cast<char>(valeur + 79);
        s += static_cast<char>('J' + (etat & 3));
        if (pourcentage >= 50) s += "%" + std::to_string(pourcentage);
    } else if (cas) {
        s += typecase ? ":AB" : ":AF";
    }
    g->set(s.c_str());
}

void clagridefiligne::majlicha(lichavo* list, short i) {
    if (list->adr(i) == nullptr) return;
    gstring g;
    givelignecourt(&g);
    list->modif(i, g.adr());
}

void clagridefiligne::compactechem() {
    texte.set(chemin.compacte().c_str());
}

void clagridefiligne::decompactechem() {
    texte.set(chemin.decompacte().c_str());
}

short clagridefiligne::centrecasix() {
    return chemin.valchemincasix(typecase);
}

short clagridefiligne::centrecasy() {
    return chemin.valchemincasy(typecase);
}
