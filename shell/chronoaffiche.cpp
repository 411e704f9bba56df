// The chronometer box's text.
#include "shell/chronoaffiche.h"

#include "shell/boutons.h"
#include "shell/etatjeu.h"

void affichronocourt() {
    if (!partie.parametres().chronoaffiche) return;
    gstring texte;
    if (!partie.textechrono(jeu.pret, texte)) return;
    if (HWND boite = boitechrono()) SetWindowTextA(boite, texte.adr());
}
