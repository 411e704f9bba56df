// The mouse cursors: the arrow, the hourglass, six value cursors (an arrow
// with the digit to its right), the eraser, the erase signal and a spare.
#pragma once

// Create the nine cursors from their masks and load the standard ones.
void creacursouris();
// Destroy the nine created cursors.
void destrucursou();
// Set the cursor the state calls for: the hourglass while it is on, the
// arrow on the rules pages, the erase cursor during the erase signal, else
// the current value's cursor. Only when it changed, unless force.
void fixecursouris(bool force);
// The hourglass, nested; never below 0.
void sablierdeb();
void sablierfin();
// The erase signal's cursor on or off.
void signaleffacement(bool oui);
// The index of the cursor last set: 0..6 the values, 7 the hourglass, 8 the
// arrow, 10 the erase cursor; -1 before any.
short curseurcourant();
