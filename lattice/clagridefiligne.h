// One grid definition line: a hexagon and/or a cell with its value, state and
// percentage, parsed from text and printed back in short form.
#pragma once

#include "lattice/clavochemin.h"

#include "foundation/gstring.h"

class lichavo;

// A parsed definition line such as "XAB2", "A2WPJ", "BVUM%75" or "C:AF".
//
// Grammar (letters "a".."z" folded to upper case first; blanks before a
// marker and after "X", "W", "V", ":AB", ":AF" and "%" are skipped):
// optional "X" (hexagon); the path, the longest run of "A".."F" and "0".."9"
// read as path text; then optionally "W" (":AB" cell) or "V" (":AF" cell)
// followed by a value letter ("J".."O" or "P".."U" for 1..6), a state letter
// ("J".."M" for 0..3) and an optional "%" percentage, or ":AB" / ":AF" alone.
// Parsing never fails: anything unrecognised is left aside.
class clagridefiligne {
public:
    clagridefiligne();

    // Reset every field: empty path and text, all numbers and flags 0.
    void clear();
    // Clear, then parse line (null counts as empty).
    void setfromlignecond(const char* line);

    // g becomes the canonical expanded path when the line names a hexagon,
    // else the empty text.
    void givelivohex(gstring* g);
    // g becomes the cell's canonical name (expanded path + ":AB" or ":AF")
    // when the line names a cell, else the empty text.
    void givelivocase(gstring* g);
    // g becomes the short form: "X" for a hexagon, the compact path, then for
    // a cell with a value "W"/"V", the value letter "P".."U", the state letter
    // "J".."M" and "%" with the percentage when it is 50 or more. A cell
    // without a value prints as path + ":AB" / ":AF".
    void givelignecourt(gstring* g);
    // Replace element i of list by the short form (nothing when i is out of
    // range).
    void majlicha(lichavo* list, short i);

    // Print the path in compact / expanded form into the text field.
    void compactechem();
    void decompactechem();
    // The text field: the last printed path form.
    const char* gettexte() const { return texte.adr(); }

    // Pixel centre of the named cell at the path's directions.
    short centrecasix();
    short centrecasy();

    clavochemin& getchemin() { return chemin; }
    // 0 when the line gives no value, else 1..6.
    short getvaleur() const { return valeur; }
    // 0 when absent.
    short getpourcentage() const { return pourcentage; }
    // 0..3: bit 0 fixed marker, bit 1 the value is also the current value.
    short getetat() const { return etat; }
    bool ishexa() const { return hexa != 0; }
    bool iscase() const { return cas != 0; }
    // The value letter came from the first range "J".."O".
    bool ispremiereplage() const { return premiereplage != 0; }
    // 1 for a ":AB" cell, 0 for a ":AF" cell.
    short gettypecase() const { return typecase; }

private:
    clavochemin chemin;
    gstring texte;
    short valeur;
    short pourcentage;
    short etat;
    unsigned char hexa;
    unsigned char cas;
    unsigned char premiereplage;
    unsigned char typecase;
};
