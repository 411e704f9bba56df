// The value selector: geometry, drawing, hit test.
#include "shell/selecteur.h"

#include "render/contextedessin.h"

#include <cstdlib>
#include <string>

namespace {

// The lattice directions A..F at size 30 (screen y downward).
constexpr short dir30[7][2] = {{30, 0},    {15, 26},  {-15, 26}, {-30, 0},
                               {-15, -26}, {15, -26}, {30, 0}};

} // namespace

void claselecteur::calcule(short haut) {
    if (calcule_) return;
    cx = 55;
    cy = static_cast<short>(haut + 30);
    for (int k = 0; k < 6; ++k) {
        const short x0 = dir30[k][0];
        const short y0 = dir30[k][1];
        const short x1 = dir30[k + 1][0];
        const short y1 = dir30[k + 1][1];
        contours[k][0] = POINT{cx, cy};
        contours[k][1] = POINT{cx + x0, cy + y0};
        contours[k][2] = POINT{cx + x1, cy + y1};
        contours[k][3] = POINT{cx, cy};
        interieurs[k] = POINT{cx + (x0 + x1) / 3, cy - (y0 + y1) / 3};
        textes[k] = POINT{cx + (x0 + x1) / 3, cy - 8 - (y0 + y1) / 3};
        exterieurs[k] = POINT{cx + 2 * (x0 + x1) / 3, cy - 2 * (y0 + y1) / 3};
    }
    calcule_ = true;
}

short claselecteur::valeurboutri(short k) {
    constexpr short valeurs[] = {1, 6, 5, 4, 3, 2};
    return k >= 0 && k <= 5 ? valeurs[k] : short(0);
}

RECT claselecteur::cadre() const {
    return RECT{cx - 31, cy - 31, cx + 32, cy + 32};
}

// Each value's count of cells left to place, small and dark blue, between
// its digit and the hexagon's centre, clear of the triangle's sides; nothing
// for a complete value.
void claselecteur::dessinrestes(HDC dc, const vuejeu& v) const {
    HFONT police = CreateFontA(9, 3, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ ancienne = SelectObject(dc, police);
    SetTextColor(dc, 0x800000);
    for (short k = 0; k < 6; ++k) {
        const short n = v.restes[static_cast<size_t>(valeurboutri(k))];
        if (n <= 0) continue;
        const std::string t = std::to_string(n);
        // The digit's side of each axis; the triangles above and below the
        // centre hold their count on the vertical axis.
        const LONG dx = interieurs[k].x - cx;
        const LONG dy = interieurs[k].y - cy;
        const LONG sx = dx > 2 ? 1 : dx < -2 ? -1 : 0;
        const LONG sy = dy > 0 ? 1 : -1;
        const LONG x = cx + sx * 10;
        const LONG y = cy + sy * (sx == 0 ? 8 : 5) - 4;
        TextOutA(dc, x, y, t.c_str(), static_cast<int>(t.size()));
    }
    SelectObject(dc, ancienne);
    DeleteObject(police);
}

void claselecteur::dessine(HDC dc, const vuejeu& v) const {
    if (!calcule_) return;
    LOGBRUSH lb{BS_SOLID, 0x999999, 0};
    HPEN stylo = ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 2, &lb, 0, nullptr);
    HBRUSH fond = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    HGDIOBJ ancienstylo = SelectObject(dc, stylo);
    HGDIOBJ ancienfond = SelectObject(dc, fond);
    for (const auto& contour : contours) Polygon(dc, contour, 4);
    HFONT police = CreateFontA(16, 5, 0, 0, 600, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ anciennepolice = SelectObject(dc, police);
    const UINT ancienalign = SetTextAlign(dc, TA_CENTER | TA_TOP);
    const int ancienmode = SetBkMode(dc, TRANSPARENT);
    bool comptes = false;
    for (short k = 0; k < 6; ++k) {
        const short val = valeurboutri(k);
        comptes = comptes || v.restes[static_cast<size_t>(val)] >= 0;
        SetTextColor(dc, val == v.valeurcourante                ? 0xFF00FF
                         : v.complete[static_cast<size_t>(val)] ? 0xA0A0A0
                                                                : 0);
        const char texte[2] = {boncarac(0, val), 0};
        TextOutA(dc, textes[k].x, textes[k].y, texte, 1);
    }
    if (comptes) dessinrestes(dc, v);
    SetBkMode(dc, ancienmode);
    SetTextAlign(dc, ancienalign);
    SelectObject(dc, anciennepolice);
    SelectObject(dc, ancienfond);
    SelectObject(dc, ancienstylo);
    DeleteObject(police);
    DeleteObject(fond);
    DeleteObject(stylo);
}

short claselecteur::proche(short x, short y) const {
    if (!calcule_) return 0;
    int meilleur = -1;
    int distance = 0;
    for (int i = 0; i < 12; ++i) {
        const POINT p = i < 6 ? interieurs[i] : exterieurs[i - 6];
        const int d = std::abs(x - p.x) + std::abs(y - p.y);
        if (meilleur < 0 || d < distance) {
            meilleur = i;
            distance = d;
        }
    }
    if (meilleur >= 6 || distance > 30) return 0;
    return valeurboutri(static_cast<short>(meilleur));
}
