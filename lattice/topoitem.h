// Topology of single items: the cells of a hexagon, the neighbours of a point,
// the corners and edge neighbours of a cell, and two counts.
//
// Every name given back is canonical and expanded; lists of names are
// comma-terminated ("a,b,c,").
#pragma once

class gstring;
class lichavo;

// out becomes the six cells of the hexagon (a leading "X" is ignored), in the
// order of sixcasesdunhexa.
void topocasespotcethexa(gstring* out, const char* hexagon);
// out becomes the six neighbouring points of point (point + "A".."F").
void topovoisinspotcethexa(gstring* out, const char* point);
// out becomes the three corners of the cell: its point, point + A, and
// point + B for a ":AB" cell or point + F for a ":AF" cell (any other suffix
// counts as ":AF").
void topogivetroispointscase(gstring* out, const char* cell);
// out becomes the three cells sharing an edge with the cell: for P:AB the
// cells P:AF, PB:AF, PC:AF; for P:AF the cells P:AB, PE:AB, PF:AB.
void topogivetroisvoisicase(gstring* out, const char* cell);
// How many of the six cells of the hexagon centred at point are in cells
// (borrowed), 0..6.
short nbrecasesreelleshexa(const char* point, const lichavo* cells);
// Sum of the path's canonical step counts in the directions named by letters
// ("AB": steps A plus steps B); bytes other than "A".."F" count nothing.
// Saturates at 32767.
short topodistanseg(const char* path, const char* letters);
