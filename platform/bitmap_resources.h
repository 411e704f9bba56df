// The program's bitmap resources on systems other than Windows. Windows finds a
// bitmap resource in the executable; here the program registers each one by
// its numeric id before loading it, and
// LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, flags)
// decodes it into a new HBITMAP (the instance is not used). Icon resources
// share the ids: LoadIconA(instance, MAKEINTRESOURCEA(id)) reads the same
// registration, keeping the picture's transparency.
//
// Formats: BMP (Windows DIB file: 1, 4, 8, 24 or 32 bits per pixel,
// uncompressed, bottom-up or top-down, or 8 bits run-length encoded) and PNG.
// The format is recognised from the first bytes.
#pragma once

#include <cstddef>
#include <string>

namespace vora::platform::gdi {

// Registers resource `id` as a picture held in memory (a whole BMP or PNG
// file). The bytes are borrowed, not copied: they must stay valid while the id
// may be loaded (static data). Replaces an earlier registration of the id.
void register_bitmap_bytes(int id, const unsigned char* bytes, std::size_t size);
// Registers resource `id` as a BMP or PNG file, read at each load. Replaces an
// earlier registration of the id.
void register_bitmap_file(int id, const std::string& path);
// Forgets every registration.
void clear_bitmap_resources();

} // namespace vora::platform::gdi

namespace gdi = vora::platform::gdi; // the spelling used throughout the layer
