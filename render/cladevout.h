// cladevout: one output device (a borrowed device context with its
// resolution, sheet, page and useful sizes in pixels and millimetres) and a
// local origin from which every primitive draws, y upwards.
#pragma once

#include "platform/win32.h"

#include "foundation/gstring.h"

// Turn n integer points in place about (0, 0) by angle degrees,
// counter-clockwise in a y-up frame, truncating toward zero (quarter turns
// are exact).
void incliner(short angle, POINT* pts, short n);

class cladevout {
public:
    cladevout() { clear(); }
    cladevout(const cladevout&) = delete;
    cladevout& operator=(const cladevout&) = delete;

    // No DC; origins (0, 0); 300 x 300 dpi; every size 0; scale 1; flags
    // cleared; name and origin stack emptied.
    void clear();
    // Each stores its values and runs mmajuste. setpagepix sets both the page
    // and the useful size.
    void setdpi(short x, short y);
    void setfeuillepix(short w, short h);
    void setpagepix(short w, short h);
    // Page reference point at the middle of the useful area (a
    // bottom-anchored device measures y from the sheet's bottom).
    void centrajuste();
    // Store the name; a name containing "pdfcreator" (any case, anywhere)
    // makes the device bottom-anchored and centres it again.
    void setname(const char* name);
    // Copy DC, name, resolution, origin, flags, sizes and scale of another
    // device.
    void copyfromall(const cladevout& d);
    // With both resolutions positive: clamp page and useful sizes to the
    // sheet, then derive the three millimetre sizes (truncated).
    void mmajuste();

    // Millimetres to pixels at this resolution and scale, truncated toward
    // zero (within a thousandth of a pixel, so that apixtommx and back gives
    // the pixel count again); pixels to millimetres.
    short ammxtopix(float mm) const;
    short ammytopix(float mm) const;
    float apixtommx(short px) const;
    float apixtommy(short px) const;
    // A size designed for 600 dpi on this device: n * dpi x / 600, rounded.
    short poursixcent(short n) const;

    // Local origin at (xmm, ymm) from the page reference point (y upwards).
    void setlocal(float xmm, float ymm);
    void setlocagauche() { locx = 0; }
    void setlocadroite() { locx = utilwpx; }
    void setlocamid() { locx = static_cast<short>(utilwpx / 2); }
    // Save the local origin on the front of the origin stack ("x,y," pairs,
    // newest first); locapop takes it back (0, 0 from an empty stack).
    void locapush();
    void locapop();

    // A geometric solid pen (ExtCreatePen) of the width in pixels / in
    // millimetres, selected through moncrayon.
    void setgeocrayonpix(short width, int colour);
    void setgeocrayonmilli(float widthmm, int colour);
    // A solid brush, selected through mabrosse.
    void setcreabrosse(int colour);
    // The stock hollow brush: closed shapes are outlined only.
    void transpabrosse();

    // Primitives: positions relative to the local origin, y upwards; they
    // draw with the selected pen and brush.
    void atrasegpur(short x1, short y1, short x2, short y2);
    void devepplignepix(short x1, short y1, short x2, short y2);
    // A filled polygon through pts, each offset by (x, y).
    void devepolygopix(short x, short y, const POINT* pts, short n);
    void devellipsepix(short x, short y, short rx, short ry);
    void devecerclepix(short x, short y, short r);
    // A w x h rectangle centred on (x, y), turned by angle degrees.
    void deverectanpix(short x, short y, short angle, short w, short h);
    // A filled hexagon centred on (x, y): the six lattice directions at that
    // size and angle as corners.
    void devehexagopix(short x, short y, short angle, short size);
    // Write text with mapolice at (xmm, ymm), centred horizontally when
    // centring is non-zero.
    void ecrimm(float xmm, float ymm, const char* text, short centring);
    // The registered sign, Times New Roman of height ammxtopix(2 * sizemm),
    // centred at (xmm, ymm) truncated to whole millimetres.
    void deveregistredmmbon(float xmm, float ymm, float sizemm);

    // The device point of a local point (x, y): (locx + x, locy - y).
    short devx(short x) const { return static_cast<short>(locx + x); }
    short devy(short y) const { return static_cast<short>(locy - y); }

    void sethdc(HDC dc) { hdc = dc; }
    HDC gethdc() const { return hdc; }
    void setechelle(float s) { echelle = s; }
    float getechelle() const { return echelle; }
    void setlocxy(short x, short y) {
        locx = x;
        locy = y;
    }
    void setorigine(short x, short y) {
        origx = x;
        origy = y;
    }
    const char* getname() const { return nom.adr(); }
    const char* getpile() const { return pile.adr(); }
    short getdpix() const { return dpix; }
    short getdpiy() const { return dpiy; }
    short getorigx() const { return origx; }
    short getorigy() const { return origy; }
    short getlocx() const { return locx; }
    short getlocy() const { return locy; }
    bool estnomme() const { return nomme != 0; }
    bool estbasancre() const { return basancre != 0; }
    short getfeuilwpx() const { return feuilwpx; }
    short getfeuilhpx() const { return feuilhpx; }
    short getfeuilwmm() const { return feuilwmm; }
    short getfeuilhmm() const { return feuilhmm; }
    short getpagewpx() const { return pagewpx; }
    short getpagehpx() const { return pagehpx; }
    short getpagewmm() const { return pagewmm; }
    short getpagehmm() const { return pagehmm; }
    short getutilwpx() const { return utilwpx; }
    short getutilhpx() const { return utilhpx; }
    short getutilwmm() const { return utilwmm; }
    short getutilhmm() const { return utilhmm; }

private:
    HDC hdc = nullptr; // borrowed: the device never creates or frees it
    LOGBRUSH crayonbrosse{};
    gstring nom;
    gstring pile;
    short dpix = 300;
    short dpiy = 300;
    short origx = 0;
    short origy = 0;
    short locx = 0;
    short locy = 0;
    short formatpage = 0;
    unsigned char nomme = 0;
    unsigned char basancre = 0;
    short feuilwpx = 0;
    short feuilhpx = 0;
    short feuilwmm = 0;
    short feuilhmm = 0;
    short pagewpx = 0;
    short pagehpx = 0;
    short pagewmm = 0;
    short pagehmm = 0;
    short utilwpx = 0;
    short utilhpx = 0;
    short utilwmm = 0;
    short utilhmm = 0;
    float echelle = 1.0f;
};

// Fill d from a DC: resolution (LOGPIXELSX / LOGPIXELSY), sheet and page of
// HORZRES x VERTRES, centred; named "ecran".
void screeninfo(cladevout& d, HDC dc);
// The device set-up of a window: d from the screen DC (named "fenetre"),
// with the client size as sheet and page, centred on the client area, scale
// 1.
void devinstalle(cladevout& d, HDC dc, short clientw, short clienth);
