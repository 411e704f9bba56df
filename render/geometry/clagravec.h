// `clagravec`: a base of pixel vectors, one per path letter, that turns a
// lattice path into a pixel offset; and the size rule of the third base.
#pragma once

#include "lattice/clavochemin.h"

#include <vector>

// One base vector: pixel components (y upwards) and letter name ("A", "B", ...;
// empty in a rectangular base).
struct clagravecteur {
    short x = 0;
    short y = 0;
    char nom[4] = {};
};

class clagravec {
public:
    // A hexagonal base of 6 vectors of size 20 at angle 0.
    clagravec();
    clagravec(const clagravec&) = delete;
    clagravec& operator=(const clagravec&) = delete;

    // Releases the table; count, half count, flags and angle become 0.
    void clear();

    // A base of n vectors of `size` pixels at the current angle (n below 0
    // counts as 0). The path object's directions take that size (an odd size
    // becomes the next even one there), and with n == 6 the table is the six
    // direction vectors "A".."F"; with any other n, vector q lies at angle
    // angle + 360 q / n degrees, components rounded half away from zero.
    void setbase(short n, short size);
    // A rectangular base of n vectors: (2s, 0), (s, s), (-s, s), (-2s, 0),
    // (-s, -s), (s, -s), turned by the angle, for the first min(n, 6) entries;
    // entries beyond the sixth stay (0, 0). No letter names; the path object is
    // left as it is.
    void setbaserec(short n, short size);
    // The angle in degrees, for the table and for the path object's directions.
    void setangle(short deg);
    // Marks the base as used for hexagon drawing.
    void forhexa();
    // Releases the table (posichemin then sums nothing outside the six
    // directions case).
    void freetab();

    // Pixel offset (x, respectively y upwards) of the end of `path` from its
    // start. In the hexagonal base of six, the path is read in path notation
    // by the path object (repeat digits, stops at "0" or ":"). In any other
    // base, letters in expanded notation: "0" and blanks are skipped, ":" ends
    // the path (a cell suffix follows), and a character that names no entry of
    // the table adds nothing. The sum wraps to 16 bits; null or "" gives 0.
    short posicheminx(const char* path);
    short posicheminy(const char* path);

    short getnombre() const { return nombre; }
    short getdemi() const { return demi; }
    short gettaille() const { return taille; }
    float getangle() const { return angle; }
    bool estrec() const { return rectangulaire != 0; }
    bool estpourhexa() const { return pourhexa != 0; }
    // The table is the six direction vectors of the path object.
    bool memequedirections() const { return memedirections != 0; }
    // Entry i of the table; (0, 0) and "" outside it.
    short getvecx(short i) const;
    short getvecy(short i) const;
    const char* getnomvec(short i) const;
    const clavochemin& getchemin() const { return chemin; }

private:
    void allouetab(short n, short size);
    void gracalcul();
    short posichemin(const char* path, bool enx);
    const clagravecteur* entree(int i) const;

    clavochemin chemin;
    short nombre = 0;
    short demi = 0;
    short taille = 0;
    unsigned char pourhexa = 0;
    unsigned char rectangulaire = 0;
    unsigned char memedirections = 0;
    float angle = 0;
    std::vector<clagravecteur> tab;
};

// Size of the third base for a hexagon size: size / 3, plus one when
// size - 3 * (size / 3) is 2 (a third, to the nearest pixel).
short tailletiers(short size);
