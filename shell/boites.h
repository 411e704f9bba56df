// The game's message boxes: a text opened system-modal over the main window
// through the platform's one box function, the numbered texts in a
// language, and the language of the boxes' buttons. The game asks every
// question through appliquer (jeu.h), which opens them here.
#pragma once

#include "foundation/gstring.h"
#include "platform/win32.h"

// A box of text under caption over proprietaire, flags type (MB_YESNO,
// MB_OKCANCEL, icons, ...) plus MB_SYSTEMMODAL; returns the button chosen
// (IDYES, IDNO, IDOK, IDCANCEL), 0 when no box could open.
int boitetexte(HWND proprietaire, const char* text, const char* caption, UINT type);
// out becomes the text of message number (createmsg) in langue with
// arguments a and b; ronds for a grid drawn with circles (display mode 8).
void textemessage(gstring& out, short number, short langue, bool ronds, const char* a = nullptr,
                  const char* b = nullptr);
// The boxes' buttons in langue (Oui / Non or Yes / No), their letters
// answering them.
void languedesboites(short langue);
