// What the windowing half of the layer needs from the drawing half, beyond the
// Win32 calls of win32_gdi.h: device contexts over a window's back buffer, the
// screen information DC, regions as pixel rectangles (for X11 SHAPE) and the
// Windows-1252 to UTF-8 conversion. Internal to platform/: the game never
// includes this file.
//
// Buttons, static text and captions are drawn with the Win32 calls themselves
// (FillRect, Rectangle, SelectObject of DEFAULT_GUI_FONT, SetTextAlign,
// TextOutA, GetTextExtentPoint32A, GetSysColor) on a DC from
// create_surface_dc.
#pragma once

#include "platform/win32_base.h"
#include "platform/win32_gdi.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace vora::platform::gdi {

// A DC that draws into `surface`, a Cairo image surface (CAIRO_FORMAT_RGB24 or
// ARGB32) that the DC borrows: the caller keeps it alive until the DC is freed
// and frees it afterwards. The DC starts with the usual defaults (black pen,
// white brush, system font, opaque white background, TA_LEFT | TA_TOP), origin
// (0, 0) and no clipping. A bitmap cannot be selected into it. Every GDI call
// leaves the surface flushed, so its pixels can be read (or presented) between
// calls. Free it with free_surface_dc (or DeleteDC, the same).
HDC create_surface_dc(cairo_surface_t* surface);
void free_surface_dc(HDC dc);
// Points a DC made by create_surface_dc at another surface (borrowed, on the
// same terms), keeping its settings, selections, origin and clip: a window's
// DCs follow its back buffer when the window is resized. Ignored for an
// unknown DC, a memory DC or a surface that is not an image.
void set_dc_surface(HDC dc, cairo_surface_t* surface);

// Where the DC's coordinate (0, 0) lies on its surface, in surface pixels: a
// client DC of a window whose back buffer also holds the frame and caption
// gets the client area's offset. Applies to every later call (drawing, pixels,
// BitBlt source and destination). Ignored for an unknown DC.
void set_dc_origin(HDC dc, int x, int y);
// Restricts drawing to `clip` (surface pixels, right and bottom excluded);
// nullptr removes the restriction. Ignored for an unknown DC.
void set_dc_clip(HDC dc, const RECT* clip);

// The screen information DC that GetDC(NULL) returns: GetDeviceCaps answers
// LOGPIXELSX/Y 96 and HORZRES/VERTRES the screen size; text can be measured
// with GetTextExtentPoint32A; drawing lands nowhere. A new DC each call, freed
// with DeleteDC.
HDC create_screen_dc();
// The size GetDeviceCaps reports as HORZRES x VERTRES for every DC; 1280 x 1024
// until set. Non-positive values are ignored.
void set_screen_size(int width, int height);
SIZE screen_size();

// The pixels of a region (live or given to the system) as non-overlapping
// rectangles (right and bottom excluded) in y-x banded order: sorted by top,
// then left; rectangles of one band share top and bottom. Returns false (and
// clears `out`) for a null or unknown handle; an empty region gives true and
// no rectangle.
bool region_rects(HRGN rgn, std::vector<RECT>& out);
// Whether pixel (x, y) belongs to the region (live or given to the system);
// false for an unknown handle.
bool region_contains(HRGN rgn, int x, int y);
// Whether the handle is a live region of the layer.
bool is_region(HRGN rgn);
// Gives a live region to the system (what Windows does with a region given
// to SetWindowRgn): every Win32 call with the handle fails from then on, while
// region_rects and region_contains still read it, until free_system_region.
// The handle cannot be reused meanwhile. False for an unknown handle.
bool give_region_to_system(HRGN rgn);
void free_system_region(HRGN rgn);

// Converts Windows-1252 text to UTF-8. length < 0 reads up to the NUL; the
// five undefined codes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+FFFD.
std::string cp1252_to_utf8(const char* text, int length = -1);

// The Cairo image surface (CAIRO_FORMAT_RGB24) of a bitmap, borrowed: it lives
// as long as the bitmap. nullptr for an unknown handle. The caller flushes
// before reading and marks it dirty after writing pixels directly.
cairo_surface_t* bitmap_surface(HBITMAP bitmap);

// Resource `id` as registered for LoadImageA (bitmap_resources.h), decoded
// with its transparency into a new CAIRO_FORMAT_ARGB32 surface that the caller
// destroys; nullptr when the id is not registered or its picture unreadable.
cairo_surface_t* load_icon_resource(int id);
// Lays `picture` (an image surface, borrowed; ARGB32 blends over what is
// there) over the DC at (x, y) through its origin and clip, scaled to w x h.
// Ignored for an unknown DC.
void draw_picture(HDC dc, cairo_surface_t* picture, int x, int y, int w, int h);

} // namespace vora::platform::gdi

namespace gdi = vora::platform::gdi; // the spelling used throughout the layer
