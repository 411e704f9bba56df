// The view computed before the paint, and the paint sequence of the main
// window.
#include "shell/peinture.h"

#include "shell/etatcolonne.h"

#include "shell/core/indice.h"

#include "render/pageregle.h"

#include <memory>
#include <optional>
#include <string>

namespace {

void creagrillefond(claappli& a, short w, short h) {
    if (a.fond && a.fond->larg() == w && a.fond->haut() == h) return;
    const int fond = a.palette.fondfenetre;
    a.fond = std::make_unique<bitmapmemoire>(
        w, h, fond == fondsysteme ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(fond));
    if (a.anymode(modeappli::jeu)) {
        a.dev.sethdc(a.fond->dc());
        a.page.dessingrifond(a.contexte, &a.dev, 0, a.palette.coulcontour, a.palette.coulcontour);
    }
}

void creagrilletout(claappli& a) {
    if (!a.tout || a.tout->larg() != a.fond->larg() || a.tout->haut() != a.fond->haut())
        a.tout = std::make_unique<bitmapmemoire>(a.fond->larg(), a.fond->haut());
    a.tout->copiede(*a.fond);
    if (!a.anymode(modeappli::jeu)) return;
    a.dev.sethdc(a.tout->dc());
    a.page.dessingrifin(a.contexte, &a.dev, 0, a.palette.coulcontour, a.palette.coulcontour);
    constexpr int couleurs[3] = {0x0000FF, 0x00FF00, 0x00A5FF};
    for (int i = 2; i >= 0; --i)
        if (a.vue.points[static_cast<size_t>(i)] != 0)
            hexaplacer(&a.page, &a.dev, a.vue.points[static_cast<size_t>(i)], couleurs[i]);
}

// The column's frame, version, grid star, level and current value.
void decorecolonne(const claappli& a, HDC dc) {
    const colonneboutons& colonne = a.colonne.pos;
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
    if (a.vue.etoiley > 0) TextOutA(dc, 75, a.vue.etoiley, "*", 1);
    TextOutA(dc, c, colonne.niveauy - 8, a.vue.niveau.c_str(),
             static_cast<int>(a.vue.niveau.size()));
    HFONT grande = CreateFontA(24, 8, 0, 0, 600, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    SelectObject(dc, grande);
    const char valeur[2] = {a.vue.valeur, 0};
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
    a.selecteur.dessine(dc, a.vue);
}

// The rules page shown, drawn into the back picture of one page's size.
void peindreregles(claappli& a, HDC dc) {
    if (!a.tout || a.tout->larg() != fenetreglewid || a.tout->haut() != fenetreglehgt)
        a.tout = std::make_unique<bitmapmemoire>(fenetreglewid, fenetreglehgt);
    a.regles.pagereglaffi(a.tout->dc(), a.pagereglesnum,
                          a.partie.parametres().langue == langueanglais ? 1 : 0);
    BitBlt(dc, 0, 0, fenetreglewid, fenetreglehgt, a.tout->dc(), 0, 0, SRCCOPY);
}

// The column's texts and the selector's digits as the game now is.
vuejeu vuedelacolonne(claappli& a) {
    vuejeu v;
    const clapartie& p = a.partie;
    const colonneboutons& colonne = a.colonne.pos;
    const short g = p.parametres().grillecourante;
    // The generated grid's button is the sixth.
    const short rang = g > 0 && g == p.parametres().numeronouvelle() ? short(6) : g;
    if (colonne.grillesy > 0 && g > 0 && (g <= p.parametres().nbgrilles || rang == 6))
        v.etoiley = static_cast<short>(colonne.grillesy + rang * colonne.hauteurgrille -
                                       colonne.hauteurgrille * 4 / 10 - 8);
    gstring niveau;
    a.page.modele().libniveaubis(&niveau, 15, false);
    v.niveau = std::string(p.parametres().langue == langueanglais ? "Lvl " : "Niv.") + niveau.adr();
    v.valeur = boncarac(0, p.valeurcourante());
    v.valeurcourante = p.valeurcourante();
    v.points = p.points();
    // With the counts option each value shows how many of it are left to
    // place, and a complete value is greyed; when the grid's solution is not
    // known, a value that no empty cell can take any more is greyed.
    const bool comptes = p.parametres().comptes && a.anymode(modeappli::jeu);
    const std::optional<std::array<short, 7>> restantes = comptes ? p.restantes() : std::nullopt;
    const std::array<short, 7> places =
        comptes && !restantes ? p.placeslibres() : std::array<short, 7>{1, 1, 1, 1, 1, 1, 1};
    for (size_t i = 1; i <= 6; ++i) {
        v.restes[i] = restantes ? (*restantes)[i] : short(-1);
        v.complete[i] = v.restes[i] == 0 || places[i] == 0;
    }
    return v;
}

} // namespace

void preparevue(claappli& a) {
    if (!a.pret) return;
    // The column first: the star follows the grid buttons' height.
    boutaffiches(a);
    if (a.anymode(modeappli::jeu)) {
        const clapartie& p = a.partie;
        // The look's palette; the kept background is drawn again in a new one.
        const palettedessin& palette = palettedutheme(p.parametres().theme);
        if (palette != a.palette) {
            a.palette = palette;
            a.fond.reset();
        }
        appliquepalette(a.contexte, palette);
        a.contexte.fleches = a.regions.flechesadessiner();
        a.contexte.casecurseur = p.curseurvisible() ? p.casecourante() : short(0);
        a.contexte.valeursurlignee = p.parametres().surligne ? p.valeurcourante() : short(0);
        a.contexte.contraffi = p.contraintesaffichees() ? 1 : 0;
        a.contexte.casesfaussesvues = p.parametres().erreurs
                                          ? entreesfausses(p.grille(), p.solutionjeu())
                                          : std::vector<short>{};
        a.vue = vuedelacolonne(a);
    }
}

void peindre(claappli& a, HWND window) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    if (a.pret && a.anymode(modeappli::regles)) {
        peindreregles(a, dc);
    } else if (a.pret) {
        creagrillefond(a, a.courante.largeur, a.courante.hauteur);
        creagrilletout(a);
        a.dev.sethdc(dc);
        BitBlt(dc, 0, 0, a.courante.largeur, a.courante.hauteur, a.tout->dc(), 0, 0, SRCCOPY);
        if (a.anymode(modeappli::jeu)) decorecolonne(a, dc);
    }
    EndPaint(window, &ps);
}

const bitmapmemoire* imagepeinte(const claappli& a) {
    return a.tout.get();
}
