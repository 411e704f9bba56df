// The play layout and the window's placement, on the shape computations of
// regions.h.
#include "shell/miseenpage.h"

#include "render/pageregle.h"
#include "shell/core/positionfenetre.h"

#include <algorithm>

namespace {

short s16(long v) {
    return static_cast<short>(v);
}

} // namespace

entreesregions entreesdujeu(claappli& a) {
    entreesregions e;
    e.fenetre = a.fenetre;
    e.grille = &a.page;
    e.dev = &a.dev;
    e.gauche = a.partie.parametres().left;
    e.haut = a.partie.parametres().top;
    e.basboutons = a.colonne.pos.bas;
    e.ecranw = s16(GetSystemMetrics(SM_CXSCREEN));
    e.ecranh = s16(GetSystemMetrics(SM_CYSCREEN));
    return e;
}

void recalculemiseenpage(claappli& a) {
    regionsjeu& regions = a.regions;
    const entreesregions e = entreesdujeu(a);
    a.page.setdevice(0, &a.dev);
    // The layout gives the client size the device is installed on; the
    // grid is then placed on the installed device.
    regions.recalcureg(e);
    const SIZE t = regions.taillegrifen(a.colonne.pos.bas);
    const short dx = regions.regionprincipale().getdx();
    const short dy = regions.regionprincipale().getdy();
    a.courante.largeur = s16(t.cx - 2 * dx);
    a.courante.hauteur = s16(t.cy - dx - dy);
    if (a.fenetre != nullptr) {
        HDC dc = GetDC(a.fenetre);
        devinstalle(a.dev, dc, a.courante.largeur, a.courante.hauteur);
        ReleaseDC(a.fenetre, dc);
        regions.recalcureg(e);
    }
    a.courante.originex = a.dev.getlocx();
    a.courante.originey = a.dev.getlocy();
    a.miseenpagevalide = true;
}

void assuremiseenpage(claappli& a) {
    if (!a.miseenpagevalide) recalculemiseenpage(a);
}

void miseajour(claappli& a) {
    if (a.miseenpagevalide || !a.pret || a.nidpositionnement != 0) return;
    a.fond.reset();
    recalculemiseenpage(a);
    setgriwinposition(a);
    // The window takes its shape now, before it is painted (setting it again
    // moves the window's frame and, under Wine, the keyboard focus: only a
    // changed shape is set).
    if (a.fenetre != nullptr && a.anymode(modeappli::jeu)) a.regions.appliqueregprin(a.fenetre);
    a.repeindre = true;
}

RECT taillegrifen(claappli& a) {
    const SIZE t = a.regions.taillegrifen(a.colonne.pos.bas);
    const claparamuser& p = a.partie.parametres();
    return RECT{p.left, p.top, p.left + t.cx, p.top + t.cy};
}

void mainwinposornot(claappli& a) {
    if (a.fenetre == nullptr) return;
    RECT r = taillegrifen(a);
    if (a.anymode(modeappli::regles)) {
        // The rules pages: a client area of exactly one page.
        const short dx = a.regions.regionprincipale().getdx();
        const short dy = a.regions.regionprincipale().getdy();
        r.right = r.left + fenetreglewid + 2 * dx;
        r.bottom = r.top + fenetreglehgt + dx + dy;
    }
    SetWindowPos(a.fenetre, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE |
                     (a.fenetremontrable ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void setgriwinposition(claappli& a) {
    ++a.nidpositionnement;
    mainwinposornot(a);
    --a.nidpositionnement;
}

POINT pointlocal(const claappli& a, POINT client) {
    return POINT{client.x - a.courante.originex, a.courante.originey - client.y};
}

RECT zonetravail() {
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    RECT r{0, 0, w, h};
    RECT z{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &z, 0) != FALSE && z.right > z.left &&
        z.bottom > z.top)
        r = z;
    // The layout keeps the screen's bottom 30 pixels free (dispositionjeu's
    // Ah): a window reaching into them overflows.
    r.right = std::min<LONG>(r.right, w);
    r.bottom = std::min<LONG>(r.bottom, h - 30);
    return r;
}

gabaritfenetre gabaritcourant(claappli& a) {
    return gabaritdelagrille(a, a.page.modele());
}

gabaritfenetre gabaritdelagrille(const claappli& a, clagrivora& grille) {
    gabaritfenetre g;
    grille.fautcoordentableaux();
    if (grille.faitcoord()) {
        short x1 = 0;
        short y1 = 0;
        short x2 = 0;
        short y2 = 0;
        grille.posicadremax(x1, y1, x2, y2);
        g.e = etenduegrille{s16(std::abs(x1)), s16(std::abs(x2)), s16(std::abs(y2)),
                            s16(std::abs(y1))};
    }
    g.pas = grille.gettaillepix();
    const clawinregion cadre(a.fenetre);
    g.dx = cadre.getdx();
    g.dy = cadre.getdy();
    g.basboutons = a.colonne.pos.bas;
    return g;
}

short taillemaxiecran(claappli& a) {
    const RECT z = zonetravail();
    return tailleentrant(gabaritcourant(a), z.right - z.left, z.bottom - z.top);
}

short tailleaffichee(const claappli& a, const gabaritfenetre& g) {
    const RECT z = zonetravail();
    return std::min(a.partie.parametres().taillecase,
                    tailleentrant(g, z.right - z.left, z.bottom - z.top));
}

void rentrefenetre(claappli& a, SIZE taille) {
    const RECT z = zonetravail();
    if (taille.cx > z.right - z.left || taille.cy > z.bottom - z.top) return;
    const claparamuser& p = a.partie.parametres();
    a.partie.fixeposition(s16(std::clamp<long>(p.left, z.left, z.right - taille.cx)),
                          s16(std::clamp<long>(p.top, z.top, z.bottom - taille.cy)));
}

void changetaillecase(claappli& a, short taille, bool rentrer) {
    if (rentrer) rentrefenetre(a, fenetrepour(gabaritcourant(a), taille));
    a.partie.fixetaillecase(taille);
    a.reaffigri();
    a.boutonsarafraichir = true;
    a.settailleprin(taille);
    a.fond.reset();
    a.page.setmodaffi(a.page.getmodaffi());
}

void placefenetredepart(claappli& a) {
    const RECT z = zonetravail();
    const claparamuser& p = a.partie.parametres();
    const SIZE t = fenetrepour(gabaritcourant(a), p.taillecase);
    short gauche = p.left;
    short haut = p.top;
    rentrezone(gauche, haut, t.cx, t.cy, zoneecran{z.left, z.top, z.right, z.bottom});
    a.partie.fixeposition(gauche, haut);
}
