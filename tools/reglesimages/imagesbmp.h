// Pictures written as the game's resources: 8-bit palette BMP files (the
// rules pages) and the application icon (PNG with transparency, and ICO).
#pragma once

#include "render/imagepng.h"

#include <string>
#include <vector>

// The bytes of an 8-bit BMP file (bottom-up, run-length encoded: BI_RLE8) of
// the picture: its 256 most frequent colours (ties: the smaller value first)
// make the palette and every other colour takes the nearest of them. The same picture
// always gives the same bytes.
std::vector<unsigned char> encodebmp8(const imagergb& image);
// The bytes of an ICO file holding the picture (at most 256 x 256) as one
// 32-bit image; pixels of the colour transparent are transparent.
std::vector<unsigned char> encodeico(const imagergb& image, std::uint32_t transparent);
// The bytes of a PNG file of the picture in 8-bit RGBA, pixels of the colour
// transparent fully transparent (deflate's stored blocks: the file is large
// but needs no compressor).
std::vector<unsigned char> encodepngalpha(const imagergb& image, std::uint32_t transparent);
// Write bytes to a file; false when it cannot be written.
bool ecrirefichier(const std::string& path, const std::vector<unsigned char>& bytes);
