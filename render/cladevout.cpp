// cladevout: set-up, the millimetre model and the local origin.
#include "render/cladevout.h"

#include "foundation/depile.h"
#include "foundation/numtext.h"
#include "foundation/textcompare.h"

namespace {

constexpr float mmparpouce = 25.4f;

short tronque(double v) {
    return static_cast<short>(static_cast<int>(v));
}

// Millimetres to pixels truncate toward zero, within a thousandth of a pixel:
// a pixel count turned into float millimetres comes back a hair short of a
// whole number, and must give that whole number back.
short versmillipix(double v) {
    return tronque(v + (v >= 0 ? 1e-3 : -1e-3));
}

} // namespace

void cladevout::clear() {
    hdc = nullptr;
    crayonbrosse = LOGBRUSH{};
    nom.clear();
    pile.clear();
    dpix = 300;
    dpiy = 300;
    origx = origy = locx = locy = 0;
    formatpage = 0;
    nomme = basancre = 0;
    feuilwpx = feuilhpx = feuilwmm = feuilhmm = 0;
    pagewpx = pagehpx = pagewmm = pagehmm = 0;
    utilwpx = utilhpx = utilwmm = utilhmm = 0;
    echelle = 1.0f;
}

void cladevout::setdpi(short x, short y) {
    dpix = x;
    dpiy = y;
    mmajuste();
}

void cladevout::setfeuillepix(short w, short h) {
    feuilwpx = w;
    feuilhpx = h;
    mmajuste();
}

void cladevout::setpagepix(short w, short h) {
    pagewpx = utilwpx = w;
    pagehpx = utilhpx = h;
    mmajuste();
}

void cladevout::centrajuste() {
    origx = static_cast<short>(utilwpx / 2);
    origy = basancre ? static_cast<short>(feuilhpx - utilhpx / 2) : static_cast<short>(utilhpx / 2);
}

void cladevout::setname(const char* name) {
    nom.set(name);
    nomme = 1;
    if (potrouvumot(nom.adr(), "pdfcreator") > 0) {
        basancre = 1;
        centrajuste();
    }
}

void cladevout::copyfromall(const cladevout& d) {
    hdc = d.hdc;
    nom.set(d.nom.adr());
    dpix = d.dpix;
    dpiy = d.dpiy;
    origx = d.origx;
    origy = d.origy;
    nomme = d.nomme;
    basancre = d.basancre;
    setfeuillepix(d.feuilwpx, d.feuilhpx);
    setpagepix(d.pagewpx, d.pagehpx);
    utilwpx = d.utilwpx;
    utilhpx = d.utilhpx;
    utilwmm = d.utilwmm;
    utilhmm = d.utilhmm;
    echelle = d.echelle;
}

void cladevout::mmajuste() {
    if (dpix <= 0 || dpiy <= 0) return;
    if (pagewpx > feuilwpx) pagewpx = feuilwpx;
    if (pagehpx > feuilhpx) pagehpx = feuilhpx;
    if (utilwpx > feuilwpx) utilwpx = feuilwpx;
    if (utilhpx > feuilhpx) utilhpx = feuilhpx;
    auto mmx = [this](short px) { return tronque(px * mmparpouce / dpix); };
    auto mmy = [this](short px) { return tronque(px * mmparpouce / dpiy); };
    feuilwmm = mmx(feuilwpx);
    feuilhmm = mmy(feuilhpx);
    pagewmm = mmx(pagewpx);
    pagehmm = mmy(pagehpx);
    utilwmm = mmx(utilwpx);
    utilhmm = mmy(utilhpx);
}

short cladevout::ammxtopix(float mm) const {
    return versmillipix(static_cast<double>(dpix) * mm * echelle / mmparpouce);
}

short cladevout::ammytopix(float mm) const {
    return versmillipix(static_cast<double>(dpiy) * mm * echelle / mmparpouce);
}

float cladevout::apixtommx(short px) const {
    return static_cast<float>(px * static_cast<double>(mmparpouce) / (dpix * echelle));
}

float cladevout::apixtommy(short px) const {
    return static_cast<float>(px * static_cast<double>(mmparpouce) / (dpiy * echelle));
}

short cladevout::poursixcent(short n) const {
    return tronque(n * dpix / 600.0 + 0.5);
}

void cladevout::setlocal(float xmm, float ymm) {
    locx = static_cast<short>(origx + ammxtopix(xmm));
    locy = static_cast<short>(origy - ammytopix(ymm));
}

void cladevout::locapush() {
    gstring g;
    g.set(vi(locx), ",");
    g.cat(vi(locy), ",", pile.adr());
    pile.swapwith(g);
}

void cladevout::locapop() {
    locx = depilint(pile.adr());
    locy = depilint(pile.adr());
}
