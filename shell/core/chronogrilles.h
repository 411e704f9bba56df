// The per-grid chronometers, the rule that decides which one runs, and the
// short text of the chronometer box.
//
// The windowed shell keeps one chronogrilles and, whenever one of the flags
// of etatchrono changes (a message box opens or closes: chronomactiver; the
// window is minimised or restored: fenetreduction; a grid is loaded or
// finished; the rules pages open or close; the display flag changes), calls
// chronomevaluer with the flags as they now are. Timer 1 (200 ms) calls
// affichronocourt and sets the box's text only when it returns true. "F"
// calls remiseazero for the current grid; the parameter file reads and
// writes the seconds through grille(i).
#pragma once

#include "shell/core/durelapsed.h"
#include "shell/core/modeappli.h"

#include "foundation/gstring.h"

#include <vector>

// What the rule reads from the shell.
struct etatchrono {
    bool affichage = true;           // the chronometer display flag ("chro")
    bool actif = true;               // the chronometer-active flag (chronomactiver)
    bool minimise = false;           // the main window is minimised
    short verrous = 0;               // the game lock counter (a message box is open)
    modeappli mode = modeappli::jeu; // the application mode
    short grille = 0;                // the current grid number, 0 for none
    bool grillefinie = false;        // every cell of the current grid is filled
};

// The grid whose chronometer should run, or 0 when none should: the display
// is on, the chronometer is active, the window is not minimised, no message
// box is open, a grid is being played (modeappli::jeu) and it is not finished.
short chronoquitourne(const etatchrono& etat);

class chronogrilles {
public:
    // nbgrilles chronometers, all cleared and stopped.
    explicit chronogrilles(short nbgrilles = 5);

    short getnbgrilles() const { return static_cast<short>(chronos.size()); }
    // The chronometer of grid i (1-based); i outside 1..count gives a spare
    // chronometer that no rule starts.
    durelapsed& grille(short i);
    // Grid i's whole seconds; 0 outside 1..count.
    std::int32_t getsec(short i) const;
    // Suspend every chronometer but the one chronoquitourne names, and start
    // that one (a running one restarts its span, losing only the fraction of
    // a second and of a tenth).
    void chronomevaluer(const etatchrono& etat);
    // Clear grid i's chronometer (its time back to 0), then chronomevaluer.
    void remiseazero(short i, const etatchrono& etat);
    // The short text of grid i's chronometer: the display text (in English
    // when anglais is set) padded on the left with (4 - length / 2) blanks
    // when that is positive. Returns
    // whether it differs from the text returned last time (the box is then
    // rewritten with out). With pret false (the shell is not ready) the
    // remembered text is emptied, out is emptied and false is returned.
    bool affichronocourt(short i, bool pret, gstring& out, bool anglais = false);

private:
    std::vector<durelapsed> chronos;
    durelapsed horsgrille;
    gstring dernieraffiche;
};
