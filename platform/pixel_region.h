// A set of pixels stored as horizontal bands of spans, the way Windows keeps a
// region: bands sorted top to bottom, each with sorted, disjoint, non-touching
// spans; vertically adjacent bands with equal spans are merged. Built from
// rectangles, ellipses and polygons, combined with the Win32 set operations.
// Pixel rules (shared with the shape drawing, see platform/README.md): a pixel
// belongs to a shape when its centre (x + 0.5, y + 0.5) lies inside it, right
// and bottom boundaries excluded.
#pragma once

#include "platform/win32_base.h"

#include <utility>
#include <vector>

namespace vora::platform::gdi {

class PixelRegion {
public:
    // [first, second) in pixels.
    using Span = std::pair<int, int>;
    struct Band {
        int top;
        int bottom;
        std::vector<Span> spans;
        bool operator==(const Band&) const = default;
    };
    enum class Op { and_, or_, xor_, diff };

    PixelRegion() = default;
    // The rectangle [x1, x2) x [y1, y2); the corners may come in any order.
    static PixelRegion rectangle(int x1, int y1, int x2, int y2);
    // The ellipse inscribed in the box [x1, x2) x [y1, y2).
    static PixelRegion ellipse(int x1, int y1, int x2, int y2);
    // The inside of the closed polygon; `winding` chooses the non-zero rule,
    // otherwise alternate (even-odd).
    static PixelRegion polygon(const POINT* points, int count, bool winding);

    static PixelRegion combine(const PixelRegion& a, const PixelRegion& b, Op op);
    void offset(int dx, int dy);
    bool contains(int x, int y) const;
    bool empty() const { return bands_.empty(); }
    // The bounding box; all zero when empty.
    RECT box() const;
    // One rectangle per span, in band order.
    std::vector<RECT> rects() const;
    // The pixels of the region that have a 4-neighbour outside it: its
    // one-pixel-wide outline.
    PixelRegion boundary() const;
    const std::vector<Band>& bands() const { return bands_; }

    bool operator==(const PixelRegion&) const = default;

    // Appends the spans of rows [top, bottom), below every band added so far,
    // merging with the last band when the spans are equal. Spans must be
    // sorted and disjoint; empty spans lists add nothing.
    void append_band(int top, int bottom, std::vector<Span> spans);

private:
    std::vector<Band> bands_;
};

} // namespace vora::platform::gdi

namespace gdi = vora::platform::gdi; // the spelling used throughout the layer
