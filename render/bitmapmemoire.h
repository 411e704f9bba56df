// bitmapmemoire: a colour memory bitmap selected into its own memory DC, for
// drawing off screen (the grid page's kept background, pictures, tests).
#pragma once

#include "render/imagepng.h"

#include "platform/win32.h"

class bitmapmemoire {
public:
    // A w x h colour bitmap filled with fond.
    bitmapmemoire(int w, int h, COLORREF fond = 0xFFFFFF);
    ~bitmapmemoire();
    bitmapmemoire(const bitmapmemoire&) = delete;
    bitmapmemoire& operator=(const bitmapmemoire&) = delete;

    HDC dc() const { return hdc; }
    int larg() const { return largeur; }
    int haut() const { return hauteur; }
    void remplit(COLORREF couleur);
    // Copy the whole of source (same size) into this bitmap: one BitBlt.
    void copiede(const bitmapmemoire& source);
    COLORREF at(int x, int y) const { return GetPixel(hdc, x, y); }
    imagergb image() const;

private:
    int largeur;
    int hauteur;
    HDC hdc;
    HBITMAP bitmap;
    HGDIOBJ precedent;
};
