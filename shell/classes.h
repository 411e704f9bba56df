// The window classes of the game's windows, registered once per process: a
// class outlives the windows made of it, and the scenario tests start the
// game several times in one process.
#pragma once

#include "platform/win32.h"

// Register c unless this process already did (by its name); false when the
// system refuses it (the class name is another program's): the windows of
// that class are then not made.
bool inscritclasse(const WNDCLASSEXA& c);
// Whether this process registered the class of that name.
bool classeinscrite(const char* nom);
