// The rules pages: a book of nine pictures with their texts written over
// them, drawn into the 800 x 600 rules window, and the page number that the
// rules window shows with its "<", ">" and "R" buttons.
//
// What the shell calls (its clapagesregles kept for the run):
//  - at start-up: enregistreimagesregles() (resources/ressourcesregles.h;
//    the executable links the library ressourcesregles, which on Windows
//    also compiles the pictures and the icon into it);
//  - "?": regleouvrir(page) on the page number its rules window keeps,
//    then size the window to fenetreglewid x fenetreglehgt client pixels and
//    repaint;
//  - "<" / ">": regleprecedente(page) / reglesuivante(page), then repaint
//    (the keys Home / End: regleouvrir(page) / regledernierepage(page)); the
//    buttons are shown while reglemontreprecedente(page) /
//    reglemontresuivante(page) are true;
//  - the paint in rules mode: pagereglaffi(dc, page, language) with the
//    window's (or its back buffer's) DC and the game's language (0 French,
//    1 English);
//  - "R" and the exit: liberepagesregles() gives the pictures' memory back
//    (each page is loaded again on its next display).
#pragma once

#include "render/cladevout.h"
#include "render/claminibitmap.h"

#include "platform/win32.h"

#include <array>
#include <string>
#include <vector>

inline constexpr short fenetreglewid = 800;
inline constexpr short fenetreglehgt = 600;

inline constexpr short reglepadeb = 1; // the first page
inline constexpr short reglepafin = 9; // the last page

// The face of the rules font (decoded from the rules data on first use).
const char* reglepolice();

// The navigation moves the page number the rules window keeps.
// Page 1 (the "?" command, and the Home key).
void regleouvrir(short& page);
// The last page (the End key).
void regledernierepage(short& page);
// The next / previous page, stopping at reglepafin / reglepadeb (a page out
// of bounds is brought back within them).
void reglesuivante(short& page);
void regleprecedente(short& page);
// Whether the "Next page" / "Previous page" buttons are shown on that page.
bool reglemontresuivante(short page);
bool reglemontreprecedente(short page);

// clapagesregles: the rules book as it is drawn: its nine pictures, loaded
// on first display and kept until given back, the device of the rules window
// and the text colour of its pen and brush.
class clapagesregles {
public:
    clapagesregles() = default;
    clapagesregles(const clapagesregles&) = delete;
    clapagesregles& operator=(const clapagesregles&) = delete;

    // Draw page 1..9 into dc, whose client area is fenetreglewid x
    // fenetreglehgt: a cyan ground, the page's picture stretched over the
    // whole window, the page's texts in the language langue (0 French, 1
    // English) and the page number in "Helvetica". A page outside 1..9 shows
    // the cyan ground and its number only.
    void pagereglaffi(HDC dc, short page, short langue);
    // Write the texts of page 1..9 in the language langue on device d, whose
    // local origin is the window's centre at 100 dpi; any other page writes
    // nothing.
    void pageregledef(cladevout& d, short page, short langue);
    // One text line in the rules font: height in millimetres (the font's
    // width is a third of its height), escapement in degrees, weight 0 for
    // the default; the text in the rules pen's colour, without background,
    // at (x, y) millimetres from the local origin, centred on x when
    // centred is non-zero, else starting at x. On device d.
    void regletexte(cladevout& d, short x, short y, short angle, float height, char italic,
                    short weight, char centred, const char* text);
    // A geometric pen of that width (pixels) and colour; the colour becomes
    // the rules text colour.
    void reglecrayon(cladevout& d, short width, int colour);
    // A solid brush of that colour, which also becomes the rules text colour.
    void reglebrosse(cladevout& d, int colour);

    // The picture of page 1..9, loaded (and reduced to the window's size) on
    // its first display; null before that or when the resource is missing.
    claminibitmap* reglebitmap(short page);
    // How many times the resource of page 1..9 has been loaded.
    int reglechargements(short page) const;
    // Release the nine pictures (they are loaded again when shown).
    void liberepagesregles();

private:
    void ecrit(cladevout& d, const char* face, short x, short y, short angle, float height,
               char italic, short weight, char centred, const char* text);

    // The rules window's device: 100 dpi, origin at the window's centre.
    cladevout crout;
    int couleur = 0;
    std::array<claminibitmap, reglepafin + 1> pages;
    std::array<int, reglepafin + 1> chargements{};
};

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
