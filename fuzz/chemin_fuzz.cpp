// Fuzz target: lattice path texts and cell names: canonical forms, their
// round trips, the pixel valuation, and the corners and edge neighbours of a
// cell.
#include "fuzz/fuzzcheck.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"
#include "grid/clagrivora.h"
#include "lattice/clavochemin.h"
#include "lattice/topoitem.h"

#include <array>
#include <set>

namespace {

using comptes = std::array<short, 6>;

comptes comptesde(const clavochemin& c) {
    comptes n{};
    for (short i = 0; i < 6; ++i) n[static_cast<std::size_t>(i)] = c.getnbpas(i);
    return n;
}

comptes canonique(const std::string& texte) {
    clavochemin c;
    c.setchemin(texte.c_str());
    c.bonchemin();
    return comptesde(c);
}

// The names of a comma-terminated list.
std::vector<std::string> noms(const gstring& liste) {
    std::vector<std::string> v;
    std::string s = liste.adr();
    FUZZ_CHECK(s.empty() || s.back() == ',');
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t j = s.find(',', i);
        v.push_back(s.substr(i, j - i));
        i = j + 1;
    }
    return v;
}

std::set<std::string> coins(const std::string& cell) {
    gstring out;
    topogivetroispointscase(&out, cell.c_str());
    const std::vector<std::string> v = noms(out);
    FUZZ_CHECK(v.size() == 3);
    return {v.begin(), v.end()};
}

// The corners and edge neighbours of the cell at the canonical point.
void cellule(const std::string& point, bool ab) {
    const std::string cell = point + (ab ? ":AB" : ":AF");
    FUZZ_CHECK(clagrivora::triaplat(cell.c_str()) == ab);
    const std::set<std::string> mes = coins(cell);
    FUZZ_CHECK(mes.size() == 3);
    FUZZ_CHECK(mes.count(point) == 1);
    for (const std::string& p : mes) {
        clavochemin c;
        c.setchemin(p.c_str());
        FUZZ_CHECK(c.decompacte() == p);
    }
    gstring voisines;
    topogivetroisvoisicase(&voisines, cell.c_str());
    const std::vector<std::string> v = noms(voisines);
    FUZZ_CHECK(v.size() == 3);
    for (const std::string& w : v) {
        FUZZ_CHECK(clagrivora::triaplat(w.c_str()) != ab);
        std::size_t communs = 0;
        for (const std::string& p : coins(w)) communs += mes.count(p);
        FUZZ_CHECK(communs == 2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string texte = textedentree(data, size);
    clavochemin c;
    c.setchemin(texte.c_str());
    const comptes brut = comptesde(c);
    int total = 0;
    for (short n : brut) {
        FUZZ_CHECK(n >= 0);
        total += n;
    }
    const short x = c.valcheminx();
    const short y = c.valcheminy();

    c.bonchemin();
    const comptes n = comptesde(c);
    int nonnuls = 0;
    int dernier = -1;
    for (int i = 0; i < 6; ++i) {
        FUZZ_CHECK(n[static_cast<std::size_t>(i)] >= 0);
        if (n[static_cast<std::size_t>(i)] > 0) {
            ++nonnuls;
            if (dernier >= 0) FUZZ_CHECK(i - dernier == 1 || (dernier == 0 && i == 5));
            dernier = i;
        }
    }
    FUZZ_CHECK(nonnuls <= 2);
    // The same point: reading the path again and reducing it changes nothing.
    c.bonchemin();
    FUZZ_CHECK(comptesde(c) == n);
    if (total >= 32767) return 0; // counts saturated: the point is no longer the text's

    FUZZ_CHECK(c.valcheminx() == x && c.valcheminy() == y);
    const std::string compacte = c.compacte();
    FUZZ_CHECK(canonique(compacte) == n);
    const std::string decompacte = c.decompacte();
    FUZZ_CHECK(canonique(decompacte) == n);
    FUZZ_CHECK(static_cast<int>(decompacte.size()) == n[0] + n[1] + n[2] + n[3] + n[4] + n[5]);
    FUZZ_CHECK(compacte.size() <= decompacte.size());

    // The path and its inverse cancel; inverting twice gives the path back.
    clavochemin d;
    d.setchemin(texte.c_str());
    d.chinverse();
    d.ajoutechemin(texte.c_str());
    d.bonchemin();
    FUZZ_CHECK(comptesde(d) == (comptes{}));
    d.setchemin(compacte.c_str());
    d.retirechemin(texte.c_str());
    d.bonchemin();
    FUZZ_CHECK(comptesde(d) == (comptes{}));

    // Lattice coordinates of the expanded name agree with the pixel valuation.
    if (decompacte.size() < 2000) {
        const std::string nom = decompacte + ":AB";
        FUZZ_CHECK(clagrivora::positaconv('X', nom.c_str()) ==
                   2 * n[0] + n[1] - n[2] - 2 * n[3] - n[4] + n[5]);
        FUZZ_CHECK(clagrivora::positaconv('Y', nom.c_str()) == n[1] + n[2] - n[4] - n[5]);
        cellule(decompacte, size > 0 && (data[0] & 1));
    }

    // Any text as a cell name still has three corners and three neighbours.
    gstring out;
    topogivetroispointscase(&out, texte.c_str());
    topogivetroisvoisicase(&out, texte.c_str());
    return 0;
}
