// Cursors built from AND/XOR masks, and the hourglass counter.
#include "shell/curseurs.h"

#include <array>
#include <cstdint>

namespace {

// 32 x 32 monochrome masks: AND then XOR, 4 bytes a row, high bit leftmost.
using masque = std::array<std::uint8_t, 128>;

// The arrow: '#' black, '.' white.
constexpr const char* dessinfleche[] = {
    "#",        "##",       "#.#",       "#..#",       "#...#",       "#....#",
    "#.....#",  "#......#", "#.......#", "#........#", "#.....#####", "#..#..#",
    "#.# #..#", "##  #..#", "#    #..#", "     #..#",  "      ##",
};
// Digits 1..6 in 5 x 7.
constexpr const char* chiffres[6][7] = {
    {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "},
    {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"},
    {" ### ", "#   #", "    #", "  ## ", "    #", "#   #", " ### "},
    {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "},
    {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "},
    {" ### ", "#    ", "#    ", "#### ", "#   #", "#   #", " ### "},
};

struct image {
    masque et;
    masque ou{};
    image() { et.fill(0xFF); }
    // Black pixel (AND 0, XOR 0) or white (AND 0, XOR 1).
    void point(int x, int y, bool blanc) {
        if (x < 0 || x >= 32 || y < 0 || y >= 32) return;
        const int i = y * 4 + x / 8;
        const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
        et[i] = static_cast<std::uint8_t>(et[i] & ~bit);
        if (blanc)
            ou[i] = static_cast<std::uint8_t>(ou[i] | bit);
        else
            ou[i] = static_cast<std::uint8_t>(ou[i] & ~bit);
    }
    void dessin(const char* const* lignes, int n, int x0, int y0) {
        for (int y = 0; y < n; ++y)
            for (int x = 0; lignes[y][x] != 0; ++x) {
                if (lignes[y][x] == '#') point(x0 + x, y0 + y, false);
                if (lignes[y][x] == '.') point(x0 + x, y0 + y, true);
            }
    }
    // A digit twice its size, black on a white halo.
    void chiffre(int v, int x0, int y0) {
        for (int y = -1; y <= 14; ++y)
            for (int x = -1; x <= 10; ++x) point(x0 + x, y0 + y, true);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 5; ++x)
                if (chiffres[v - 1][y][x] == '#')
                    for (int d = 0; d < 4; ++d)
                        point(x0 + 2 * x + d % 2, y0 + 2 * y + d / 2, false);
    }
    HCURSOR cree(HINSTANCE instance, int hx, int hy) const {
        return CreateCursor(instance, hx, hy, 32, 32, et.data(), ou.data());
    }
};

image croix() {
    image i;
    for (int d = 4; d < 28; ++d) {
        i.point(d, d, false);
        i.point(d + 1, d, false);
        i.point(31 - d, d, false);
        i.point(30 - d, d, false);
    }
    return i;
}

} // namespace

clacurseurs::~clacurseurs() {
    destrucursou();
}

HCURSOR clacurseurs::curseurdindex(short index) const {
    if (index == 7) return sablier;
    if (index == 8) return fleche;
    if (index == 10) return crees[7];
    if (index >= 0 && index <= 6) return crees[index == 0 ? 6 : index - 1];
    return fleche;
}

void clacurseurs::creacursouris(HINSTANCE instance) {
    destrucursou();
    fleche = LoadCursorA(nullptr, IDC_ARROW);
    sablier = LoadCursorA(nullptr, IDC_WAIT);
    for (int v = 1; v <= 6; ++v) {
        image i;
        i.dessin(dessinfleche, 17, 0, 0);
        i.chiffre(v, 14, 4);
        crees[v - 1] = i.cree(instance, 1, 1);
    }
    crees[6] = croix().cree(instance, 16, 16);
    image gomme;
    for (int y = 14; y < 30; ++y)
        for (int x = 8; x < 23; ++x) gomme.point(x, y, y > 20);
    crees[7] = gomme.cree(instance, 15, 22);
    crees[8] = croix().cree(instance, 16, 16);
    indexcourant = -1;
}

void clacurseurs::destrucursou() {
    for (auto& c : crees) {
        if (c != nullptr) DestroyCursor(c);
        c = nullptr;
    }
}

void clacurseurs::fixecursouris(bool force, short valeur, bool regles) {
    short index = valeur;
    if (niveausablier > 0)
        index = 7;
    else if (regles)
        index = 8;
    else if (effacement)
        index = 10;
    if (index == indexcourant && !force) return;
    indexcourant = index;
    HCURSOR c = curseurdindex(index);
    if (c != nullptr) SetCursor(c);
}

void clacurseurs::sablierdeb(short valeur, bool regles) {
    if (++niveausablier == 1) fixecursouris(false, valeur, regles);
}

void clacurseurs::sablierfin(short valeur, bool regles) {
    if (niveausablier <= 0) return;
    if (--niveausablier == 0) fixecursouris(false, valeur, regles);
}

void clacurseurs::signaleffacement(bool oui, short valeur, bool regles) {
    effacement = oui;
    fixecursouris(false, valeur, regles);
}
