// The windowing and drawing interface the game is written against: the Win32
// USER and GDI subset it calls. On Windows this is <windows.h> itself; on other
// systems the same names are provided by this folder on SDL2, Cairo and X11.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "platform/win32_base.h"
#include "platform/win32_gdi.h"
#include "platform/win32_user.h"
#endif
