// Helpers shared by the topology builders (not part of the lattice interface):
// parsed base patterns, name sets, sorting in list order, list input/output.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class lichavo;

namespace topo {

using noms = std::vector<std::string>;

// The base patterns as separate names, built with globinitvoragotopo()
// (defined in topobase.cpp, beside the patterns; the rest of this header in
// topointerne.cpp).
struct motifs {
    noms sixcases;
    noms oppos; // groups of six: two cells then four points
    noms dixhuit;
    noms internes;
    noms externes;
    std::array<noms, 6> demi; // the six turns of "B:AF,D:AB,D:AF,E:AB"
};
const motifs& lesmotifs();

// The comma-separated names of text ("a,b," gives "a" and "b").
noms decoupe(std::string_view text);

// A set of names compared as the lists compare them (case-insensitive).
class ensemble {
public:
    ensemble() = default;
    explicit ensemble(const noms& v);
    bool has(std::string_view nom) const;
    // Returns false when already present.
    bool add(std::string_view nom);
    bool remove(std::string_view nom);

private:
    std::unordered_set<std::string> cles;
};

// Sort ascending in list order (plusgrandnor). With unique, equal names keep
// one copy, the one that trialpha followed by killdoubles would keep; without,
// equal names end in reverse of their former order, as sorted insertion does.
void trier(noms& v, bool unique);

noms lire(const lichavo* list);
// Clear list, then append the names in order.
void ecrire(lichavo* list, const noms& v);

// The canonical centre of a hexagon text (a leading "X" and blanks ignored).
std::string centre(std::string_view hexagon);
// A pattern item placed at a point: cell, segment or point normalisation.
std::string placecase(const std::string& point, const std::string& item);
std::string placeseg(const std::string& point, const std::string& item);
std::string placepoint(const std::string& point, const std::string& item);

// The path part of a cell name (before its ":"), canonical.
std::string pointdecase(std::string_view cell);
// Whether a (normalised) cell name is a ":AB" cell.
bool estab(std::string_view cell);
std::array<std::string, 3> troispoints(std::string_view cell);
std::array<std::string, 3> troisvoisins(std::string_view cell);
noms sixcases(const std::string& point);
// Sum of the canonical step counts of path in the directions named by letters.
int distanseg(std::string_view path, std::string_view letters);

} // namespace topo
