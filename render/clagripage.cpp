// clagripage: positions, sizes, angle, display mode, difficulty and the
// placing of the local origin.
#include "render/clagripage.h"

#include "foundation/depile.h"
#include "foundation/gstring.h"
#include "foundation/numtext.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr short echelons[] = {75, 80, 85, 90, 95, 100, 120};

bool pres(float a, float b) {
    return std::fabs(a - b) < 3.0f;
}

} // namespace

clagripage::clagripage() {
    clearpage();
}

void clagripage::clearpage() {
    device = nullptr;
    slot = 0;
    grillex = grilley = solux = soluy = libx = liby = 0;
    taillemm = 0;
    taillepixel = 15;
    taillemmexacte = 0;
    hauteurchiffre = 10;
    difficulte = 100;
    angledessin = 0;
    modaffi = 6;
    pagecentrale = false;
    doublacinq = false;
}

cladevout& clagripage::dev() const {
    return *device;
}

void clagripage::setposmm(float x, float y) {
    grillex = x;
    grilley = y;
}

void clagripage::movegrille(short px, short py) {
    const cladevout& d = dev();
    grillex = d.apixtommx(static_cast<short>(px - d.getorigx()));
    grilley = d.apixtommy(static_cast<short>(d.getorigy() - py));
}

void clagripage::setallpos(float x, float y, float xs, float ys, float xl, float yl) {
    grillex = x;
    grilley = y;
    solux = xs;
    soluy = ys;
    libx = xl;
    liby = yl;
}

void clagripage::setallpos(const char* text) {
    gstring t(text != nullptr ? text : "");
    float v[6];
    for (float& f : v) f = static_cast<float>(depilefloat(t.adr()));
    setallpos(v[0], v[1], v[2], v[3], v[4], v[5]);
}

heaptext clagripage::getallpos() const {
    gstring t;
    for (float f : {grillex, grilley, solux, soluy, libx, liby}) t.cat(vflo(f), ",");
    return t.gdup();
}

void clagripage::setangle(short degrees) {
    if (degrees == angledessin) return;
    angledessin = degrees;
    modele().setangle(degrees);
}

void clagripage::settaillemmpix(short mm, short px) {
    taillemm = mm;
    taillepixel = px;
    hauteurchiffre = static_cast<short>(0.55 * px);
    modele().settaillepix(px, modaffi == 9 ? 1 : 0);
    setmodaffi(modaffi);
}

void clagripage::settaillemilli(short, short mm) {
    settaillemmpix(mm, dev().ammxtopix(mm));
    taillemmexacte = mm;
}

void clagripage::setdevice(short s, cladevout* d) {
    slot = s;
    device = d;
}

void clagripage::setmodaffi(short mode) {
    clagrivora& gri = modele();
    modaffi = mode;
    const bool rec = mode == 9;
    if (rec != gri.getmodetaillerec()) gri.settaillepix(gri.gettaillepix(), rec ? 1 : 0);
    if (mode == 8)
        gri.calposipuserond();
    else
        gri.calposipusertri();
}

void clagripage::diffichange(short c) {
    short v = difficulte;
    if (c == '+') {
        v = 120;
        for (short e : echelons) {
            if (e > difficulte) {
                v = e;
                break;
            }
        }
    } else if (c == '-') {
        v = 75;
        for (short e : echelons) {
            if (e < difficulte) v = e;
        }
    }
    difficulte = modele().fixenivoulu(v);
    modele().fautappliquerniveau();
}

void clagripage::fixedifficulte(short v) {
    difficulte = v;
    diffichange(0);
}

void clagripage::setlocagrille(cladevout* d) {
    d->setlocal(grillex, grilley);
    if (!pagecentrale) return;
    const bool gauche = pres(grillex, -75.0f);
    const bool droite = pres(grillex, 75.0f);
    if (!gauche && !droite) return;
    if (doublacinq)
        d->setlocamid();
    else if (gauche)
        d->setlocagauche();
    else
        d->setlocadroite();
}

void clagripage::setlocagrisol(cladevout* d) {
    d->setlocal(solux, soluy);
}

void clagripage::setlocagrilib(cladevout* d) {
    d->setlocal(libx, liby);
}

void clagripage::setlocagrideux(short solution, cladevout* d) {
    if (solution == 0)
        setlocagrille(d);
    else
        setlocagrisol(d);
}

gdrectan clagripage::cadreblocsel(cladevout* d) {
    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;
    modele().fautcoordentableaux();
    modele().posicadremax(x1, y1, x2, y2);
    gdrectan cadre;
    cadre.set(static_cast<short>(d->apixtommx(x1)), static_cast<short>(d->apixtommy(y1)),
              static_cast<short>(d->apixtommx(x2)), static_cast<short>(d->apixtommy(y2)));
    return cadre;
}
