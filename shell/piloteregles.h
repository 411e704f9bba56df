// The rules pages' controller: "?" opens them in a plain window of one
// page, "R" goes back to the grid as it was left, "<" and ">" (and the keys
// the command table gives them) turn the pages.
#pragma once

#include "shell/appli.h"

// "?": the grid in play kept (its time stopped), the window unshaped and
// sized to one page, the play buttons hidden, the page the rules window
// keeps shown.
void ouvrirregles(claappli& a);
// "R": the pictures given back, the grid kept loaded again as it was, the
// play buttons and the shape back.
void quitterregles(claappli& a);
// "<" and ">": the previous and the next page.
void pageprecedente(claappli& a);
void pagesuivante(claappli& a);
// Home and End: the first and the last page.
void premierepage(claappli& a);
void dernierepage(claappli& a);
