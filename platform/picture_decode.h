// Decoding of whole BMP and PNG files held in memory into Cairo image
// surfaces, for LoadImageA.
#pragma once

#include <cairo.h>

#include <cstddef>

namespace vora::platform::gdi {

// A new CAIRO_FORMAT_RGB24 surface holding the picture (the caller destroys
// it), or nullptr when the bytes are not a picture this decoder reads.
// BMP: 1, 4 and 8 bits per pixel with a palette, 24 and 32 bits (BI_RGB, or
// BI_BITFIELDS at 32 bits), bottom-up or top-down; 8 bits run-length encoded
// (BI_RLE8, bottom-up); other compressions are refused. PNG: any PNG Cairo reads; transparent
// pixels are laid over white. Pictures of more than 16 M pixels are refused.
cairo_surface_t* decode_picture(const unsigned char* bytes, std::size_t size);
// The same picture with its transparency, for icons: a new CAIRO_FORMAT_ARGB32
// surface (premultiplied, as Cairo keeps it); BMP pictures are opaque.
cairo_surface_t* decode_picture_with_alpha(const unsigned char* bytes, std::size_t size);

} // namespace vora::platform::gdi

namespace gdi = vora::platform::gdi; // the spelling used throughout the layer
