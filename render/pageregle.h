// The rules pages: a book of nine pictures with their texts written over
// them, drawn into the 800 x 600 rules window, and the page number that the
// rules window shows with its "<", ">" and "R" buttons.
//
// What the shell calls:
//  - at start-up: enregistreimagesregles() (resources/ressourcesregles.h;
//    the executable links the library ressourcesregles, which on Windows
//    also compiles the pictures and the icon into it);
//  - "?": regleouvrir() (page 1), then size the window to fenetreglewid x
//    fenetreglehgt client pixels and repaint;
//  - "<" / ">": regleprecedente() / reglesuivante(), then repaint (the
//    keys Home / End: regleouvrir() / regledernierepage()); the
//    buttons are shown while reglemontreprecedente() /
//    reglemontresuivante() are true;
//  - the paint in rules mode: pagereglaffi(dc, reglepage) with the window's
//    (or its back buffer's) DC, after setting reglelangue to the game's
//    language (0 French, 1 English);
//  - "R" and the exit: liberepagesregles() gives the pictures' memory back
//    (each page is loaded again on its next display).
#pragma once

#include "render/cladevout.h"
#include "render/claminibitmap.h"

#include "foundation/gstring.h"
#include "platform/win32.h"

#include <string>
#include <vector>

inline constexpr short fenetreglewid = 800;
inline constexpr short fenetreglehgt = 600;

extern short reglepage;   // the page shown, reglepadeb..reglepafin
extern short reglepadeb;  // 1
extern short reglepafin;  // 9 (pageregledef sets it again on every call)
extern short reglelangue; // 0 French, 1 English
// The module holding the pictures (Windows; null: the executable).
extern HINSTANCE regleinstance;
extern gstring reglepoli; // face of the rules font (decoded on first use)

// Page 1 (the "?" command, and the Home key).
void regleouvrir();
// The last page (the End key).
void regledernierepage();
// The next / previous page, stopping at reglepafin / reglepadeb.
void reglesuivante();
void regleprecedente();
// Whether the "Next page" / "Previous page" buttons are shown.
bool reglemontresuivante();
bool reglemontreprecedente();

// Draw page 1..9 into dc, whose client area is fenetreglewid x
// fenetreglehgt: a cyan ground, the page's picture stretched over the whole
// window, the page's texts in the language reglelangue and the page number
// in "Helvetica". A page outside 1..9 shows
// the cyan ground and its number only.
void pagereglaffi(HDC dc, short page);
// Write the texts of page 1..9 on device d, whose local origin is the
// window's centre at 100 dpi; any other page writes nothing.
void pageregledef(cladevout& d, short page);
// One text line in the rules font: height in millimetres (the font's width
// is a third of its height), escapement in degrees, weight 0 for the
// default; the text in the rules pen's colour, without background, at
// (x, y) millimetres from the local origin, centred on x when centred is
// non-zero, else starting at x.
// On device d.
void regletexte(cladevout& d, short x, short y, short angle, float height, char italic,
                short weight, char centred, const char* text);
// A geometric pen of that width (pixels) and colour; the colour becomes the
// rules text colour.
void reglecrayon(cladevout& d, short width, int colour);
// A solid brush of that colour, which also becomes the rules text colour.
void reglebrosse(cladevout& d, int colour);

// One text line of a page as pageregledef writes it (positions and height in
// millimetres, y upwards from the window's centre).
struct ligneregle {
    short x = 0;
    short y = 0;
    float hauteur = 5;
    char italique = 0;
    short graisse = 0;
    char centre = 0;
    bool enregistre = false; // the registered sign follows at (xr, yr)
    short xr = 0;
    short yr = 0;
    std::string texte; // Windows-1252
};
// The lines of page 1..9 in a language (0 French, 1 English); empty for any
// other page.
std::vector<ligneregle> reglelignes(short page, short langue);

// The picture of page 1..9, loaded (and reduced to the window's size) on its
// first display; null before that or when the resource is missing.
claminibitmap* reglebitmap(short page);
// How many times the resource of page 1..9 has been loaded.
int reglechargements(short page);
// Release the nine pictures (they are loaded again when shown).
void liberepagesregles();
