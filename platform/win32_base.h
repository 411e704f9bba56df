// Basic Win32 types shared by the USER and GDI parts of the layer, with the
// sizes Windows gives them (LONG and DWORD are 32-bit, WPARAM and LPARAM are
// pointer-sized), so code written for Windows means the same here.
#pragma once

#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using BOOL = int;
using SHORT = short;
using CHAR = char;
using FLOAT = float;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using LONG_PTR = std::intptr_t;
using COLORREF = DWORD;
using ATOM = WORD;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using HANDLE = void*;
using HGDIOBJ = void*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Distinct handle types, as <windows.h> declares them in STRICT mode: each is a
// pointer to its own incomplete type, so handles of different kinds do not mix.
#define VORA_DECLARE_HANDLE(name)                                                                  \
    struct name##__;                                                                               \
    using name = name##__*

VORA_DECLARE_HANDLE(HWND);
VORA_DECLARE_HANDLE(HDC);
VORA_DECLARE_HANDLE(HPEN);
VORA_DECLARE_HANDLE(HBRUSH);
VORA_DECLARE_HANDLE(HFONT);
VORA_DECLARE_HANDLE(HBITMAP);
VORA_DECLARE_HANDLE(HRGN);
VORA_DECLARE_HANDLE(HINSTANCE);
VORA_DECLARE_HANDLE(HICON);
VORA_DECLARE_HANDLE(HMENU);
using HCURSOR = HICON;
using HMODULE = HINSTANCE;

struct POINT {
    LONG x;
    LONG y;
};
using LPPOINT = POINT*;

struct SIZE {
    LONG cx;
    LONG cy;
};
using LPSIZE = SIZE*;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
