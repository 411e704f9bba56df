// clacolonne: the button column of the main window: its buttons and text
// boxes at their fixed positions (made as children of the main window, their
// zones given to the tooltip), and their showing and enabling by id.
#pragma once

#include "platform/win32.h"

#include "shell/clagdtooltip.h"

#include <vector>

// Positions of the column (client pixels), filled by clacolonne::cree.
struct colonneboutons {
    short centrex = 55;
    short premierey = 20;
    short hauteur = 20;
    short grillesy = 0;        // top of the first grid button
    short hauteurgrille = 20;  // the grid buttons' height (less with the generated grid's)
    short niveauy = 0;         // the level text
    short valeury = 0;         // the current value's text
    short selecteurhaut = 290; // top of the value selector
    short bas = 0;             // bottom of the last button
};

class clacolonne {
public:
    clacolonne() = default;
    clacolonne(const clacolonne&) = delete;
    clacolonne& operator=(const clacolonne&) = delete;

    // Create the whole column as children of parent, each button's zone
    // given to tooltip: the grid buttons and the level text when grilles,
    // the chronometer box when chrono. Nothing when it was made already.
    void cree(HWND parent, HINSTANCE instance, clagdtooltip& tooltip, bool grilles, bool chrono);
    bool creee() const { return !crees.empty(); }
    // Show or hide every button and text box but the rules pages' ("<", ">"
    // and "R", shown by montrebouton).
    void montre(int montrer);
    void active(short id, bool oui);
    // The grid buttons as a generated grid exists or not: without it Gr1 to
    // Gr5 at the height of every button; with it six lower buttons in the
    // same space, "N" (idboutonnouvelle) the sixth, shown while montre
    // shows the column. Nothing when the column has no grid buttons.
    void placegrilles(bool nouvelle);
    void montrebouton(short id, bool oui);
    // A created button by id (the first, for the text boxes); null when absent.
    HWND bouton(short id) const;
    // The cell-name box under the pointer; the chronometer box (null when
    // the chronometer display is off).
    HWND boitenomcase() const { return boitecase; }
    HWND boitechrono() const { return boitechronometre; }
    // Forget the column once the main window (and so every button) is gone,
    // and its zones in the tooltip.
    void oublie(clagdtooltip& tooltip);

    colonneboutons pos;

private:
    struct boutoncree {
        short id;
        HWND fenetre;
    };
    HWND creabouton(short id, const char* titre, short x, short y, short w, short h);
    HWND creastatic(const char* texte, short x, short y, short w, short h);

    HWND parent = nullptr;
    HINSTANCE instance = nullptr;
    clagdtooltip* tips = nullptr;
    std::vector<boutoncree> crees;
    HWND boitecase = nullptr;
    HWND boitechronometre = nullptr;
    bool avecnouvelle = false;
    bool montree = false;
};
