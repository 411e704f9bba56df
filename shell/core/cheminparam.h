// Where the parameter file lives: the current directory when a file of its
// name is already there, else the user's data folder. The environment is
// read through a function the caller gives, so that the choice can be tested
// without the real home.
#pragma once

#include <functional>
#include <string>

// One environment variable's value; null when it is not set.
using lectureenv = std::function<const char*(const char*)>;

// The conventions of the user's data folder.
enum class systemeparam {
    unixlike, // "$XDG_DATA_HOME/vora", else "$HOME/.local/share/vora"
    windows   // "%APPDATA%\V-O-RA"
};

// The system this program is built for.
systemeparam systemecourant();

// The game's data folder under the conventions of sys: "$XDG_DATA_HOME/vora"
// when XDG_DATA_HOME is an absolute path, else "$HOME/.local/share/vora"
// (HOME not empty); on Windows "%APPDATA%\V-O-RA" (APPDATA not empty). Empty
// when none of these can be made.
std::string dossierdonnees(systemeparam sys, const lectureenv& env);

// The parameter file named name: name itself, in the current directory, when
// ici (a file of that name exists there) or when dossier is empty; else name
// inside dossier (with sys's separator).
std::string cheminparam(const std::string& name, bool ici, const std::string& dossier,
                        systemeparam sys);

// Whether a file (or anything) holds path, errors counting as no.
bool cheminexiste(const std::string& path);

// What preparedossierde found or made.
enum class etatdossier {
    pret,    // the folder exists, and others than its owner, this user, may
             // not write in it
    absent,  // it could not be made (a file at its place, no permission):
             // the saves will fail there
    etranger // it belongs to another user, or others may write in it and
             // that cannot be changed: what lies there, the lock first,
             // cannot be trusted
};

// Make the folder that holds path, with its parents, when it is missing; the
// folder made last is private to the user (0700 on Linux), as the XDG base
// directory rules ask. An existing folder is checked on Linux (Windows keeps
// each user's application data apart itself): one of this user that its
// group or others may write in loses those write permissions (a folder they
// could write in would let them hold or bypass the lock); one of another
// user is etranger. A bare name (the current directory) is pret.
etatdossier preparedossierde(const std::string& path);
