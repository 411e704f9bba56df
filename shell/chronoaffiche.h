// The chronometer box of the button column, refreshed by timer 1.
#pragma once

#include "shell/appli.h"

// Put the current grid's chronometer text into the chronometer box when it
// differs from the text shown last (nothing while the display is off or the
// box does not exist; the remembered text is forgotten while the shell is not
// ready).
void affichronocourt(claappli& a);
