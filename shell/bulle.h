// clabulle: the help's bubble, a popup near the grid that never takes the
// focus: a text cut into lines of at most 360 pixels. A click on it calls
// the owner back (surclic).
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

    // Show texte with the bubble's top-left corner at screen point p (kept
    // inside the work area), owned by principale; the bubble shown before is
    // closed first. Nothing when its window class cannot be registered.
    void ouvre(HWND principale, HINSTANCE instance, POINT p, const std::string& texte);
    void ferme();
    bool ouverte() const { return fenetre != nullptr; }
    // What a click on the bubble runs (its owner takes the help away).
    std::function<void()> surclic;

private:
    friend LRESULT CALLBACK procbulle(HWND, UINT, WPARAM, LPARAM);
    void peindre(HWND f) const;

    HWND fenetre = nullptr;
    std::vector<std::string> lignes;
};
