// The shell's process-wide state, modes, locks, chronometer rule, palette and
// beeper.
#include "shell/etatjeu.h"

#include "shell/bipeur.h"
#include "shell/peinture.h"

#include "render/couleurs.h"

etatjeu jeu;
clapartie partie;

clagripage& grillepage() {
    static clagripage page;
    page.lier(partie.grilledessin());
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
    dessinjeu().mainone = 1;
    dessinjeu().contraffi = 0;
    devfenetre().setechelle(1.0f);
    couleursdumode();
    chronomevaluer();
}

bool anymode(modeappli a, modeappli b) {
    return partie.anymode(a, b);
}

void setappli(short a) {
    jeu.appli = a;
    dessinjeu().contraffi = 0;
}

void blocagedujeu() {
    etatfenetre f = partie.fenetre();
    ++f.verrous;
    partie.fixefenetre(f);
    chronomevaluer();
}

void deblocagedujeu() {
    etatfenetre f = partie.fenetre();
    if (f.verrous > 0) --f.verrous;
    partie.fixefenetre(f);
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

void chronomevaluer() {
    partie.chronomevaluer();
}

void chronomactiver(bool actif) {
    etatfenetre f = partie.fenetre();
    f.actif = actif;
    partie.fixefenetre(f);
    chronomevaluer();
}

void fenetreduction(bool minimise) {
    etatfenetre f = partie.fenetre();
    f.minimise = minimise;
    partie.fixefenetre(f);
    chronomevaluer();
}

void jeucouleurs() {
    dessinjeu() = contextedessin{};
    dessinjeu().crochets.reglesaffichees = [] { return anymode(modeappli::regles); };
}

void grisoubleu() {
    // Outside play the cells are not tinted: the grid reads as a picture.
    dessinjeu().grisfondcase = anymode(modeappli::jeu) ? clair(0x00FFFF) : 0xFFFFFF;
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
