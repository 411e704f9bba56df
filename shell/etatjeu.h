// The shell's process-wide state: the game in progress (clapartie), the
// window-side flags that coordinate drawing and input, the two lock counters,
// the mode palette and the beeper.
#pragma once

#include "platform/win32.h"

#include "render/clagripage.h"
#include "shell/core/partie.h"

#include <array>
#include <functional>

struct etatjeu {
    HINSTANCE instance = nullptr;
    HWND fenetre = nullptr; // the main window
    short sousmode = 0;
    short appli = 0;
    short nbgrilles = 5;
    short pagereglesnum = 1;     // the rules page shown, reglepadeb..reglepafin
    short nidpositionnement = 0; // non-zero while the shell places the window
    short verrousboutons = 0;    // button lock counter (a command is running)
    bool repeindre = false;      // repaint-pending flag
    bool pret = false;           // shell-ready flag
    bool miseenpagevalide = false;
    bool fenetremontrable = false;
    bool boutonscreables = false;
    bool boutonsarafraichir = true;
    // Press points of the last left and right presses, client pixels.
    POINT appuigauche{0, 0};
    POINT appuidroit{0, 0};
    short derniercaseaffichee = -1;
};

extern etatjeu jeu;
// The game in progress.
extern clapartie partie;
// The drawn page of the grid in play (slot 0): it draws the game's grid.
clagripage& grillepage();

// Mode word: stores m, then modefenetre.
void setmode(modeappli m);
// What the window does on a mode set: clears the sub-mode, puts the display
// flags the drawing reads back to their play values, makes the window device
// current, recomputes the palette and the chronometer rule.
void modefenetre();
// True when the mode is set and equals a or b.
bool anymode(modeappli a, modeappli b = modeappli::aucun);
void setappli(short a);
// The game lock (around every modal box) and the button lock (around every
// command; never below 0).
void blocagedujeu();
void deblocagedujeu();
void boutonbloquer();
void boutonlaisser();
// Ask for one repaint at the end of the current message.
void reaffigri();

// Re-evaluate which grid's chronometer runs (the window's flags kept by the
// game in progress).
void chronomevaluer();
void chronomactiver(bool actif);
void fenetreduction(bool minimise);

// Mode palette: the colour roles of dessinjeu() (peinture.h).
void jeucouleurs();
void grisoubleu();
void couleursdumode();

// Beep through Beep() on the beeper's thread (bipeur.h), after the beeps
// still playing; returns at once. Every beep is also given to the observer
// when one is set (tests watch the beeps this way).
void bip(DWORD frequence, DWORD duree);
void fixeobservateurbips(std::function<void(DWORD, DWORD)> observateur);
// The refusal beeps: 800 Hz then 1200 Hz, 5 ms each.
void bipsrefus();
