// The millisecond tick that the chronometers read and today's date that the
// records take, each with a hook for tests.
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

// A source of today's date as yyyymmdd (local time).
using sourcedate = std::int32_t (*)();

// Today's date from the installed source (by default the system's local
// date), as yyyymmdd.
std::int32_t datedujour();
// Install source as the date source; null restores the default.
void fixesourcedate(sourcedate source);
