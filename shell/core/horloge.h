// The millisecond tick that the chronometers read, with a hook for tests.
#pragma once

#include <cstdint>

// A source of milliseconds that only ever moves forward, wrapping round at
// 2^32 as the system tick count does.
using sourcetick = std::uint32_t (*)();

// The current tick of the installed source (by default a monotonic clock;
// the windowed shell may install GetTickCount).
std::uint32_t tickms();
// Install source as the tick source; null restores the default.
void fixesourcetick(sourcetick source);
