// Small arithmetic helpers on 16-bit values. Intermediate results are
// computed in int, so no helper overflows.
#pragma once

// v wrapped cyclically into lo..hi (as if adding or subtracting hi-lo+1 until
// inside); lo when hi is below lo.
short bndsrot(short v, short lo, short hi);
// v clamped to lo..hi; lo when hi is below lo.
short bndslim(short v, short lo, short hi);
// Whether lo <= v <= hi.
bool dansinter(short v, short lo, short hi);
short maxint(short a, short b);
short maxint(short a, short b, short c);
short minint(short a, short b);
short minint(short a, short b, short c);
// |x1-x2| + |y1-y2|, saturated at 32767.
short pseudodistance(short x1, short y1, short x2, short y2);
// Logical negation and truth tests.
bool non(char v);
bool non(short v);
bool non(int v);
bool azero(char v);
bool azero(short v);
bool azero(int v);
bool nonzero(char v);
bool nonzero(short v);
bool nonzero(int v);
