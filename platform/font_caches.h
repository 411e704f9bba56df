// The font data the drawing layer keeps for the life of the process, freed at
// the end of a program so that a leak checker sees a clean exit.
#pragma once

namespace vora::platform {

#ifdef _WIN32
// gdi32 keeps nothing the program could free: nothing to do.
inline void release_font_caches() {}
#else
// Releases the font data that Cairo and fontconfig keep for the life of the
// process (faces, patterns, the configuration). Call it once at the very end,
// after the last drawing and with no Cairo context of the caller still alive;
// draw no text afterwards.
void release_font_caches();
#endif

} // namespace vora::platform
