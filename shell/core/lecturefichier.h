// Reading a file whole without ever waiting on it: only a regular file is
// read, so that a FIFO, a device or a directory at its name neither blocks
// the game nor is taken for a file.
#pragma once

#include <cstddef>
#include <string>

// What lisfichier found at a path.
enum class lecturefichier {
    lu,       // a regular file (a link to one included), read
    absent,   // nothing at that name (or a link leading nowhere)
    illisible // something that is no regular file, or a file that cannot be
              // opened for reading
};

// Read at most max bytes of the regular file at path into out (emptied
// first). Linux: a name that is no regular file is not opened, and the open
// never waits; Windows: anything but a disk file is left unread.
lecturefichier lisfichier(const std::string& path, std::size_t max, std::string& out);
