// The chronometer box's text.
#include "shell/chronoaffiche.h"

#include "shell/boutons.h"
#include "shell/etatjeu.h"

void affichronocourt() {
    if (!paramjeu.chronoaffiche) return;
    gstring texte;
    if (!paramjeu.chronos.affichronocourt(paramjeu.grillecourante, jeu.pret, texte,
                                          paramjeu.langue == langueanglais))
        return;
    if (HWND boite = boitechrono()) SetWindowTextA(boite, texte.adr());
}
