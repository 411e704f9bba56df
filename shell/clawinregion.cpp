// clawinregion: building a window region from rectangles, ellipses and
// polygons, and measuring the window's frame offsets.
#include "shell/clawinregion.h"

clawinregion::clawinregion(HWND window) {
    if (window != nullptr) decalaset(window);
}

void clawinregion::decalaset(HWND window) {
    RECT fenetre{};
    POINT client{0, 0};
    if (!GetWindowRect(window, &fenetre) || !ClientToScreen(window, &client)) return;
    dx = static_cast<short>(client.x - fenetre.left);
    dy = static_cast<short>(client.y - fenetre.top);
}

void clawinregion::add(HRGN r) {
    nouvocreate();
    CombineRgn(region, region, r, RGN_OR);
}

void clawinregion::intersec(HRGN r) {
    nouvocreate();
    CombineRgn(region, region, r, RGN_AND);
}

void clawinregion::addcreate(HRGN r) {
    if (r == nullptr) return;
    add(r);
    DeleteObject(r);
}

void clawinregion::addellipse(short cx, short cy, short w, short h) {
    addcreate(CreateEllipticRgn(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2));
}

void clawinregion::addrectanglec(short cx, short cy, short w, short h) {
    addcreate(CreateRectRgn(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2));
}

void clawinregion::addrectanglen(short x, short y, short w, short h) {
    addcreate(CreateRectRgn(x, y, x + w, y + h));
}

void clawinregion::addpolygone(const POINT* points, short n) {
    if (points == nullptr || n < 3) return;
    addcreate(CreatePolygonRgn(points, n, ALTERNATE));
}

void clawinregion::nouvocreate() {
    if (region == nullptr) region = CreateRectRgn(0, 0, 0, 0);
}

void clawinregion::nouvoclear() {
    kill();
    nouvocreate();
}

void clawinregion::vieuxclear() {
    HRGN vide = CreateRectRgn(0, 0, 0, 0);
    kill();
    region = vide;
}

void clawinregion::kill() {
    if (region == nullptr) return;
    DeleteObject(region);
    region = nullptr;
}

void clawinregion::move(short x, short y) {
    if (region != nullptr) OffsetRgn(region, x, y);
}

HRGN clawinregion::copie() const {
    HRGN c = CreateRectRgn(0, 0, 0, 0);
    if (region != nullptr && c != nullptr) CombineRgn(c, region, nullptr, RGN_COPY);
    return c;
}
