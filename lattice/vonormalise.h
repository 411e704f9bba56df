// Names of points, cells and segments brought back to canonical form after a
// transform, patterns moved to a point, and the hexagon marker "X".
//
// Canonical names: a point is its canonical path; a cell is a point followed by
// ":AB" or ":AF"; a segment is a point followed by ":A", ":B" or ":C".
#pragma once

#include <string>
#include <string_view>

class gstring;
class lichavo;

// out becomes path followed by pattern: the pattern moved to the point named
// by path (no normalisation).
void vodecalage(gstring* out, const char* pattern, const char* path);

// out becomes cell with the bytes after its first ":" sorted ascending, then a
// final ":BC" replaced by "C:AF", ":CD" by "D:AB", ":DE" by "D:AF" or ":EF"
// by "E:AB". A text without ":" is copied unchanged.
void normafincase(gstring* out, const char* cell);
// out becomes segment with a final ":D" replaced by "D:A", ":E" by "E:B" or
// ":F" by "F:C".
void normafinseg(gstring* out, const char* segment);

// Normalise the suffix as above, then bring the path before the first ":" to
// canonical form, compact when form is 'C' (or 'c'), expanded otherwise, and
// append the suffix again (from the ":" on). Without ":" the whole text is
// the path.
void chemieuxcase(char form, gstring* out, const char* cell);
void chemieuxseg(char form, gstring* out, const char* segment);
// The expanded forms; the one-argument form normalises g in place.
void chemieuxcasedec(gstring* out, const char* cell);
void chemieuxcasedec(gstring* g);
void chemieuxsegdec(gstring* out, const char* segment);

// Put "X" in front of the text unless it already begins with "X"
// (case-insensitive, leading blanks ignored).
void hexarajoutix(gstring* text);
// Remove a leading "X" (case-insensitive) and the blanks around it; a text
// without one is left as it is.
void hexaretirix(gstring* text);
// The same on every element of list.
void hexarajoutix(lichavo* list);
void hexaretirix(lichavo* list);

// The same normalisations on standard strings, for code that builds many
// names: the canonical expanded path of a path text, chemieuxcasedec and
// chemieuxsegdec.
std::string normepoint(std::string_view path);
std::string normecase(std::string_view cell);
std::string normeseg(std::string_view segment);
