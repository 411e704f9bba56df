// Text files: opening, line input that accepts every line end, line output
// with CR LF, and small file-system helpers.
#pragma once

#include "foundation/heaptext.h"

#include <cstdio>
#include <memory>

struct gdfileclose {
    void operator()(std::FILE* f) const noexcept;
};
// An open file, closed when the handle is reset or destroyed.
using gdfile = std::unique_ptr<std::FILE, gdfileclose>;

// Open path for binary reading into file (closing what file held) and clear
// eof. Returns whether the file opened; on failure file is null and eof is
// set.
bool openin(gdfile& file, const char* path, bool& eof);
// Open path for binary writing (created or emptied) / appending.
bool openout(gdfile& file, const char* path);
bool openap(gdfile& file, const char* path);

// Read one line of f: characters up to a line end ("\n" or "\r"; when it is
// directly followed by the other of the two, that one belongs to the same
// line end) or the end of the file. eof becomes true only when the end of
// the file is reached before any character of this line (a last line without
// a line end is returned normally, and the next call sets eof and returns an
// empty text). The line is returned right-trimmed of blanks; it has no length
// limit and may hold any byte but NUL (a NUL byte ends the returned text). A
// null f gives an empty text and sets eof. The caller owns the result.
heaptext heaplinput(std::FILE* f, bool& eof);
// Write a+b+c+d (null counts as empty) followed by CR LF.
void ecriligne(std::FILE* f, const char* a, const char* b = nullptr, const char* c = nullptr,
               const char* d = nullptr);
// Write CR LF.
void ecricrlf(std::FILE* f);

// Whether path names a file that can be opened for reading.
bool fichexiste(const char* path);
// Delete the file; returns whether it was deleted.
bool fikill(const char* path);
// Length of the file in bytes; -1 when it cannot be opened.
long long gdlof(const char* path);
