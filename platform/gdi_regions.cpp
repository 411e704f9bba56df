// Region calls: the Win32 ones and those the windowing half uses for window
// shapes.
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"

using namespace gdi;

namespace {

HRGN new_region(PixelRegion pixels) {
    auto region = std::make_unique<Region>();
    region->pixels = std::move(pixels);
    return handle_of<Object, HRGN>(adopt(std::move(region)));
}

int complexity(const PixelRegion& r) {
    if (r.empty()) return NULLREGION;
    return r.bands().size() == 1 && r.bands().front().spans.size() == 1 ? SIMPLEREGION
                                                                        : COMPLEXREGION;
}

} // namespace

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2) {
    return new_region(PixelRegion::rectangle(x1, y1, x2, y2));
}

HRGN WINAPI CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return new_region(PixelRegion::ellipse(x1, y1, x2, y2));
}

HRGN WINAPI CreatePolygonRgn(const POINT* pptl, int c_point, int i_mode) {
    if (pptl == nullptr || c_point < 0 || (i_mode != ALTERNATE && i_mode != WINDING))
        return nullptr;
    return new_region(PixelRegion::polygon(pptl, c_point, i_mode == WINDING));
}

int WINAPI CombineRgn(HRGN hrgn_dst, HRGN hrgn_src1, HRGN hrgn_src2, int i_mode) {
    Region* dst = find<Region>(hrgn_dst);
    const Region* a = find<Region>(hrgn_src1);
    if (dst == nullptr || a == nullptr) return ERROR;
    if (i_mode == RGN_COPY) {
        dst->pixels = a->pixels;
        return complexity(dst->pixels);
    }
    const Region* b = find<Region>(hrgn_src2);
    if (b == nullptr) return ERROR;
    PixelRegion::Op op{};
    switch (i_mode) {
    case RGN_AND:
        op = PixelRegion::Op::and_;
        break;
    case RGN_OR:
        op = PixelRegion::Op::or_;
        break;
    case RGN_XOR:
        op = PixelRegion::Op::xor_;
        break;
    case RGN_DIFF:
        op = PixelRegion::Op::diff;
        break;
    default:
        return ERROR;
    }
    dst->pixels = PixelRegion::combine(a->pixels, b->pixels, op);
    return complexity(dst->pixels);
}

int WINAPI OffsetRgn(HRGN hrgn, int x, int y) {
    Region* r = find<Region>(hrgn);
    if (r == nullptr) return ERROR;
    r->pixels.offset(x, y);
    return complexity(r->pixels);
}

BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
    const Region* r = find<Region>(hrgn);
    return r != nullptr && r->pixels.contains(x, y) ? TRUE : FALSE;
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc) {
    const Region* r = find<Region>(hrgn);
    if (r == nullptr || lprc == nullptr) return ERROR;
    *lprc = r->pixels.box();
    return complexity(r->pixels);
}

namespace {
// A live region or one given to the system.
const Region* any_region(HRGN rgn) {
    if (const Region* live = find<Region>(rgn)) return live;
    const Object* o = find_system_object(rgn);
    return o != nullptr && o->kind == Kind::region ? static_cast<const Region*>(o) : nullptr;
}
} // namespace

bool gdi::give_region_to_system(HRGN rgn) {
    Region* r = find<Region>(rgn);
    if (r == nullptr) return false;
    r->system = true;
    return true;
}

void gdi::free_system_region(HRGN rgn) {
    Object* o = find_system_object(rgn);
    if (o != nullptr && o->kind == Kind::region) destroy(o);
}

bool gdi::region_rects(HRGN rgn, std::vector<RECT>& out) {
    out.clear();
    const Region* r = any_region(rgn);
    if (r == nullptr) return false;
    out = r->pixels.rects();
    return true;
}

bool gdi::region_contains(HRGN rgn, int x, int y) {
    const Region* r = any_region(rgn);
    return r != nullptr && r->pixels.contains(x, y);
}

bool gdi::is_region(HRGN rgn) {
    return find<Region>(rgn) != nullptr;
}
