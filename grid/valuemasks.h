// Value masks: a set of cell values 1..6 as a 16-bit mask whose bit v - 1 is
// set when value v belongs to the set (0 is the empty set, 63 all six), and the
// small functions that question and combine such masks.
#pragma once

// The three mask tables below are process-wide and read-only: the first
// look-up builds them (`votabmasques` and `globinitvocalcul` build them ahead),
// so every look-up answers from complete tables.

// The mask of the single value v: 2^(v - 1) for v = 1..7, 0 for v = 0.
// Any v outside 0..7 answers 0 (the empty set).
short possunevaleur(short v);

// The full set less v: 63 - 2^(v - 1) for v = 1..6; 0 for v = 0, v = 7 and any
// v outside 0..7.
short possunevalinv(short v);

// The complement of m within {1..6}: 63 - m.
short possiblinverse(short m);

// 1 when value v (0..7) is in mask m, else 0; 0 for any v outside 0..7.
short yavaldansposs(short v, short m);

// 1 when v is 1..6 and bit v - 1 of m is set, else 0 (no table involved).
short yavaldpo(short v, short m);

// The number of values 1..6 in m (value-count table). Bits above the sixth are
// ignored, so any m, negative or above 63, is counted as m & 63.
short nombrevaldansposs(short m);

// Bitwise and / or of two 16-bit values.
short shortet(short a, short b);
short shortou(short a, short b);

// n modulo 6; the remainder has the sign of n (-7 gives -1).
short modulosix(short n);

// Builds the mask tables above now unless a look-up already has; later calls
// change nothing.
void votabmasques();
