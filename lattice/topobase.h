// The process-wide base patterns of the topology, relative to a hexagon whose
// centre is the origin, and the rules-variant flag.
//
// Each pattern is a comma-terminated list of canonical names (a point, a
// point followed by ":AB" / ":AF" for a cell, or by ":A" / ":B" / ":C" for a
// segment), except the corner and edge-neighbour patterns, which have no
// final comma.
// They are built by globinitvoragotopo(); every topology operation calls it
// itself, so they are always ready when a topology list is built.
#pragma once

#include "foundation/gstring.h"

// The six cells of the hexagon: ":AB", "C:AF", "D:AB", "D:AF", "E:AB", ":AF".
extern gstring sixcasesdunhexa;
// The six outside cells across the hexagon's edges, as three pairs of
// opposite cells.
extern gstring sixcasopposhexa;
// Three groups of six: two opposite outside cells, then the four corners at
// the ends of the two edges they lie on.
extern gstring sixcasopposgspvo;
// The six outside cells sharing an edge with the hexagon.
extern gstring sixvoisineshexapcote;
// The twelve outside cells sharing only a corner with the hexagon.
extern gstring douzevoisineshexapsommet;
// sixvoisineshexapcote followed by douzevoisineshexapsommet.
extern gstring dixhuitvoisineshexa;
// The six spokes from the centre to the corners.
extern gstring sixsegminternes;
// The six edges of the hexagon's outline.
extern gstring sixsegmexternes;
// The corners of a ":AB" cell (",A,B") and of a ":AF" cell (",A,F").
extern gstring troispointscaseab;
extern gstring troispointscaseaf;
// The edge neighbours of a ":AB" cell (":AF,B:AF,C:AF") and of a ":AF" cell
// (":AB,E:AB,F:AB").
extern gstring troisvoisicaseab;
extern gstring troisvoisicaseaf;

// Rules variant: when set, hexagon-to-partial-hexagon pairs are not listed
// (topolisthexasvoisins). Off by default.
extern unsigned char topotravengsp;

// Build the base patterns. Only the first call does the work; later calls
// return at once.
void globinitvoragotopo();
