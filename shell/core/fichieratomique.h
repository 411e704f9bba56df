// Replacing a file's content all at once: a reader (or the next run, after a
// crash or a power cut) finds either the old content or the new one, whole.
#pragma once

#include <string>

// The temporary file remplacefichier writes beside path: path + ".new".
std::string fichiertemporaire(const std::string& path);

// Write content to the temporary file in path's directory, flush it to the
// disk, then rename it over path (on Windows MoveFileEx with replace and
// write-through). Returns true when path now holds content. On any failure
// (directory not writable, disk full, path not replaceable) path is left as
// it was, the temporary file is removed and false is returned.
bool remplacefichier(const std::string& path, const std::string& content);
