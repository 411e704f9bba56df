// A damaged parameter file: telling one from a file the game (or a player's
// editor) wrote, and keeping it aside before the next save replaces it.
#pragma once

#include <string>
#include <string_view>

// Whether content, a parameter file's bytes, is damaged: the reader would
// lose more than bad values in it (the rules of lignesparam.h). That is when
// it holds a byte octetinterdit, is over fichierparammax, has a line over
// ligneparammax that is not a "usr=" line, has more "usr=" lines than are
// kept (lignesusrmax of them, octetsusrmax bytes), or has lines of which none
// is one the game knows (its title line "***-...-***", a "usr=" line, or a
// key the game writes or has written). Empty files, empty lines, any line
// end, blanks around keys, missing title or comment lines, bytes from 127 up,
// the old layout and unknown keys among known ones are not damage.
bool contenuabime(std::string_view content);

// Whether the file at path is damaged (contenuabime), or something that
// cannot be read as a file holds its name (a FIFO, a device, a directory, a
// file without read permission: lecturefichier.h); false when nothing does.
bool fichierabime(const std::string& path);

// The name the damaged file at path is kept under, n-th of its kind: "P.TXT"
// gives "P.damaged-n.TXT" (a name without extension takes ".damaged-n").
std::string nomdecote(const std::string& path, int n);

// Rename the file at path to the first nomdecote(path, n), n from 1, that no
// file holds (an earlier one is never replaced); aside receives that name.
// Returns false, path unchanged, when it could not be renamed.
bool metsdecote(const std::string& path, std::string& aside);
