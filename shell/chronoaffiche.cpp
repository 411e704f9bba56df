// The chronometer box's text.
#include "shell/chronoaffiche.h"

void affichronocourt(claappli& a) {
    if (!a.partie.parametres().chronoaffiche) return;
    gstring texte;
    if (!a.partie.textechrono(a.pret, texte)) return;
    if (HWND boite = a.colonne.boitechrono()) SetWindowTextA(boite, texte.adr());
}
