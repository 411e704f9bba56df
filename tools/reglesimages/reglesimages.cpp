// reglesimages: draws the nine pictures of the rules pages (2364 x 1771, 8
// bits per pixel, BMP) and the application icon (PNG and ICO) with the game's
// own grid drawing. The same run always writes the same bytes.
//
// Usage: reglesimages FOLDER
#include "tools/reglesimages/exemples.h"
#include "tools/reglesimages/imagesbmp.h"

#include "render/bitmapmemoire.h"
#include "render/contextedessin.h"
#include "render/gripageimage.h"
#include "render/ressources.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include "platform/font_caches.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int largeur = 2364;
constexpr int hauteur = 1771;
constexpr int rouge = 0x0000FF;
constexpr int orange = 0x00A5FF;
constexpr int vert = 0x00A000;
constexpr int magenta = 0xFF00FF;
constexpr int gris = 0x999999;

// A catalogue grid drawn as the game paints it (its cells as triangles),
// copied onto a picture.
struct grilledessin {
    contextedessin ctx;
    clagripage page;
    cladevout d;
    std::unique_ptr<bitmapmemoire> fond;
    std::unique_ptr<bitmapmemoire> image;
    int x0 = 0; // where the grid's bitmap lies on the picture
    int y0 = 0;

    // Load name with the largest hexagon size (a multiple of 10, at most
    // plusgrand) whose picture fits w x h, then let prepare play on it.
    grilledessin(const char* nom, int w, int h, const std::function<void(clagripage&)>& prepare,
                 short plusgrand = 160) {
        constexpr short mode = 6;
        if (!grilleload(0, &page.modele(), nom))
            std::fprintf(stderr, "reglesimages: no grid %s\n", nom);
        short taille = plusgrand;
        SIZE s = tailleimage(page, taille, mode, 12);
        while (taille > 20 && (s.cx > w || s.cy > h)) {
            taille = static_cast<short>(taille - 10);
            s = tailleimage(page, taille, mode, 12);
        }
        ctx.taillechoisie = taille;
        prepare(page);
        fond = std::make_unique<bitmapmemoire>(s.cx, s.cy);
        image = std::make_unique<bitmapmemoire>(s.cx, s.cy);
        placegrille(page, d, *fond, 12);
        dessinefond(ctx, page, d, *fond);
        peintgrille(ctx, page, d, *fond, *image);
    }
    // The picture point of a grid point (y upwards).
    POINT point(short x, short y) {
        page.setlocagrille(&d);
        POINT p{x0 + d.devx(x), y0 + d.devy(y)};
        d.setlocxy(0, 0);
        return p;
    }
    POINT cellule(short c) {
        return point(page.modele().getcacentrix(c), page.modele().getcacentry(c));
    }
    POINT hexagone(short h) {
        return point(page.modele().gethexacentrix(h), page.modele().gethexacentry(h));
    }
    // Copy onto dc, centred in the box (x, y, w, h).
    void pose(HDC dc, int x, int y, int w, int h) {
        x0 = x + (w - image->larg()) / 2;
        y0 = y + (h - image->haut()) / 2;
        BitBlt(dc, x0, y0, image->larg(), image->haut(), image->dc(), 0, 0, SRCCOPY);
    }
};

HPEN plume(HDC dc, int largeurpx, int couleur) {
    LOGBRUSH lb{BS_SOLID, static_cast<COLORREF>(couleur), 0};
    HPEN p = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                          static_cast<DWORD>(largeurpx), &lb, 0, nullptr);
    return static_cast<HPEN>(SelectObject(dc, p));
}

void rendplume(HDC dc, HPEN avant) {
    DeleteObject(SelectObject(dc, avant));
}

// The head of an arrow from a to b: a triangle with its point at b.
std::array<POINT, 3> tetefleche(POINT a, POINT b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double l = std::max(1.0, std::hypot(dx, dy));
    const double ux = dx / l;
    const double uy = dy / l;
    return {b,
            POINT{static_cast<LONG>(b.x - 50 * ux - 26 * uy),
                  static_cast<LONG>(b.y - 50 * uy + 26 * ux)},
            POINT{static_cast<LONG>(b.x - 50 * ux + 26 * uy),
                  static_cast<LONG>(b.y - 50 * uy - 26 * ux)}};
}

// The width of an arrow's pen.
constexpr int largeurfleche = 12;

// A thick arrow from a to b with its head at b.
void fleche(HDC dc, POINT a, POINT b, int couleur) {
    HPEN avant = plume(dc, largeurfleche, couleur);
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
    const std::array<POINT, 3> tete = tetefleche(a, b);
    HBRUSH br = CreateSolidBrush(static_cast<COLORREF>(couleur));
    HGDIOBJ ab = SelectObject(dc, br);
    Polygon(dc, tete.data(), 3);
    DeleteObject(SelectObject(dc, ab));
    rendplume(dc, avant);
}

void texte(HDC dc, int x, int y, int h, const char* t, int couleur, int graisse = 600) {
    HFONT f = CreateFontA(-h, 0, 0, 0, graisse, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ av = SelectObject(dc, f);
    SetTextColor(dc, static_cast<COLORREF>(couleur));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    TextOutA(dc, x, y - h / 2, t, static_cast<int>(std::string(t).size()));
    DeleteObject(SelectObject(dc, av));
}

// A push button of the game's column, three times its size on screen.
void bouton(HDC dc, int x, int y, int w, int h, const char* t) {
    HPEN avant = plume(dc, 3, 0x404040);
    HBRUSH br = CreateSolidBrush(0xE0E0E0);
    HGDIOBJ ab = SelectObject(dc, br);
    Rectangle(dc, x, y, x + w, y + h);
    DeleteObject(SelectObject(dc, ab));
    rendplume(dc, avant);
    texte(dc, x + w / 2, y + h / 2, h * 3 / 5, t, 0);
}

// A hexagon outline of that radius (corners at 0, 60, ... degrees).
void contourhexagone(HDC dc, POINT c, int r, int l, int couleur) {
    POINT p[7];
    for (int k = 0; k <= 6; ++k) {
        const double a = k * 3.14159265358979 / 3;
        p[k] = {static_cast<LONG>(std::lround(c.x + r * std::cos(a))),
                static_cast<LONG>(std::lround(c.y - r * std::sin(a)))};
    }
    HPEN avant = plume(dc, l, couleur);
    Polyline(dc, p, 7);
    rendplume(dc, avant);
}

// The value selector of the button column at three times its screen size:
// six triangles around (cx, cy), 1 at upper right then clockwise, the
// current value in magenta. Returns where the current value's digit is
// written (its centre).
POINT selecteur(HDC dc, int cx, int cy, int courant) {
    static const int valeurs[6] = {1, 6, 5, 4, 3, 2};
    const int r = 90 * 2;
    HPEN avant = plume(dc, 6, gris);
    HBRUSH br = CreateSolidBrush(0xF0F0F0);
    HGDIOBJ ab = SelectObject(dc, br);
    for (int k = 0; k < 6; ++k) {
        const double a1 = k * 3.14159265358979 / 3;
        const double a2 = (k + 1) * 3.14159265358979 / 3;
        const POINT t[4] = {
            {cx, cy},
            {static_cast<LONG>(cx + r * std::cos(a1)), static_cast<LONG>(cy - r * std::sin(a1))},
            {static_cast<LONG>(cx + r * std::cos(a2)), static_cast<LONG>(cy - r * std::sin(a2))},
            {cx, cy}};
        Polygon(dc, t, 4);
    }
    DeleteObject(SelectObject(dc, ab));
    rendplume(dc, avant);
    POINT chiffre{cx, cy};
    for (int k = 0; k < 6; ++k) {
        const double a = (k + 0.5) * 3.14159265358979 / 3;
        const std::string t(1, static_cast<char>('0' + valeurs[k]));
        const POINT p{static_cast<LONG>(std::lround(cx + r * 0.55 * std::cos(a))),
                      static_cast<LONG>(std::lround(cy - r * 0.55 * std::sin(a)))};
        texte(dc, p.x, p.y, 64, t.c_str(), valeurs[k] == courant ? magenta : 0);
        if (valeurs[k] == courant) chiffre = p;
    }
    return chiffre;
}

void cercle(HDC dc, POINT c, int r, int l, int couleur) {
    HPEN avant = plume(dc, l, couleur);
    HGDIOBJ ab = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Ellipse(dc, c.x - r, c.y - r, c.x + r, c.y + r);
    SelectObject(dc, ab);
    rendplume(dc, avant);
}

// The distance from point p to the segment a-b.
double distancesegment(POINT p, POINT a, POINT b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double l2 = dx * dx + dy * dy;
    const double t =
        l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The point on the way from a to cell c's centre that stops short of its
// digit.
POINT devantcase(grilledessin& g, POINT a, short c) {
    const POINT b = g.cellule(c);
    const double l = std::hypot(a.x - b.x, a.y - b.y);
    const double k = l > 0 ? g.page.modele().gettaillepix() * 0.42 / l : 0;
    return {static_cast<LONG>(b.x + (a.x - b.x) * k), static_cast<LONG>(b.y + (a.y - b.y) * k)};
}

// How far the arrow from a to cell c passes from the centres of the digits
// of the grid (its shaft and its head, with their pen; the head only for
// the digit of c itself, which it points at).
double degagement(grilledessin& g, POINT a, short c) {
    const POINT b = devantcase(g, a, c);
    const std::array<POINT, 3> t = tetefleche(a, b);
    double d = 1e9;
    for (short n = 1; n <= g.page.modele().getnbcases(); ++n) {
        if (n != c && g.page.modele().casestvide(n)) continue;
        const POINT p = g.cellule(n);
        // Inside the head: the three edges turn the same way around p.
        double cotes[3];
        for (int k = 0; k < 3; ++k) {
            const POINT u = t[k];
            const POINT v = t[(k + 1) % 3];
            cotes[k] = static_cast<double>(v.x - u.x) * (p.y - u.y) -
                       static_cast<double>(v.y - u.y) * (p.x - u.x);
        }
        const bool dedans = (cotes[0] >= 0 && cotes[1] >= 0 && cotes[2] >= 0) ||
                            (cotes[0] <= 0 && cotes[1] <= 0 && cotes[2] <= 0);
        if (dedans) return 0;
        d = std::min({d, n == c ? d : distancesegment(p, a, b), distancesegment(p, t[0], t[1]),
                      distancesegment(p, t[1], t[2]), distancesegment(p, t[2], t[0])});
    }
    return d - largeurfleche / 2.0;
}

// How far an arrow must pass from a digit's centre: the digit's ink
// reaches about a quarter of the hexagon size from it.
double margefleche(grilledessin& g) {
    return g.page.modele().gettaillepix() * 0.25;
}

// Of the candidate cells, the nearest to a whose arrow from a passes clear
// of the grid's digits (else the one whose arrow passes farthest from
// them); 0 when there are no candidates.
short ciblelibre(grilledessin& g, POINT a, std::vector<short> candidates) {
    std::sort(candidates.begin(), candidates.end(), [&](short u, short v) {
        const POINT pu = g.cellule(u);
        const POINT pv = g.cellule(v);
        return std::hypot(pu.x - a.x, pu.y - a.y) < std::hypot(pv.x - a.x, pv.y - a.y);
    });
    short meilleure = 0;
    double plusloin = -1;
    for (short c : candidates) {
        const double d = degagement(g, a, c);
        if (d > margefleche(g)) return c;
        if (d > plusloin) {
            plusloin = d;
            meilleure = c;
        }
    }
    return meilleure;
}

// An arrow from a to cell c, its head short of the cell's digit; false
// (with a message) when it passes over a digit of the grid or its head
// covers the one of c.
bool flechecase(HDC dc, grilledessin& g, POINT a, short c, int couleur) {
    fleche(dc, a, devantcase(g, a, c), couleur);
    if (degagement(g, a, c) > margefleche(g)) return true;
    std::fprintf(stderr, "reglesimages: the arrow to cell %d passes over a digit\n", c);
    return false;
}

// The nine pages: the left part of each picture holds the illustration
// (the right part stays plain for the texts written over it). The rules
// window puts its "R" and "<" buttons over the lower left corner (below
// y = coinhaut, left of x = coindroite) and its footer line under
// y = piedhaut: the illustrations keep clear of both. Each page returns
// false when its illustration is not what it should show (an arrow over a
// digit, no cell to point at).
constexpr int coindroite = 210;
constexpr int coinhaut = 1410;
constexpr int piedhaut = 1550;

bool page1(HDC dc) {
    grilledessin g("1709-6", 1000, coinhaut - 740, [](clagripage& p) { joueexemple(p, 8, 3); });
    g.pose(dc, 40, 740, 1000, coinhaut - 740);
    grilledessin h("1251-1", 560, 560, [](clagripage& p) { joueexemple(p, 4, 2); });
    h.pose(dc, 1320, 920, 560, 560);
    return true;
}

bool page2(HDC dc) {
    short hx = 0;
    grilledessin g("1251-1", 980, 1000, [&hx](clagripage& p) { hx = partieencours(p); });
    g.pose(dc, 40, 400, 980, 1000);
    if (hx == 0) return false;
    // The hexagon outlined, and an arrow from the six values down to its
    // top side.
    const POINT c = g.hexagone(hx);
    const int r = g.page.modele().gettaillepix() + 8;
    contourhexagone(dc, c, r, 14, orange);
    fleche(dc, {c.x, 380}, {c.x, static_cast<LONG>(c.y - r * 0.87 - 12)}, orange);
    texte(dc, c.x, 330, 70, "1 2 3 4 5 6", orange);
    return true;
}

bool page3(HDC dc) {
    grilledessin g("1938-1", 980, 760, [](clagripage& p) { joueexemple(p, 6, 0); });
    g.pose(dc, 40, 360, 980, 760);
    // The grid buttons of the column, right of the window's own buttons.
    const char* noms[5] = {"Gr1", "Gr2", "Gr3", "Gr4", "Gr5"};
    const int gx = coindroite + 60;
    const int gy = 1150;
    for (int i = 0; i < 5; ++i) bouton(dc, gx, gy + i * 58, 100, 54, noms[i]);
    texte(dc, gx + 150, gy + 58 + 27, 60, "*", rouge);
    texte(dc, gx + 50, gy + 5 * 58 + 30, 50, "Niv.", 0xFF0000);
    // From "F" to a value the player entered (F takes those away), clear of
    // the given values.
    bouton(dc, 620, 1250, 66, 66, "F");
    const POINT a{653, 1240};
    std::vector<short> jouees;
    for (short c = 1; c <= g.page.modele().getnbcases(); ++c)
        if (!g.page.modele().casestvide(c) && !g.page.modele().casestfixe(c)) jouees.push_back(c);
    const short c = ciblelibre(g, a, jouees);
    return c > 0 && flechecase(dc, g, a, c, vert);
}

bool page4(HDC dc) {
    constexpr int sx = 240;
    constexpr int sy = 1000;
    const POINT trois = selecteur(dc, sx, sy, 3);
    texte(dc, sx, 720, 110, "3", magenta);
    grilledessin g("1251-1", 660, 760, [](clagripage& p) { joueexemple(p, 2, 0); });
    g.pose(dc, 400, 380, 660, 760);
    // From the selector's triangle of 3, beside its digit on the grid's
    // side, to an empty cell that takes 3, its head short of the entered
    // digit.
    const POINT a{trois.x + 45, trois.y + 20};
    std::vector<short> possibles;
    for (short c = 1; c <= g.page.modele().getnbcases(); ++c)
        if (g.page.modele().casestvide(c) && (libres(g.page, c) & 4) != 0) possibles.push_back(c);
    const short c = ciblelibre(g, a, possibles);
    bool bonne = false;
    if (c > 0) {
        g.page.modele().setcaseval(c, 3);
        peintgrille(g.ctx, g.page, g.d, *g.fond, *g.image);
        BitBlt(dc, g.x0, g.y0, g.image->larg(), g.image->haut(), g.image->dc(), 0, 0, SRCCOPY);
        bonne = flechecase(dc, g, a, c, magenta);
    }
    for (int k = 1; k <= 6; ++k) {
        const std::string t(1, static_cast<char>('0' + k));
        bouton(dc, 80 + (k - 1) * 150, 1240, 110, 100, t.c_str());
    }
    bouton(dc, 380, 1380, 200, 100, "Tab");
    return bonne;
}

bool page5(HDC dc) {
    grilledessin g("1251-1", 980, 900, [](clagripage& p) { joueexemple(p, 6, 0); });
    g.pose(dc, 40, 360, 980, 900);
    bouton(dc, 160, 1290, 90, 90, "0");
    bouton(dc, 420, 1290, 66, 90, "<");
    bouton(dc, 486, 1290, 66, 90, ">");
    const POINT a{205, 1270};
    std::vector<short> vides;
    for (short c = 1; c <= g.page.modele().getnbcases(); ++c)
        if (g.page.modele().casestvide(c)) vides.push_back(c);
    const short c = ciblelibre(g, a, vides);
    if (c > 0) {
        const POINT p = g.cellule(c);
        HPEN avant = plume(dc, 12, rouge);
        MoveToEx(dc, p.x - 30, p.y - 30, nullptr);
        LineTo(dc, p.x + 30, p.y + 30);
        MoveToEx(dc, p.x + 30, p.y - 30, nullptr);
        LineTo(dc, p.x - 30, p.y + 30);
        rendplume(dc, avant);
        return flechecase(dc, g, a, c, rouge);
    }
    return false;
}

// A grey frame (x, y, w, h) of that pen width.
void cadre(HDC dc, int x, int y, int w, int h, int l) {
    HPEN avant = plume(dc, l, 0x404040);
    HGDIOBJ ab = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, x, y, x + w, y + h);
    SelectObject(dc, ab);
    rendplume(dc, avant);
}

bool page6(HDC dc) {
    const auto joue = [](clagripage& p) { joueexemple(p, 2, 8); };
    grilledessin g("1251-1", 640, 620, joue);
    g.pose(dc, 40, 340, 640, 620);
    // The same grid far larger, framed around a cell that holds all six
    // marks: the marks' places close up.
    grilledessin h("1251-1", 4000, 4000, joue, 400);
    short c = 0;
    for (short k = 1; k <= h.page.modele().getnbcases() && c == 0; ++k)
        if (h.page.modele().casestvide(k) && h.page.modele().getpuser(k) == 63) c = k;
    if (c == 0) return false;
    const int fx = 400;
    const int fy = 1000;
    const int fw = 620;
    const int fh = piedhaut - 10 - fy;
    const POINT p = h.cellule(c);
    const int sx = std::clamp(static_cast<int>(p.x) - fw / 2, 0, h.image->larg() - fw);
    const int sy = std::clamp(static_cast<int>(p.y) - fh / 2, 0, h.image->haut() - fh);
    BitBlt(dc, fx, fy, fw, fh, h.image->dc(), sx, sy, SRCCOPY);
    cadre(dc, fx, fy, fw, fh, 8);
    // The same cell framed on the small grid, and a line to the close-up.
    const POINT q = g.cellule(c);
    const int r = g.page.modele().gettaillepix() / 2;
    cadre(dc, q.x - r, q.y - r, 2 * r, 2 * r, 5);
    HPEN avant = plume(dc, 5, 0x404040);
    MoveToEx(dc, q.x, q.y + r, nullptr);
    LineTo(dc, fx + fw / 2, fy);
    rendplume(dc, avant);
    return true;
}

bool page7(HDC dc) {
    const POINT c{300, 700};
    cercle(dc, c, 220, 16, 0x404040);
    for (int k = 0; k < 12; ++k) {
        const double a = k * 3.14159265358979 / 6;
        HPEN avant = plume(dc, 8, 0x404040);
        MoveToEx(dc, static_cast<int>(c.x + 180 * std::cos(a)),
                 static_cast<int>(c.y - 180 * std::sin(a)), nullptr);
        LineTo(dc, static_cast<int>(c.x + 205 * std::cos(a)),
               static_cast<int>(c.y - 205 * std::sin(a)));
        rendplume(dc, avant);
    }
    fleche(dc, c, {c.x, c.y - 160}, 0x404040);
    fleche(dc, c, {c.x + 120, c.y + 40}, rouge);
    bouton(dc, 640, 560, 80, 80, "P");
    bouton(dc, 640, 680, 80, 80, "S");
    bouton(dc, 640, 820, 80, 80, "X");
    grilledessin g("1251-1", 700, piedhaut - 1000, [](clagripage& p) { joueexemple(p, 4, 0); });
    g.pose(dc, coindroite, 1000, 700, piedhaut - 1000);
    return true;
}

bool page8(HDC dc) {
    grilledessin g("1803-17", 1600, 1600, [](clagripage& p) { joueexemple(p, 6, 2); });
    // The window shows part of the grid: a frame, and the arrows on the
    // sides where the grid goes on.
    const int fx = 60;
    const int fy = 360;
    const int fw = 880;
    const int fh = 820;
    g.x0 = fx - 40;
    g.y0 = fy - 40;
    BitBlt(dc, fx, fy, fw, fh, g.image->dc(), 40, 40, SRCCOPY);
    cadre(dc, fx, fy, fw, fh, 8);
    auto triangle = [&](POINT a, POINT b, POINT c, int couleur) {
        HBRUSH br = CreateSolidBrush(static_cast<COLORREF>(couleur));
        HGDIOBJ sb = SelectObject(dc, br);
        HPEN av = plume(dc, 2, couleur);
        const POINT t[3] = {a, b, c};
        Polygon(dc, t, 3);
        rendplume(dc, av);
        DeleteObject(SelectObject(dc, sb));
    };
    const int my = fy + fh / 2;
    const int mx = fx + fw / 2;
    triangle({fx + fw - 60, my - 45}, {fx + fw - 60, my + 45}, {fx + fw - 12, my}, rouge);
    triangle({fx + 60, my - 45}, {fx + 60, my + 45}, {fx + 12, my}, 0xCCCCCC);
    triangle({mx - 45, fy + fh - 60}, {mx + 45, fy + fh - 60}, {mx, fy + fh - 12}, rouge);
    triangle({mx - 45, fy + 60}, {mx + 45, fy + 60}, {mx, fy + 12}, 0xCCCCCC);
    const int r = g.page.modele().gettaillepix();
    const int couleurs[3] = {rouge, vert, orange};
    short pris[3] = {0, 0, 0};
    for (short k = 0; k < 3; ++k) {
        long meilleur = -1;
        for (short h = 1; h <= g.page.modele().getnbhexacompletes(); ++h) {
            if (h == pris[0] || h == pris[1]) continue;
            const POINT p = g.hexagone(h);
            const long cible_x = fx + fw / 2 + (k - 1) * 2 * r;
            const long dist = std::abs(p.x - cible_x) + std::abs(p.y - (fy + fh / 2 - k * r));
            if (meilleur < 0 || dist < meilleur) {
                meilleur = dist;
                pris[k] = h;
            }
        }
        if (pris[k] > 0) contourhexagone(dc, g.hexagone(pris[k]), r, 8, couleurs[k]);
    }
    bouton(dc, 140, 1300, 60, 70, "-");
    bouton(dc, 200, 1300, 60, 70, "+");
    bouton(dc, 420, 1300, 170, 70, "FR/EN");
    bouton(dc, 700, 1300, 70, 70, "I");
    return true;
}

bool page9(HDC dc) {
    grilledessin g("1709-6", 980, 1150, [](clagripage& p) {
        solution(p);
        // Empty a third of the cells the player filled, and note the
        // candidates of some of them.
        for (short c = 1; c <= p.modele().getnbcases(); ++c)
            if (!p.modele().casestfixe(c) && c % 3 != 0) p.modele().setcaseval(c, 0);
        short marques = 0;
        for (short c = 1; c <= p.modele().getnbcases() && marques < 5; ++c) {
            if (!p.modele().casestvide(c) || c % 4 != 1) continue;
            for (short v = 1; v <= 6; ++v)
                if ((libres(p, c) & (1 << (v - 1))) != 0) p.modele().swapossuser(c, v);
            ++marques;
        }
    });
    g.pose(dc, 40, 360, 980, 1150);
    // A cell with a single value left.
    for (short c = 1; c <= g.page.modele().getnbcases(); ++c) {
        const short m = libres(g.page, c);
        if (g.page.modele().casestvide(c) && g.page.modele().getpuser(c) == 0 && m != 0 &&
            (m & (m - 1)) == 0) {
            cercle(dc, g.cellule(c), g.page.modele().gettaillepix() / 3, 10, orange);
            break;
        }
    }
    return true;
}

bool ecritpage(const std::filesystem::path& dossier, int n, bool (*dessin)(HDC)) {
    bitmapmemoire toile(largeur, hauteur, 0xFFFFFF);
    const bool dessinee = dessin(toile.dc());
    finusageressources();
    if (!dessinee) std::fprintf(stderr, "reglesimages: page %d is not drawn as it should be\n", n);
    const auto bytes = encodebmp8(toile.image());
    const std::filesystem::path chemin = dossier / ("regle" + std::to_string(n) + ".bmp");
    if (!ecrirefichier(chemin.string(), bytes)) {
        std::fprintf(stderr, "reglesimages: cannot write %s\n", chemin.string().c_str());
        return false;
    }
    return dessinee;
}

// The application icon: one hexagon of the game, its six cells filled with
// the values 1 to 6, on a transparent ground.
bool ecriticone(const std::filesystem::path& dossier) {
    const int t = 256;
    bitmapmemoire b(t, t, 0xFF00FE);
    HDC dc = b.dc();
    const POINT c{t / 2, t / 2};
    const int r = 120;
    static const int fonds[6] = {0x99FFFF, 0xFFE0B0, 0x99FFFF, 0xFFE0B0, 0x99FFFF, 0xFFE0B0};
    static const int valeurs[6] = {1, 6, 5, 4, 3, 2};
    for (int k = 0; k < 6; ++k) {
        const double a1 = k * 3.14159265358979 / 3;
        const double a2 = (k + 1) * 3.14159265358979 / 3;
        const POINT p[3] = {c,
                            {static_cast<LONG>(std::lround(c.x + r * std::cos(a1))),
                             static_cast<LONG>(std::lround(c.y - r * std::sin(a1)))},
                            {static_cast<LONG>(std::lround(c.x + r * std::cos(a2))),
                             static_cast<LONG>(std::lround(c.y - r * std::sin(a2)))}};
        HBRUSH br = CreateSolidBrush(static_cast<COLORREF>(fonds[k]));
        HGDIOBJ ab = SelectObject(dc, br);
        HPEN avant = plume(dc, 6, 0);
        Polygon(dc, p, 3);
        rendplume(dc, avant);
        DeleteObject(SelectObject(dc, ab));
    }
    contourhexagone(dc, c, r, 10, 0xFF0000);
    for (int k = 0; k < 6; ++k) {
        const double a = (k + 0.5) * 3.14159265358979 / 3;
        const std::string s(1, static_cast<char>('0' + valeurs[k]));
        texte(dc, static_cast<int>(c.x + r * 0.58 * std::cos(a)),
              static_cast<int>(c.y - r * 0.58 * std::sin(a)), 56, s.c_str(), k == 0 ? magenta : 0,
              700);
    }
    const imagergb image = b.image();
    const bool ok =
        ecrirefichier((dossier / "vora.png").string(), encodepngalpha(image, 0xFF00FE)) &&
        ecrirefichier((dossier / "vora.ico").string(), encodeico(image, 0xFF00FE));
    if (!ok) std::fprintf(stderr, "reglesimages: cannot write the icon\n");
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: reglesimages FOLDER\n");
        return 2;
    }
    const std::filesystem::path dossier = argv[1];
    std::error_code err;
    std::filesystem::create_directories(dossier, err);
    globinitvocalcul();
    bool (*pages[9])(HDC) = {page1, page2, page3, page4, page5, page6, page7, page8, page9};
    bool ok = true;
    for (int n = 1; n <= 9; ++n) ok = ecritpage(dossier, n, pages[n - 1]) && ok;
    ok = ecriticone(dossier) && ok;
    libereressources();
    vora::platform::release_font_caches();
    std::printf("%s: nine rules pictures and the icon\n", ok ? "written" : "FAILED");
    return ok ? 0 : 1;
}
