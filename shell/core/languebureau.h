// The desktop's language, which a first start (no parameter file yet) takes
// for the game's texts: French when the desktop is French, English otherwise.
#pragma once

#include "shell/core/cheminparam.h"

// The language (languefrancais or langueanglais) of the locale that env
// gives, as the C library chooses it for messages: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty. A value naming French
// ("fr", "fr_FR.UTF-8", "fr_CA@euro", "French_France.1252") gives French;
// any other value ("C", "POSIX", "en_US.UTF-8", "de_DE") or none, English.
short languedelocale(const lectureenv& env);

// The language of a Windows language identifier (GetUserDefaultUILanguage):
// French when its primary language is French (0x0C), English otherwise.
short languedelangid(unsigned short langid);
