// The shell's default state, put in place before the parameter file is read.
#pragma once

// Application word 0, current cell 1, the default cell size (settailleprin),
// the initial palette (jeucouleurs), application word 3, then mode 1 (no
// grid). The parameter state's own defaults are its initial values
// (claparamuser).
void paramdefaut();
