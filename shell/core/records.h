// Best times per grid and level, and the help a player used on a grid: the
// records kept, how a finish updates them, and their parameter file lines.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The kinds of help the game gives on a grid in play.
enum class genreaide : short { indice, verification, remplissage };
inline constexpr short nbgenresaide = 3;

// The help used on one grid, one count per genreaide (in its order), each
// within 0..32767 (further help is not counted past it).
using aidesgrille = std::array<short, nbgenresaide>;

// Count one more help of kind g in a (saturating at 32767).
void ajouteaide(aidesgrille& a, genreaide g);
// Whether any help was counted in a.
bool yadesaides(const aidesgrille& a);

// The most records a parameter file keeps (the first ones read).
inline constexpr short recordsmax = 4000;
// The longest grid key a record may have.
inline constexpr std::size_t clerecordmax = 200;

// One best time: the time in whole seconds made on the grid of key grille
// at level niveau (1..7), on date (yyyymmdd), with or without help. A grid
// has at most one best with help and one without per level: a time made
// with help never takes the place of one made without.
struct recordgrille {
    std::string grille;
    short niveau = 1;
    bool aide = false;
    std::int32_t secondes = 0;
    std::int32_t date = 0;
    bool operator==(const recordgrille&) const = default;
};

// The record of (grille, niveau, aide) in records; null when there is none.
const recordgrille* chercherecord(const std::vector<recordgrille>& records,
                                  const std::string& grille, short niveau, bool aide);

// A finish of r.secondes on r's grid, level and help: when there is no
// record for them yet or r is strictly faster, r takes its place (or is
// added, unless recordsmax are kept) and true is returned.
bool noterecord(std::vector<recordgrille>& records, const recordgrille& r);

// Whether r can be kept in a parameter file: a key of 1..clerecordmax
// characters from 32 up (no leading or trailing blank), a level 1..7, a time
// of 0 seconds or more and a real date (years 2000..9999).
bool recordvalide(const recordgrille& r);

// The value of r's "rec=" line: "level,help,seconds,date,key" (help 1 or 0);
// the key comes last and may hold commas.
std::string valeurrecord(const recordgrille& r);
// The record of a "rec=" line's value; nothing when any part is missing,
// not a whole number in range, or the record is not valid (recordvalide).
std::optional<recordgrille> lisrecord(const std::string& value);

// The value of an "aid" line: "hints,checks,fills".
std::string valeuraides(const aidesgrille& a);
// The counts of an "aid" line's value: three whole numbers 0..32767 split by
// commas; nothing otherwise.
std::optional<aidesgrille> lisaides(const std::string& value);
