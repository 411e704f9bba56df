// The numbered texts of the game's message boxes, in French and in English.
//
// The windowed shell opens every box through one function of its own, with
// the text from createmsg in the current language and the buttons and icon
// the message's use calls for (yes/no, OK/Cancel, information).
#pragma once

#include "foundation/gstring.h"

// Language flag values (the shell's language flag: parameter "lng" 1 and 2).
inline constexpr short languefrancais = 0;
inline constexpr short langueanglais = 1;

// The highest message number.
inline constexpr short nbmessages = 29;

// out becomes the text of message number in the language (languefrancais or
// langueanglais; any other value gives French). a and b are the arguments
// (null counts as empty):
//  2  the arrows' hint, also the last page of the information sequence
//  3  information, page 4 (pencil marks, by mouse and by keyboard); ronds:
//     the grid page shows round cells (its display option 8)
//  4  question before loading grid a; with b, the grid in play b is said
//     to stay in memory as it is left
//  5  before reloading grid a (its play is said to be kept)
//  6  grid a is finished; b, when given, follows (the time, the help used)
//  7  information, first page: grid number a, level label b
//  8  pause   9  quit (yes: save and quit, no: quit without saving,
//     cancel: stay)   10  back to the given values (what it drops)   11  save
//  12 save after finishing   13, 14, 15  information, pages 5 (the buttons
//     and their keys), 3 (entering values, the keyboard's way too) and 2
//  16 question before changing grid b's level to a (level label); the
//     player's entries in that grid are erased
//  17 saving failed: the file a could not be written, the previous file is
//     kept
//  18 another copy of the game already uses the parameter file a: this copy
//     ends
//  19 the parameter file a is damaged; it is kept aside as b
//  20 the parameter file a is damaged and could not be renamed
//  22 after a save at quitting failed: quit without saving (yes) or stay
//  23 the lock b of the parameter file a cannot be taken: play without
//     saving (yes) or close (no)
//  24 the folder b of the parameter file a is not safe (another user's, or
//     others may write in it): play without saving (yes) or close (no)
//  25 a save refused: this game plays without saving to the file a
//  26 information, first page: a cells filled out of b
//  27 information, first page: the time a spent on the grid
//  28 information footer: page a of b, OK goes on, Cancel stops
//  29 information footer of the last page a of b: OK goes back to the game
// Any other number gives the empty text. French texts put a blank before
// "?", "!", ":" and ";"; English texts put none.
void createmsg(gstring* out, short number, short langue, const char* a = nullptr,
               const char* b = nullptr, bool ronds = false);
