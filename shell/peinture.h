// The main window's paint: the grid drawn through two kept memory bitmaps
// (the grid background, kept until the layout changes, and the full picture)
// and copied in one transfer, then the button column's decoration and the
// value selector. It draws only: no question or save starts from it.
#pragma once

#include "platform/win32.h"
#include "render/cladevout.h"
#include "render/contextedessin.h"

void peindre(HWND window);
// The settings the main window draws the grid with (its palette follows the
// mode; the scroll arrows are taken from the layout at each paint).
contextedessin& dessinjeu();
// The main window's device (installed by the layout on the client size; its
// DC is the bitmap being drawn).
cladevout& devfenetre();
// Drop the kept background bitmap (drawn again at the next paint).
void jetterfond();
// Free both kept bitmaps (at exit).
void libererbitmaps();
// The picture the last paint copied to the window (null before any paint).
const class bitmapmemoire* imagepeinte();
