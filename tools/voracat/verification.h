// Verifying a catalogue grid: at every threshold it can apply, its givens have
// exactly one solution that agrees with them, and the reasoning it needs.
#pragma once

#include <string>
#include <vector>

namespace voracat {

struct seuilverifie {
    short seuil = 0;
    int donnees = 0;     // cells shown as givens
    int solutions = 0;   // 0, 1, or 2 for two or more
    bool accord = false; // the one solution keeps every given
    int palier = 0;      // the hardest tier of reasoning needed (see grader.h)
};

struct grilleverifiee {
    bool trouvee = false; // the name is in the catalogue
    short niveau = 0;     // the catalogue's level
    short nbcases = 0;
    short nbhexas = 0; // complete hexagons
    short declassement = 0;
    int casesenclavees = 0; // cells of the ring enclosed by the grid (holes)
    int largeur = 0;        // width in pixels at a lattice step of 70
    bool niveausept = false;
    std::vector<seuilverifie> seuils; // 75, 80, ..., 100, then 120 with level 7
    // Every threshold has one solution that keeps its givens.
    bool bonne() const;
};

// Load the catalogue grid name into slot 0 (grilleload) and verify it.
grilleverifiee verifiegrille(const char* nom);

// One line per threshold: "name level L threshold T: G givens, S solution(s), tier P".
std::vector<std::string> lignesdeverification(const std::string& nom, const grilleverifiee& v);

} // namespace voracat
