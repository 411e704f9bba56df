// Joining texts into a caller's buffer or into a gstring.
#pragma once

#include "foundation/gstring.h"

#include <span>

// Copy the concatenation a+b+...+g (null counts as empty) into dst, cut to
// dst's capacity (at most dst.size() - 1 characters, always NUL-terminated;
// nothing is written when dst is empty).
void composer(std::span<char> dst, const char* a, const char* b, const char* c = nullptr,
              const char* d = nullptr, const char* e = nullptr, const char* f = nullptr,
              const char* g = nullptr);
// g becomes a+b+c+d; any argument may be g's own text.
void dans(gstring& g, const char* a, const char* b, const char* c = nullptr,
          const char* d = nullptr);
