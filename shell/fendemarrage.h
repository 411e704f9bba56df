// clafendemarrage: the splash window shown while the game starts and while a
// grid loads: a small always-on-top popup with the title, the version and a
// line of welcome in the language given to it.
#pragma once

#include "platform/win32.h"

#include "foundation/gstring.h"
#include "shell/core/createmsg.h"

class clafendemarrage {
public:
    clafendemarrage() { clear(); }
    clafendemarrage(const clafendemarrage&) = delete;
    clafendemarrage& operator=(const clafendemarrage&) = delete;

    // 100 x 100 at (0, 0), background clair(0xff0000), class "DEMFEN", not
    // created, not visible, no main window.
    void clear();
    // Destroy the window when it exists, then clear.
    void scratch();
    void fixetaille(short width, short height, COLORREF colour);
    void sethwndprin(HWND window);
    // Move and size the window to the stored rectangle, shown or hidden as
    // the visible flag says (nothing before creation).
    void repositionner();
    void fixesurecran(short x, short y);
    // Centred on the screen, 20 pixels above the middle.
    void fixaucentrecran();
    // Centred on the main window (20 pixels above its middle, never off the
    // screen's top or left), or on the screen when no main window is known.
    void fixaucentremain();
    void fixaucentremain(HWND window);
    // Register the class "DEMFEN" once per process (classes.h); false when
    // it cannot.
    bool creawinklassefendem(HINSTANCE instance);
    // Register the class and create the window hidden, centred on the screen;
    // false when either fails: there is then no splash, and showing, hiding
    // and placing it do nothing.
    bool creafendem(HINSTANCE instance);
    // Show (ShowWindow and UpdateWindow) or hide, when not already so.
    void simplaffidem(bool show);
    // Showing: centre, then show. Hiding: hide, then centre.
    void fixafficentrecran(bool show);
    void fixafficentremain(bool show);
    void fermer();
    // The language of the welcome line (languefrancais or langueanglais).
    void fixelangue(short l) { langue = l; }

    bool estvisible() const { return visible; }
    short languefendem() const { return langue; }
    COLORREF couleurfond() const { return fond; }
    HWND fenetre() const { return fendem; }
    RECT rectangle() const { return RECT{left, top, left + width, top + height}; }

private:
    short left = 0;
    short top = 0;
    short width = 100;
    short height = 100;
    HINSTANCE instance = nullptr;
    HWND principale = nullptr;
    HWND fendem = nullptr;
    gstring classe;
    COLORREF fond = 0;
    bool cree = false;
    bool visible = false;
    bool principaleconnue = false;
    bool deplacee = false;
    short langue = languefrancais;
};

// The splash window's procedure: paints the background and the text of the
// clafendemarrage that made it; closes by destroying itself; ignores input.
LRESULT CALLBACK fendemproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Draw the splash text into dc: "V-O-RA 110" and, below it, the welcome line
// in langue, centred in a 400 x 150 window.
void dessinfendem(HDC dc, short langue);
// The width in pixels of text in the dc's current font; 0 on failure.
short longenpixels(HDC dc, const char* text);
