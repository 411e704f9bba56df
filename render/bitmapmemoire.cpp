// bitmapmemoire: a colour memory bitmap with its DC.
#include "render/bitmapmemoire.h"

#include "render/imagedc.h"

namespace {

// A colour bitmap: on Windows a bitmap compatible with a memory DC would be
// monochrome, so it is made compatible with the screen.
HBITMAP bitmapcouleur(HDC mem, int w, int h) {
#ifdef _WIN32
    (void)mem;
    HDC ecran = GetDC(nullptr);
    HBITMAP b = CreateCompatibleBitmap(ecran, w, h);
    ReleaseDC(nullptr, ecran);
    return b;
#else
    return CreateCompatibleBitmap(mem, w, h);
#endif
}

} // namespace

bitmapmemoire::bitmapmemoire(int w, int h, COLORREF fond)
    : largeur(w), hauteur(h), hdc(CreateCompatibleDC(nullptr)), bitmap(bitmapcouleur(hdc, w, h)),
      precedent(SelectObject(hdc, bitmap)) {
    remplit(fond);
}

bitmapmemoire::~bitmapmemoire() {
    SelectObject(hdc, precedent);
    DeleteObject(bitmap);
    DeleteDC(hdc);
}

void bitmapmemoire::remplit(COLORREF couleur) {
    HBRUSH brosse = CreateSolidBrush(couleur);
    const RECT tout{0, 0, largeur, hauteur};
    FillRect(hdc, &tout, brosse);
    DeleteObject(brosse);
}

void bitmapmemoire::copiede(const bitmapmemoire& source) {
    BitBlt(hdc, 0, 0, largeur, hauteur, source.hdc, 0, 0, SRCCOPY);
}

imagergb bitmapmemoire::image() const {
    return imagedudc(hdc, largeur, hauteur);
}
