// cladevout: pens, brushes and the drawing primitives (local origin, y up).
#include "render/cladevout.h"

#include "render/ressources.h"

#include "lattice/clavodirections.h"
#include "render/geometry/sysangle.h"

#include <cmath>
#include <memory>

void incliner(short angle, POINT* pts, short n) {
    sysangle a;
    a.setadeg(angle);
    for (short i = 0; i < n; ++i) {
        a.setxy(static_cast<float>(pts[i].x), static_cast<float>(pts[i].y));
        pts[i].x = a.getx();
        pts[i].y = a.gety();
    }
}

void cladevout::setgeocrayonpix(short width, int colour) {
    crayonbrosse.lbStyle = BS_SOLID;
    crayonbrosse.lbColor = static_cast<COLORREF>(colour);
    crayonbrosse.lbHatch = 0;
    const DWORD w = width > 0 ? static_cast<DWORD>(width) : 1u;
    moncrayon.set(hdc, ExtCreatePen(PS_GEOMETRIC | PS_SOLID, w, &crayonbrosse, 0, nullptr));
}

void cladevout::setgeocrayonmilli(float widthmm, int colour) {
    setgeocrayonpix(ammxtopix(widthmm), colour);
}

void cladevout::setcreabrosse(int colour) {
    mabrosse.set(hdc, CreateSolidBrush(static_cast<COLORREF>(colour)));
}

void cladevout::transpabrosse() {
    mabrosse.set(hdc, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), false);
}

void cladevout::atrasegpur(short x1, short y1, short x2, short y2) {
    MoveToEx(hdc, devx(x1), devy(y1), nullptr);
    LineTo(hdc, devx(x2), devy(y2));
}

void cladevout::devepplignepix(short x1, short y1, short x2, short y2) {
    atrasegpur(x1, y1, x2, y2);
}

void cladevout::devepolygopix(short x, short y, const POINT* pts, short n) {
    if (n <= 0) return;
    POINT local[16];
    POINT* p = local;
    std::unique_ptr<POINT[]> grand;
    if (n > 16) {
        grand = std::make_unique<POINT[]>(static_cast<size_t>(n));
        p = grand.get();
    }
    for (short i = 0; i < n; ++i) {
        p[i].x = locx + x + pts[i].x;
        p[i].y = locy - y - pts[i].y;
    }
    Polygon(hdc, p, n);
}

void cladevout::devellipsepix(short x, short y, short rx, short ry) {
    const int cx = devx(x);
    const int cy = devy(y);
    Ellipse(hdc, cx - rx, cy - ry, cx + rx, cy + ry);
}

void cladevout::devecerclepix(short x, short y, short r) {
    devellipsepix(x, y, r, r);
}

void cladevout::deverectanpix(short x, short y, short angle, short w, short h) {
    const LONG hw = w / 2;
    const LONG hh = h / 2;
    POINT p[5] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}, {-hw, -hh}};
    incliner(angle, p, 5);
    devepolygopix(x, y, p, 5);
}

void cladevout::devehexagopix(short x, short y, short angle, short size) {
    clavodirections d;
    d.settaillangle(size, angle);
    POINT p[7];
    for (short i = 0; i < 6; ++i) p[i] = POINT{d.reulatx(i), d.reulaty(i)};
    p[6] = p[0];
    devepolygopix(x, y, p, 7);
}

void cladevout::ecrimm(float xmm, float ymm, const char* text, short centring) {
    mapolice.useon(hdc);
    mapolice.setcentrage(centring);
    mapolice.printpix(devx(ammxtopix(xmm)), devy(ammytopix(ymm)), text);
}

void cladevout::deveregistredmmbon(float xmm, float ymm, float sizemm) {
    const short h = ammxtopix(2 * sizemm);
    mapolice.createbis(h, static_cast<short>(h / 3), 0, 0, 0, "Times New Roman");
    ecrimm(std::trunc(xmm), std::trunc(ymm), "\xAE", 1);
    mapolice.clear();
}
