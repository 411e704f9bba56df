// The Win32 GDI subset the game draws with, for systems other than Windows:
// pens, brushes, fonts, memory device contexts and bitmaps, lines, shapes,
// text, bitmap transfers, device capabilities, system colours, bitmap
// resources and regions. Names, values and signatures are those of
// <windows.h>; the behaviour is what Win32 documents, with the pixel choices
// written down in platform/README.md. Implemented on Cairo (gdi_*.cpp).
//
// Handles are pointers to objects of the layer. A null or unknown handle makes
// a call fail the way Win32 reports failure (FALSE, 0 or NULL); it never
// crashes. Every object made by a Create call is freed by DeleteObject, every
// DC made by CreateCompatibleDC by DeleteDC; stock objects are never freed.
#pragma once

#include "platform/win32_base.h"

// ---- Stock objects (GetStockObject) ----
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

// ---- Pens ----
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define PS_STYLE_MASK 0x0000000F
#define PS_ENDCAP_ROUND 0x00000000
#define PS_ENDCAP_SQUARE 0x00000100
#define PS_ENDCAP_FLAT 0x00000200
#define PS_ENDCAP_MASK 0x00000F00
#define PS_JOIN_ROUND 0x00000000
#define PS_JOIN_BEVEL 0x00001000
#define PS_JOIN_MITER 0x00002000
#define PS_JOIN_MASK 0x0000F000
#define PS_COSMETIC 0x00000000
#define PS_GEOMETRIC 0x00010000
#define PS_TYPE_MASK 0x000F0000

// ---- Brushes ----
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL
#define BS_HATCHED 2

struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;
};
using PLOGBRUSH = LOGBRUSH*;
using LPLOGBRUSH = LOGBRUSH*;

// ---- Fonts (CreateFontA) ----
#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_EXTRALIGHT 200
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_EXTRABOLD 800
#define FW_HEAVY 900
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define ANTIALIASED_QUALITY 4
#define DEFAULT_PITCH 0
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20

// ---- Text settings ----
#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24
#define TRANSPARENT 1
#define OPAQUE 2
#define CLR_INVALID 0xFFFFFFFF
#define GDI_ERROR 0xFFFFFFFFL

// ---- Bitmap transfers ----
#define SRCCOPY 0x00CC0020
#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_ANDSCANS BLACKONWHITE
#define STRETCH_ORSCANS WHITEONBLACK
#define STRETCH_DELETESCANS COLORONCOLOR
#define STRETCH_HALFTONE HALFTONE

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};
using PBITMAP = BITMAP*;
using LPBITMAP = BITMAP*;

// ---- Device capabilities (GetDeviceCaps) ----
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// ---- System colours (GetSysColor, GetSysColorBrush; FillRect also takes
// (HBRUSH)(COLOR_xxx + 1) as Windows does) ----
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT

// ---- Resources (LoadImageA) ----
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x00000000
#define LR_LOADFROMFILE 0x00000010
#define LR_DEFAULTSIZE 0x00000040
#define LR_CREATEDIBSECTION 0x00002000
#define LR_SHARED 0x00008000
#ifndef MAKEINTRESOURCEA
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#endif
#ifndef IS_INTRESOURCE
#define IS_INTRESOURCE(p) ((reinterpret_cast<ULONG_PTR>(p) >> 16) == 0)
#endif

// ---- Regions ----
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_ERROR ERROR
#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5
#define ALTERNATE 1
#define WINDING 2

// The names without the A suffix, as <windows.h> maps them when UNICODE is
// not defined.
#define CreateFont CreateFontA
#define TextOut TextOutA
#define GetTextExtentPoint32 GetTextExtentPoint32A
#define GetObject GetObjectA
#define LoadImage LoadImageA
#ifndef MAKEINTRESOURCE
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#endif

// ---- Device contexts and objects ----

// A memory DC: starts with a 1 x 1 default bitmap selected (drawing lands
// nowhere until a bitmap is selected), the black pen, the white brush and the
// system font. The argument is accepted and not needed (any DC, or NULL).
HDC WINAPI CreateCompatibleDC(HDC hdc);
// A 32-bit colour bitmap of cx x cy pixels, black. Unlike Windows, the bitmap
// is colour even when hdc is a memory DC holding its monochrome default
// bitmap. cx or cy of 0 gives a 1 x 1 bitmap; negative sizes fail.
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy);
// Frees a DC; the objects selected into it stay alive (their owners delete
// them). A borrowed surface (platform/gdi_internal.h) is not freed.
BOOL WINAPI DeleteDC(HDC hdc);
// Selects a pen, brush, font or bitmap; returns the object of that kind that
// was selected before, or NULL on failure (unknown handle; a bitmap in a DC
// that is not a memory DC, or already selected into another DC). Regions
// cannot be selected (NULL).
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
// Frees a pen, brush, font, bitmap or region. Fails (FALSE, nothing freed) for
// a null or unknown handle or an object selected into a DC; a stock object is
// left alone (TRUE).
BOOL WINAPI DeleteObject(HGDIOBJ ho);
// The stock objects listed above; NULL for other indices.
HGDIOBJ WINAPI GetStockObject(int i);
// For a bitmap: fills a BITMAP (32 bits per pixel, one plane, bmBits NULL) and
// returns the bytes written; with pv NULL returns sizeof(BITMAP). 0 for
// anything else.
int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv);

HPEN WINAPI ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH* plbrush, DWORD cStyle,
                         const DWORD* pstyle);
// Width 0 draws one pixel wide. Dashed styles are drawn solid.
HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
HBRUSH WINAPI CreateSolidBrush(COLORREF color);
// cHeight < 0: character (em) height in pixels; > 0: cell height (ascent plus
// descent); 0: a default of 12 pixels. cWidth != 0 scales the glyphs
// horizontally so that the average character width is cWidth pixels.
// cEscapement: tenths of a degree, counter-clockwise. cWeight >= 600 draws
// bold. pszFaceName resolves through fontconfig ("Arial", "Times New Roman",
// "Helvetica"...). The other arguments are accepted and ignored.
HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCSTR pszFaceName);

// ---- DC settings (each returns the previous value; CLR_INVALID, 0 or
// GDI_ERROR for an unknown DC) ----
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetTextColor(HDC hdc);
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetBkColor(HDC hdc);
int WINAPI SetBkMode(HDC hdc, int mode);
int WINAPI GetBkMode(HDC hdc);
UINT WINAPI SetTextAlign(HDC hdc, UINT align);
UINT WINAPI GetTextAlign(HDC hdc);
int WINAPI SetStretchBltMode(HDC hdc, int mode);
int WINAPI GetStretchBltMode(HDC hdc);
int WINAPI SetPolyFillMode(HDC hdc, int mode);

// ---- Text (Windows-1252; c is the number of bytes) ----
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);

// ---- Lines and shapes (current pen for outlines, current brush for fills) ----
BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL WINAPI LineTo(HDC hdc, int x, int y);
BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt);
BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt);
BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom);
BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
// CLR_INVALID outside the selected bitmap or for an unknown DC.
COLORREF WINAPI GetPixel(HDC hdc, int x, int y);

// ---- Bitmap transfers (only SRCCOPY) ----
BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc,
                       int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop);

// ---- Device and system information ----
// LOGPIXELSX/Y are 96; HORZRES/VERTRES the screen size (every DC, as on
// Windows); BITSPIXEL 32; PLANES 1; HORZSIZE/VERTSIZE in millimetres.
int WINAPI GetDeviceCaps(HDC hdc, int index);
// The colours of a light Windows theme; 0 for an unknown index.
DWORD WINAPI GetSysColor(int nIndex);
// A stock brush of that system colour (never freed); NULL for an unknown index.
HBRUSH WINAPI GetSysColorBrush(int nIndex);

// ---- Resources ----
// IMAGE_BITMAP only. name is MAKEINTRESOURCEA(id) of a bitmap registered with
// platform/bitmap_resources.h (the instance is not used), or with
// LR_LOADFROMFILE the path of a BMP or PNG file. cx, cy of 0 keep the
// picture's size, other values stretch it. Returns a new HBITMAP the caller
// frees with DeleteObject (LR_SHARED is not supported), NULL on failure.
HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad);

// ---- Regions: sets of pixels ----
// Region calls returning int give NULLREGION, SIMPLEREGION or COMPLEXREGION,
// or ERROR for an unknown handle.
HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2);
// The pixels of the ellipse inscribed in [x1, x2) x [y1, y2).
HRGN WINAPI CreateEllipticRgn(int x1, int y1, int x2, int y2);
HRGN WINAPI CreatePolygonRgn(const POINT* pptl, int cPoint, int iMode);
// hrgnDst must exist already; it may be one of the sources.
int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
int WINAPI OffsetRgn(HRGN hrgn, int x, int y);
BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y);
int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc);
