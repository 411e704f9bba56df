// Fuzz target: grid definition lines, long and short form: the fields stay in
// their ranges and the short form reads back as the same line.
#include "fuzz/fuzzcheck.h"

#include "foundation/gstring.h"
#include "lattice/clagridefiligne.h"

namespace {

struct lue {
    bool hexa, cas, premiere;
    short valeur, etat, pourcentage, type;
    std::string hex, casenom, court;
};

lue lis(const std::string& texte) {
    clagridefiligne l;
    l.setfromlignecond(texte.c_str());
    lue r{l.ishexa(),
          l.iscase(),
          l.ispremiereplage(),
          l.getvaleur(),
          l.getetat(),
          l.getpourcentage(),
          l.gettypecase(),
          {},
          {},
          {}};
    gstring g;
    l.givelivohex(&g);
    r.hex = g.adr();
    l.givelivocase(&g);
    r.casenom = g.adr();
    l.givelignecourt(&g);
    r.court = g.adr();
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string texte = textedentree(data, size);
    const lue a = lis(texte);
    FUZZ_CHECK(a.valeur >= 0 && a.valeur <= 6);
    FUZZ_CHECK(a.etat >= 0 && a.etat <= 3);
    FUZZ_CHECK(a.type == 0 || a.type == 1);
    if (!a.hexa) FUZZ_CHECK(a.hex.empty());
    if (!a.cas) FUZZ_CHECK(a.casenom.empty());
    if (a.cas) {
        const std::string suffixe = a.type == 1 ? ":AB" : ":AF";
        FUZZ_CHECK(a.casenom.size() >= 3);
        FUZZ_CHECK(a.casenom.substr(a.casenom.size() - 3) == suffixe);
    }
    // The short form reads back as the same line and prints as itself.
    const lue b = lis(a.court);
    FUZZ_CHECK(b.court == a.court);
    FUZZ_CHECK(b.hexa == a.hexa && b.cas == a.cas);
    FUZZ_CHECK(b.hex == a.hex && b.casenom == a.casenom);
    FUZZ_CHECK(b.valeur == a.valeur);
    if (a.valeur > 0) {
        FUZZ_CHECK(b.etat == a.etat);
        FUZZ_CHECK(b.pourcentage == (a.pourcentage >= 50 ? a.pourcentage : 0));
    }
    if (a.cas) FUZZ_CHECK(b.type == a.type);
    // The canonical names read as lines give themselves back.
    if (a.hexa) FUZZ_CHECK(lis("X" + a.hex).hex == a.hex);
    if (a.cas) FUZZ_CHECK(lis(a.casenom).casenom == a.casenom);
    return 0;
}
