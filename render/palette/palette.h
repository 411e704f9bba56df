// The looks of the game (the original colours, a dark one, one told apart
// by lightness for colour-blind players) and the palette of each: every
// colour the grid page is drawn with, and the two the shell adds around it.
// Colours are COLORREF values (0x00BBGGRR). Portable: standard library only.
#pragma once

// The looks, as the parameter file keeps them ("thm").
inline constexpr short themeoriginal = 0;  // the game's own colours, as they always were
inline constexpr short themesombre = 1;    // light ink on dark cells
inline constexpr short themedaltonien = 2; // the aids told apart by lightness, not hue
inline constexpr short nbthemes = 3;

struct palettedessin {
    // The grid page's colour roles (contextedessin.h says where each shows).
    int grischiffrefixe;
    int grischiffrejoue;
    int grisfondcase;
    int cjeutourcase;
    int grisinterne;
    int grisvingt;
    int fondessin;
    int coulnotes;
    int coulpointhexa;
    int coulsurligne;
    int coulconflit;
    int coulcurseur;
    int coulindice;
    int coulindicesurligne;
    int coulindiceombre;
    int coulindicecadre;
    int coulindicepossible;
    int coulfausse;
    // The shell's: the grid's contour and links, and the window's background
    // around the grid (fondsysteme: the system's button face colour).
    int coulcontour;
    int fondfenetre;
    bool operator==(const palettedessin&) const = default;
};

// The window's background of a palette that keeps the system's.
inline constexpr int fondsysteme = -1;

// The palette of look theme; a theme outside 0..nbthemes - 1 gets the
// original's.
const palettedessin& palettedutheme(short theme);
