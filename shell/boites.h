// The game's message boxes: numbered texts in the current language, opened
// system-modal over the main window through the platform's one box function.
#pragma once

#include "foundation/gstring.h"
#include "platform/win32.h"

// Show message number (createmsg) with arguments a and b, flags type
// (MB_YESNO, MB_OKCANCEL, icons, ...) plus MB_SYSTEMMODAL; returns the
// button chosen (IDYES, IDNO, IDOK, IDCANCEL), 0 when no box could open.
int boitemessage(short number, UINT type, const char* a = nullptr, const char* b = nullptr);
// out becomes the text of message number in the game's language, as
// boitemessage shows it.
void textemessage(gstring& out, short number, const char* a = nullptr, const char* b = nullptr);
// A box with a text of its own (the language's name, a start-up failure).
int boitetexte(const char* text, const char* caption, UINT type);
// The boxes' buttons in the game's language (Oui / Non or Yes / No).
void languedesboites();
