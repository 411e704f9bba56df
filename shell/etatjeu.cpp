// The shell's process-wide state, modes, locks, chronometer rule, palette and
// beeper.
#include "shell/etatjeu.h"

#include "shell/bipeur.h"

#include "render/couleurs.h"
#include "render/gripagereglages.h"

etatjeu jeu;
clapartie partie;

clagripage& grillepage() {
    static clagripage page;
    page.lier(partie.grille());
    return page;
}

namespace {
std::function<void(DWORD, DWORD)> observateurbips;
} // namespace

void setmode(modeappli m) {
    partie.fixemode(m);
    modefenetre();
}

void modefenetre() {
    jeu.sousmode = 0;
    mainone = 1;
    contraffi = 0;
    jeu.compteurcontraintes = 0;
    pdevactu = &fenecrout;
    pdevactu->setechelle(1.0f);
    couleursdumode();
    chronomevaluer();
}

bool anymode(modeappli a, modeappli b) {
    return partie.anymode(a, b);
}

void setappli(short a) {
    jeu.appli = a;
    contraffi = 0;
}

void blocagedujeu() {
    ++jeu.verrousjeu;
    chronomevaluer();
}

void deblocagedujeu() {
    if (jeu.verrousjeu > 0) --jeu.verrousjeu;
    chronomevaluer();
}

void boutonbloquer() {
    ++jeu.verrousboutons;
}

void boutonlaisser() {
    if (jeu.verrousboutons > 0) --jeu.verrousboutons;
}

void reaffigri() {
    jeu.repeindre = true;
}

etatchrono etatchronocourant() {
    etatchrono e = partie.etatpartie();
    e.actif = jeu.chronoactif;
    e.minimise = jeu.minimise;
    e.verrous = jeu.verrousjeu;
    return e;
}

void chronomevaluer() {
    partie.parametres().chronos.chronomevaluer(etatchronocourant());
}

void chronomactiver(bool actif) {
    jeu.chronoactif = actif;
    chronomevaluer();
}

void fenetreduction(bool minimise) {
    jeu.minimise = minimise;
    chronomevaluer();
}

void jeucouleurs() {
    reglagesdejeu();
    crochetsgripage.reglesaffichees = [] { return anymode(modeappli::regles); };
}

void grisoubleu() {
    // Outside play the cells are not tinted: the grid reads as a picture.
    grisfondcase = anymode(modeappli::jeu) ? clair(0x00FFFF) : 0xFFFFFF;
}

void couleursdumode() {
    grischiffrefixe = 0;
    grischiffrejoue = 0xFF00FF;
    cjeutourcase = 0;
    griscontour = nuancegris(80);
    grisinterne = nuancegris(30);
    grisvingt = nuancegris(20);
    grisoubleu();
}

void bip(DWORD frequence, DWORD duree) {
    if (observateurbips) observateurbips(frequence, duree);
    bipeurjeu().joue(frequence, duree);
}

void fixeobservateurbips(std::function<void(DWORD, DWORD)> observateur) {
    observateurbips = std::move(observateur);
}

void bipsrefus() {
    bip(800, 5);
    bip(1200, 5);
}
