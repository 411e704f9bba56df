// claselecteur: the hexagonal value selector of the button column: its six
// triangles around a centre, their drawing from the column's view and the
// hit test of a click.
#pragma once

#include "platform/win32.h"

#include "shell/vuejeu.h"

class claselecteur {
public:
    // The geometry around centre (55, haut + 30); made once (later calls do
    // nothing).
    void calcule(short haut);
    // The value of triangle k (0..5): 1, 6, 5, 4, 3, 2; 0 outside.
    static short valeurboutri(short k);
    // Draw the six triangles and their digits: the current value in magenta,
    // a complete value greyed, each value's count beside it (vuejeu).
    // Nothing before calcule.
    void dessine(HDC dc, const vuejeu& v) const;
    // The value of the triangle at client point (x, y), 0 for none (or
    // before calcule).
    short proche(short x, short y) const;
    // The selector's bounding box, client pixels.
    RECT cadre() const;

private:
    void dessinrestes(HDC dc, const vuejeu& v) const;

    bool calcule_ = false;
    short cx = 55;
    short cy = 320;
    POINT contours[6][4]{};
    POINT interieurs[6]{};
    POINT exterieurs[6]{};
    POINT textes[6]{};
};
