// Verification of the catalogue's grids with the counting solver and the
// grader.
#include "tools/voracat/verification.h"

#include "lattice/catalogue/grillecatalogue.h"
#include "tools/catalogue/grader.h"
#include "tools/voracat/grilleforme.h"

namespace voracat {

namespace {
constexpr short seuils[] = {75, 80, 85, 90, 95, 100, 120};
} // namespace

bool grilleverifiee::bonne() const {
    if (!trouvee || seuils.empty()) return false;
    for (const seuilverifie& s : seuils) {
        if (s.solutions != 1 || !s.accord) return false;
    }
    return true;
}

grilleverifiee verifiegrille(const char* nom) {
    grilleverifiee v;
    clagrivora g;
    if (!grilleload(0, &g, nom)) return v;
    v.trouvee = true;
    v.niveau = nigridef;
    v.nbcases = g.getnbcases();
    v.nbhexas = g.getnbhexacompletes();
    g.declassecalc();
    v.declassement = g.getdeclassement();
    g.fautdeslistescasautour();
    v.casesenclavees = g.getcasesautourinternes().effectif();
    const short taille = g.gettaillepix();
    g.settaillepix(70, 0);
    short xmin = 0;
    short ymin = 0;
    short xmax = 0;
    short ymax = 0;
    g.posicadremax(xmin, ymin, xmax, ymax);
    v.largeur = xmax - xmin;
    g.settaillepix(taille, 0);
    v.niveausept = g.yaniveausept();

    const catalogue::shape forme = formedelagrille(g);
    for (const short seuil :
         {short{75}, short{80}, short{85}, short{90}, short{95}, short{100}, short{120}}) {
        if (seuil == 120 && !v.niveausept) break;
        const catalogue::cellvalues donnees = donneesauseuil(g, seuil);
        const catalogue::grade_result r = catalogue::grade(forme, donnees);
        seuilverifie s;
        s.seuil = seuil;
        for (const auto d : donnees) s.donnees += d > 0 ? 1 : 0;
        s.solutions = r.solutions;
        s.accord = r.solutions == 1;
        for (size_t i = 0; s.accord && i < donnees.size(); ++i) {
            if (donnees[i] > 0 && r.solution[i] != donnees[i]) s.accord = false;
        }
        s.palier = r.grade.hardest_tier;
        v.seuils.push_back(s);
    }
    return v;
}

std::vector<std::string> lignesdeverification(const std::string& nom, const grilleverifiee& v) {
    std::vector<std::string> lignes;
    if (!v.trouvee) {
        lignes.push_back(nom + ": not in the catalogue");
        return lignes;
    }
    for (const seuilverifie& s : v.seuils) {
        std::string l = nom + " level " + std::to_string(v.niveau) + " threshold " +
                        std::to_string(s.seuil) + ": " + std::to_string(s.donnees) + " givens, ";
        l += s.solutions == 1   ? "1 solution"
             : s.solutions == 0 ? "no solution"
                                : "several solutions";
        if (s.solutions == 1) l += s.accord ? ", tier " + std::to_string(s.palier) : ", DISAGREES";
        lignes.push_back(l);
    }
    return lignes;
}

} // namespace voracat
