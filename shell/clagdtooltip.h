// clagdtooltip: the tooltip of the main window: texts by button id, the
// buttons' zones, and a small popup with a centred label shown near the
// pointer while it rests on a zone or on a selector triangle.
#pragma once

#include "platform/win32.h"

#include "foundation/paralivo.h"

#include <vector>

class clagdtooltip {
public:
    clagdtooltip() { clear(); }
    clagdtooltip(const clagdtooltip&) = delete;
    clagdtooltip& operator=(const clagdtooltip&) = delete;

    // No texts, no zones, ids 0, offset (15, 20), label 100 x 18 at (1, 1).
    void clear();
    // Destroy the popup and forget everything.
    void scratch();
    void sethwndprin(HWND window) { principale = window; }
    // Register the popup's window class "GDTTIP" (once per process,
    // classes.h); false when it cannot be registered: the popup is then
    // never shown.
    bool creawinklassetooltip(HINSTANCE instance);
    // The text of id: two blanks, text (then n), two blanks.
    void settextip(short id, const char* text);
    void settextip(short id, const char* text, short n);
    void cleartextips();
    // A button's zone, client pixels, bounds inclusive (replacing the zone
    // the button had).
    void addboutcoo(short id, short x1, short x2, short y1, short y2);
    void videzones() { zones.clear(); }
    void setdecalage(short dx, short dy) {
        decalx = dx;
        decaly = dy;
    }
    // Selector triangles give the ids base + value.
    void setidnuzero(short base) { idbase = base; }
    // Hide the popup when it is shown.
    void virefentooltip();
    // A click (on any button, or anywhere in the window) at client (x, y):
    // hide the popup and hold it back until the pointer rests again.
    void retiens(short x, short y);
    // The pointer at client (x, y) of window: choose the id under it (the
    // selector's triangle value is passed in, 0 for none; the zone of a
    // hidden button counts for nothing), hide the popup when it changed,
    // show it near the pointer when an id with a text is current. While held
    // back by a click, each move of the pointer starts the rest timer of the
    // window (timerrepos) again instead.
    void danszoclifen(HWND window, short x, short y, short valeurtriangle);
    // The rest timer went off: the next danszoclifen may show the popup.
    void reposatteint(HWND window);
    // Show the current id's text at screen (x, y) plus the offset (nothing
    // without the popup's class).
    void tooltipaffichecr(short x, short y);
    void tooltipaffiloc(HWND window, short x, short y);

    short getidcourant() const { return idcourant; }
    bool estretenu() const { return retenu; }
    bool estvisible() const { return visible; }
    // The label's text (empty before any).
    const char* textelabel() const { return texteaffiche.adr(); }
    // The text of id without its blanks (empty when it has none).
    std::string textede(short id) const;
    HWND popup() const { return fenetrepopup; }

private:
    struct zone {
        short id, x1, x2, y1, y2;
    };
    paralivo textes;
    std::vector<zone> zones;
    short idcourant = 0;
    short idaffiche = 0;
    short idbase = 13;
    short decalx = 15;
    short decaly = 20;
    short largeurlabel = 100;
    short hauteurlabel = 18;
    bool visible = false;
    bool retenu = false;      // held back by a click until the pointer rests
    bool classeprete = false; // the popup's class is registered
    POINT posretenue{-1, -1};
    HWND principale = nullptr;
    HWND fenetrepopup = nullptr;
    HWND label = nullptr;
    HINSTANCE instance = nullptr;
    gstring texteaffiche;
};

// The main window's timer that tells the pointer rests (after a click).
inline constexpr UINT_PTR timerrepos = 2;
// How long the pointer must stay still to rest, in milliseconds.
inline constexpr UINT delairepos = 400;

LRESULT CALLBACK tooltyproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
