// The frame the layer draws around top-level captioned windows (thin border,
// caption bar with the small icon, title, minimise and close boxes) and the one-pixel border
// of WS_BORDER windows: sizes, hit testing and drawing.
#include "platform/gdi_internal.h"
#include "platform/user_internal.h"

namespace vora::platform::user {

namespace {
constexpr int frame_px = 4;
constexpr int caption_height_px = 24;
constexpr int small_icon = 16; // the small icon's size, and its place in the caption
constexpr int icon_left = 4;
constexpr COLORREF active_caption_colour = RGB(0, 120, 215);
constexpr COLORREF disabled_caption_colour = RGB(150, 150, 150);

bool captioned(const Window& w) {
    return w.parent == nullptr && (w.style & WS_CAPTION) == WS_CAPTION;
}

bool inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void draw_box_glyph(HDC dc, const RECT& box, bool close, bool pressed) {
    HBRUSH face = CreateSolidBrush(pressed ? RGB(200, 40, 40) : RGB(0, 95, 184));
    FillRect(dc, &box, face);
    DeleteObject(face);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(dc, pen);
    int cx = (box.left + box.right) / 2;
    int cy = (box.top + box.bottom) / 2;
    if (close) {
        MoveToEx(dc, cx - 5, cy - 5, nullptr);
        LineTo(dc, cx + 5, cy + 5);
        MoveToEx(dc, cx + 5, cy - 5, nullptr);
        LineTo(dc, cx - 5, cy + 5);
    } else {
        MoveToEx(dc, cx - 5, cy + 4, nullptr);
        LineTo(dc, cx + 5, cy + 4);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}
// The small icon at the left of a caption with a system menu, 16 x 16 pixels
// at (x, y): the class's small icon (else its icon) when it has a picture,
// else the generic application icon (a window with its title bar).
void draw_small_icon(HDC dc, int x, int y, const WindowClass* cls) {
    if (cls != nullptr) {
        HICON icon = cls->small_icon != nullptr ? cls->small_icon : cls->icon;
        if (cairo_surface_t* picture = icon_picture(icon, true)) {
            gdi::draw_picture(dc, picture, x, y, small_icon, small_icon);
            return;
        }
    }
    RECT outline{x + 1, y + 2, x + 15, y + 14};
    HBRUSH border = CreateSolidBrush(RGB(40, 40, 40));
    FillRect(dc, &outline, border);
    DeleteObject(border);
    RECT title{x + 2, y + 3, x + 14, y + 6};
    HBRUSH bar = CreateSolidBrush(RGB(0, 60, 150));
    FillRect(dc, &title, bar);
    DeleteObject(bar);
    RECT body{x + 2, y + 6, x + 14, y + 13};
    HBRUSH face = CreateSolidBrush(RGB(235, 235, 235));
    FillRect(dc, &body, face);
    DeleteObject(face);
}

} // namespace

Insets insets_for(DWORD style, DWORD ex_style, bool child) {
    (void)ex_style;
    if (!child && (style & WS_CAPTION) == WS_CAPTION)
        return Insets{frame_px, frame_px + caption_height_px, frame_px, frame_px};
    if ((style & (WS_BORDER | WS_DLGFRAME)) != 0) return Insets{1, 1, 1, 1};
    return Insets{};
}

Insets insets_of(const Window& w) {
    return insets_for(w.style, w.ex_style, w.parent != nullptr);
}

int caption_height() {
    return caption_height_px;
}
int frame_width() {
    return frame_px;
}

RECT close_box_rect(const Window& w) {
    if (!captioned(w) || (w.style & WS_SYSMENU) == 0) return RECT{};
    int right = (w.rect.right - w.rect.left) - frame_px - 2;
    int height = caption_height_px - 4;
    return RECT{right - height - 10, frame_px + 2, right, frame_px + 2 + height};
}

RECT minimize_box_rect(const Window& w) {
    if (!captioned(w) || (w.style & (WS_SYSMENU | WS_MINIMIZEBOX)) != (WS_SYSMENU | WS_MINIMIZEBOX))
        return RECT{};
    RECT close = close_box_rect(w);
    int width = close.right - close.left;
    return RECT{close.left - 2 - width, close.top, close.left - 2, close.bottom};
}

int hit_test_frame(const Window& w, POINT p) {
    Insets in = insets_of(w);
    int width = w.rect.right - w.rect.left;
    int height = w.rect.bottom - w.rect.top;
    if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return HTNOWHERE;
    if (inside(RECT{in.left, in.top, width - in.right, height - in.bottom}, p)) return HTCLIENT;
    if (!captioned(w)) return HTBORDER;
    if (inside(close_box_rect(w), p)) return HTCLOSE;
    if (inside(minimize_box_rect(w), p)) return HTMINBUTTON;
    if (p.y >= frame_px && p.y < frame_px + caption_height_px) return HTCAPTION;
    return HTBORDER;
}

void draw_frame(HDC dc, const Window& w) {
    int width = w.rect.right - w.rect.left;
    int height = w.rect.bottom - w.rect.top;
    if (captioned(w)) {
        bool enabled = (w.style & WS_DISABLED) == 0;
        HBRUSH frame = CreateSolidBrush(enabled ? active_caption_colour : disabled_caption_colour);
        RECT all{0, 0, width, height};
        FillRect(dc, &all, frame);
        DeleteObject(frame);
        HFONT font = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        HGDIOBJ old_font = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        SetTextAlign(dc, TA_LEFT | TA_TOP);
        SIZE extent{};
        GetTextExtentPoint32A(dc, "Ag", 2, &extent);
        // As on Windows: with a system menu, the small icon, then the title.
        int title_left = frame_px + 6;
        if ((w.style & WS_SYSMENU) != 0) {
            draw_small_icon(dc, frame_px + icon_left,
                            frame_px + (caption_height_px - small_icon) / 2, w.cls);
            title_left = frame_px + icon_left + small_icon + 5;
        }
        TextOutA(dc, title_left, frame_px + (caption_height_px - extent.cy) / 2, w.text.c_str(),
                 static_cast<int>(w.text.size()));
        SelectObject(dc, old_font);
        DeleteObject(font);
        const FrameTrack& track = state().frame;
        bool mine = track.window == w.handle;
        RECT close = close_box_rect(w);
        if (close.right > close.left) draw_box_glyph(dc, close, true, mine && track.hit == HTCLOSE);
        RECT minimize = minimize_box_rect(w);
        if (minimize.right > minimize.left)
            draw_box_glyph(dc, minimize, false, mine && track.hit == HTMINBUTTON);
    } else if ((w.style & (WS_BORDER | WS_DLGFRAME)) != 0) {
        HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
        HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, 0, 0, width, height);
        SelectObject(dc, old_pen);
        SelectObject(dc, old_brush);
    }
}

} // namespace vora::platform::user
