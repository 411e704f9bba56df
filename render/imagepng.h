// Pictures as 8-bit RGB pixel arrays, written to and read from PNG files
// (standard library only: deflate with fixed Huffman codes on writing, any
// deflate stream on reading).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct imagergb {
    int larg = 0;
    int haut = 0;
    // larg * haut pixels, rows top to bottom, each a COLORREF value
    // 0x00BBGGRR.
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(larg) + static_cast<size_t>(x)];
    }
};

// The PNG file bytes of the picture (8-bit RGB, no interlace).
std::vector<unsigned char> encodepng(const imagergb& image);
// Decode PNG bytes: 8-bit greyscale, RGB, palette, greyscale with alpha or
// RGBA (alpha ignored), not interlaced. False for anything else or a damaged
// file.
bool decodepng(const std::vector<unsigned char>& bytes, imagergb& image);

// Write / read a PNG file; false when the file cannot be written or read.
bool ecrirepng(const std::string& path, const imagergb& image);
bool lirepng(const std::string& path, imagergb& image);
