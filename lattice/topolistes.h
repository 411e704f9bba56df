// The topology lists of a grid, derived from its hexagon list and cell list.
//
// Defined over four files of lattice/: topolistes.cpp (topocompletecases,
// topocalculipoint, topoajoutcompartiels, topolisthexasvoisins,
// topofuturvoisidouze), topoautour.cpp (topocasesautourgri), topoopposes.cpp
// (topocrealicasoppo, topocrealistoppodemi) and topocontour.cpp
// (topocontourtritop). The base patterns they share are in topobase.h, their
// common helpers in topointerne.h, the topology of single items in topoitem.h.
//
// Every list holds canonical expanded names (see vonormalise.h). Outputs come
// first in the argument lists; lists are borrowed, never kept. Unless said
// otherwise an output is cleared first and comes out sorted in list order
// (trialpha, sort mode 0) without duplicates. Hexagon texts may carry a
// leading "X". An empty grid gives empty outputs.
#pragma once

class lichavo;

// Add to cells the six cells of every hexagon that are not yet there, then
// sort cells and remove its duplicates.
void topocompletecases(lichavo* cells, const lichavo* hexagons);

// points becomes the set of all corners of all cells.
void topocalculipoint(lichavo* points, const lichavo* cells);

// Over the corner points of the cells: a point whose six hexagon cells are all
// in cells is appended to complete (unless present; complete is not cleared
// nor sorted); a point with 3, 4 or 5 of them is appended to partial (cleared
// first; comes out sorted).
void topoajoutcompartiels(lichavo* complete, lichavo* partial, const lichavo* cells);

// For each hexagon H and direction d = A..F, with N = H + d: "cc:H,N" when N
// is a hexagon and d is A, B or C; otherwise "cp:H,N" when N is in partial
// and topotravengsp is off. Sorted.
void topolisthexasvoisins(lichavo* pairs, const lichavo* hexagons, const lichavo* partial);

// One line per cell, in cells order: the cell, ",  ", then its neighbours in
// sorted order, each followed by ",". In normal, the cells of the list that
// share at least one corner with it; in alternate, every cell of the grid's
// hexagons that contain it, listed or not. The cell itself is left out.
void topofuturvoisidouze(lichavo* normal, lichavo* alternate, const lichavo* cells,
                         const lichavo* hexagons);

// The ring of cells around the grid: the cells touching a hexagon that are not
// in cells. outside gets the ring cells reachable through shared edges from
// the extreme ring cells of the six sectors; enclosed keeps the others (holes
// inside the grid).
void topocasesautourgri(lichavo* enclosed, lichavo* outside, const lichavo* cells,
                        const lichavo* hexagons);

// For the i-th hexagon (1-based) and each pair of opposite outside cells x, y
// both in cells: "x,y,  hx=i" is appended to pairs; it is also appended to
// completepairs when the four corners at the ends of their edges are all
// hexagons. Hexagon order.
void topocrealicasoppo(lichavo* pairs, lichavo* completepairs, const lichavo* cells,
                       const lichavo* hexagons);

// For each hexagon and each outside cell across one of its edges that is in
// cells: "o,h1,h2,h3," with the outside cell o then the three cells of the
// hexagon's far half. Sorted.
void topocrealistoppodemi(lichavo* lines, const lichavo* cells, const lichavo* hexagons);

// The grid's lines as straight runs "P:AAA" (from P, that many unit edges in
// direction A, B or C): inner gets the spokes and shared outline edges, outer
// the contour; each as its A runs, then B runs, then C runs, each group sorted.
void topocontourtritop(const lichavo* hexagons, lichavo* inner, lichavo* outer);
