// The button column: creation at fixed positions, showing and enabling.
#include "shell/boutons.h"

#include "shell/clagdtooltip.h"
#include "shell/etatjeu.h"
#include "shell/miseenpage.h"

#include "render/pageregle.h"

#include <vector>

colonneboutons colonne;

namespace {

struct boutoncree {
    short id;
    HWND fenetre;
};
std::vector<boutoncree> boutonscrees;
HWND boitecase = nullptr;
HWND boitechronometre = nullptr;

HWND creabouton(HINSTANCE instance, short id, const char* titre, short x, short y, short w,
                short h) {
    if (!jeu.boutonscreables) return nullptr;
    HWND b =
        CreateWindowExA(WS_EX_LEFT, "button", titre, WS_CHILD | WS_BORDER, x, y, w, h, jeu.fenetre,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), instance, nullptr);
    if (b != nullptr) boutonscrees.push_back({id, b});
    tooltip.addboutcoo(id, x, static_cast<short>(x + w), y, static_cast<short>(y + h));
    return b;
}

HWND creastatic(HINSTANCE instance, const char* texte, short x, short y, short w, short h) {
    if (!jeu.boutonscreables) return nullptr;
    HWND s = CreateWindowExA(
        WS_EX_LEFT, "static", texte, WS_CHILD | WS_BORDER | SS_CENTER, x, y, w, h, jeu.fenetre,
        reinterpret_cast<HMENU>(static_cast<intptr_t>(idtexte)), instance, nullptr);
    if (s != nullptr) {
        SendMessageA(s, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
        boutonscrees.push_back({idtexte, s});
    }
    return s;
}

void active(short id, bool oui) {
    for (const auto& b : boutonscrees)
        if (b.id == id) EnableWindow(b.fenetre, oui ? TRUE : FALSE);
}

} // namespace

short idbouttongrille(short grille) {
    static const short ids[] = {34, 31, 33, 32, 30};
    return grille >= 1 && grille <= 5 ? ids[grille - 1] : 0;
}

short grilledubouton(short id) {
    for (short g = 1; g <= 5; ++g)
        if (idbouttongrille(g) == id) return g;
    return 0;
}

HWND bouton(short id) {
    for (const auto& b : boutonscrees)
        if (b.id == id) return b.fenetre;
    return nullptr;
}

void oublieboutons() {
    boutonscrees.clear();
    tooltip.videzones();
    boitecase = nullptr;
    boitechronometre = nullptr;
}

HWND boitenomcase() {
    return boitecase;
}

HWND boitechrono() {
    return boitechronometre;
}

void createwinboutons(HINSTANCE instance, int montrer) {
    if (!jeu.boutonscreables || !boutonscrees.empty()) return;
    const short c = colonne.centrex;
    const short h = colonne.hauteur;
    short y = colonne.premierey;
    creabouton(instance, idlangue, "FR/EN", static_cast<short>(c - 25), y, 50, h);
    y = static_cast<short>(y + h);
    if (jeu.nbgrilles > 1) {
        colonne.grillesy = y;
        static const char* const titres[] = {"Gr1", "Gr2", "Gr3", "Gr4", "Gr5"};
        for (short g = 1; g <= 5; ++g) {
            creabouton(instance, idbouttongrille(g), titres[g - 1], static_cast<short>(c - 15), y,
                       30, h);
            y = static_cast<short>(y + h);
        }
        colonne.niveauy = static_cast<short>(y + 10);
        tooltip.addboutcoo(idniveau, static_cast<short>(c - 25), static_cast<short>(c + 25),
                           static_cast<short>(colonne.niveauy - 8),
                           static_cast<short>(colonne.niveauy + 8));
        y = static_cast<short>(y + 20);
    }
    creabouton(instance, idmoins, "-", static_cast<short>(c - 15), y, 15, h);
    creabouton(instance, idplus, "+", c, y, 15, h);
    y = static_cast<short>(y + h);
    creabouton(instance, idregles, "?", static_cast<short>(c - 10), y, 20, h);
    y = static_cast<short>(y + h);
    creabouton(instance, idinfo, "I", static_cast<short>(c - 10), y, 20, h);
    const short basinfo = static_cast<short>(y + h);
    boitecase = creastatic(instance, "", static_cast<short>(c - 25), static_cast<short>(y + 30), 50,
                           static_cast<short>(h - 5));
    y = static_cast<short>(basinfo + 30);
    creabouton(instance, idannuler, "<", static_cast<short>(c - 15), y, 15, h);
    creabouton(instance, idrefaire, ">", c, y, 15, h);
    y = static_cast<short>(y + h);
    colonne.valeury = static_cast<short>(y + 12);
    y = static_cast<short>(y + 20);
    colonne.selecteurhaut = y;
    y = static_cast<short>(y + 60);
    creabouton(instance, idzero, "0", static_cast<short>(c - 15), y, 30, h);
    y = static_cast<short>(y + h + 5);
    if (partie.parametres().chronoaffiche) {
        boitechronometre =
            creastatic(instance, "", static_cast<short>(c - 25), y, 50, static_cast<short>(h - 5));
        y = static_cast<short>(y + h - 5);
    }
    y = static_cast<short>(y + 5);
    creabouton(instance, idfixe, "F", static_cast<short>(c - 10), y, 20, h);
    y = static_cast<short>(y + h);
    creabouton(instance, idpause, "P", static_cast<short>(c - 10), y, 20, h);
    y = static_cast<short>(y + h);
    creabouton(instance, idsauver, "S", static_cast<short>(c - 10), y, 20, h);
    y = static_cast<short>(y + h + 10);
    creabouton(instance, idquitter, "X", static_cast<short>(c - 10), y, 20, h);
    colonne.bas = static_cast<short>(y + h);
    creabouton(instance, idpageprec, "<", 30, 530, 30, 30);
    creabouton(instance, idpagesuiv, ">", 730, 530, 30, 30);
    creabouton(instance, idretour, "R", 30, 490, 30, 30);
    showwinboutons(montrer);
    jeu.boutonsarafraichir = true;
    boutaffiches();
}

namespace {

bool boutonregles(short id) {
    return id == idretour || id == idpageprec || id == idpagesuiv;
}

void montre(short id, bool oui) {
    for (const auto& b : boutonscrees)
        if (b.id == id) ShowWindow(b.fenetre, oui ? SW_SHOW : SW_HIDE);
}

} // namespace

void showwinboutons(int montrer) {
    for (const auto& b : boutonscrees)
        if (!boutonregles(b.id)) ShowWindow(b.fenetre, montrer);
}

void boutaffiches() {
    static int actifavant = -1;
    static int jouantavant = -1;
    static int pageavant = -1;
    const bool actifs = !anymode(modeappli::regles);
    const bool jouant = anymode(modeappli::jeu);
    if (actifs != actifavant || jouant != jouantavant || jeu.pagereglesnum != pageavant ||
        jeu.boutonsarafraichir) {
        actifavant = actifs;
        jouantavant = jouant;
        pageavant = jeu.pagereglesnum;
        jeu.boutonsarafraichir = false;
        active(idlangue, actifs);
        for (short g = 1; g <= 5; ++g) active(idbouttongrille(g), actifs);
        active(idtexte, actifs);
        active(idquitter, true);
        active(idregles, true);
        active(idretour, true);
        montre(idpagesuiv, !actifs && reglemontresuivante(jeu.pagereglesnum));
        montre(idpageprec, !actifs && reglemontreprecedente(jeu.pagereglesnum));
        montre(idretour, !actifs);
        active(idplus, actifs && tailleplus(partie.parametres().taillecase, taillemaxiecran()) !=
                                     partie.parametres().taillecase);
        active(idmoins, actifs && taillemoins(partie.parametres().taillecase) !=
                                      partie.parametres().taillecase);
        for (short id : {idzero, idinfo, idfixe, idpause, idsauver}) active(id, jouant);
    }
    active(idannuler, partie.historique().peutreculer() && jouant);
    active(idrefaire, partie.historique().peutavancer() && jouant);
}
