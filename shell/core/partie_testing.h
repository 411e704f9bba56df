// The tests' way into the settings of a game in progress: a scenario sets a
// time, a language or an option directly instead of playing up to it. The
// game itself changes them only through its intents.
#pragma once

#include "shell/core/partie.h"

struct accespartie {
    static claparamuser& parametres(clapartie& p) { return p.param; }
};
