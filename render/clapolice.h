// clapolice: an owned font with its text settings (colours, background,
// centring) and the offset that centres a line vertically on a point.
#pragma once

#include "platform/win32.h"

#include <string>

class clapolice {
public:
    clapolice() = default;
    ~clapolice() { clear(); }
    clapolice(const clapolice&) = delete;
    clapolice& operator=(const clapolice&) = delete;

    // Offset (0, 0); a new font (CreateFont: orientation 0, no underline or
    // strike-out, default character set, precisions and quality) held as
    // owned. italic non-zero makes it italic; escapement in tenths of a
    // degree, counter-clockwise. When the font held was made by create with
    // the same arguments, it is kept instead of made again (drawing code
    // asks for the same font cell after cell).
    void create(short height, short width, short escapement, short italic, short weight,
                const char* face);
    // create(), then the offset that centres a line vertically on the point
    // given to printpix: (0, height / 2), times 1.2 (truncated) when the
    // escapement is not a multiple of 900, turned by the escapement when it
    // is positive.
    void createbis(short height, short width, short escapement, short italic, short weight,
                   const char* face);
    // clear(), then hold font as owned.
    void set(HFONT font);
    // Select the font into dc (the first use keeps the font it replaces; a
    // use on another DC first ends the use on the previous one).
    void useon(HDC dc);
    // Put the kept font back into the DC of the last use.
    void enduse();
    // enduse(), then delete an owned font.
    void clear();

    // Text colour and an opaque background of colour back.
    void colorandback(int text, int back);
    // Text colour with a transparent background.
    void colornoback(int text);
    // TA_CENTER when c is non-zero, else TA_LEFT | TA_TOP; applied to the DC
    // in use at once and remembered.
    void setcentrage(short c);
    // Write text with the settings at (x, y) of the DC in use (device pixels).
    void print(short x, short y, const char* text);
    // print() at (x + dx, y - dy), the alignment applied again: with
    // centring on, the line is centred on (x, y).
    void printpix(short x, short y, const char* text);

    HFONT get() const { return police; }
    // The face the held font was made with by create (empty otherwise).
    const std::string& getnomface() const { return nomface; }
    short getdx() const { return dx; }
    short getdy() const { return dy; }

private:
    HFONT police = nullptr;
    HGDIOBJ precedent = nullptr;
    HDC hdc = nullptr;
    int couleur = 0;
    int fond = 0xFFFFFF;
    bool opaque = true;
    bool enservice = false;
    bool possede = false;
    bool centrage = false;
    short dx = 0;
    short dy = 0;
    // The arguments the held font was created with (empty face: not made by
    // create).
    short args[5] = {};
    std::string nomface;
};
