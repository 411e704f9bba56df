// The shell's process-wide state, modes, locks, chronometer rule, palette and
// beeper.
#include "shell/etatjeu.h"

#include "shell/bipeur.h"
#include "shell/peinture.h"

#include "render/couleurs.h"

etatjeu jeu;
clagripage grilleram;
defairefaire historique;
partiesgrilles partieslaissees;
claparamuser paramjeu;

namespace {
std::function<void(DWORD, DWORD)> observateurbips;
} // namespace

void setmode(short m) {
    jeu.mode = m;
    jeu.sousmode = 0;
    dessinjeu().mainone = 1;
    dessinjeu().contraffi = 0;
    jeu.compteurcontraintes = 0;
    devfenetre().setechelle(1.0f);
    couleursdumode();
    chronomevaluer();
}

bool anymode(short a, short b) {
    return jeu.mode > 0 && (jeu.mode == a || jeu.mode == b);
}

void setappli(short a) {
    jeu.appli = a;
    dessinjeu().contraffi = 0;
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
    etatchrono e;
    e.affichage = paramjeu.chronoaffiche;
    e.actif = jeu.chronoactif;
    e.minimise = jeu.minimise;
    e.verrous = jeu.verrousjeu;
    e.mode = jeu.mode;
    e.grille = paramjeu.grillecourante;
    e.grillefinie = grilleram.modele().getnbcases() > 0 && grilleram.modele().cestfini() != 0;
    return e;
}

void chronomevaluer() {
    paramjeu.chronos.chronomevaluer(etatchronocourant());
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
    dessinjeu() = contextedessin{};
    dessinjeu().crochets.reglesaffichees = [] { return anymode(moderegles, 0); };
}

void grisoubleu() {
    // Outside play the cells are not tinted: the grid reads as a picture.
    dessinjeu().grisfondcase = anymode(modejeu, 0) ? clair(0x00FFFF) : 0xFFFFFF;
}

void couleursdumode() {
    contextedessin& c = dessinjeu();
    c.grischiffrefixe = 0;
    c.grischiffrejoue = 0xFF00FF;
    c.cjeutourcase = 0;
    c.grisinterne = nuancegris(30);
    c.grisvingt = nuancegris(20);
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
