// Band-and-span pixel sets: construction from shapes and set operations.
#include "platform/pixel_region.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vora::platform::gdi {

namespace {

using Span = PixelRegion::Span;
using Band = PixelRegion::Band;

// The spans of `bands` on row y; `index` walks forward through the bands as y
// grows. Returns an empty list between and outside the bands.
const std::vector<Span>& spans_at(const std::vector<Band>& bands, std::size_t& index, int y) {
    static const std::vector<Span> none;
    while (index < bands.size() && bands[index].bottom <= y) ++index;
    if (index < bands.size() && bands[index].top <= y) return bands[index].spans;
    return none;
}

bool inside(const std::vector<Span>& spans, int x) {
    for (const Span& s : spans) {
        if (x < s.first) return false;
        if (x < s.second) return true;
    }
    return false;
}

bool apply(PixelRegion::Op op, bool a, bool b) {
    switch (op) {
    case PixelRegion::Op::and_:
        return a && b;
    case PixelRegion::Op::or_:
        return a || b;
    case PixelRegion::Op::xor_:
        return a != b;
    case PixelRegion::Op::diff:
        return a && !b;
    }
    return false;
}

std::vector<Span> combine_spans(const std::vector<Span>& a, const std::vector<Span>& b,
                                PixelRegion::Op op) {
    std::vector<int> xs;
    for (const Span& s : a) xs.insert(xs.end(), {s.first, s.second});
    for (const Span& s : b) xs.insert(xs.end(), {s.first, s.second});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<Span> out;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!apply(op, inside(a, xs[i]), inside(b, xs[i]))) continue;
        if (!out.empty() && out.back().second == xs[i]) {
            out.back().second = xs[i + 1];
        } else {
            out.emplace_back(xs[i], xs[i + 1]);
        }
    }
    return out;
}

// Pixels whose centre lies in [from, to): first and one-past-last column.
Span centre_span(double from, double to) {
    return {static_cast<int>(std::ceil(from - 0.5)), static_cast<int>(std::ceil(to - 0.5))};
}

} // namespace

void PixelRegion::append_band(int top, int bottom, std::vector<Span> spans) {
    if (spans.empty() || top >= bottom) return;
    if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
        bands_.back().bottom = bottom;
        return;
    }
    bands_.push_back({top, bottom, std::move(spans)});
}

PixelRegion PixelRegion::rectangle(int x1, int y1, int x2, int y2) {
    PixelRegion r;
    r.append_band(std::min(y1, y2), std::max(y1, y2),
                  x1 == x2 ? std::vector<Span>{}
                           : std::vector<Span>{{std::min(x1, x2), std::max(x1, x2)}});
    return r;
}

PixelRegion PixelRegion::ellipse(int x1, int y1, int x2, int y2) {
    PixelRegion r;
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    if (rx <= 0 || ry <= 0) return r;
    for (int y = top; y < bottom; ++y) {
        const double t = (y + 0.5 - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - t * t));
        // A centre exactly on the outline counts as inside, so that the
        // leftmost and rightmost columns of the box are reached.
        const Span s{static_cast<int>(std::floor(cx - half - 0.5 + 1e-9)) + 1,
                     static_cast<int>(std::ceil(cx + half - 0.5 - 1e-9))};
        r.append_band(y, y + 1, s.first < s.second ? std::vector<Span>{s} : std::vector<Span>{});
    }
    return r;
}

PixelRegion PixelRegion::polygon(const POINT* points, int count, bool winding) {
    PixelRegion r;
    if (points == nullptr || count < 3) return r;
    int top = std::numeric_limits<int>::max(), bottom = std::numeric_limits<int>::min();
    for (int i = 0; i < count; ++i) {
        top = std::min(top, static_cast<int>(points[i].y));
        bottom = std::max(bottom, static_cast<int>(points[i].y));
    }
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (int y = top; y < bottom; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % count];
            if ((a.y <= yc) == (b.y <= yc)) continue;
            const double x = a.x + (yc - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
            crossings.push_back({x, b.y > a.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
        std::vector<Span> spans;
        int wind = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            wind = winding ? wind + crossings[i].direction : (wind + 1) % 2;
            if (wind == 0) continue;
            const Span s = centre_span(crossings[i].x, crossings[i + 1].x);
            if (s.first >= s.second) continue;
            if (!spans.empty() && spans.back().second >= s.first) {
                spans.back().second = std::max(spans.back().second, s.second);
            } else {
                spans.push_back(s);
            }
        }
        r.append_band(y, y + 1, std::move(spans));
    }
    return r;
}

PixelRegion PixelRegion::combine(const PixelRegion& a, const PixelRegion& b, Op op) {
    std::vector<int> ys;
    for (const Band& band : a.bands_) ys.insert(ys.end(), {band.top, band.bottom});
    for (const Band& band : b.bands_) ys.insert(ys.end(), {band.top, band.bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    PixelRegion out;
    std::size_t ia = 0, ib = 0;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const auto& sa = spans_at(a.bands_, ia, ys[i]);
        const auto& sb = spans_at(b.bands_, ib, ys[i]);
        out.append_band(ys[i], ys[i + 1], combine_spans(sa, sb, op));
    }
    return out;
}

void PixelRegion::offset(int dx, int dy) {
    for (Band& band : bands_) {
        band.top += dy;
        band.bottom += dy;
        for (Span& s : band.spans) {
            s.first += dx;
            s.second += dx;
        }
    }
}

bool PixelRegion::contains(int x, int y) const {
    for (const Band& band : bands_) {
        if (y < band.top) return false;
        if (y < band.bottom) return inside(band.spans, x);
    }
    return false;
}

RECT PixelRegion::box() const {
    if (bands_.empty()) return RECT{0, 0, 0, 0};
    RECT r{std::numeric_limits<LONG>::max(), bands_.front().top, std::numeric_limits<LONG>::min(),
           bands_.back().bottom};
    for (const Band& band : bands_) {
        r.left = std::min<LONG>(r.left, band.spans.front().first);
        r.right = std::max<LONG>(r.right, band.spans.back().second);
    }
    return r;
}

std::vector<RECT> PixelRegion::rects() const {
    std::vector<RECT> out;
    for (const Band& band : bands_) {
        for (const Span& s : band.spans)
            out.push_back(RECT{s.first, band.top, s.second, band.bottom});
    }
    return out;
}

PixelRegion PixelRegion::boundary() const {
    PixelRegion core = *this;
    const int shifts[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& shift : shifts) {
        PixelRegion moved = *this;
        moved.offset(shift[0], shift[1]);
        core = combine(core, moved, Op::and_);
    }
    return combine(*this, core, Op::diff);
}

} // namespace vora::platform::gdi
