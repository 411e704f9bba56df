// One lattice path held as six step counts: reading path text, canonical
// form, compact and expanded printing, pixel valuation and hexagon outlines.
//
// clavochemin is defined over three files of lattice/: clavochemin.cpp (paths,
// canonical forms, printing, valuation), clavocontour.cpp (hexagon outlines:
// givehexacontour, givehexadiacontour, givesixtriangles, givesixcentres) and
// clavoclasst.cpp (valeurdeclasst).
#pragma once

#include "lattice/clavodirections.h"

#include <string>

class gstring;
class lichavo;

// One pixel point of an outline (lattice frame: y upwards, except where a
// helper says otherwise).
struct vopoint {
    short x;
    short y;
};

// A point of the lattice named by a path from the origin.
//
// Path text: a letter "A".."F" adds one step in that direction; a digit
// "1".."9" adds (digit - 1) further steps to the last letter read, so "A3" is
// three steps A. Reading stops at the first other byte ("0", ":", a blank,
// lower case, anything else); a digit before any letter is skipped. Null and
// "" are the origin. Step counts saturate at 32767.
class clavochemin {
public:
    clavochemin();

    // The direction vectors used by the pixel valuations (size 30, angle 0
    // unless changed through this reference).
    clavodirections& getdirections() { return dirs; }
    const clavodirections& getdirections() const { return dirs; }

    // Zero the counts and count text; clears the printed form.
    void setchemin(const char* text);
    // Same as setchemin.
    void comptechemin(const char* text);

    // Bring the counts to canonical form: at most two non-zero counts, on
    // adjacent directions, unique for a point. Does nothing when already done.
    void bonchemin();
    // Exchange the counts of A and D, B and E, C and F: the path back.
    void chinverse();
    // Add the counts of another path text.
    void ajoutechemin(const char* text);
    // Subtract another path text (add the counts of its inverse).
    void retirechemin(const char* text);

    // Step count of direction i (0..5); 0 for any other i.
    short getnbpas(short i) const;

    // Canonicalise and give the compact form ("A9A3B", "" for the origin).
    void givecompacte(gstring* g);
    // Canonicalise and give the expanded form ("AAAB").
    void givedecompacte(gstring* g);
    // Alias of givedecompacte.
    void givegrator(gstring* g);
    // The same forms as text; the reference stays valid until the counts or
    // the form asked for change.
    const std::string& compacte();
    const std::string& decompacte();

    // Pixel offset of the path's point from the origin (sum of count x
    // vector over the six directions), wrapped to 16 bits.
    short valcheminx() const;
    short valcheminy() const;
    // Pixel centre of the cell of type t (0 ":AF", 1 ":AB") at the path's point.
    short valchemincasix(short t) const;
    short valchemincasy(short t) const;
    // Set the path to text, then give valcheminx / valcheminy.
    short valducheminx(const char* text);
    short valducheminy(const char* text);

    // Outline helpers around the centre (cx, cy), using the direction vectors
    // as corners: corner i is (cx + x_i, cy + y_i). The caller supplies the
    // array, with room for the number of points stated.
    //
    // 7 points: the closed outline (corner 6 repeats corner 0). Returns 7.
    short givehexacontour(vopoint* points, short cx, short cy) const;
    // 12 points: the six corners, then the pairs (0,3), (1,4), (2,5) of the
    // long diagonals. Returns 12.
    short givehexadiacontour(vopoint* points, short cx, short cy) const;
    // 19 points: for i = 0..5, points 3i, 3i+1, 3i+2 are the centre, corner i
    // and corner i+1; point 18 is the centre, so the 4 points from 3i close
    // triangle i. Returns 4 (points per triangle).
    short givesixtriangles(vopoint* points, short cx, short cy) const;
    // 6 points: centre of triangle i at (cx + (x_i + x_i+1) / 3,
    // cy - (y_i + y_i+1) / 3) (y downwards). Returns 6.
    short givesixcentres(vopoint* points, short cx, short cy) const;

    // For a list of path texts (borrowed): min(3, 6 - m), where m is the
    // greatest number, over the listed paths, of their six neighbouring
    // points that are also in the list. An empty list gives 3.
    short valeurdeclasst(lichavo* list) const;

private:
    void addcount(short i, int n);
    void countinto(const char* text, int sign);
    void changed();

    clavodirections dirs;
    short nbpas[6];
    std::string forme;
    unsigned char canonique;
    unsigned char formedecompacte;
    unsigned char formecompacte;
};
