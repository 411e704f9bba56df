// What the fuzz targets share: the property check that stops a run (libFuzzer
// then keeps the input that broke it) and the input as a NUL-terminated text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Stop the run with a message when cond does not hold.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__,        \
                         #cond);                                                                   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// The input up to its first NUL byte.
inline std::string textedentree(const std::uint8_t* data, std::size_t size) {
    std::string s(reinterpret_cast<const char*>(data), size);
    return s.substr(0, s.find('\0'));
}

// A writable NUL-terminated copy of text, for the functions that change their
// buffer in place.
inline std::vector<char> tampon(const std::string& text) {
    std::vector<char> b(text.begin(), text.end());
    b.push_back('\0');
    return b;
}

// A working directory of this process for the targets that read files: in
// memory when the system offers it (/dev/shm), named prefix + the process
// number, and removed at exit. Directories left by runs that stopped on a
// fault (abort skips the exit handlers) are removed when the next run starts.
const std::string& dossierdetravail(const char* prefix);
