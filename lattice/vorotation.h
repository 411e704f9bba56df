// Rotations and mirrors of the lattice as letter substitutions on path, cell
// and segment texts ("A".."F"; lower-case directions come out upper case; every
// other byte is unchanged). Each transforms its text in place; the length
// never changes. The cell or segment suffix is not renormalised here (see
// vonormalise.h).
#pragma once

#include "lattice/clatraducara.h"

class gstring;

// Rotation by 60 degrees (clockwise as drawn): A->B, B->C, ..., F->A.
void vorotagausoixante(char* text);
void vorotagausoixante(gstring* text);
// Rotation by 120 degrees: A->C, B->D, C->E, D->F, E->A, F->B.
void vorotagaucentvingt(char* text);
void vorotagaucentvingt(gstring* text);
// Half turn: A<->D, B<->E, C<->F.
void vorotacentquatrevingt(char* text);
void vorotacentquatrevingt(gstring* text);
// Mirror across the vertical axis (left and right exchanged): A<->D, B<->C, E<->F.
void vosymethoriz(char* text);
void vosymethoriz(gstring* text);
// Mirror across the horizontal axis (up and down exchanged): A, D fixed,
// B<->F, C<->E.
void vosymetverti(char* text);
void vosymetverti(gstring* text);

// Wrap a letter code into "A".."F" (adding or removing 6 as often as needed).
char caracafbon(int code);
// Fold "a".."f" to upper case and replace each "A".."F" by the next letter,
// "F" wrapping to "A".
void vorotasoixantescargot(char* text);

// The five process-wide tables, built on first use from "ABCDEF-abcdef".
const clatraducara& rotavosoixante();
const clatraducara& rotavocentvingt();
const clatraducara& rotavodemitour();
const clatraducara& symexaghoriz();
const clatraducara& symexagverti();
