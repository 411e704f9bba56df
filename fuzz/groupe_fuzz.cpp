// Fuzz target: the unscrambling of stored texts and grouped definition texts,
// then a grid built from the lines they give.
#include "fuzz/fuzzcheck.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"
#include "grid/clagrivora.h"
#include "lattice/catalogue/grillegroupe.h"
#include "lattice/catalogue/vodecrypte.h"

#include <cstring>

namespace {

// Unscrambling exchanges the halves, changes printable characters into
// printable ones and keeps every other byte; scrambling undoes it.
void brouillage(const std::string& texte) {
    const std::string clair = decrypvora(texte.c_str());
    FUZZ_CHECK(clair.size() == texte.size());
    std::vector<char> echange = tampon(texte);
    inversemoities(echange.data());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const unsigned char t = static_cast<unsigned char>(echange[i]);
        const unsigned char c = static_cast<unsigned char>(clair[i]);
        if (t >= ' ' && t <= '~')
            FUZZ_CHECK(c >= ' ' && c <= '~');
        else
            FUZZ_CHECK(c == t);
    }
    gstring brouille;
    crypvora(&brouille, texte.c_str());
    FUZZ_CHECK(std::strlen(brouille.adr()) == texte.size());
    FUZZ_CHECK(decrypvora(brouille.adr()) == texte);

    std::vector<char> b = tampon(texte);
    inversemoities(b.data());
    inversemoities(b.data());
    FUZZ_CHECK(texte == b.data());
}

// The lines of a grouped text: no remark, no percentage word, no empty line,
// each the word of the text followed by the suffix in force.
void groupe(const std::string& texte, lichavo& lignes) {
    developgroupe(texte.c_str(), &lignes);
    for (short i = 1; i <= lignes.effectif(); ++i) {
        const std::string l = lignes.adr(i);
        FUZZ_CHECK(!l.empty());
        FUZZ_CHECK(l[0] != '%' && l[0] != '#');
        FUZZ_CHECK(l.find(',') == std::string::npos);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string texte = textedentree(data, size);
    brouillage(texte);

    lichavo lignes;
    groupe(texte, lignes);
    lichavo aussi;
    groupe(decrypvora(texte.c_str()), aussi);

    // A grid from the lines: counts and tables within their bounds.
    if (lignes.effectif() > 24 || texte.size() > 400) return 0;
    clagrivora g;
    g.setfromgrivecdef(&lignes);
    g.fautunetablevoisiquinze();
    g.fautunetabledescases();
    g.fautappliquerniveau();
    g.ajustepossicase();
    const short n = g.getnbcases();
    FUZZ_CHECK(n >= 0 && n == g.getcases().effectif());
    FUZZ_CHECK(g.getnbhexatotal() == g.getnbhexacompletes() + g.getnbhexapartiels());
    for (short c = 1; c <= n; ++c) {
        FUZZ_CHECK(g.getcaseval(c) >= 0 && g.getcaseval(c) <= 6);
        FUZZ_CHECK(g.getvaluposs(c) >= 0 && g.getvaluposs(c) <= 63);
        FUZZ_CHECK(g.numerodelacase(g.getcases().adr(c)) == c);
        for (short i = 0; i < 12; ++i) {
            const short v = g.casevoisine(c, i);
            FUZZ_CHECK(v >= 0 && v <= n && v != c);
        }
    }
    return 0;
}
