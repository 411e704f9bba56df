// The parameter file at start-up and at the end: its lock, its reading, and
// a damaged file kept aside before a save could replace it.
#pragma once

#include "shell/appli.h"

#include <string>

// Choose the parameter file (cheminparam.h: the one in the current directory
// when it exists, else the one in the user's data folder, whose folder is
// made or checked then), take its lock (accesparam.h) and read the file into
// the parameter state. When another copy of the game holds the lock, message
// 18 (in the language the file gives) tells the player and false is
// returned: this copy must end without writing anything. When the lock
// cannot be taken (message 23) or the data folder is not safe (message 24),
// the player chooses: yes plays without saving (clapartie's saves refused),
// no returns false. Holding the lock, the stale temporary files of killed
// saves are removed, and a damaged file (paramabime.h) is renamed aside and
// message 19 says where, or message 20 says it could not be; the game goes
// on with what could be read.
bool lisparametres(claappli& a);

// The desktop's language (languefrancais or langueanglais), which a start
// without a parameter file takes: the user's interface language on Windows,
// the locale's variables (languedelocale) elsewhere.
short languebureau();

// The parameter file in use, as chosen by the last lisparametres: what "S"
// writes and what the "I" box names.
const std::string& fichierparam(const claappli& a);

// Give the lock back (at the end of the game; the system gives it back too
// when the process ends).
void rendparametres(claappli& a);
