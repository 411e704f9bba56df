// clamenupopup: a popup menu of lines over the main window (the menu of
// commands, the new grid's picker, its indicator): a click on a line posts
// the line's command to the main window (WM_COMMAND); while it is open the
// main window hands it the keys: Up and Down choose a line, Return (or
// Space) posts it, Escape (or the menu key) closes it. It never takes the
// focus.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

// A line of a popup menu: the command its choice posts and its text.
struct lignemenu {
    short id;
    std::string texte;
};

class clamenupopup {
public:
    clamenupopup() = default;
    // ferme().
    ~clamenupopup();
    clamenupopup(const clamenupopup&) = delete;
    clamenupopup& operator=(const clamenupopup&) = delete;

    // Open the menu of lignes (the one open closed first) with its top-left
    // corner at screen point p, kept inside the work area; its commands go
    // to principale. Nothing for no lines, or when its window class cannot
    // be registered (classes.h).
    void ouvre(HWND principale, HINSTANCE instance, POINT p, std::vector<lignemenu> lignes);
    bool ouvert() const { return fenetre != nullptr; }
    void ferme();
    // A key for the open menu; false when the menu is closed or the key is
    // not one of its own (the menu is then closed and the key goes on).
    bool touche(WPARAM touche);
    // The line chosen (0 the first) and the lines.
    int choisie() const { return choix; }
    const std::vector<lignemenu>& lignesmenu() const { return lignes; }

private:
    friend LRESULT CALLBACK procmenu(HWND, UINT, WPARAM, LPARAM);
    // Post line i's command and close the menu; nothing outside the lines.
    void execute(int i);
    void peindre(HWND f) const;

    HWND fenetre = nullptr;
    HWND principale = nullptr;
    std::vector<lignemenu> lignes;
    int choix = 0;
};
