// Replacing a file's content all at once: a reader (or the next run, after a
// crash or a power cut) finds either the old content or the new one, whole.
// The operating system's file calls of the shell core live in this file and
// in verrouparam.cpp.
#pragma once

#include <string>

// The start of the temporary files' names that remplacefichier writes beside
// path: path + ".new-"; each save completes it with six characters of its
// own.
std::string prefixetemporaire(const std::string& path);

// Write content to a new temporary file in path's directory, flush it to the
// disk, then rename it over path (on Windows MoveFileEx with replace and
// write-through). The temporary file is created under a name that did not
// exist (no link or file already there is followed or reused), with path's
// permissions when path exists, else the usual ones for a new file (Linux:
// 0666 less the umask). Returns true when path now holds content. On any
// failure (directory not writable, disk full, path not replaceable) path is
// left as it was, the temporary file is removed and false is returned.
bool remplacefichier(const std::string& path, const std::string& content);

// Rename the file from to the name to, only if no file, link or directory
// holds that name (an existing one is never replaced). Returns whether from
// now has the name to.
bool renommesansecraser(const std::string& from, const std::string& to);
