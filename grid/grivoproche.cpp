// clagrivora: pixel positions of cells, points and hexagons, and the hit tests
// that find what lies under the mouse.
#include "grid/clagrivora.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int distancedepart = 32760;

int distance(short x, short y, int cx, int cy) {
    return std::abs(x - cx) + std::abs(y - cy);
}

// The 1-based index of the first `count` paths whose point (in `base`) is nearest to (x, y), the
// lowest index winning ties; 0 when there is none. `meilleure` receives that distance.
short cheminproche(const lichavo& paths, short count, clagravec& base, short x, short y,
                   int& meilleure) {
    meilleure = distancedepart;
    short trouve = 0;
    for (short i = 1; i <= count; ++i) {
        const char* path = paths.adr(i);
        const int d = distance(x, y, base.posicheminx(path), base.posicheminy(path));
        if (d < meilleure) {
            meilleure = d;
            trouve = i;
        }
    }
    return trouve;
}

} // namespace

void clagrivora::giveposicase(const char* cell, short& x, short& y) {
    const char* name = cell ? cell : "";
    const bool ab = triaplat(name);
    const short px = gravhexa.posicheminx(name);
    const short py = gravhexa.posicheminy(name);
    if (modetaillerec) {
        const short w = gravhexa.gettaille();
        x = static_cast<short>(px + w);
        y = static_cast<short>(ab ? py + w / 2 : py - w / 2);
        return;
    }
    const short t = ab ? 1 : 0;
    x = static_cast<short>(px + getdirections().relatcentx(t));
    y = static_cast<short>(py + getdirections().relatcenty(t));
}

void clagrivora::giveposipoint(const char* path, short& x, short& y) {
    x = gravhexa.posicheminx(path);
    y = gravhexa.posicheminy(path);
}

short clagrivora::givecasepoints(short cell, vopoint* points) {
    if (cell <= 0 || cell > nbcases || !points) return 0;
    const char* name = livotri.adr(cell);
    short px = 0;
    short py = 0;
    giveposipoint(name, px, py);
    const short autre = triaplat(name) ? 1 : 5; // B for ":AB", F for ":AF"
    points[0] = {px, py};
    points[1] = {static_cast<short>(px + gravhexa.getvecx(0)),
                 static_cast<short>(py + gravhexa.getvecy(0))};
    points[2] = {static_cast<short>(px + gravhexa.getvecx(autre)),
                 static_cast<short>(py + gravhexa.getvecy(autre))};
    points[3] = points[0];
    return 4;
}

short clagrivora::givepthexapoints(short cell, vopoint* points) {
    if (cell <= 0 || cell > nbcases || !points) return 0;
    short cx = 0;
    short cy = 0;
    giveposicase(livotri.adr(cell), cx, cy);
    return gravcase.getchemin().givehexacontour(points, cx, cy);
}

void clagrivora::posicadremax(short& xmin, short& ymin, short& xmax, short& ymax) {
    xmin = ymin = xmax = ymax = 0;
    bool premier = true;
    vopoint coins[4];
    for (short c = 1; c <= nbcases; ++c) {
        givecasepoints(c, coins);
        for (const vopoint& p : coins) {
            if (premier) {
                xmin = xmax = p.x;
                ymin = ymax = p.y;
                premier = false;
            }
            xmin = std::min(xmin, p.x);
            ymin = std::min(ymin, p.y);
            xmax = std::max(xmax, p.x);
            ymax = std::max(ymax, p.y);
        }
    }
}

short clagrivora::caseproche(short x, short y) {
    fautcoordentableaux();
    int meilleure = distancedepart;
    short trouvee = 0;
    for (short c = 1; c <= nbcases; ++c) {
        const grivocase& r = tabcases[static_cast<size_t>(c)];
        const int d = distance(x, y, r.cacentrix, r.cacentry);
        if (d < meilleure) {
            meilleure = d;
            trouvee = c;
        }
    }
    return meilleure > taillepix / 2 ? short(0) : trouvee;
}

short clagrivora::hexaproche(short x, short y) {
    fautbasexhaustive();
    int meilleure = 0;
    const short trouve = cheminproche(livohexa, nbhexacompletes, gravhexa, x, y, meilleure);
    return meilleure > taillepix / 6 ? short(0) : trouve;
}

short clagrivora::hexapartproche(short x, short y) {
    const short h = hexaproche(x, y);
    if (h) return h;
    int meilleure = 0;
    const short p = cheminproche(livopartie, livopartie.effectif(), gravhexa, x, y, meilleure);
    return meilleure > taillepix / 4 || p == 0 ? short(0) : static_cast<short>(nbhexacompletes + p);
}

short clagrivora::pointproche(short x, short y) {
    fautunelivopoint();
    int meilleure = 0;
    const short trouve = cheminproche(livopoint, nbpoints, gravhexa, x, y, meilleure);
    return meilleure > taillepix / 6 ? short(0) : trouve;
}
