// clapolice: font creation, the centring offset and text output.
#include "render/clapolice.h"

#include "render/geometry/sysangle.h"

#include <algorithm>
#include <cstring>

void clapolice::create(short height, short width, short escapement, short italic, short weight,
                       const char* face) {
    dx = 0;
    dy = 0;
    const short memes[5] = {height, width, escapement, italic, weight};
    const char* f = face != nullptr ? face : "";
    if (police != nullptr && !nomface.empty() && nomface == f && std::equal(memes, memes + 5, args))
        return;
    set(CreateFont(height, width, escapement, 0, weight, italic != 0 ? 1u : 0u, 0, 0,
                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                   DEFAULT_PITCH, face));
    std::copy(memes, memes + 5, args);
    nomface = f;
}

void clapolice::createbis(short height, short width, short escapement, short italic, short weight,
                          const char* face) {
    create(height, width, escapement, italic, weight, face);
    short d = static_cast<short>(height / 2);
    if (escapement % 900 != 0) d = static_cast<short>(d * 1.2);
    dy = d;
    if (escapement > 0) {
        sysangle a;
        a.setadeg(static_cast<float>(escapement) / 10.0f);
        a.setxy(0, d);
        dx = a.getx();
        dy = a.gety();
    }
}

void clapolice::set(HFONT font) {
    clear();
    nomface.clear();
    police = font;
    possede = font != nullptr;
}

void clapolice::useon(HDC dc) {
    if (police == nullptr || dc == nullptr) return;
    if (enservice && dc != hdc) enduse();
    hdc = dc;
    HGDIOBJ avant = SelectObject(dc, police);
    if (!enservice && avant != nullptr) {
        precedent = avant;
        enservice = true;
    }
}

void clapolice::enduse() {
    if (!enservice) return;
    SelectObject(hdc, precedent);
    enservice = false;
    precedent = nullptr;
}

void clapolice::clear() {
    enduse();
    if (possede) DeleteObject(police);
    police = nullptr;
    possede = false;
}

void clapolice::colorandback(int text, int back) {
    couleur = text;
    fond = back;
    opaque = true;
}

void clapolice::colornoback(int text) {
    couleur = text;
    opaque = false;
}

void clapolice::setcentrage(short c) {
    centrage = c != 0;
    if (hdc != nullptr) SetTextAlign(hdc, centrage ? TA_CENTER : TA_LEFT | TA_TOP);
}

void clapolice::print(short x, short y, const char* text) {
    if (hdc == nullptr || text == nullptr) return;
    SetBkMode(hdc, opaque ? OPAQUE : TRANSPARENT);
    if (opaque) SetBkColor(hdc, static_cast<COLORREF>(fond));
    SetTextColor(hdc, static_cast<COLORREF>(couleur));
    TextOut(hdc, x, y, text, static_cast<int>(std::strlen(text)));
}

void clapolice::printpix(short x, short y, const char* text) {
    if (hdc != nullptr) SetTextAlign(hdc, centrage ? TA_CENTER : TA_LEFT | TA_TOP);
    print(static_cast<short>(x + dx), static_cast<short>(y - dy), text);
}
