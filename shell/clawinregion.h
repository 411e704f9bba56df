// clawinregion: one window region being built (a GDI region handle it owns)
// with the offsets of the window's client origin from its top-left corner.
#pragma once

#include "platform/win32.h"

class clawinregion {
public:
    // An empty region (no handle yet) with the frame offsets of window
    // (decalaset), or 6 and 32 without a window.
    explicit clawinregion(HWND window = nullptr);
    clawinregion(const clawinregion&) = delete;
    clawinregion& operator=(const clawinregion&) = delete;
    ~clawinregion() { kill(); }

    // dx = client origin x - window left, dy = client origin y - window top
    // (screen pixels); unchanged when the window does not answer.
    void decalaset(HWND window);
    short getdx() const { return dx; }
    short getdy() const { return dy; }

    // The region becomes its union (add) or intersection (intersec) with
    // the given one, which stays the caller's; addcreate adds it and then
    // deletes it. An absent handle is created empty first.
    void add(HRGN region);
    void intersec(HRGN region);
    void addcreate(HRGN region);
    // Shapes added through addcreate; halves of w and h truncated.
    // The ellipse / rectangle with the box (cx - w/2, cy - h/2) to
    // (cx + w/2, cy + h/2).
    void addellipse(short cx, short cy, short w, short h);
    void addrectanglec(short cx, short cy, short w, short h);
    // The rectangle from (x, y) to (x + w, y + h).
    void addrectanglen(short x, short y, short w, short h);
    // The polygon through n points, filled in alternate mode.
    void addpolygone(const POINT* points, short n);

    // Creates an empty region when there is no handle.
    void nouvocreate();
    // kill, then nouvocreate.
    void nouvoclear();
    // Replaces the handle (if any) by a new empty region.
    void vieuxclear();
    // Deletes the region, if it exists.
    void kill();
    // Offsets the region.
    void move(short x, short y);

    bool existe() const { return region != nullptr; }
    // Borrowed: valid until the next change of this object.
    HRGN gethandle() const { return region; }
    // A new region with the same pixels (empty without a handle); the
    // caller owns it (SetWindowRgn takes it).
    HRGN copie() const;

private:
    HRGN region = nullptr;
    short dx = 6;
    short dy = 32;
};
