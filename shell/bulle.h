// clabulle: the help's bubble, a popup near the grid that never takes the
// focus: a text cut into lines of at most 360 pixels (less in a narrow
// window). A click on it calls the owner back (surclic).
#pragma once

#include "platform/win32.h"

#include <functional>
#include <string>
#include <vector>

class clabulle {
public:
    clabulle() = default;
    // ferme().
    ~clabulle();
    clabulle(const clabulle&) = delete;
    clabulle& operator=(const clabulle&) = delete;

    // Show texte, owned by principale, at most largeurmax pixels wide (its
    // lines cut to fit, 80 pixels of text at least), with the bubble's
    // top-left corner at the screen point place returns for the bubble's
    // size (kept inside the work area); the bubble shown before is closed
    // first. Nothing when its window class cannot be registered.
    void ouvre(HWND principale, HINSTANCE instance, const std::string& texte, int largeurmax,
               const std::function<POINT(SIZE)>& place);
    void ferme();
    bool ouverte() const { return fenetre != nullptr; }
    // The bubble's window (null when closed) and its text's lines.
    HWND fenetreouverte() const { return fenetre; }
    std::size_t nblignes() const { return lignes.size(); }
    // What a click on the bubble runs (its owner takes the help away).
    std::function<void()> surclic;

private:
    friend LRESULT CALLBACK procbulle(HWND, UINT, WPARAM, LPARAM);
    void peindre(HWND f) const;

    HWND fenetre = nullptr;
    std::vector<std::string> lignes;
};
