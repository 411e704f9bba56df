// gdrectan: corner setters, shifts and ordering.
#include "render/gdrectan.h"

#include <utility>

gdrectan::gdrectan(short ordered) : ordonne(ordered > 0) {}

void gdrectan::set(short ax1, short ay1, short ax2, short ay2) {
    x1 = ax1;
    y1 = ay1;
    x2 = ax2;
    y2 = ay2;
    rangeselon();
}

void gdrectan::setxwid(short x, short y, short w, short h) {
    set(x, y, static_cast<short>(x + w), static_cast<short>(y + h));
}

void gdrectan::setcarre(short side) {
    const short h = static_cast<short>(side / 2);
    set(static_cast<short>(-h), static_cast<short>(-h), h, h);
}

void gdrectan::shift(short dx, short dy) {
    x1 = static_cast<short>(x1 + dx);
    x2 = static_cast<short>(x2 + dx);
    y1 = static_cast<short>(y1 + dy);
    y2 = static_cast<short>(y2 + dy);
}

void gdrectan::setx1(short v) {
    x1 = v;
    rangeselon();
}

void gdrectan::sety1(short v) {
    y1 = v;
    rangeselon();
}

void gdrectan::setx2(short v) {
    x2 = v;
    rangeselon();
}

void gdrectan::sety2(short v) {
    y2 = v;
    rangeselon();
}

void gdrectan::ordonner() {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
}

void gdrectan::rangeselon() {
    if (ordonne) ordonner();
}
