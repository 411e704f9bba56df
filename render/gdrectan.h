// gdrectan: an integer rectangle (pixels or millimetres, as its user decides)
// that can keep its corners ordered.
#pragma once

class gdrectan {
public:
    // ordered: a positive argument makes every corner setter end with
    // ordonner().
    explicit gdrectan(short ordered = 1);

    void set(short ax1, short ay1, short ax2, short ay2);
    // x2 = x + w, y2 = y + h.
    void setxwid(short x, short y, short w, short h);
    // A square centred on 0: -side / 2 .. side / 2.
    void setcarre(short side);
    void shift(short dx, short dy);
    void setx1(short v);
    void sety1(short v);
    void setx2(short v);
    void sety2(short v);
    // Swap corners so that x1 <= x2 and y1 <= y2.
    void ordonner();

    short x1 = 0;
    short y1 = 0;
    short x2 = 0;
    short y2 = 0;

private:
    void rangeselon();
    bool ordonne;
};
