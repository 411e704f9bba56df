// clagripage: a grid as it is placed and drawn on a page: a grid model drawn
// with a position in millimetres, a drawing size, an angle, a display mode
// and a wanted difficulty, on a cladevout in two passes (background, then
// what lies on top) with the settings of a contextedessin.
//
// The game's pages are owned by the shell (slot 0 the grid in play, slot 1
// the rules pages); the catalogue loads a grid into the page it is given.
//
// The page holds its model: one of its own by default, or one owned elsewhere
// that lier gives it (the grid in play belongs to the game in progress). The
// page's name is the model's (modele().setnom, modele().getnom).
//
// Painting: the shell draws the background pass into a kept memory bitmap
// (again only when it is stale); each paint copies it, draws the top pass over
// the copy and transfers the result. Each pass therefore stands alone: it
// places the local origin on the grid itself, and gives the device back its
// local origin, the wait cursor and the context's grillant as it found them.
//
// Positions are relative to the page reference point of the device, y
// upwards. The device's local origin lands on the grid position in both
// passes (setlocagrille): to draw a grid at a local origin chosen in pixels,
// the shell first gives that pixel to movegrille.
#pragma once

#include "render/cladevout.h"
#include "render/contextedessin.h"
#include "render/gdrectan.h"

#include "foundation/heaptext.h"
#include "grid/clagrivora.h"

class clagripage {
public:
    clagripage();
    clagripage(const clagripage&) = delete;
    clagripage& operator=(const clagripage&) = delete;

    // The model drawn: the page's own until lier, then the one given.
    clagrivora& modele() { return *grille; }
    const clagrivora& modele() const { return *grille; }
    // Draw model from now on (borrowed: it must outlive the page or the next
    // lier); the page's own model then stays unused.
    void lier(clagrivora& model) { grille = &model; }

    // Positions 0, size mm 0, size px 15, digit height 10, difficulty 100,
    // angle 0, display mode 6, no device, slot 0, page not centred.
    void clearpage();

    // Grid position in millimetres.
    void setposmm(float x, float y);
    // Grid position from a pixel of the page's device, so that setlocagrille
    // puts the local origin back on that pixel.
    void movegrille(short px, short py);
    // Grid, solution and label positions.
    void setallpos(float x, float y, float xs, float ys, float xl, float yl);
    // The same from a text of six numbers, each followed by "," (missing
    // numbers read 0).
    void setallpos(const char* text);
    // The six positions in that form; the caller owns the text.
    heaptext getallpos() const;
    float getgrillex() const { return grillex; }
    float getgrilley() const { return grilley; }

    // A different angle is stored and turns the model.
    void setangle(short degrees);
    short getangledessin() const { return angledessin; }
    // Sizes: mm and px; the digit height becomes 0.55 * px truncated, px
    // goes to the model (in the rectangle form in display mode 9) and the
    // pencil marks are laid out again.
    void settaillemmpix(short mm, short px);
    // settaillemmpix(mm, ammxtopix(mm)) on the page's device; records mm.
    void settaillemilli(short unused, short mm);
    short gettaillepixel() const { return taillepixel; }
    short gettaillemm() const { return taillemm; }
    short gethauteurchiffre() const { return hauteurchiffre; }
    // Page slot (0 the grid in play, 1 the rules pages) and device
    // (borrowed). The page's device must be set (here or by a pass) before
    // movegrille, settaillemilli or any drawing.
    void setdevice(short slot, cladevout* device);
    short getslot() const { return slot; }
    cladevout* getdevice() const { return device; }

    // Display mode: 6 triangles, 7 small circles with links, 8 round cells,
    // 9 triangles of the rectangle form, 10 hexagons around the cells. Mode 8
    // lays the pencil marks out in a round, every other mode in triangles
    // (laid out again on every size change, so they always fit the size).
    void setmodaffi(short mode);
    short getmodaffi() const { return modaffi; }
    bool testaffi(short m) const { return modaffi == m; }
    bool testaffi(short m1, short m2) const { return modaffi == m1 || modaffi == m2; }

    // Wanted difficulty in percent, stepped along 75, 80, 85, 90, 95, 100,
    // 120: '+' one rung up, '-' one rung down (a value between rungs moves
    // to the next rung that way), anything else keeps it. The model then
    // fixes and applies the level; the stored value is the one it kept.
    void diffichange(short c);
    // Store v, then diffichange(0).
    void fixedifficulte(short v);
    short getdifficulte() const { return difficulte; }

    // Page layout: a centred page re-anchors grids placed at x = -75 or
    // +75 mm, with two grids per page to the middle. Both off by default
    // (and in the game).
    void setpagecentrale(bool centred, bool twopergrid) {
        pagecentrale = centred;
        doublacinq = twopergrid;
    }
    // Local origin of the device at the grid position (on a centred page,
    // grids at x within 3 mm of -75 or +75 re-anchor to the left or right
    // edge, or with two grids per page to the middle).
    void setlocagrille(cladevout* dev);
    void setlocagrisol(cladevout* dev);
    void setlocagrilib(cladevout* dev);
    // The grid position when solution is 0, else the solution position.
    void setlocagrideux(short solution, cladevout* dev);
    // The model's bounding frame (device pixels) in millimetres.
    gdrectan cadreblocsel(cladevout* dev);

    // Background pass: cell fills and outlines and the helper graphics of the
    // display mode. linkcolour colours the links of mode 7.
    void dessingrifond(contextedessin& ctx, cladevout* dev, short solution, int linkcolour,
                       int unused);
    // Top pass: values, pencil marks, hexagon dots, the contour (in
    // contourcolour) and the scroll arrows; restores the local origin.
    void dessingrifin(contextedessin& ctx, cladevout* dev, short solution, int unused,
                      int contourcolour);
    // The contour (display mode 6 only): inner segments 1 px, the outer
    // contour width px wide (3 / 4 of it for the solution).
    void dessincontourtritop(short page, short solution, short width, int colour);
    // Fill the triangles of the cells named in cells (which need not be
    // cells of the grid) with a 2 px pen and the brush colour.
    void trianglintex(const lichavo* cells, int pen, int brush);
    // Pencil marks of one cell, small blue digits at their places.
    void affipossofuser(const contextedessin& ctx, short cell);

private:
    cladevout& dev() const;
    void dessinecases(const contextedessin& ctx);
    void dessineliens(const contextedessin& ctx, short solution, int linkcolour);
    void dessinevaleurs(const contextedessin& ctx);
    void dessinemarques(const contextedessin& ctx);
    void dessinefleches(const contextedessin& ctx);
    // The aids of ctx: highlighted and flashed cells under the digits, the
    // cursor's outline over the contour.
    void dessinesurlignes(const contextedessin& ctx);
    void dessinecurseur(const contextedessin& ctx);
    // The help of ctx: its cells filled under the digits (dessineaide), its
    // frames over the contour (dessinecadresaide).
    void dessineaide(const contextedessin& ctx);
    void dessinecadresaide(const contextedessin& ctx);

    clagrivora propre;
    clagrivora* grille = &propre;
    cladevout* device = nullptr;
    short slot = 0;
    float grillex = 0;
    float grilley = 0;
    float solux = 0;
    float soluy = 0;
    float libx = 0;
    float liby = 0;
    short taillemm = 0;
    short taillepixel = 15;
    float taillemmexacte = 0;
    short hauteurchiffre = 10;
    short difficulte = 100;
    short angledessin = 0;
    short modaffi = 6;
    bool pagecentrale = false;
    bool doublacinq = false;
};

// Write character (a value's character) centred on the cell's centre: Arial
// of height digit height * factor and half as wide, turned by angle degrees,
// in colour without background.
void grichiffroulettres(short page, clagripage* g, cladevout* dev, int colour, short cell,
                        short character, float factor, short angle);
// Draw a segment "path:steps" as a line from the point of path to the point
// of path + steps, on the page's device.
void dessinsegment(clagripage* g, const char* segment);
// Mark lattice point index (1..number of points) of the grid g with a hollow
// circle (display mode 8) or hexagon at the grid position.
void hexaplacer(clagripage* g, cladevout* dev, short index, int colour);
