// The play layout and the window's placement, on the shape computations of
// regions.h.
#include "shell/miseenpage.h"

#include "shell/boutons.h"
#include "shell/etatjeu.h"
#include "shell/peinture.h"

#include "render/pageregle.h"
#include "shell/core/positionfenetre.h"

#include <algorithm>
#include <memory>

namespace {
miseenpage courante;
// Made on first use, dropped by oublieregions (before the drawing layer's
// tables go at exit).
std::unique_ptr<regionsjeu> lesregions;

short s16(long v) {
    return static_cast<short>(v);
}
} // namespace

const miseenpage& miseenpagecourante() {
    return courante;
}

regionsjeu& regionsdujeu() {
    if (!lesregions) lesregions = std::make_unique<regionsjeu>();
    return *lesregions;
}

void oublieregions() {
    lesregions.reset();
}

entreesregions entreesdujeu() {
    entreesregions e;
    e.fenetre = jeu.fenetre;
    e.grille = &grillepage();
    e.dev = &devfenetre();
    e.gauche = partie.parametres().left;
    e.haut = partie.parametres().top;
    e.basboutons = colonne.bas;
    e.ecranw = s16(GetSystemMetrics(SM_CXSCREEN));
    e.ecranh = s16(GetSystemMetrics(SM_CYSCREEN));
    return e;
}

void recalculemiseenpage() {
    regionsjeu& regions = regionsdujeu();
    const entreesregions e = entreesdujeu();
    grillepage().setdevice(0, &devfenetre());
    // The layout gives the client size the device is installed on; the
    // grid is then placed on the installed device.
    regions.recalcureg(e);
    const SIZE t = regions.taillegrifen(colonne.bas);
    const short dx = regions.regionprincipale().getdx();
    const short dy = regions.regionprincipale().getdy();
    courante.largeur = s16(t.cx - 2 * dx);
    courante.hauteur = s16(t.cy - dx - dy);
    if (jeu.fenetre != nullptr) {
        HDC dc = GetDC(jeu.fenetre);
        devinstalle(devfenetre(), dc, courante.largeur, courante.hauteur);
        ReleaseDC(jeu.fenetre, dc);
        regions.recalcureg(e);
    }
    courante.originex = devfenetre().getlocx();
    courante.originey = devfenetre().getlocy();
    jeu.miseenpagevalide = true;
}

void assuremiseenpage() {
    if (!jeu.miseenpagevalide) recalculemiseenpage();
}

RECT taillegrifen() {
    const SIZE t = regionsdujeu().taillegrifen(colonne.bas);
    return RECT{partie.parametres().left, partie.parametres().top, partie.parametres().left + t.cx,
                partie.parametres().top + t.cy};
}

void mainwinposornot() {
    if (jeu.fenetre == nullptr) return;
    RECT r = taillegrifen();
    if (anymode(modeappli::regles)) {
        // The rules pages: a client area of exactly one page.
        const short dx = regionsdujeu().regionprincipale().getdx();
        const short dy = regionsdujeu().regionprincipale().getdy();
        r.right = r.left + fenetreglewid + 2 * dx;
        r.bottom = r.top + fenetreglehgt + dx + dy;
    }
    SetWindowPos(jeu.fenetre, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE |
                     (jeu.fenetremontrable ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void setgriwinposition() {
    ++jeu.nidpositionnement;
    mainwinposornot();
    --jeu.nidpositionnement;
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

gabaritfenetre gabaritcourant() {
    return gabaritdelagrille(partie.grille());
}

gabaritfenetre gabaritdelagrille(clagrivora& grille) {
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
    const clawinregion cadre(jeu.fenetre);
    g.dx = cadre.getdx();
    g.dy = cadre.getdy();
    g.basboutons = colonne.bas;
    return g;
}

short taillemaxiecran() {
    const RECT z = zonetravail();
    return tailleentrant(gabaritcourant(), z.right - z.left, z.bottom - z.top);
}

void rentrefenetre(SIZE taille) {
    const RECT z = zonetravail();
    if (taille.cx > z.right - z.left || taille.cy > z.bottom - z.top) return;
    partie.parametres().left =
        s16(std::clamp<long>(partie.parametres().left, z.left, z.right - taille.cx));
    partie.parametres().top =
        s16(std::clamp<long>(partie.parametres().top, z.top, z.bottom - taille.cy));
}

void placefenetredepart() {
    const RECT z = zonetravail();
    const SIZE t = fenetrepour(gabaritcourant(), partie.parametres().taillecase);
    rentrezone(partie.parametres().left, partie.parametres().top, t.cx, t.cy,
               zoneecran{z.left, z.top, z.right, z.bottom});
}
