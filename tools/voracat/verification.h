// Verifying a catalogue grid: at every game level, applied as the game applies
// it, its givens have exactly one solution that agrees with them, and the
// reasoning and effort the level needs.
#pragma once

#include <string>
#include <vector>

namespace voracat {

struct niveauverifie {
    short niveau = 0;    // the game level, 1..7
    short seuil = 0;     // the threshold the game applies for it
    int donnees = 0;     // cells shown as givens
    int solutions = 0;   // 0, 1, or 2 for two or more
    bool accord = false; // the one solution keeps every given
    int palier = 0;      // the hardest tier of reasoning needed (see grader.h)
    long effort = 0;     // the effort score of that reasoning
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
    std::vector<niveauverifie> niveaux; // game levels 1 to 7
    // The promises the grid breaks, one text each; empty for a good grid:
    // every level has one solution that keeps its givens; levels 1 and 2
    // need single candidates only; a level that applies another threshold
    // than the level below shows strictly fewer givens (the same threshold
    // shows the same givens: levels made equal by the correction); effort
    // never falls from one level to the next; level 7, when it applies its
    // own threshold, takes at least a quarter more effort than level 6.
    std::vector<std::string> defauts() const;
    bool bonne() const { return trouvee && defauts().empty(); }
};

// Load the catalogue grid name into slot 0 and verify it, applying each game
// level as the game does (fixenivoulu then fautappliquerniveau).
grilleverifiee verifiegrille(const char* nom);

// The grid's table: one line per game level with its threshold, givens,
// solutions, hardest tier and effort, a line naming the levels the correction
// makes equal, and one line per broken promise.
std::vector<std::string> lignesdeverification(const std::string& nom, const grilleverifiee& v);

} // namespace voracat
