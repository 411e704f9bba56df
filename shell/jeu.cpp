// The translator of effects into beeps, cursors, repaints, help and message
// boxes, and the loading of grids.
#include "shell/jeu.h"

#include "shell/boites.h"
#include "shell/bulleaide.h"
#include "shell/chronoaffiche.h"
#include "shell/defilement.h"
#include "shell/miseenpage.h"
#include "shell/peinture.h"

#include <string>

namespace {

// The splash window 180 pixels right of and below the main window.
void montrefendem(claappli& a) {
    RECT r{a.partie.parametres().left, a.partie.parametres().top, 0, 0};
    if (a.fenetre != nullptr) GetWindowRect(a.fenetre, &r);
    a.fendemarrage.fixelangue(a.partie.parametres().langue);
    a.fendemarrage.fixesurecran(static_cast<short>(r.left + 180), static_cast<short>(r.top + 180));
    a.fendemarrage.simplaffidem(true);
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

// The box of question q over the main window (its text, or its numbered
// message in the language in force); a box never opens under a tooltip
// left by the button that asked for it.
reponsejeu demande(claappli& a, const questionjeu& q) {
    a.tooltip.virefentooltip();
    const std::string titre = claappli::titre();
    if (!q.texte.empty())
        return reponsede(boitetexte(a.fenetre, q.texte.c_str(), titre.c_str(), boutonsboite(q)));
    gstring texte;
    textemessage(texte, q.numero, a.partie.parametres().langue, a.page.getmodaffi() == 8,
                 q.p1.c_str(), q.p2.c_str());
    return reponsede(boitetexte(a.fenetre, texte.adr(), titre.c_str(), boutonsboite(q)));
}

// The page of a grid just loaded: display mode 6, and, with ajuster, a cell
// size and a place at which the window lies on the work area when it can.
void preparegrille(claappli& a, bool ajuster) {
    a.modefenetre();
    a.page.setmodaffi(6);
    a.settailleprin(a.partie.parametres().taillecase);
    if (ajuster) {
        const gabaritfenetre g = gabaritcourant(a);
        const short t = tailleaffichee(a, g);
        rentrefenetre(a, fenetrepour(g, t));
        if (t != a.partie.parametres().taillecase) {
            changetaillecase(a, t, false);
            a.settailleprin(t);
        }
    }
    a.derniercaseaffichee = -1;
    affichronocourt(a);
}

// Carry out one step of effects (all but the question).
void executer(claappli& a, const effets& e, bilaneffets& bilan) {
    if (e.effacement) a.signaleffacement(true);
    for (const bipjeu& b : e.bips) a.bip(b.frequence, b.duree);
    if (e.effacement &&
        (a.fenetre == nullptr || SetTimer(a.fenetre, timereffacement, 240, nullptr) == 0))
        finsignaleffacer(a);
    if (e.valeurchoisie) a.fixecursouris(false);
    if (e.grillechargee) {
        bilan.chargee = true;
        preparegrille(a, !e.grillereprise);
    }
    if (e.niveauchange) {
        affichronocourt(a);
        a.fond.reset();
        a.boutonsarafraichir = true;
    }
    if (!e.conflits.empty() && a.fenetre != nullptr &&
        SetTimer(a.fenetre, timerconflits, 400, nullptr) != 0) {
        a.contexte.casesconflit = e.conflits;
        a.reaffigri();
    }
    if (e.languechangee) {
        a.textipenvoi();
        languedesboites(a.partie.parametres().langue);
        a.fendemarrage.fixelangue(a.partie.parametres().langue);
        affichronocourt(a);
        a.reaffigri();
    }
    if (e.pause) {
        a.tooltip.virefentooltip();
        if (a.fenetre != nullptr) CloseWindow(a.fenetre);
        a.fenetreduction(true);
    }
    if (e.generer) bilan.generer = e.generer;
    if (e.choixnouvelle) bilan.choixnouvelle = true;
    if (e.aide) montreaide(a, *e.aide);
    if (e.repeindre) a.reaffigri();
    if (e.curseurdeplace) curseurenvue(a);
    if (e.quitter) bilan.quitter = true;
}

} // namespace

bilaneffets appliquer(claappli& a, effets e, bool gardeaide) {
    bilaneffets bilan;
    bool verrouille = false;
    if (!e.aide && !gardeaide) cacheaide(a);
    for (;;) {
        executer(a, e, bilan);
        if (!e.question) break;
        if (!verrouille) {
            a.blocagedujeu();
            a.chronomactiver(false);
            verrouille = true;
        }
        // What the intent changed is shown before its question.
        if (e.repeindre && a.fenetre != nullptr && a.fenetremontrable) {
            miseajour(a);
            a.repeindre = false;
            preparevue(a);
            RedrawWindow(a.fenetre, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        const questionjeu q = *e.question;
        const reponsejeu r = demande(a, q);
        if (q.chargeoui && r == reponsejeu::oui) montrefendem(a);
        e = a.partie.repond(r);
    }
    if (verrouille && !bilan.quitter) {
        a.deblocagedujeu();
        a.chronomactiver(true);
    }
    return bilan;
}

bool grillecharger(claappli& a, short number, const char* definition, bool ask) {
    a.sablierdeb();
    bilaneffets bilan;
    if (ask) {
        bilan = appliquer(a, a.partie.demandecharger(number));
    } else {
        montrefendem(a);
        bilan = appliquer(a, a.partie.charge(number, definition));
    }
    a.chronomevaluer();
    a.sablierfin();
    return bilan.chargee;
}

void grillereprise(claappli& a) {
    a.sablierdeb();
    if (a.partie.reprendapresregles()) montrefendem(a);
    if (!appliquer(a, a.partie.quitteregles()).chargee) a.modefenetre();
    a.chronomevaluer();
    a.sablierfin();
}

bool sauvejeu(claappli& a, bool silencieux) {
    effets e;
    const bool ecrit = a.partie.sauvejeu(e, silencieux);
    if (!ecrit) appliquer(a, std::move(e));
    return ecrit;
}

bool quitterdemande(claappli& a) {
    return appliquer(a, a.partie.demandequitter()).quitter;
}

void finsignaleffacer(claappli& a) {
    if (a.fenetre != nullptr) KillTimer(a.fenetre, timereffacement);
    a.signaleffacement(false);
}

void finconflits(claappli& a) {
    if (a.fenetre != nullptr) KillTimer(a.fenetre, timerconflits);
    if (a.contexte.casesconflit.empty()) return;
    a.contexte.casesconflit.clear();
    a.reaffigri();
}
