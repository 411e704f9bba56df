// Fuzz target: a state-of-play text put back on a real catalogue grid at a
// chosen level, then every accessor, the propagation and the state text of the
// result.
#include "fuzz/fuzzcheck.h"

#include "foundation/gstring.h"
#include "grid/clagrivora.h"
#include "lattice/catalogue/grillecatalogue.h"
#include "shell/core/etatsauve.h"

#include <memory>

namespace {

std::string etat(clagrivora& g) {
    gstring t;
    g.getactudata(3, &t);
    return t.adr();
}

// The geometry, which no state changes (checked once per grid): each cell's
// centre is nearest to its own cell, each pencil mark to its own value.
void verifiepositions(clagrivora& g) {
    g.calposipuserond();
    for (short c = 1; c <= g.getnbcases(); ++c) {
        FUZZ_CHECK(g.caseproche(g.getcacentrix(c), g.getcacentry(c)) == c);
        for (short marque = 1; marque <= 6; ++marque) {
            short mx, my;
            g.givepossofuser(c, marque, mx, my);
            FUZZ_CHECK(g.possiproche(c, mx, my) == marque);
        }
    }
}

// A catalogue grid, loaded once (loading builds the topology, which takes
// milliseconds) and brought back to its loaded board before every use.
struct grillechargee {
    clagrivora page;
    short niveau = 0;
    std::string initial;
};

clagrivora& charge(short grille) {
    static std::vector<std::unique_ptr<grillechargee>> cache(
        static_cast<std::size_t>(nbgrillescatalogue()) + 1);
    std::unique_ptr<grillechargee>& c = cache[static_cast<std::size_t>(grille)];
    if (!c) {
        c = std::make_unique<grillechargee>();
        gstring nom;
        nomgrillecatalogue(grille, &nom);
        FUZZ_CHECK(grilleload(0, &c->page, nom.adr()) == 1);
        c->niveau = c->page.getniveauvoulu();
        c->page.debutmodaffichagrille();
        verifiepositions(c->page);
        c->initial = etat(c->page);
        return c->page;
    }
    clagrivora& g = c->page;
    g.retourafixe();
    g.razallpuser();
    lisaisiesattente.clear();
    FUZZ_CHECK(restaureplateau(g, c->niveau, ""));
    g.debutmodaffichagrille();
    FUZZ_CHECK(etat(g) == c->initial);
    return g;
}

// Every accessor answers within its range (centres within the grid's
// rectangle); givens keep their values; with accepted = true, no two
// neighbours hold the same value.
void verifie(clagrivora& g, bool accepte) {
    const short n = g.getnbcases();
    FUZZ_CHECK(n > 0);
    short xmin, ymin, xmax, ymax;
    g.posicadremax(xmin, ymin, xmax, ymax);
    for (short c = 1; c <= n; ++c) {
        const short v = g.getcaseval(c);
        FUZZ_CHECK(v >= 0 && v <= 6);
        FUZZ_CHECK(g.getvaluposs(c) >= 0 && g.getvaluposs(c) <= 63);
        FUZZ_CHECK(g.getpuser(c) >= 0 && g.getpuser(c) <= 63);
        FUZZ_CHECK(g.getrangee(c) >= 1 && g.getrangee(c) <= g.getnbrangees());
        FUZZ_CHECK(g.getcolonne(c) >= 1 && g.getcolonne(c) <= g.getnbcolonnes());
        if (g.casestfixe(c)) FUZZ_CHECK(v >= 1 && v == g.getvaldef(c));
        for (short k = 0; k < 12; ++k) {
            const short w = g.casevoisine(c, k);
            FUZZ_CHECK(w >= 0 && w <= n && w != c);
            if (accepte && w > 0 && v > 0) FUZZ_CHECK(g.getcaseval(w) != v);
        }
        for (short j = 0; j < 3; ++j) FUZZ_CHECK(g.casopposee(c, j) == 0);
        vopoint pts[7];
        FUZZ_CHECK(g.givecasepoints(c, pts) == 4);
        FUZZ_CHECK(g.givepthexapoints(c, pts) == 7);
        FUZZ_CHECK(g.isautorisee(c, 0) == 0 || g.isautorisee(c, 0) == 1);
        const short x = g.getcacentrix(c);
        const short y = g.getcacentry(c);
        FUZZ_CHECK(x >= xmin && x <= xmax && y >= ymin && y <= ymax);
    }
    // Out of range numbers read 0.
    FUZZ_CHECK(g.getcaseval(0) == 0 && g.getcaseval(static_cast<short>(n + 1)) == 0);
    FUZZ_CHECK(g.getvaluposs(-1) == 0 && g.getpuser(static_cast<short>(n + 1)) == 0);
}

// After the propagation, an empty cell's mask holds no value of a neighbour.
void verifiepropagation(clagrivora& g) {
    g.ajustepossicase();
    for (short c = 1; c <= g.getnbcases(); ++c) {
        const short m = g.getvaluposs(c);
        FUZZ_CHECK(m >= 0 && m <= 63);
        if (g.getcaseval(c) > 0) continue;
        for (short k = 0; k < 12; ++k) {
            const short w = g.casevoisine(c, k);
            if (w > 0 && g.getcaseval(w) > 0) FUZZ_CHECK((m & (1 << (g.getcaseval(w) - 1))) == 0);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const short grilles = nbgrillescatalogue();
    const short grille = static_cast<short>(1 + data[0] % grilles);
    const short niveau = static_cast<short>(data[1] % 8);
    const std::string texte = textedentree(data + 2, size - 2);

    clagrivora& g = charge(grille);
    const bool accepte = restaureplateau(g, niveau, texte.c_str());
    g.debutmodaffichagrille();
    verifie(g, accepte);
    const std::string lu = etat(g);
    std::vector<short> valeurs;
    for (short c = 1; c <= g.getnbcases(); ++c) valeurs.push_back(g.getcaseval(c));
    verifiepropagation(g);
    FUZZ_CHECK(etat(g) == lu);
    if (!accepte) FUZZ_CHECK(g.yadespossusers() == 0);

    // The state text of the result puts the same board back.
    clagrivora& h = charge(grille);
    FUZZ_CHECK(restaureplateau(h, niveau, lu.c_str()));
    h.debutmodaffichagrille();
    FUZZ_CHECK(etat(h) == lu);
    for (short c = 1; c <= h.getnbcases(); ++c)
        FUZZ_CHECK(h.getcaseval(c) == valeurs[static_cast<std::size_t>(c - 1)]);

    // The raw decoder, without the shell's checks, keeps the accessors sound.
    clagrivora& k = charge(grille);
    k.setactudatabis(texte.c_str());
    k.debutmodaffichagrille();
    verifie(k, false);
    verifiepropagation(k);
    return 0;
}
