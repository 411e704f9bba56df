// The registry of bitmap resources and LoadImageA.
#include "platform/bitmap_resources.h"

#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"
#include "platform/picture_decode.h"

#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace vora::platform::gdi {

namespace {

struct Entry {
    const unsigned char* bytes = nullptr; // borrowed
    std::size_t size = 0;
    std::string path; // used when bytes is null
};

std::map<int, Entry>& registry() {
    static std::map<int, Entry> entries;
    return entries;
}

using Decoder = cairo_surface_t* (*)(const unsigned char*, std::size_t);

cairo_surface_t* decode_file(const std::string& path, Decoder decode = decode_picture) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return nullptr;
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    return decode(bytes.data(), bytes.size());
}

// Resource `id` decoded, or nullptr when it is not registered or unreadable.
cairo_surface_t* decode_resource(int id, Decoder decode) {
    const auto found = registry().find(id);
    if (found == registry().end()) return nullptr;
    const Entry& entry = found->second;
    return entry.bytes != nullptr ? decode(entry.bytes, entry.size)
                                  : decode_file(entry.path, decode);
}

// `picture` stretched to w x h (it is destroyed); the same surface when the
// size already matches.
cairo_surface_t* resized(cairo_surface_t* picture, int w, int h) {
    const int pw = cairo_image_surface_get_width(picture);
    const int ph = cairo_image_surface_get_height(picture);
    if (w == pw && h == ph) return picture;
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(out);
    cairo_scale(cr, static_cast<double>(w) / pw, static_cast<double>(h) / ph);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(picture);
    cairo_surface_flush(out);
    return out;
}

} // namespace

void register_bitmap_bytes(int id, const unsigned char* bytes, std::size_t size) {
    registry()[id] = Entry{bytes, size, {}};
}

void register_bitmap_file(int id, const std::string& path) {
    registry()[id] = Entry{nullptr, 0, path};
}

void clear_bitmap_resources() {
    registry().clear();
}

cairo_surface_t* load_icon_resource(int id) {
    return decode_resource(id, decode_picture_with_alpha);
}

} // namespace vora::platform::gdi

HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fu_load) {
    (void)hInst;
    if (type != IMAGE_BITMAP || name == nullptr || cx < 0 || cy < 0) return nullptr;
    cairo_surface_t* picture = nullptr;
    if ((fu_load & LR_LOADFROMFILE) != 0) {
        if (IS_INTRESOURCE(name)) return nullptr;
        picture = gdi::decode_file(name);
    } else {
        if (!IS_INTRESOURCE(name)) return nullptr;
        picture =
            gdi::decode_resource(LOWORD(reinterpret_cast<ULONG_PTR>(name)), gdi::decode_picture);
    }
    if (picture == nullptr) return nullptr;
    picture = gdi::resized(picture, cx != 0 ? cx : cairo_image_surface_get_width(picture),
                           cy != 0 ? cy : cairo_image_surface_get_height(picture));
    return gdi::adopt_surface(picture);
}
