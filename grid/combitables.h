// Factorials and binomial coefficients of the six values, and the tables built
// from value masks: binomial table, ordered values of each mask, and the lists
// of the masks that hold exactly two or three values.
#pragma once

// Number of masks holding exactly two values, and exactly three.
constexpr short nbvopaires = 15;
constexpr short nbvotriples = 20;

// n! for n = 0..6 (1, 1, 2, 6, 24, 120, 720); 0 for any other n.
short vofacto(short n);

// C(n, k), the number of ways to choose k of n, when 1 <= k <= n; 0 otherwise.
// Also 0 when the coefficient does not fit in 16 bits (from n = 18 on for some k).
short vonombrecombi(short k, short n);

// The tables below are process-wide and read-only. Each is built by its first
// look-up; the three functions that follow (run by `globinitvocalcul` at
// start-up) only build them ahead, and later calls change nothing.

// Builds the binomial table: entry (k, n) = vonombrecombi(k, n) for
// 1 <= k <= n <= 6, every other entry 0.
void voprecalcombi();

// Builds the mask tables (`votabmasques`), then the binomial table.
void votabrapidite();

// Builds the ordered-values table and the pair and triple lists (from the
// value counts of the masks).
void votabordre();

// Binomial table entry (k, n), k and n in 0..6: C(n, k) for 1 <= k <= n, else 0.
// Any k or n outside 0..6 answers 0.
short vocombitab(short k, short n);

// Ordered-values table, entry i (0..6) of the row of mask m: entry 0 is the
// number c of values in m, entries 1..c the values in m in increasing order,
// entries c + 1..6 the values not in m in increasing order. Bits above the sixth
// are ignored (the row of m & 63 is read); any i outside 0..6 answers 0.
short vovaleurordre(short m, short i);

// Pair number i (1..15): the masks holding exactly two values, in increasing
// order (3 first, 48 last). Any i outside 1..15 answers 0.
short vopaire(short i);

// Triple number i (1..20): the masks holding exactly three values, in
// increasing order (7 first, 56 last). Any i outside 1..20 answers 0.
short votriple(short i);
