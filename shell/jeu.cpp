// Loading a grid, entering values, clicks on the grid and saving.
#include "shell/jeu.h"

#include "shell/boites.h"
#include "shell/chronoaffiche.h"
#include "shell/curseurs.h"
#include "shell/defilement.h"
#include "shell/etatjeu.h"
#include "shell/fendemarrage.h"
#include "shell/miseenpage.h"
#include "shell/peinture.h"
#include "shell/selecteur.h"

#include "lattice/catalogue/grillecatalogue.h"
#include "shell/core/actionmemoire.h"
#include "shell/core/etatsauve.h"

#include <cstdlib>
#include <string>

namespace {

// The number-th name of the comma-separated playable list; empty when none.
std::string nomgrille(short number) {
    const std::string liste = nomdegrinu.adr();
    short i = 1;
    std::size_t debut = 0;
    while (debut <= liste.size()) {
        std::size_t fin = liste.find(',', debut);
        if (fin == std::string::npos) fin = liste.size();
        if (i == number) {
            std::string nom = liste.substr(debut, fin - debut);
            const auto a = nom.find_first_not_of(' ');
            const auto b = nom.find_last_not_of(' ');
            return a == std::string::npos ? std::string() : nom.substr(a, b - a + 1);
        }
        ++i;
        debut = fin + 1;
    }
    return {};
}

void signaleffacer() {
    signaleffacement(true);
    bip(250, 80);
    bip(200, 80);
    bip(150, 80);
    if (jeu.fenetre == nullptr || SetTimer(jeu.fenetre, timereffacement, 240, nullptr) == 0)
        finsignaleffacer();
}

// The splash window 180 pixels right of and below the main window.
void montrefendem() {
    RECT r{paramjeu.left, paramjeu.top, 0, 0};
    if (jeu.fenetre != nullptr) GetWindowRect(jeu.fenetre, &r);
    fendemarrage.fixesurecran(static_cast<short>(r.left + 180), static_cast<short>(r.top + 180));
    fendemarrage.simplaffidem(true);
}

} // namespace

void settailleprin(short size) {
    dessinjeu().taillechoisie = size;
    grilleram.settaillemmpix(0, size);
    grilleram.modele().debutmodaffichagrille();
    jeu.miseenpagevalide = false;
}

bool grillecharger(HWND, short number, const char* definition, bool ask) {
    sablierdeb();
    const std::string nom = definition != nullptr ? std::string(definition) : nomgrille(number);
    bool oui = true;
    if (ask) {
        blocagedujeu();
        chronomactiver(false);
        const std::string n = std::to_string(number);
        const short courante = anymode(modejeu, 0) ? paramjeu.grillecourante : short(0);
        const std::string laissee = courante > 0 ? std::to_string(courante) : std::string();
        oui = boitemessage(number == paramjeu.grillecourante ? 5 : 4, MB_YESNO | MB_ICONQUESTION,
                           n.c_str(), laissee.c_str()) == IDYES;
    }
    bool charge = false;
    if (oui && !nom.empty()) {
        if (anymode(modejeu, 0)) laissegrille();
        montrefendem();
        if (grilleload(0, &grilleram.modele(), nom.c_str()) != 0) {
            charge = true;
            paramjeu.grillecourante = number;
            jeu.grillefinie = false;
            setmode(modejeu);
            grilleram.setmodaffi(6);
            jeu.marqueurs[0] = jeu.marqueurs[1] = jeu.marqueurs[2] = 0;
            gstring etat;
            grilluserfromram(paramjeu, etat, number);
            restaureplateau(grilleram.modele(), niveauchoisi(paramjeu, number), etat.adr());
            settailleprin(paramjeu.taillecase);
            grilleram.modele().ajustepossicase();
            historique.clear();
            partieslaissees.reprend(number, historique, jeu.marqueurs);
            jeu.derniercaseaffichee = -1;
            affichronocourt();
            reaffigri();
        }
    }
    if (ask) {
        deblocagedujeu();
        chronomactiver(true);
    }
    chronomevaluer();
    sablierfin();
    return charge;
}

POINT pointlocal(POINT client) {
    const miseenpage& m = miseenpagecourante();
    return POINT{client.x - m.originex, m.originey - client.y};
}

void posevaleur() {
    const short c = jeu.casecourante;
    const short v = jeu.valeurcourante;
    if (grilleram.modele().casestvide(c)) {
        if (v > 0 && grilleram.modele().isautorisee(c, v) != 0) {
            grilleram.modele().setcaseval(c, v);
            memorisaction(historique, actionpose, v, c);
            if (grilleram.modele().cestfini() != 0) {
                jeu.grillefinie = true;
                reaffigri();
            }
        } else if (v == 0 && grilleram.modele().yadespossusers() != 0) {
            grilleram.modele().razpuser(c);
            bip(200, 50);
            reaffigri();
        } else {
            bipsrefus();
        }
        return;
    }
    const short ancienne = grilleram.modele().getcaseval(c);
    if (grilleram.modele().casestfixe(c)) {
        jeu.valeurcourante = ancienne;
        if (ancienne >= 1 && ancienne <= 6) cliquechiffre('F', ancienne);
        return;
    }
    if (v == 0 || v == ancienne) {
        grilleram.modele().setcaseval(c, 0);
        if (v == 0) grilleram.modele().defixercase(c);
        memorisaction(historique, actioneffacement, ancienne, c);
        reaffigri();
        signaleffacer();
        return;
    }
    bipsrefus();
}

void clicgauche(POINT p) {
    if (!anymode(modejeu, 0)) return;
    assuremiseenpage();
    if (clicfleche(p)) return;
    const POINT a = pointlocal(jeu.appuigauche);
    const auto ax = static_cast<short>(a.x);
    const auto ay = static_cast<short>(a.y);
    const short cellule = grilleram.modele().caseproche(ax, ay);
    const short point = cellule == 0 ? grilleram.modele().pointproche(ax, ay) : 0;
    if (cellule != 0) {
        jeu.casecourante = cellule;
        reaffigri();
        grilleram.modele().ajustepossicase();
        posevaleur();
    } else if (point == 0) {
        const short v = boutriproche(static_cast<short>(p.x), static_cast<short>(p.y));
        if (v != 0) cliquechiffre('T', v);
    } else {
        const long ecart = std::labs(p.x - jeu.appuigauche.x) + std::labs(p.y - jeu.appuigauche.y);
        if (ecart > 24) {
            defilesouris(a, pointlocal(p));
        } else if (ecart <= 5) {
            if (jeu.marqueurs[0] == point) {
                jeu.marqueurs[0] = jeu.marqueurs[1] = jeu.marqueurs[2] = 0;
            } else {
                jeu.marqueurs[2] = jeu.marqueurs[1];
                jeu.marqueurs[1] = jeu.marqueurs[0];
                jeu.marqueurs[0] = point;
            }
            reaffigri();
        }
    }
    grilleram.modele().cestfini();
}

void clicdroit() {
    if (!anymode(modejeu, 0)) return;
    assuremiseenpage();
    const POINT a = pointlocal(jeu.appuidroit);
    const auto ax = static_cast<short>(a.x);
    const auto ay = static_cast<short>(a.y);
    const short cellule = grilleram.modele().caseproche(ax, ay);
    if (cellule == 0) return;
    jeu.casecourante = cellule;
    reaffigri();
    if (paramjeu.remplitmarques && grilleram.modele().getpuser(cellule) == 0) {
        for (short v = 1; v <= 6; ++v) grilleram.modele().swapossuser(cellule, v);
        return;
    }
    const short v = grilleram.modele().possiproche(cellule, ax, ay);
    if (v != 0) grilleram.modele().swapossuser(cellule, v);
}

void laissegrille() {
    const short g = paramjeu.grillecourante;
    if (g <= 0) return;
    gstring etat;
    grilleram.modele().getactudata(3, &etat);
    memogrilluser(paramjeu, g, etat.adr());
    partieslaissees.garde(g, historique, jeu.marqueurs);
}

bool sauvejeu(bool silencieux) {
    if (paramjeu.grillecourante > 0) {
        gstring etat;
        grilleram.modele().getactudata(3, &etat);
        memogrilluser(paramjeu, paramjeu.grillecourante, etat.adr());
    }
    gstring nom;
    nomfichierparam(nom);
    if (ecriparamusernew(paramjeu, nom.adr())) return true;
    if (!silencieux) boitemessage(17, MB_OK | MB_ICONEXCLAMATION, nom.adr());
    return false;
}

bool quitterdemande() {
    blocagedujeu();
    chronomactiver(false);
    bool quitter = false;
    switch (boitemessage(9, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3)) {
    case IDYES:
        quitter =
            sauvejeu() || boitemessage(22, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
        break;
    case IDNO:
        quitter = true;
        break;
    default:
        break;
    }
    if (!quitter) {
        deblocagedujeu();
        chronomactiver(true);
    }
    return quitter;
}

void finsignaleffacer() {
    if (jeu.fenetre != nullptr) KillTimer(jeu.fenetre, timereffacement);
    signaleffacement(false);
}
