// The catalogue tool's generation: grids made from a shape and a seed (the
// game's own generation), the catalogue's description file and the C++ source
// of its scrambled constants.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/generation/generegrille.h"

namespace voracat {

using grillegen::generegrille;
using grillegen::grillegeneree;

// One entry of the catalogue's source.
struct grillesource {
    std::string nom;
    short niveau = 0;
    std::vector<std::string> textes; // plain grouped definition texts
};

// The C++ source of the catalogue's constants (grillesdonnees.h): every name
// and text scrambled, the playable names (comma-separated) and the start-up
// grid name too.
std::string sourcecatalogue(const std::vector<grillesource>& grilles, const std::string& jouables,
                            const std::string& depart);

// One line of a catalogue description file: "name, level, playable, seed,
// shape", playable being the grid's number in the playable list (1..5) or 0.
struct entreecatalogue {
    std::string nom;
    short niveau = 0;
    short jouable = 0;
    std::uint32_t graine = 0;
    std::string forme;
};

// Read a catalogue description: one entry per line; blank lines and lines
// starting with "#" are skipped. False with a message for a malformed line or
// an unreadable file.
bool litdescription(const std::string& chemin, std::vector<entreecatalogue>& entrees,
                    std::string& erreur);

} // namespace voracat
