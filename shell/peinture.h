// The main window's paint. Before it (at the end of a message that asked for
// a repaint, before a question's paint), preparevue computes the view: the
// grid's drawing context (the look's colours, scroll arrows, the keyboard
// cursor, the highlighted value, the constraints) and the column's decoration and
// selector (vuejeu.h), and sets the buttons' states. The paint then only
// draws that view: the grid through two kept memory bitmaps (the grid
// background, kept until the layout changes, and the full picture) copied
// in one transfer, then the column's decoration and the value selector, or
// the rules page shown. It never lays out, shapes, asks or saves.
#pragma once

#include "shell/appli.h"

void preparevue(claappli& a);
void peindre(claappli& a, HWND window);
// The picture the last paint copied to the window (null before any paint).
const bitmapmemoire* imagepeinte(const claappli& a);
