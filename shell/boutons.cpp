// The button column: creation at fixed positions, showing and enabling.
#include "shell/boutons.h"

#include "shell/idcommandes.h"

HWND clacolonne::creabouton(short id, const char* titre, short x, short y, short w, short h) {
    HWND b = CreateWindowExA(WS_EX_LEFT, "button", titre, WS_CHILD | WS_BORDER, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), instance, nullptr);
    if (b != nullptr) crees.push_back({id, b});
    tips->addboutcoo(id, x, static_cast<short>(x + w), y, static_cast<short>(y + h));
    return b;
}

HWND clacolonne::creastatic(const char* texte, short x, short y, short w, short h) {
    HWND s = CreateWindowExA(WS_EX_LEFT, "static", texte, WS_CHILD | WS_BORDER | SS_CENTER, x, y, w,
                             h, parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(idtexte)),
                             instance, nullptr);
    if (s != nullptr) {
        SendMessageA(s, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
        crees.push_back({idtexte, s});
    }
    return s;
}

void clacolonne::active(short id, bool oui) {
    for (const auto& b : crees)
        if (b.id == id) EnableWindow(b.fenetre, oui ? TRUE : FALSE);
}

void clacolonne::montrebouton(short id, bool oui) {
    for (const auto& b : crees)
        if (b.id == id) ShowWindow(b.fenetre, oui ? SW_SHOW : SW_HIDE);
}

HWND clacolonne::bouton(short id) const {
    for (const auto& b : crees)
        if (b.id == id) return b.fenetre;
    return nullptr;
}

void clacolonne::oublie(clagdtooltip& tooltip) {
    crees.clear();
    tooltip.videzones();
    boitecase = nullptr;
    boitechronometre = nullptr;
}

void clacolonne::cree(HWND p, HINSTANCE inst, clagdtooltip& tooltip, bool grilles, bool chrono) {
    if (creee()) return;
    parent = p;
    instance = inst;
    tips = &tooltip;
    const short c = pos.centrex;
    const short h = pos.hauteur;
    short y = pos.premierey;
    creabouton(idlangue, "FR/EN", static_cast<short>(c - 25), y, 50, h);
    y = static_cast<short>(y + h);
    if (grilles) {
        pos.grillesy = y;
        constexpr const char* titres[] = {"Gr1", "Gr2", "Gr3", "Gr4", "Gr5"};
        for (short g = 1; g <= 5; ++g) {
            creabouton(idbouttongrille(g), titres[g - 1], static_cast<short>(c - 15), y, 30, h);
            y = static_cast<short>(y + h);
        }
        // Hidden (and so without a tip) until a generated grid exists:
        // placegrilles.
        creabouton(idboutonnouvelle, "N", static_cast<short>(c - 15), y, 30, h);
        pos.niveauy = static_cast<short>(y + 10);
        tooltip.addboutcoo(idniveau, static_cast<short>(c - 25), static_cast<short>(c + 25),
                           static_cast<short>(pos.niveauy - 8),
                           static_cast<short>(pos.niveauy + 8));
        y = static_cast<short>(y + 20);
    }
    creabouton(idmoins, "-", static_cast<short>(c - 15), y, 15, h);
    creabouton(idplus, "+", c, y, 15, h);
    y = static_cast<short>(y + h);
    creabouton(idregles, "?", static_cast<short>(c - 10), y, 20, h);
    y = static_cast<short>(y + h);
    creabouton(idinfo, "I", static_cast<short>(c - 10), y, 20, h);
    const short basinfo = static_cast<short>(y + h);
    boitecase = creastatic("", static_cast<short>(c - 25), static_cast<short>(y + 30), 50,
                           static_cast<short>(h - 5));
    y = static_cast<short>(basinfo + 30);
    creabouton(idannuler, "<", static_cast<short>(c - 15), y, 15, h);
    creabouton(idrefaire, ">", c, y, 15, h);
    y = static_cast<short>(y + h);
    pos.valeury = static_cast<short>(y + 12);
    y = static_cast<short>(y + 20);
    pos.selecteurhaut = y;
    y = static_cast<short>(y + 60);
    creabouton(idzero, "0", static_cast<short>(c - 15), y, 30, h);
    y = static_cast<short>(y + h + 5);
    if (chrono) {
        boitechronometre =
            creastatic("", static_cast<short>(c - 25), y, 50, static_cast<short>(h - 5));
        y = static_cast<short>(y + h - 5);
    }
    y = static_cast<short>(y + 5);
    creabouton(idfixe, "F", static_cast<short>(c - 10), y, 20, h);
    y = static_cast<short>(y + h);
    creabouton(idpause, "P", static_cast<short>(c - 10), y, 20, h);
    y = static_cast<short>(y + h);
    creabouton(idsauver, "S", static_cast<short>(c - 10), y, 20, h);
    y = static_cast<short>(y + h + 10);
    creabouton(idquitter, "X", static_cast<short>(c - 10), y, 20, h);
    pos.bas = static_cast<short>(y + h);
    creabouton(idpageprec, "<", 30, 530, 30, 30);
    creabouton(idpagesuiv, ">", 730, 530, 30, 30);
    creabouton(idretour, "R", 30, 490, 30, 30);
}

void clacolonne::montre(int montrer) {
    montree = montrer != SW_HIDE;
    for (const auto& b : crees)
        if (b.id != idretour && b.id != idpageprec && b.id != idpagesuiv &&
            (b.id != idboutonnouvelle || avecnouvelle))
            ShowWindow(b.fenetre, montrer);
}

void clacolonne::placegrilles(bool nouvelle) {
    HWND n = bouton(idboutonnouvelle);
    if (n == nullptr || nouvelle == avecnouvelle) return;
    avecnouvelle = nouvelle;
    // Six buttons where five were: 100 pixels hold six of 16.
    const short h = nouvelle ? static_cast<short>(pos.hauteur * 5 / 6) : pos.hauteur;
    pos.hauteurgrille = h;
    const auto x = static_cast<short>(pos.centrex - 15);
    for (short g = 1; g <= 6; ++g) {
        const short id = g <= 5 ? idbouttongrille(g) : idboutonnouvelle;
        const auto y = static_cast<short>(pos.grillesy + (g - 1) * h);
        SetWindowPos(bouton(id), nullptr, x, y, 30, h, SWP_NOZORDER | SWP_NOACTIVATE);
        tips->addboutcoo(id, x, static_cast<short>(x + 30), y, static_cast<short>(y + h));
    }
    ShowWindow(n, nouvelle && montree ? SW_SHOW : SW_HIDE);
}
