// The value selector: geometry, drawing, hit test; choosing the current value.
#include "shell/selecteur.h"

#include "shell/curseurs.h"
#include "shell/etatjeu.h"
#include "shell/jeu.h"
#include "shell/peinture.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct selecteur {
    bool calcule = false;
    short cx = 55;
    short cy = 320;
    POINT contours[6][4]{};
    POINT interieurs[6]{};
    POINT exterieurs[6]{};
    POINT textes[6]{};
};
selecteur sel;

// The lattice directions A..F at size 30 (screen y downward).
constexpr short dir30[7][2] = {{30, 0},    {15, 26},  {-15, 26}, {-30, 0},
                               {-15, -26}, {15, -26}, {30, 0}};

// Each value's count of cells left to place, small and dark blue, between
// its digit and the hexagon's centre, clear of the triangle's sides; nothing
// for a complete value.
void dessinrestes(HDC dc, const std::array<short, 7>& restantes) {
    HFONT police = CreateFontA(9, 3, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ ancienne = SelectObject(dc, police);
    SetTextColor(dc, 0x800000);
    for (short k = 0; k < 6; ++k) {
        const short n = restantes[static_cast<size_t>(valeurboutri(k))];
        if (n <= 0) continue;
        const std::string t = std::to_string(n);
        // The digit's side of each axis; the triangles above and below the
        // centre hold their count on the vertical axis.
        const LONG dx = sel.interieurs[k].x - sel.cx;
        const LONG dy = sel.interieurs[k].y - sel.cy;
        const LONG sx = dx > 2 ? 1 : dx < -2 ? -1 : 0;
        const LONG sy = dy > 0 ? 1 : -1;
        const LONG x = sel.cx + sx * 10;
        const LONG y = sel.cy + sy * (sx == 0 ? 8 : 5) - 4;
        TextOutA(dc, x, y, t.c_str(), static_cast<int>(t.size()));
    }
    SelectObject(dc, ancienne);
    DeleteObject(police);
}

} // namespace

void calcuboutri(short haut) {
    if (sel.calcule) return;
    sel.cx = 55;
    sel.cy = static_cast<short>(haut + 30);
    for (int k = 0; k < 6; ++k) {
        const short x0 = dir30[k][0];
        const short y0 = dir30[k][1];
        const short x1 = dir30[k + 1][0];
        const short y1 = dir30[k + 1][1];
        sel.contours[k][0] = POINT{sel.cx, sel.cy};
        sel.contours[k][1] = POINT{sel.cx + x0, sel.cy + y0};
        sel.contours[k][2] = POINT{sel.cx + x1, sel.cy + y1};
        sel.contours[k][3] = POINT{sel.cx, sel.cy};
        sel.interieurs[k] = POINT{sel.cx + (x0 + x1) / 3, sel.cy - (y0 + y1) / 3};
        sel.textes[k] = POINT{sel.cx + (x0 + x1) / 3, sel.cy - 8 - (y0 + y1) / 3};
        sel.exterieurs[k] = POINT{sel.cx + 2 * (x0 + x1) / 3, sel.cy - 2 * (y0 + y1) / 3};
    }
    sel.calcule = true;
}

short valeurboutri(short k) {
    static const short valeurs[] = {1, 6, 5, 4, 3, 2};
    return k >= 0 && k <= 5 ? valeurs[k] : 0;
}

RECT cadreboutri() {
    return RECT{sel.cx - 31, sel.cy - 31, sel.cx + 32, sel.cy + 32};
}

void dessinboutri(HDC dc) {
    if (!sel.calcule) return;
    LOGBRUSH lb{BS_SOLID, 0x999999, 0};
    HPEN stylo = ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 2, &lb, 0, nullptr);
    HBRUSH fond = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    HGDIOBJ ancienstylo = SelectObject(dc, stylo);
    HGDIOBJ ancienfond = SelectObject(dc, fond);
    for (const auto& contour : sel.contours) Polygon(dc, contour, 4);
    HFONT police = CreateFontA(16, 5, 0, 0, 600, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    HGDIOBJ anciennepolice = SelectObject(dc, police);
    const UINT ancienalign = SetTextAlign(dc, TA_CENTER | TA_TOP);
    const int ancienmode = SetBkMode(dc, TRANSPARENT);
    // With the counts option each value shows how many of it are left to
    // place, and a complete value is greyed; when the grid's solution is not
    // known, a value that no empty cell can take any more is greyed.
    const bool comptes = partie.parametres().comptes && anymode(modeappli::jeu);
    const std::optional<std::array<short, 7>> restantes =
        comptes ? partie.restantes() : std::nullopt;
    const std::array<short, 7> places =
        comptes && !restantes ? partie.placeslibres() : std::array<short, 7>{1, 1, 1, 1, 1, 1, 1};
    for (short k = 0; k < 6; ++k) {
        const short v = valeurboutri(k);
        const short reste = restantes ? (*restantes)[static_cast<size_t>(v)] : short(-1);
        const bool complete = reste == 0 || places[static_cast<size_t>(v)] == 0;
        SetTextColor(dc, v == partie.valeurcourante() ? 0xFF00FF : complete ? 0xA0A0A0 : 0);
        const char texte[2] = {boncarac(0, v), 0};
        TextOutA(dc, sel.textes[k].x, sel.textes[k].y, texte, 1);
    }
    if (restantes) dessinrestes(dc, *restantes);
    SetBkMode(dc, ancienmode);
    SetTextAlign(dc, ancienalign);
    SelectObject(dc, anciennepolice);
    SelectObject(dc, ancienfond);
    SelectObject(dc, ancienstylo);
    DeleteObject(police);
    DeleteObject(fond);
    DeleteObject(stylo);
}

short boutriproche(short x, short y) {
    if (!sel.calcule) return 0;
    int meilleur = -1;
    int distance = 0;
    for (int i = 0; i < 12; ++i) {
        const POINT p = i < 6 ? sel.interieurs[i] : sel.exterieurs[i - 6];
        const int d = std::abs(x - p.x) + std::abs(y - p.y);
        if (meilleur < 0 || d < distance) {
            meilleur = i;
            distance = d;
        }
    }
    if (meilleur >= 6 || distance > 30) return 0;
    return valeurboutri(static_cast<short>(meilleur));
}

void nombreclic(short v) {
    appliquer(partie.choisitvaleur(v), true);
}

void cliquechiffre(char source, short v) {
    if (v < 0 || v > 6) return;
    appliquer(source == 'K' ? partie.touchevaleur(v) : partie.choisitvaleur(v), true);
}

void captouchauvol() {
    // Shift or Ctrl with a digit is another key (a pencil mark): the digit is
    // read and dropped.
    const bool autre = ((static_cast<unsigned short>(GetAsyncKeyState(VK_SHIFT)) |
                         static_cast<unsigned short>(GetAsyncKeyState(VK_CONTROL))) &
                        0x8000u) != 0;
    for (short v = 0; v <= 6; ++v)
        if (GetAsyncKeyState('0' + v) != 0) {
            if (!autre) cliquechiffre('K', v);
            break;
        }
    for (short v = 0; v <= 6; ++v)
        if (GetAsyncKeyState(VK_NUMPAD0 + v) != 0) {
            if (!autre) cliquechiffre('K', v);
            break;
        }
    if (GetAsyncKeyState(VK_TAB) != 0) appliquer(partie.valeursuivante(), true);
}
