// clacurseurs: the mouse cursors of the main window: the arrow, the
// hourglass, six value cursors (an arrow with the digit to its right), the
// eraser, the erase signal and a spare, and which one the state calls for.
#pragma once

#include "platform/win32.h"

class clacurseurs {
public:
    clacurseurs() = default;
    // destrucursou().
    ~clacurseurs();
    clacurseurs(const clacurseurs&) = delete;
    clacurseurs& operator=(const clacurseurs&) = delete;

    // Create the nine cursors from their masks (the ones made before are
    // destroyed) and load the standard ones.
    void creacursouris(HINSTANCE instance);
    // Destroy the nine created cursors.
    void destrucursou();
    // Set the cursor the state calls for: the hourglass while it is on, the
    // arrow on the rules pages (regles), the erase cursor during the erase
    // signal, else the cursor of valeur (0..6). Only when it changed, unless
    // force.
    void fixecursouris(bool force, short valeur, bool regles);
    // The hourglass, nested; never below 0. The cursor is set when it
    // starts or ends.
    void sablierdeb(short valeur, bool regles);
    void sablierfin(short valeur, bool regles);
    // The erase signal's cursor on or off.
    void signaleffacement(bool oui, short valeur, bool regles);
    // The index of the cursor last set: 0..6 the values, 7 the hourglass, 8
    // the arrow, 10 the erase cursor; -1 before any.
    short curseurcourant() const { return indexcourant; }

private:
    HCURSOR curseurdindex(short index) const;

    HCURSOR crees[9] = {};
    HCURSOR fleche = nullptr;
    HCURSOR sablier = nullptr;
    short indexcourant = -1;
    short niveausablier = 0;
    bool effacement = false;
};
