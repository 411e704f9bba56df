// Where the play window opens: on the screen's work area, whatever position
// the parameter file gave. Pure arithmetic, without a window.
#pragma once

// A rectangle of screen pixels, right and bottom excluded.
struct zoneecran {
    long gauche = 0;
    long haut = 0;
    long droite = 0;
    long bas = 0;
};

// The window's top-left corner (gauche, haut) moved the least so that a
// window of largeur x hauteur lies inside zone. A window wider (taller) than
// zone starts at its left (top) edge: its caption and its button column,
// along its top and left, are then on the area and the rest overflows to
// the right and the bottom.
void rentrezone(short& gauche, short& haut, long largeur, long hauteur, const zoneecran& zone);
