// `sysangle`: turns one point about the origin by an angle, exactly (by sign
// swaps) when the angle is a whole quarter turn.
#pragma once

class sysangle {
public:
    // Angle 0 (an exact quarter turn), point (0, 0).
    sysangle() = default;

    // The angle in degrees. It counts as an exact quarter turn when the
    // integer part of deg + 0.25, brought into 0..359, is 0, 90, 180 or 270
    // (so 89.8 is exact, 89.7 is not, and -90 gives 271 and is not).
    void setadeg(float deg);
    // The angle in tenths of a degree (as fonts give it); never exact.
    void setadix(float tenths);
    // The angle in radians; never exact (the degrees are left as they were).
    void setarad(float rad);
    // The point to turn.
    void setxy(float x, float y);

    // The turned point, counter-clockwise in a y-up frame.
    float getxf() const;
    float getyf() const;
    // The same truncated toward zero to 16 bits; a result beyond the 16-bit
    // range is clamped to it, and a result that is not a number gives 0.
    short getx() const;
    short gety() const;

    float getdeg() const { return degres; }
    float getrad() const { return radians; }
    bool estexact() const { return exact != 0; }
    // 0, 90, 180 or 270 when the angle is exact, else 0.
    short getquart() const { return quart; }

private:
    float degres = 0;
    float radians = 0;
    float x = 0;
    float y = 0;
    unsigned char exact = 1;
    short quart = 0;
};
