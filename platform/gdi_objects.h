// The objects behind GDI handles (pens, brushes, fonts, bitmaps, regions and
// device contexts) and the table of live objects that makes every handle
// checkable: a handle is the address of its object, and only addresses found
// in the table are ever dereferenced.
//
// Where things are: the objects, the table, stock objects and bitmaps in
// gdi_objects.cpp; Font's measuring (em, xscale, ascent, descent) in
// gdi_text.cpp; Dc's settings and the DCs of gdi_internal.h in gdi_dc.cpp;
// selecting and deleting objects (the Win32 calls) in gdi_object_calls.cpp;
// Region's calls in gdi_regions.cpp.
#pragma once

#include "platform/pixel_region.h"
#include "platform/win32_base.h"
#include "platform/win32_gdi.h"

#include <cairo.h>

#include <memory>
#include <string>

namespace vora::platform::gdi {

enum class Kind { pen, brush, font, bitmap, region, dc };

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    const Kind kind;
    bool stock = false;
    bool system = false; // given to the system (a window's region): no handle reaches it
    int selections = 0;  // how many DCs hold it selected
};

struct Pen : Object {
    static constexpr Kind type = Kind::pen;
    Pen() : Object(type) {}
    bool null = false;
    int width = 1;
    COLORREF color = 0;
    DWORD endcap = PS_ENDCAP_ROUND;
    DWORD join = PS_JOIN_ROUND;
};

struct Brush : Object {
    static constexpr Kind type = Kind::brush;
    Brush() : Object(type) {}
    bool hollow = false;
    COLORREF color = 0;
};

struct Font : Object {
    static constexpr Kind type = Kind::font;
    Font() : Object(type) {}
    ~Font() override;
    int height = 0;
    int width = 0;
    int escapement = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    std::string face;
    cairo_font_face_t* cairo_face = nullptr; // owned, made on first use
    // Pixel sizes worked out on first use (gdi_text.cpp).
    bool measured = false;
    double em = 0;      // character height
    double xscale = 1;  // horizontal stretch asked for by the width
    double ascent = 0;  // above the baseline
    double descent = 0; // below the baseline
};

struct Bitmap : Object {
    static constexpr Kind type = Kind::bitmap;
    // Takes ownership of `s`, a CAIRO_FORMAT_RGB24 image surface.
    explicit Bitmap(cairo_surface_t* s);
    ~Bitmap() override;
    cairo_surface_t* surface;
    int width;
    int height;
};

struct Region : Object {
    static constexpr Kind type = Kind::region;
    Region() : Object(type) {}
    PixelRegion pixels;
};

struct Dc : Object {
    static constexpr Kind type = Kind::dc;
    enum class Target { memory, surface, screen };
    Dc(Target t, cairo_surface_t* s);
    ~Dc() override;

    // The Cairo context drawing into the target with the DC's origin and clip,
    // no antialiasing for shapes; made on demand, dropped by reset_context.
    cairo_t* context();
    void reset_context();
    // Replaces the selected object of that kind, keeping the selection
    // counts; returns the previous one.
    Object* select(Object* o);

    const Target target_type;
    cairo_surface_t* target; // borrowed; for a memory DC, the selected bitmap's
    Bitmap* bitmap = nullptr;
    Pen* pen = nullptr;
    Brush* brush = nullptr;
    Font* font = nullptr;
    COLORREF text_color = 0;
    COLORREF bk_color = 0xFFFFFF;
    int bk_mode = OPAQUE;
    UINT text_align = TA_LEFT | TA_TOP;
    int stretch_mode = BLACKONWHITE;
    int fill_mode = ALTERNATE;
    POINT position{0, 0};
    POINT origin{0, 0};
    bool clipped = false;
    RECT clip{0, 0, 0, 0};

private:
    cairo_t* cr_ = nullptr;
};

// Registers a new object and returns it; the table owns it.
Object* adopt(std::unique_ptr<Object> o);
// Unregisters and frees an object.
void destroy(Object* o);
// The live object behind a handle, or nullptr (also for objects given to the
// system, which only find_system_object reaches).
Object* find_object(const void* handle);
Object* find_system_object(const void* handle);

template <class T> T* find(const void* handle) {
    Object* o = find_object(handle);
    return o != nullptr && o->kind == T::type ? static_cast<T*>(o) : nullptr;
}

template <class T, class H> H handle_of(T* o) {
    return reinterpret_cast<H>(static_cast<Object*>(o));
}

// Calls `visit` on every live object of that kind.
void for_each_object(Kind kind, void (*visit)(Object&));

// The stock object of GetStockObject's index, or nullptr.
Object* stock_object(int index);
// The 1 x 1 bitmap every memory DC starts with.
Bitmap* default_bitmap();
// A new bitmap of w x h pixels (black), registered; nullptr if Cairo fails.
Bitmap* make_bitmap(int w, int h);
// Registers a bitmap over `surface` (CAIRO_FORMAT_RGB24), taking ownership.
Bitmap* adopt_surface(cairo_surface_t* surface);

// The Cairo colour of a COLORREF.
void set_source_colorref(cairo_t* cr, COLORREF c);

} // namespace vora::platform::gdi

namespace gdi = vora::platform::gdi; // the spelling used throughout the layer
