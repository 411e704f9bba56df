// Colour helpers for COLORREF values (0x00BBGGRR): light and dark tints and
// greys by percentage.
#pragma once

// c OR 0x999999: a light version of c.
int clair(int c);
// c AND 0x777777: a dark version of c.
int fonce(int c);
// The grey of p percent: every channel (100 - p) * 255 / 100, truncated
// (0 is white, 100 black, 30 is 0xB2B2B2).
int nuancegris(short p);
