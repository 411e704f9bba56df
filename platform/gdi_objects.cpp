// The live-object table, the object classes and the stock objects.
#include "platform/gdi_objects.h"

#include <array>
#include <unordered_map>

namespace vora::platform::gdi {

namespace {

// The live objects. At exit the DCs go first, since freeing a DC updates the
// objects selected into it.
struct Table {
    std::unordered_map<const void*, std::unique_ptr<Object>> objects;
    ~Table() {
        std::erase_if(objects, [](const auto& entry) { return entry.second->kind == Kind::dc; });
    }
};

std::unordered_map<const void*, std::unique_ptr<Object>>& table() {
    static Table live;
    return live.objects;
}

template <class T> T* make_stock() {
    auto o = std::make_unique<T>();
    o->stock = true;
    return static_cast<T*>(adopt(std::move(o)));
}

Object* stock_brush(bool hollow, COLORREF color) {
    Brush* b = make_stock<Brush>();
    b->hollow = hollow;
    b->color = color;
    return b;
}

Object* stock_pen(bool null, COLORREF color) {
    Pen* p = make_stock<Pen>();
    p->null = null;
    p->color = color;
    return p;
}

Object* stock_font(int height, int weight) {
    Font* f = make_stock<Font>();
    f->height = height;
    f->weight = weight;
    f->face = "Arial";
    return f;
}

} // namespace

Font::~Font() {
    if (cairo_face != nullptr) cairo_font_face_destroy(cairo_face);
}

Bitmap::Bitmap(cairo_surface_t* s)
    : Object(type), surface(s), width(cairo_image_surface_get_width(s)),
      height(cairo_image_surface_get_height(s)) {}

Bitmap::~Bitmap() {
    cairo_surface_destroy(surface);
}

Dc::Dc(Target t, cairo_surface_t* s) : Object(type), target_type(t), target(s) {
    select(stock_object(BLACK_PEN));
    select(stock_object(WHITE_BRUSH));
    select(stock_object(SYSTEM_FONT));
    if (t == Target::memory) select(default_bitmap());
}

Dc::~Dc() {
    reset_context();
    for (Object* o : {static_cast<Object*>(pen), static_cast<Object*>(brush),
                      static_cast<Object*>(font), static_cast<Object*>(bitmap)}) {
        if (o != nullptr) --o->selections;
    }
}

cairo_t* Dc::context() {
    if (cr_ == nullptr) {
        cr_ = cairo_create(target);
        cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
        if (clipped) {
            cairo_rectangle(cr_, clip.left, clip.top, clip.right - clip.left,
                            clip.bottom - clip.top);
            cairo_clip(cr_);
        }
        cairo_translate(cr_, origin.x, origin.y);
    }
    return cr_;
}

void Dc::reset_context() {
    if (cr_ != nullptr) cairo_destroy(cr_);
    cr_ = nullptr;
}

Object* Dc::select(Object* o) {
    Object* previous = nullptr;
    switch (o->kind) {
    case Kind::pen:
        previous = pen;
        pen = static_cast<Pen*>(o);
        break;
    case Kind::brush:
        previous = brush;
        brush = static_cast<Brush*>(o);
        break;
    case Kind::font:
        previous = font;
        font = static_cast<Font*>(o);
        break;
    case Kind::bitmap:
        previous = bitmap;
        bitmap = static_cast<Bitmap*>(o);
        target = bitmap->surface;
        reset_context();
        break;
    case Kind::region:
    case Kind::dc:
        return nullptr;
    }
    if (previous != nullptr) --previous->selections;
    ++o->selections;
    return previous;
}

Object* adopt(std::unique_ptr<Object> o) {
    Object* raw = o.get();
    table().emplace(raw, std::move(o));
    return raw;
}

void destroy(Object* o) {
    table().erase(o);
}

Object* find_object(const void* handle) {
    if (handle == nullptr) return nullptr;
    auto it = table().find(handle);
    return it == table().end() || it->second->system ? nullptr : it->second.get();
}

Object* find_system_object(const void* handle) {
    if (handle == nullptr) return nullptr;
    auto it = table().find(handle);
    return it == table().end() || !it->second->system ? nullptr : it->second.get();
}

void for_each_object(Kind kind, void (*visit)(Object&)) {
    for (auto& entry : table()) {
        if (entry.second->kind == kind) visit(*entry.second);
    }
}

Object* stock_object(int index) {
    static const std::array<Object*, DEFAULT_GUI_FONT + 1> stock = [] {
        std::array<Object*, DEFAULT_GUI_FONT + 1> s{};
        s[WHITE_BRUSH] = stock_brush(false, 0xFFFFFF);
        s[LTGRAY_BRUSH] = stock_brush(false, 0xC0C0C0);
        s[GRAY_BRUSH] = stock_brush(false, 0x808080);
        s[DKGRAY_BRUSH] = stock_brush(false, 0x404040);
        s[BLACK_BRUSH] = stock_brush(false, 0x000000);
        s[NULL_BRUSH] = stock_brush(true, 0);
        s[WHITE_PEN] = stock_pen(false, 0xFFFFFF);
        s[BLACK_PEN] = stock_pen(false, 0x000000);
        s[NULL_PEN] = stock_pen(true, 0);
        s[SYSTEM_FONT] = stock_font(16, FW_BOLD);
        s[DEFAULT_GUI_FONT] = stock_font(-11, FW_NORMAL);
        return s;
    }();
    if (index < 0 || index >= static_cast<int>(stock.size())) return nullptr;
    return stock[static_cast<std::size_t>(index)];
}

Bitmap* default_bitmap() {
    static Bitmap* const bitmap = [] {
        Bitmap* b = make_bitmap(1, 1);
        b->stock = true;
        return b;
    }();
    return bitmap;
}

Bitmap* make_bitmap(int w, int h) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return adopt_surface(s);
}

Bitmap* adopt_surface(cairo_surface_t* surface) {
    return static_cast<Bitmap*>(adopt(std::make_unique<Bitmap>(surface)));
}

void set_source_colorref(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

} // namespace vora::platform::gdi
