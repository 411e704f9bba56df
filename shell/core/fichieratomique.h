// Replacing a file's content all at once: a reader (or the next run, after a
// crash or a power cut) finds either the old content or the new one, whole.
// The operating system's file calls of the shell core live in this file, in
// lecturefichier.cpp, in verrouparam.cpp and in cheminparam.cpp.
#pragma once

#include <string>

// The start of the temporary files' names that remplacefichier writes beside
// path: path + ".new-"; each save completes it with six characters of its
// own.
std::string prefixetemporaire(const std::string& path);

// Write content to a new temporary file in path's directory, flush it to the
// disk, then rename it over path (on Windows MoveFileEx with replace and
// write-through). The temporary file is created under a name that did not
// exist (no link or file already there is followed or reused) and held
// against nettoietemporaires while it is written (Linux: flock; Windows: no
// sharing), with path's
// permissions when path exists, else the usual ones for a new file (Linux:
// 0666 less the umask). Returns true when path now holds content. On any
// failure (directory not writable, disk full, path not replaceable) path is
// left as it was, the temporary file is removed and false is returned.
bool remplacefichier(const std::string& path, const std::string& content);

// Rename the file from to the name to, only if no file, link or directory
// holds that name (an existing one is never replaced). Returns whether from
// now has the name to.
bool renommesansecraser(const std::string& from, const std::string& to);

// Whether name, a file's name without its folder, is one that
// remplacefichier gives its temporary files beside the file named base
// (also without its folder): base + ".new-" and six ASCII letters or digits.
bool nomtemporaire(const std::string& base, const std::string& name);

// Remove the temporary files that saves of path killed before their end left
// beside it: only names nomtemporaire gives, only regular files (a link, a
// directory or anything else at such a name is left, and no link is
// followed), on Linux only the user's own, and none that a save holds while
// it writes it. Returns how many were removed.
int nettoietemporaires(const std::string& path);
