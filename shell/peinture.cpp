// The paint sequence of the main window.
#include "shell/peinture.h"

#include "shell/boutons.h"
#include "shell/curseurs.h"
#include "shell/defilement.h"
#include "shell/etatjeu.h"
#include "shell/fendemarrage.h"
#include "shell/miseenpage.h"
#include "shell/selecteur.h"
#include "shell/tracepeinture.h"

#include "render/bitmapmemoire.h"
#include "render/pageregle.h"
#include "shell/core/createmsg.h"

#include <memory>
#include <string>

namespace {

std::unique_ptr<bitmapmemoire> fond;
std::unique_ptr<bitmapmemoire> tout;
contextedessin contexte;
cladevout fenecrout;

void creagrillefond(short w, short h) {
    if (fond && fond->larg() == w && fond->haut() == h) return;
    fond = std::make_unique<bitmapmemoire>(w, h, GetSysColor(COLOR_BTNFACE));
    if (anymode(modeappli::jeu)) {
        fenecrout.sethdc(fond->dc());
        grillepage().dessingrifond(contexte, &fenecrout, 0, 0xFF0000, 0xFF0000);
    }
}

void creagrilletout() {
    if (!tout || tout->larg() != fond->larg() || tout->haut() != fond->haut())
        tout = std::make_unique<bitmapmemoire>(fond->larg(), fond->haut());
    tout->copiede(*fond);
    if (!anymode(modeappli::jeu)) return;
    fenecrout.sethdc(tout->dc());
    contexte.fleches = regionsdujeu().flechesadessiner();
    contexte.casecurseur = partie.curseurvisible() ? partie.casecourante() : short(0);
    contexte.valeursurlignee = partie.parametres().surligne ? partie.valeurcourante() : short(0);
    contexte.contraffi = partie.contraintesaffichees() ? 1 : 0;
    grillepage().dessingrifin(contexte, &fenecrout, 0, 0xFF0000, 0xFF0000);
    static const int couleurs[3] = {0x0000FF, 0x00FF00, 0x00A5FF};
    for (int i = 2; i >= 0; --i)
        if (partie.points()[i] != 0)
            hexaplacer(&grillepage(), &fenecrout, partie.points()[i], couleurs[i]);
}

// The column's frame, version, grid star, level and current value.
void decorecolonne(HDC dc) {
    const short c = colonne.centrex;
    HPEN stylo = CreatePen(PS_SOLID, 1, 0);
    HBRUSH brosse = CreateSolidBrush(0xFFFF00);
    HGDIOBJ s0 = SelectObject(dc, stylo);
    HGDIOBJ b0 = SelectObject(dc, brosse);
    Rectangle(dc, 30, 0, 80, colonne.bas + 10);
    HFONT petite = CreateFontA(16, 5, 0, 0, 600, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ f0 = SelectObject(dc, petite);
    const UINT a0 = SetTextAlign(dc, TA_CENTER | TA_TOP);
    const int m0 = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0xFF0000);
    TextOutA(dc, c, colonne.premierey - 16, "V.3.6", 5);
    // The generated grid has no button to mark.
    if (colonne.grillesy > 0 && partie.parametres().grillecourante > 0 &&
        partie.parametres().grillecourante <= partie.parametres().nbgrilles) {
        const int y = colonne.grillesy + partie.parametres().grillecourante * colonne.hauteur -
                      colonne.hauteur * 4 / 10 - 8;
        TextOutA(dc, 75, y, "*", 1);
    }
    gstring niveau;
    partie.grilledessin().libniveaubis(&niveau, 15, false);
    const std::string texteniveau =
        std::string(partie.parametres().langue == langueanglais ? "Lvl " : "Niv.") + niveau.adr();
    TextOutA(dc, c, colonne.niveauy - 8, texteniveau.c_str(), static_cast<int>(texteniveau.size()));
    HFONT grande = CreateFontA(24, 8, 0, 0, 600, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    SelectObject(dc, grande);
    const char valeur[2] = {boncarac(0, partie.valeurcourante()), 0};
    TextOutA(dc, c, colonne.valeury - 12, valeur, 1);
    SetBkMode(dc, m0);
    SetTextAlign(dc, a0);
    SelectObject(dc, f0);
    SelectObject(dc, b0);
    SelectObject(dc, s0);
    DeleteObject(grande);
    DeleteObject(petite);
    DeleteObject(brosse);
    DeleteObject(stylo);
    dessinboutri(dc);
}

// The rules page shown, drawn into the back picture of one page's size.
void peindreregles(HDC dc) {
    if (!tout || tout->larg() != fenetreglewid || tout->haut() != fenetreglehgt)
        tout = std::make_unique<bitmapmemoire>(fenetreglewid, fenetreglehgt);
    pagereglaffi(tout->dc(), jeu.pagereglesnum,
                 partie.parametres().langue == langueanglais ? 1 : 0);
    BitBlt(dc, 0, 0, fenetreglewid, fenetreglehgt, tout->dc(), 0, 0, SRCCOPY);
    boutaffiches();
}

} // namespace

contextedessin& dessinjeu() {
    return contexte;
}

cladevout& devfenetre() {
    return fenecrout;
}

void jetterfond() {
    fond.reset();
}

void libererbitmaps() {
    fond.reset();
    tout.reset();
}

const bitmapmemoire* imagepeinte() {
    return tout.get();
}

void peindre(HWND window) {
    sablierdeb();
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    if (!jeu.miseenpagevalide) {
        jetterfond();
        recalculemiseenpage();
        setgriwinposition();
    }
    if (jeu.pret && anymode(modeappli::regles)) {
        peindreregles(dc);
    } else if (jeu.pret) {
        const miseenpage& m = miseenpagecourante();
        grillepage().setdevice(0, &fenecrout);
        creagrillefond(m.largeur, m.hauteur);
        creagrilletout();
        fenecrout.sethdc(dc);
        if (anymode(modeappli::jeu)) regionsdujeu().appliqueregprin(window);
        BitBlt(dc, 0, 0, m.largeur, m.hauteur, tout->dc(), 0, 0, SRCCOPY);
        boutaffiches();
        if (anymode(modeappli::jeu)) {
            calcuboutri(colonne.selecteurhaut);
            decorecolonne(dc);
        }
    }
    EndPaint(window, &ps);
    if (jeu.pret) fendemarrage.fixafficentremain(false);
    sablierfin();
    if (jeu.pret && anymode(modeappli::jeu)) tracepeinturegrille();
}
