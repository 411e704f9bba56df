// The parameter file's lines as its reader (paramuser.cpp) and its damage
// test (paramabime.cpp) both see them: line ends, blanks, the player's "usr="
// lines, the bytes no file holds and the limits. Sharing them keeps the two
// from disagreeing on what a save keeps.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The most bytes of a file that are read; a longer file is damaged.
inline constexpr std::size_t fichierparammax = 16 * 1024 * 1024;
// The longest line kept, "usr=" lines aside; a longer one is damage.
inline constexpr std::size_t ligneparammax = 64 * 1024;
// The most bytes the kept "usr=" lines take in a file the game writes, their
// line ends (CR LF) included. What fichierparammax leaves holds everything
// else a save writes (about 1 MiB at most), so that no file the game writes
// is over fichierparammax, whatever line ends the file it read had.
inline constexpr std::size_t octetsusrmax = 15 * 1024 * 1024;

// The lines of content, each ended by CR LF, CR, LF or the end; the last one
// may be empty.
std::vector<std::string_view> decoupelignes(std::string_view content);

// Space and tab.
bool blancparam(char c);
// s without its leading and trailing blanks.
std::string_view sansblancsparam(std::string_view s);
// Whether line is one of the player's own: blanks, "usr" in any case,
// blanks, "=".
bool ligneusr(std::string_view line);
// Whether c is a byte that no sound file holds: a control byte other than
// tab, CR, LF and the end-of-file mark 26 (NUL included).
bool octetinterdit(unsigned char c);
// The player's line as the game keeps and writes it back: cut at its first
// NUL, without the other bytes octetinterdit and without trailing blanks.
std::string ligneusrgardee(std::string_view line);
