// clagrivora: what the player does on the board: pencil marks and their
// positions, the end of the grid, going back to the givens, cell labels, and
// preparing a drawing.
#include "grid/clagrivora.h"

#include "grid/valuemasks.h"

#include "foundation/numtext.h"

#include <cstdlib>

void clagrivora::debutmodaffichagrille() {
    fautbasexhaustive();
    fautunelivopoint();
    fautunetabledeshexas();
    fautunetabledescases();
    fautcoordentableaux();
    if (faitvalfixes) fautappliquerniveau();
    injecterpossuval();
    fautdeslistesegtour();
}

short clagrivora::isautorisee(short cell, short v) const {
    return yavaldpo(v, getvaluposs(cell));
}

void clagrivora::swapossuser(short cell, short v) {
    grivocase* c = cellule(cell);
    if (!c || v < 1 || v > 6) return;
    if (yavaldpo(v, c->puser))
        c->puser = shortet(c->puser, possunevalinv(v));
    else
        c->puser = shortou(c->puser, possunevaleur(v));
}

void clagrivora::razpuser(short cell) {
    if (grivocase* c = cellule(cell)) c->puser = 0;
}

void clagrivora::razallpuser() {
    for (short c = 1; c <= nbcases; ++c) razpuser(c);
}

short clagrivora::yadespossusers() const {
    for (short c = 1; c <= nbcases; ++c)
        if (getpuser(c) > 0) return 1;
    return 0;
}

void clagrivora::calposipuserond() {
    const int h = gravhexa.posicheminy("B");
    const int ux = taillepix / 6;
    const int uy = h / 8;
    const int unites[6][2] = {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {0, -1}, {1, -1}};
    for (int v = 0; v < 6; ++v) {
        possuserab[v][0] = possuseraf[v][0] = unites[v][0] * ux;
        possuserab[v][1] = possuseraf[v][1] = unites[v][1] * uy;
    }
}

void clagrivora::calposipusertri() {
    const int h = gravhexa.posicheminy("B");
    const int ux = taillepix / 8;
    const int uy = h / 4;
    const int r = static_cast<int>(h / 12 + 0.5);
    const int ab[6][2] = {{0, 1}, {-1, 0}, {1, 0}, {-2, -1}, {0, -1}, {2, -1}};
    const int af[6][2] = {{-2, 1}, {0, 1}, {2, 1}, {-1, 0}, {1, 0}, {0, -1}};
    for (int v = 0; v < 6; ++v) {
        possuserab[v][0] = ab[v][0] * ux;
        possuserab[v][1] = ab[v][1] * uy + r;
        possuseraf[v][0] = af[v][0] * ux;
        possuseraf[v][1] = af[v][1] * uy - r;
    }
}

void clagrivora::givepossofuser(short cell, short v, short& x, short& y) {
    fautcoordentableaux();
    x = getcacentrix(cell);
    y = getcacentry(cell);
    if (!cellule(cell) || v < 1 || v > 6) return;
    const int(*table)[2] = triaplat(livotri.adr(cell)) ? possuserab : possuseraf;
    x = static_cast<short>(x + table[v - 1][0]);
    y = static_cast<short>(y + table[v - 1][1]);
}

short clagrivora::possiproche(short cell, short x, short y) {
    if (!cellule(cell)) return 0;
    int meilleure = 32760;
    short trouvee = 0;
    for (short v = 1; v <= 6; ++v) {
        short px = 0;
        short py = 0;
        givepossofuser(cell, v, px, py);
        const int d = std::abs(x - px) + std::abs(y - py);
        if (d < meilleure) {
            meilleure = d;
            trouvee = v;
        }
    }
    return meilleure > taillepix / 6 ? short(0) : trouvee;
}

short clagrivora::cestfini() const {
    if (nbcases <= 0 || !ftabcases) return 0;
    for (short c = 1; c <= nbcases; ++c)
        if (casestvide(c)) return 0;
    return 1;
}

void clagrivora::retourafixe() {
    for (short c = 1; c < static_cast<short>(tabcases.size()); ++c)
        if (!tabcases[static_cast<size_t>(c)].fixe) tabcases[static_cast<size_t>(c)].caseval = 0;
    for (short c = 1; c < static_cast<short>(tabcases.size()); ++c)
        tabcases[static_cast<size_t>(c)].valuposs = 0;
}

void clagrivora::ecricalignouv(gstring* text, short which, short cell, const char* middle) const {
    if (!text) return;
    text->set("L", vi(getrangee(cell)), middle);
    if (which != 0)
        text->cat("C", vi(getcolonne(cell)));
    else
        text->cat("-P", vi(getcolonnecopie(cell)));
}
