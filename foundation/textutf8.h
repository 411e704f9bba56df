// Windows-1252 text, the game's stored form, as UTF-8 for a console, Cairo
// or SDL.
#pragma once

#include <string>
#include <string_view>

// texte from Windows-1252 to UTF-8; a byte that Windows-1252 leaves
// undefined becomes U+FFFD, a zero byte stays one.
std::string utf8de1252(std::string_view texte);
