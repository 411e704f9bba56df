// The texts of the records: what the finish message adds about the time and
// the help used, and the best times of a grid for the information page.
#pragma once

#include "shell/core/records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a finish gave.
struct bilanfin {
    bool chronometre = true;            // the time was measured (the chronometer's display on)
    std::int32_t secondes = 0;          // the time made
    bool nouveau = false;               // it became the best of its grid, level and help
    std::optional<recordgrille> ancien; // the best it was up against, when there was one
    aidesgrille aides{};                // the help used on the grid
};

// A time as the chronometer shows it ("01mn 15s", "01m 15s"), no leading
// blank.
std::string texteduree(std::int32_t secondes, bool anglais);
// A date yyyymmdd as "09/12/2026" (French) or "2026-12-09" (English).
std::string textedate(std::int32_t date, bool anglais);

// The finish message's lines about b in the language (createmsg.h): the
// time, marked with help when help was used, and "new best" or the best it
// did not beat (no time when it was not measured), then the help used.
std::string textefin(const bilanfin& b, short langue);

// The information page's lines about the grid of key grille: its best
// times, level by level, without help first; then the help used on it now
// (aides), when any.
std::string texterecords(const std::vector<recordgrille>& records, const std::string& grille,
                         const aidesgrille& aides, short langue);
