// The play layout and the window's placement.
#include "shell/miseenpage.h"

#include "shell/boutons.h"
#include "shell/etatjeu.h"

#include "render/pageregle.h"

#include <algorithm>

namespace {
miseenpage courante;
} // namespace

const miseenpage& miseenpagecourante() {
    return courante;
}

void recalculemiseenpage() {
    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;
    if (grilleram.getnbcases() > 0) {
        grilleram.fautcoordentableaux();
        grilleram.posicadremax(x1, y1, x2, y2);
    }
    const int marge = margegrille + grilleram.gettaillepixel();
    courante.originex = static_cast<short>(bordgrille + marge - x1);
    courante.originey = static_cast<short>(marge + y2);
    courante.largeur = static_cast<short>(std::max<int>(bordgrille + 2 * marge + (x2 - x1), 400));
    courante.hauteur = static_cast<short>(
        std::max<int>(2 * marge + (y2 - y1), std::max<int>(colonne.bas, 485) + 15));
    if (jeu.fenetre != nullptr) {
        HDC dc = GetDC(jeu.fenetre);
        devinstalle(dc, courante.largeur, courante.hauteur);
        ReleaseDC(jeu.fenetre, dc);
    }
    grilleram.setdevice(0, &fenecrout);
    grilleram.movegrille(courante.originex, courante.originey);
    jeu.miseenpagevalide = true;
}

void assuremiseenpage() {
    if (!jeu.miseenpagevalide) recalculemiseenpage();
}

RECT taillegrifen() {
    RECT r{0, 0, courante.largeur, courante.hauteur};
    LONG extrax = 12;
    LONG extray = 38;
    if (jeu.fenetre != nullptr) {
        RECT f{};
        RECT c{};
        GetWindowRect(jeu.fenetre, &f);
        GetClientRect(jeu.fenetre, &c);
        extrax = (f.right - f.left) - c.right;
        extray = (f.bottom - f.top) - c.bottom;
    }
    r.left = paramjeu.left;
    r.top = paramjeu.top;
    r.right = paramjeu.left + courante.largeur + extrax;
    r.bottom = paramjeu.top + courante.hauteur + extray;
    return r;
}

void mainwinposornot() {
    if (jeu.fenetre == nullptr) return;
    RECT r = taillegrifen();
    if (anymode(moderegles, 0)) {
        // The rules pages: a client area of exactly one page.
        const LONG cadrex = r.right - r.left - courante.largeur;
        const LONG cadrey = r.bottom - r.top - courante.hauteur;
        r.right = r.left + fenetreglewid + cadrex;
        r.bottom = r.top + fenetreglehgt + cadrey;
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
