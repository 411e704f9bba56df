// Reading the description of the game's own texts and writing the C++ source
// that holds them scrambled (shell/core/textesdonnees.cpp).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace voratextes {

// One text: its key and its plain text in Windows-1252.
using textecle = std::pair<std::string, std::string>;

// The Windows-1252 form of a UTF-8 text: false (with the offending byte
// offset in erreur) for bytes that are not UTF-8 or characters that
// Windows-1252 does not have.
bool versw1252(const std::string& utf8, std::string& out, std::string& erreur);

// Read a description: "key | text" lines, "#" comments and blank lines
// skipped; "\n" in a text is a line break and "\\" a backslash. False with a
// message (file and line) for a malformed line, a repeated key or a
// character outside Windows-1252.
bool litdescription(const std::string& chemin, std::vector<textecle>& textes, std::string& erreur);

// A C++ string literal for a Windows-1252 text: printable ASCII as it stands
// (quote and backslash escaped), every other byte as a three-digit octal
// escape.
std::string litteralcpp(const std::string& texte);

// The C++ source of textesdonnees (shell/core/textesdonnees.h): every text
// scrambled with crypvora, keys plain.
std::string sourcetextes(const std::vector<textecle>& textes);

// The C++ source of reglesdonnees (render/reglesdonnees.h) from the rules
// pages' description: keys "police" (the rules font's face) and
// "p<page>.<fr|en>.<n>" (a line of page 1..9 in that language, its kind
// letter first), each text scrambled in the order of the description. False
// with a message for another key or a line without its kind letter.
bool sourceregles(const std::vector<textecle>& textes, std::string& source, std::string& erreur);

} // namespace voratextes
