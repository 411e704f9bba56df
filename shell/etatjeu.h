// The shell's process-wide state: the grid in play, its undo history, the
// parameter file's state, the modes, the flags that coordinate drawing and
// input, the two lock counters, the mode palette and the beeper.
#pragma once

#include "platform/win32.h"

#include "render/clagripage.h"
#include "shell/core/defairefaire.h"
#include "shell/core/paramuser.h"
#include "shell/core/partiesgrilles.h"

#include <array>
#include <functional>

// Application modes.
inline constexpr short modesansgrille = 1; // no grid: the shell is idle
inline constexpr short modejeu = 4;        // playing a grid
inline constexpr short moderegles = 5;     // rules pages

struct etatjeu {
    HINSTANCE instance = nullptr;
    HWND fenetre = nullptr; // the main window
    short mode = 0;
    short sousmode = 0;
    short appli = 0;
    short valeurcourante = 1; // 0..6, 0 the eraser
    short casecourante = 1;
    short nbgrilles = 5;
    short pagereglesnum = 1;
    short nidpositionnement = 0; // non-zero while the shell places the window
    short verrousjeu = 0;        // game lock counter (a message box is open)
    short verrousboutons = 0;    // button lock counter (a command is running)
    bool repeindre = false;      // repaint-pending flag
    bool pret = false;           // shell-ready flag
    bool miseenpagevalide = false;
    bool fenetremontrable = false;
    bool boutonscreables = false;
    bool minimise = false;
    bool grillefinie = false;
    bool chronoactif = true;
    std::array<short, 3> marqueurs{0, 0, 0}; // lattice points: newest, previous, oldest
    short compteurcontraintes = 0;
    bool boutonsarafraichir = true;
    // Press points of the last left and right presses, client pixels.
    POINT appuigauche{0, 0};
    POINT appuidroit{0, 0};
    short derniercaseaffichee = -1;
    bool indicefleches = true; // the arrows are explained the first time they show
};

extern etatjeu jeu;
// The grid in play (page slot 0).
extern clagripage grilleram;
extern defairefaire historique;
// The undo histories and markers of the grids left during the run.
extern partiesgrilles partieslaissees;
extern claparamuser paramjeu;

// Mode word: stores m, clears the sub-mode, puts the display flags the drawing
// reads back to their play values, makes the window device current and
// recomputes the palette.
void setmode(short m);
// True when the mode is positive and equals a or b.
bool anymode(short a, short b);
void setappli(short a);
// The game lock (around every modal box) and the button lock (around every
// command; never below 0).
void blocagedujeu();
void deblocagedujeu();
void boutonbloquer();
void boutonlaisser();
// Ask for one repaint at the end of the current message.
void reaffigri();

// The shell's flags as the chronometer rule reads them; re-evaluate which
// grid's chronometer runs from them.
etatchrono etatchronocourant();
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
