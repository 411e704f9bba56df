// The translator between the main window and the game in progress: clicks
// into intents, effects into beeps, cursors, repaints and message boxes.
#include "shell/jeu.h"

#include "shell/boites.h"
#include "shell/bulleaide.h"
#include "shell/chronoaffiche.h"
#include "shell/clagdtooltip.h"
#include "shell/curseurs.h"
#include "shell/defilement.h"
#include "shell/etatjeu.h"
#include "shell/fendemarrage.h"
#include "shell/miseenpage.h"
#include "shell/paramdemarrage.h"
#include "shell/peinture.h"
#include "shell/selecteur.h"

#include "shell/core/textesvora.h"

#include <cstdlib>
#include <string>

namespace {

std::string titre() {
    gstring t;
    titreprogramme(t);
    return t.adr();
}

// The splash window 180 pixels right of and below the main window.
void montrefendem() {
    RECT r{partie.parametres().left, partie.parametres().top, 0, 0};
    if (jeu.fenetre != nullptr) GetWindowRect(jeu.fenetre, &r);
    fendemarrage.fixesurecran(static_cast<short>(r.left + 180), static_cast<short>(r.top + 180));
    fendemarrage.simplaffidem(true);
}

UINT boutonsboite(const questionjeu& q) {
    UINT b = MB_OK;
    if (q.choix == questionjeu::boutons::ouinon) b = MB_YESNO;
    if (q.choix == questionjeu::boutons::ouinonannuler) b = MB_YESNOCANCEL;
    if (q.choix == questionjeu::boutons::okannuler) b = MB_OKCANCEL;
    if (q.genre == questionjeu::icone::information) b |= MB_ICONINFORMATION;
    if (q.genre == questionjeu::icone::question) b |= MB_ICONQUESTION;
    if (q.genre == questionjeu::icone::exclamation) b |= MB_ICONEXCLAMATION;
    if (q.genre == questionjeu::icone::arret) b |= MB_ICONHAND;
    if (q.pardefaut == 2) b |= MB_DEFBUTTON2;
    if (q.pardefaut == 3) b |= MB_DEFBUTTON3;
    return b;
}

reponsejeu reponsede(int r) {
    switch (r) {
    case IDYES:
        return reponsejeu::oui;
    case IDNO:
        return reponsejeu::non;
    case IDOK:
        return reponsejeu::ok;
    default:
        return reponsejeu::annuler;
    }
}

// The page of a grid just loaded: display mode 6 and the cell size.
void preparegrille() {
    modefenetre();
    grillepage().setmodaffi(6);
    settailleprin(partie.parametres().taillecase);
    jeu.derniercaseaffichee = -1;
    affichronocourt();
}

// Carry out one step of effects (all but the question).
void executer(const effets& e, bilaneffets& bilan) {
    if (e.effacement) signaleffacement(true);
    for (const bipjeu& b : e.bips) bip(b.frequence, b.duree);
    if (e.effacement &&
        (jeu.fenetre == nullptr || SetTimer(jeu.fenetre, timereffacement, 240, nullptr) == 0))
        finsignaleffacer();
    if (e.valeurchoisie) fixecursouris(false);
    if (e.grillechargee) {
        bilan.chargee = true;
        preparegrille();
    }
    if (e.niveauchange) {
        affichronocourt();
        jetterfond();
        jeu.boutonsarafraichir = true;
    }
    if (!e.conflits.empty() && jeu.fenetre != nullptr &&
        SetTimer(jeu.fenetre, timerconflits, 400, nullptr) != 0) {
        dessinjeu().casesconflit = e.conflits;
        reaffigri();
    }
    if (e.languechangee) {
        textipenvoi();
        languedesboites();
        affichronocourt();
        reaffigri();
    }
    if (e.pause) {
        tooltip.virefentooltip();
        if (jeu.fenetre != nullptr) CloseWindow(jeu.fenetre);
        fenetreduction(true);
    }
    if (e.generer) bilan.generer = e.generer;
    if (e.aide) montreaide(*e.aide);
    if (e.repeindre) reaffigri();
    if (e.curseurdeplace) curseurenvue();
    if (e.quitter) bilan.quitter = true;
}

} // namespace

bilaneffets appliquer(effets e, bool gardeaide) {
    bilaneffets bilan;
    bool verrouille = false;
    if (!e.aide && !gardeaide) cacheaide();
    for (;;) {
        executer(e, bilan);
        if (!e.question) break;
        if (!verrouille) {
            blocagedujeu();
            chronomactiver(false);
            verrouille = true;
        }
        // What the intent changed is shown before its question.
        if (e.repeindre && jeu.fenetre != nullptr && jeu.fenetremontrable) {
            jeu.repeindre = false;
            RedrawWindow(jeu.fenetre, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        const questionjeu q = *e.question;
        const reponsejeu r = reponsede(
            q.texte.empty() ? boitemessage(q.numero, boutonsboite(q), q.p1.c_str(), q.p2.c_str())
                            : boitetexte(q.texte.c_str(), titre().c_str(), boutonsboite(q)));
        if (q.chargeoui && r == reponsejeu::oui) montrefendem();
        e = partie.repond(r);
    }
    if (verrouille && !bilan.quitter) {
        deblocagedujeu();
        chronomactiver(true);
    }
    return bilan;
}

void settailleprin(short size) {
    dessinjeu().taillechoisie = size;
    grillepage().settaillemmpix(0, size);
    partie.grilledessin().debutmodaffichagrille();
    jeu.miseenpagevalide = false;
}

bool grillecharger(HWND, short number, const char* definition, bool ask) {
    sablierdeb();
    bilaneffets bilan;
    if (ask) {
        bilan = appliquer(partie.demandecharger(number));
    } else {
        montrefendem();
        bilan = appliquer(partie.charge(number, definition));
    }
    chronomevaluer();
    sablierfin();
    return bilan.chargee;
}

void grillereprise() {
    sablierdeb();
    if (partie.reprendapresregles()) montrefendem();
    if (!appliquer(partie.quitteregles()).chargee) modefenetre();
    chronomevaluer();
    sablierfin();
}

POINT pointlocal(POINT client) {
    const miseenpage& m = miseenpagecourante();
    return POINT{client.x - m.originex, m.originey - client.y};
}

void clicgauche(POINT p) {
    if (!anymode(modeappli::jeu)) return;
    assuremiseenpage();
    if (clicfleche(p)) return;
    const POINT a = pointlocal(jeu.appuigauche);
    const auto ax = static_cast<short>(a.x);
    const auto ay = static_cast<short>(a.y);
    clagrivora& grille = partie.grilledessin();
    const short cellule = grille.caseproche(ax, ay);
    const short point = cellule == 0 ? grille.pointproche(ax, ay) : 0;
    if (cellule != 0) {
        appliquer(partie.clicgauche(cellule));
    } else if (point == 0) {
        const short v = boutriproche(static_cast<short>(p.x), static_cast<short>(p.y));
        if (v != 0) cliquechiffre('T', v);
    } else {
        const long ecart = std::labs(p.x - jeu.appuigauche.x) + std::labs(p.y - jeu.appuigauche.y);
        if (ecart > 24) {
            defilesouris(a, pointlocal(p));
        } else if (ecart <= 5) {
            appliquer(partie.clicpoint(point));
        }
    }
}

void clicdroit() {
    if (!anymode(modeappli::jeu)) return;
    assuremiseenpage();
    const POINT a = pointlocal(jeu.appuidroit);
    const auto ax = static_cast<short>(a.x);
    const auto ay = static_cast<short>(a.y);
    const short cellule = partie.grilledessin().caseproche(ax, ay);
    if (cellule == 0) return;
    appliquer(partie.clicdroit(cellule, partie.grilledessin().possiproche(cellule, ax, ay)));
}

bool sauvejeu(bool silencieux) {
    effets e;
    const bool ecrit = partie.sauvejeu(e, silencieux);
    if (!ecrit) appliquer(std::move(e));
    return ecrit;
}

bool quitterdemande() {
    return appliquer(partie.demandequitter()).quitter;
}

void finsignaleffacer() {
    if (jeu.fenetre != nullptr) KillTimer(jeu.fenetre, timereffacement);
    signaleffacement(false);
}

void finconflits() {
    if (jeu.fenetre != nullptr) KillTimer(jeu.fenetre, timerconflits);
    if (dessinjeu().casesconflit.empty()) return;
    dessinjeu().casesconflit.clear();
    reaffigri();
}
