// The six lattice directions "A".."F" as pixel vectors for one step size and
// rotation angle, with the centre offsets of the two triangle types.
#pragma once

// Pixel vectors of the six directions. Direction i (0..5) is the letter
// 'A' + i; A lies at the angle, B at angle + 60 degrees, C = B - A, and D, E, F
// are the negations of A, B, C. The y values are lattice values (y upwards);
// each consumer maps them to its own pixel frame.
class clavodirections {
public:
    // Size 30, angle 0, vectors computed.
    clavodirections();

    // Store the new step size (pixels) and recompute. An odd size is raised
    // to the next even size (32767, which has none, becomes 32766).
    void settaille(short size);
    // Store the new angle (degrees, counter-clockwise) and recompute.
    void setangle(short degrees);
    void settaillangle(short size, short degrees);

    // Recompute the vectors from the stored size and angle and mark them valid.
    void calcupix();

    short gettaille() const { return taille; }
    short getangle() const { return angle; }
    bool isvalid() const { return valide != 0; }

    // Pixel x / y of direction i; i is taken modulo 6 (so 6 is A again, -1 is F).
    short reulatx(short i) const;
    short reulaty(short i) const;
    // Centre offset of triangle type t from its path point: t == 0 for a
    // ":AF" cell ((A + F) / 3), any other t for a ":AB" cell ((A + B) / 3).
    short relatcentx(short t) const;
    short relatcenty(short t) const;

    // a*A + b*B, and a*A + b*B + c*C. Results wrap to 16 bits.
    short giveabposx(short a, short b) const;
    short giveabposy(short a, short b) const;
    short giveabcx(short a, short b, short c) const;
    short giveabcy(short a, short b, short c) const;

private:
    // x of A..F, y of A..F, centre x (type 0, 1), centre y (type 0, 1).
    short pix[16];
    unsigned char valide;
    short taille;
    short angle;
};
