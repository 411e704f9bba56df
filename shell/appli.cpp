// The application object: what it owns at the start and the operations the
// window side shares (modes, locks, chronometer rule, palette, beeps,
// cursor, tooltip texts).
#include "shell/appli.h"

#include "render/couleurs.h"
#include "shell/core/textesvora.h"

claappli::claappli(HINSTANCE i)
    : instance(i), bipeur([](DWORD frequence, DWORD duree) { Beep(frequence, duree); }) {
    page.lier(partie.grilledessin());
    page.setdevice(0, &dev);
    jeucouleurs();
}

claappli::~claappli() {
    bipeur.arrete();
    // A main window still there goes with its application object, which its
    // procedure must no longer reach.
    if (fenetre != nullptr && IsWindow(fenetre)) {
        SetWindowLongPtrA(fenetre, GWLP_USERDATA, 0);
        DestroyWindow(fenetre);
    }
    menu.ferme();
    bulle.ferme();
    fendemarrage.scratch();
    tooltip.scratch();
    regions.libere();
}

void claappli::setmode(modeappli m) {
    partie.fixemode(m);
    modefenetre();
}

void claappli::modefenetre() {
    contexte.mainone = 1;
    contexte.contraffi = 0;
    contexte.reglesaffichees = anymode(modeappli::regles);
    dev.setechelle(1.0f);
    couleursdumode();
    chronomevaluer();
}

void claappli::paramdefaut() {
    settailleprin(taillecasedefaut);
    jeucouleurs();
    setmode(modeappli::sansgrille);
}

void claappli::blocagedujeu() {
    etatfenetre f = partie.fenetre();
    ++f.verrous;
    partie.fixefenetre(f);
    chronomevaluer();
}

void claappli::deblocagedujeu() {
    etatfenetre f = partie.fenetre();
    if (f.verrous > 0) --f.verrous;
    partie.fixefenetre(f);
    chronomevaluer();
}

void claappli::boutonlaisser() {
    if (verrousboutons > 0) --verrousboutons;
}

void claappli::chronomactiver(bool actif) {
    etatfenetre f = partie.fenetre();
    f.actif = actif;
    partie.fixefenetre(f);
    chronomevaluer();
}

void claappli::fenetreduction(bool minimise) {
    etatfenetre f = partie.fenetre();
    f.minimise = minimise;
    partie.fixefenetre(f);
    chronomevaluer();
}

void claappli::jeucouleurs() {
    contexte = contextedessin{};
}

void claappli::grisoubleu() {
    // Outside play the cells are not tinted: the grid reads as a picture.
    contexte.grisfondcase = anymode(modeappli::jeu) ? clair(0x00FFFF) : 0xFFFFFF;
}

void claappli::couleursdumode() {
    contexte.grischiffrefixe = 0;
    contexte.grischiffrejoue = 0xFF00FF;
    contexte.cjeutourcase = 0;
    contexte.grisinterne = nuancegris(30);
    contexte.grisvingt = nuancegris(20);
    grisoubleu();
}

void claappli::bip(DWORD frequence, DWORD duree) {
    if (observateurbips) observateurbips(frequence, duree);
    bipeur.joue(frequence, duree);
}

void claappli::bipsrefus() {
    bip(800, 5);
    bip(1200, 5);
}

void claappli::fixecursouris(bool force) {
    curseurs.fixecursouris(force, partie.valeurcourante(), anymode(modeappli::regles));
}

void claappli::sablierdeb() {
    curseurs.sablierdeb(partie.valeurcourante(), anymode(modeappli::regles));
}

void claappli::sablierfin() {
    curseurs.sablierfin(partie.valeurcourante(), anymode(modeappli::regles));
}

void claappli::signaleffacement(bool oui) {
    curseurs.signaleffacement(oui, partie.valeurcourante(), anymode(modeappli::regles));
}

void claappli::textipenvoi() {
    tooltip.setidnuzero(13);
    tooltip.virefentooltip();
    tooltip.cleartextips();
    const std::size_t jeu = anymode(modeappli::regles) ? 2 : 0;
    const std::size_t langue = partie.parametres().langue == langueanglais ? 1 : 0;
    for (const auto& [id, texte] : textestips[jeu + langue]) tooltip.settextip(id, texte.c_str());
}

void claappli::settailleprin(short size) {
    contexte.taillechoisie = size;
    page.settaillemmpix(0, size);
    page.modele().debutmodaffichagrille();
    miseenpagevalide = false;
}

std::string claappli::titre() {
    gstring t;
    titreprogramme(t);
    return t.adr();
}
