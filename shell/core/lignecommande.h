// The game's command line: the help and the version, answered without
// opening the window, and the texts they print.
#pragma once

#include <string>
#include <string_view>

// What a command line asks for.
enum class demandeligne {
    jouer,    // no argument: the game opens its window
    aide,     // "--help", "-h" or "/?"
    version,  // "--version"
    inconnue, // anything else: told with the help, and the program fails
};

// The request of a command line: the arguments after the program's name,
// separated by blanks, as WinMain receives them. One argument at most is
// understood; two or more make an unknown request.
demandeligne lisligne(std::string_view ligne);

// What the program prints for request d (not jouer) in langue
// (languefrancais or langueanglais), in Windows-1252, each line ending with
// "\n": the help (how to start the game, what it is, its options), the
// version ("V-O-RA 1.1.0"), or for an unknown request a line that names
// ligne, then the help.
std::string texteligne(demandeligne d, std::string_view ligne, short langue);
