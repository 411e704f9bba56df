// claappli: the application object, built once in WinMain (and by each of
// the shell's scenario tests). It owns what the window side needs for the
// run: the game in progress, the layout and the window's shape, the drawn
// page with its settings, device and kept bitmaps, the button column, the
// value selector, the tooltip and its texts, the popup menu, the help's
// bubble, the cursors, the splash window, the beeper, the rules pages'
// pictures, the generator's job and the parameter file's lock. Beside them
// it keeps the window-side flags, and gives the few operations every part
// of the window side shares: the repaint request, the locks, the
// chronometer rule, the mode and its palette, the beeps and the cursor.
//
// The window procedure (fenetre.h) hands each message to a controller
// (pilote*.h) or to the command table (commandes.h); they and the services
// below them (the effects' translator jeu.h, the layout miseenpage.h, the
// scrolling defilement.h, the paint peinture.h) take the application object
// by reference. It knows none of them.
#pragma once

#include "platform/win32.h"

#include "shell/bipeur.h"
#include "shell/boutons.h"
#include "shell/bulle.h"
#include "shell/clagdtooltip.h"
#include "shell/curseurs.h"
#include "shell/fendemarrage.h"
#include "shell/menupopup.h"
#include "shell/regions.h"
#include "shell/selecteur.h"
#include "shell/tracepeinture.h"
#include "shell/vuejeu.h"

#include "render/bitmapmemoire.h"
#include "render/cladevout.h"
#include "render/clagripage.h"
#include "render/contextedessin.h"
#include "render/pageregle.h"
#include "render/palette/palette.h"
#include "shell/core/nouvelletache.h"
#include "shell/core/partie.h"
#include "shell/core/verrouparam.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class claappli {
public:
    // The game at its start: no window yet (demarrage makes it), the drawn
    // page lent the game's grid, the beeper on Beep.
    explicit claappli(HINSTANCE instance);
    // The windows it made destroyed (the main window, if still there, without
    // its procedure reaching this object again), the beeper stopped.
    ~claappli();
    claappli(const claappli&) = delete;
    claappli& operator=(const claappli&) = delete;

    // The shared operations.
    // Ask for one repaint at the end of the current message.
    void reaffigri() { repeindre = true; }
    // Mode word: the game's mode set, then modefenetre.
    void setmode(modeappli m);
    // What the window does on a mode set: puts the display flags the drawing
    // reads back to their play values, makes the window device current,
    // recomputes the palette and the chronometer rule.
    void modefenetre();
    // True when the mode is set and equals a or b.
    bool anymode(modeappli a, modeappli b = modeappli::aucun) const { return partie.anymode(a, b); }
    // The default state, put in place before the parameter file is read:
    // the default cell size, the initial palette, mode 1 (no grid).
    void paramdefaut();
    // The game lock (around every modal box) and the button lock (around
    // every command; never below 0).
    void blocagedujeu();
    void deblocagedujeu();
    void boutonbloquer() { ++verrousboutons; }
    void boutonlaisser();
    // Re-evaluate which grid's chronometer runs (the window's flags kept by
    // the game in progress); the chronometer let run or stopped; the window
    // minimised or restored.
    void chronomevaluer() { partie.chronomevaluer(); }
    void chronomactiver(bool actif);
    void fenetreduction(bool minimise);
    // Mode palette: the colour roles of the grid's drawing.
    void jeucouleurs();
    void grisoubleu();
    void couleursdumode();
    // Beep through Beep() on the beeper's thread (bipeur.h), after the beeps
    // still playing; returns at once. Every beep is also given to
    // observateurbips when it is set (tests watch the beeps this way).
    void bip(DWORD frequence, DWORD duree);
    void bipsrefus();
    // The mouse cursor the state calls for (clacurseurs), the hourglass on
    // and off, the erase signal's cursor.
    void fixecursouris(bool force);
    void sablierdeb();
    void sablierfin();
    void signaleffacement(bool oui);
    // The tooltip's texts for the current mode and language, taken from
    // textestips (the command table fills them at start-up).
    void textipenvoi();
    // Give the grid in play the cell size (pixels) and mark the layout stale.
    void settailleprin(short size);
    // The program's title, "V-O-RA 110".
    static std::string titre();

    HINSTANCE instance = nullptr;
    HWND fenetre = nullptr; // the main window
    clapartie partie;

    // Window-side flags.
    short nbgrilles = 5;
    short pagereglesnum = 1;     // the rules page shown, reglepadeb..reglepafin
    short nidpositionnement = 0; // non-zero while the shell places the window
    short verrousboutons = 0;    // button lock counter (a command is running)
    short marqueurcreation = 0;  // 2 while CreateWindowExA makes the main window
    bool repeindre = false;      // repaint-pending flag
    bool pret = false;           // shell-ready flag
    bool miseenpagevalide = false;
    bool fenetremontrable = false;
    bool boutonscreables = false;
    bool boutonsarafraichir = true;
    bool peinteenjeu = false; // the grid in play was painted during this message
    // Press points of the last left and right presses, client pixels.
    POINT appuigauche{0, 0};
    POINT appuidroit{0, 0};
    short derniercaseaffichee = -1;
    // What the buttons showed at their last refresh (etatcolonne.h): -1
    // before any.
    int actifavant = -1;
    int jouantavant = -1;
    int pageavant = -1;

    // The layout and the window's shape.
    miseenpage courante;
    regionsjeu regions;

    // The drawn page of the grid in play (slot 0: the game's grid, lent for
    // the run), its settings and the view computed before each paint
    // (peinture.h), the palette of the look in force (its contour and window
    // background are the paint's own), the window's device and the two kept
    // bitmaps (the grid background until the layout or the look changes, and
    // the full picture).
    clagripage page;
    contextedessin contexte;
    palettedessin palette = palettedutheme(themeoriginal);
    vuejeu vue;
    cladevout dev;
    std::unique_ptr<bitmapmemoire> fond;
    std::unique_ptr<bitmapmemoire> tout;
    clapagesregles regles;

    // The windows beside the grid.
    clacolonne colonne;
    claselecteur selecteur;
    clagdtooltip tooltip;
    // The tooltip's texts by id: outside the rules pages in French and in
    // English, then on the rules pages in French and in English.
    std::array<std::vector<std::pair<short, std::string>>, 4> textestips;
    clamenupopup menu;
    clabulle bulle;
    bool aidemontree = false; // the help shows (its marks, its bubble)
    clacurseurs curseurs;
    clafendemarrage fendemarrage;

    clabipeur bipeur;
    std::function<void(DWORD, DWORD)> observateurbips;
    clatracepeinture trace;

    // New grids: the generator's job, the shape chosen in the picker, and
    // whether the indicator shows.
    clanouvelletache tache;
    std::string formechoisie;
    bool indicateur = false;

    // The parameter file in use and its lock, held for the whole game.
    claverrouparam verrou;
    std::string fichier;
};
