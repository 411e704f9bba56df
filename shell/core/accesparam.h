// The parameter file at start-up, before and after it is read, without a
// window: whether this copy may write it (its folder, its lock), and the
// tidying that only the copy holding the lock does (stale temporary files, a
// damaged file kept aside). The shell shows the messages named here.
#pragma once

#include "shell/core/verrouparam.h"

#include <string>

// Whether this copy of the game may write the parameter file.
struct accesparam {
    enum class genre {
        seul,         // the lock is held: this copy alone uses the file
        occupe,       // another copy holds the lock: this copy ends without
                      // writing (message 18)
        sansverrou,   // the lock cannot be taken (message 23, objet the lock
                      // file): only play without saving is left
        dossiernonsur // the data folder belongs to another user or others
                      // may write in it (message 24, objet the folder): the
                      // same
    };
    genre g = genre::seul;
    std::string objet;
};

// Prepare the folder of the parameter file at path (preparedossierde,
// cheminparam.h), then take the file's lock into verrou unless the folder
// cannot be trusted.
accesparam accedeparam(const std::string& path, claverrouparam& verrou);

// The start-up's tidying by the copy that holds the lock: the stale
// temporary files of killed saves removed (nettoietemporaires), then a
// damaged file (fichierabime) kept aside. Returns the message to show: 0 for
// none, 19 when the file was kept aside (aside its new name), 20 when it
// could not be.
short rangeparam(const std::string& path, std::string& aside);
