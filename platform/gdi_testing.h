// Helpers for the drawing tests: a white memory bitmap selected into a memory
// DC, and ways to look at its pixels.
#pragma once

#include "platform/font_caches.h"
#include "platform/gdi_internal.h"
#include "platform/win32_base.h"
#include "platform/win32_gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace vora::platform::gdi::testing {

constexpr COLORREF white = 0xFFFFFF;
constexpr COLORREF black = 0x000000;
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF blue = RGB(0, 0, 255);

class Canvas {
public:
    Canvas(int w, int h, COLORREF background = white)
        : width(w), height(h), dc(CreateCompatibleDC(nullptr)),
          bitmap(CreateCompatibleBitmap(dc, w, h)), previous(SelectObject(dc, bitmap)) {
        HBRUSH brush = CreateSolidBrush(background);
        const RECT all{0, 0, w, h};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }

    // The smallest box holding every pixel that differs from `background`;
    // all zero when there is none.
    RECT ink(COLORREF background = white) const {
        RECT box{width, height, -1, -1};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (at(x, y) == background) continue;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
        return box.right < 0 ? RECT{0, 0, 0, 0} : box;
    }

    int count(COLORREF color) const {
        int n = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) n += at(x, y) == color ? 1 : 0;
        }
        return n;
    }

    // Row y as text, '.' for `background` and '#' for anything else: shown
    // when a pixel test fails.
    std::string row(int y, COLORREF background = white) const {
        std::string s;
        for (int x = 0; x < width; ++x) s += at(x, y) == background ? '.' : '#';
        return s;
    }

    const int width;
    const int height;
    const HDC dc;
    const HBITMAP bitmap;
    const HGDIOBJ previous;
};

// Selects a new object into a DC for one scope, then restores the previous
// one and deletes the new one.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object)
        : dc_(dc), object_(object), previous_(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(dc_, previous_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
};

// Releases the font caches after the last test of the program, so that the
// leak checker finds nothing left by Cairo and fontconfig.
class ReleaseFontCaches : public ::testing::Environment {
public:
    void TearDown() override { vora::platform::release_font_caches(); }
};
inline ::testing::Environment* const release_font_caches_at_exit =
    ::testing::AddGlobalTestEnvironment(new ReleaseFontCaches);

} // namespace vora::platform::gdi::testing
