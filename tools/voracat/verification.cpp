// Verification of the catalogue's grids with the counting solver and the
// grader, level by level as the game applies them.
#include "tools/voracat/verification.h"

#include <iomanip>
#include <sstream>

#include "grid/generation/grilleforme.h"
#include "grid/solver/grader.h"
#include "lattice/catalogue/grillecatalogue.h"

namespace voracat {

namespace {

// The givens the board shows: the value of every fixed cell.
solver::cellvalues donneesduplateau(const clagrivora& g) {
    solver::cellvalues donnees(static_cast<size_t>(g.getnbcases()), 0);
    for (short c = 1; c <= g.getnbcases(); ++c) {
        if (g.casestfixe(c))
            donnees[static_cast<size_t>(c - 1)] = static_cast<std::uint8_t>(g.getcaseval(c));
    }
    return donnees;
}

} // namespace

std::vector<std::string> grilleverifiee::defauts() const {
    std::vector<std::string> d;
    if (niveaux.size() != 7) {
        d.push_back("not every level was verified");
        return d;
    }
    for (size_t i = 0; i < niveaux.size(); ++i) {
        const niveauverifie& n = niveaux[i];
        const std::string nom = "level " + std::to_string(n.niveau);
        if (n.solutions != 1 || !n.accord) d.push_back(nom + " has not exactly one solution");
        if (n.niveau <= 2 && n.palier > solver::tier_single) {
            d.push_back(nom + " needs more than single candidates");
        }
        if (i == 0) continue;
        const niveauverifie& p = niveaux[i - 1];
        if (n.seuil == p.seuil && n.donnees != p.donnees) {
            d.push_back(nom + " applies the threshold of the level below with other givens");
        }
        if (n.seuil != p.seuil && n.donnees >= p.donnees) {
            d.push_back(nom + " does not show fewer givens than the level below");
        }
        if (n.effort < p.effort) d.push_back(nom + " takes less effort than the level below");
        if (n.niveau == 7 && n.seuil != p.seuil && n.effort * 4 < p.effort * 5) {
            d.push_back("level 7 takes less than a quarter more effort than level 6");
        }
    }
    return d;
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

    const solver::shape forme = grillegen::formedelagrille(g);
    for (short niveau = 1; niveau <= 7; ++niveau) {
        g.fixenivoulu(clagrivora::sixtocent(niveau));
        g.fautappliquerniveau();
        const solver::cellvalues donnees = donneesduplateau(g);
        const solver::grade_result r = solver::grade(forme, donnees);
        niveauverifie n;
        n.niveau = niveau;
        n.seuil = g.getseuilapplique();
        for (const auto d : donnees) n.donnees += d > 0 ? 1 : 0;
        n.solutions = r.solutions;
        n.accord = r.solutions == 1;
        for (size_t i = 0; n.accord && i < donnees.size(); ++i) {
            if (donnees[i] > 0 && r.solution[i] != donnees[i]) n.accord = false;
        }
        n.palier = r.grade.hardest_tier;
        n.effort = solver::effort_score(r.grade);
        v.niveaux.push_back(n);
    }
    return v;
}

std::vector<std::string> lignesdeverification(const std::string& nom, const grilleverifiee& v) {
    std::vector<std::string> lignes;
    if (!v.trouvee) {
        lignes.push_back(nom + ": not in the catalogue");
        return lignes;
    }
    lignes.push_back("level  threshold  givens  solutions  tier  effort");
    for (const niveauverifie& n : v.niveaux) {
        std::ostringstream l;
        l << std::left << std::setw(7) << n.niveau << std::setw(11) << n.seuil << std::setw(8)
          << n.donnees << std::setw(11)
          << (n.solutions == 1   ? (n.accord ? "1" : "1 (DISAGREES)")
              : n.solutions == 0 ? "none"
                                 : "several")
          << std::setw(6) << n.palier << n.effort;
        lignes.push_back(l.str());
    }
    for (size_t i = 0; i < v.niveaux.size();) {
        size_t j = i;
        while (j + 1 < v.niveaux.size() && v.niveaux[j + 1].seuil == v.niveaux[i].seuil) ++j;
        if (j > i) {
            lignes.push_back("levels " + std::to_string(v.niveaux[i].niveau) + " to " +
                             std::to_string(v.niveaux[j].niveau) + " apply threshold " +
                             std::to_string(v.niveaux[i].seuil) + ": equal by design (correction " +
                             std::to_string(v.declassement) + ")");
        }
        i = j + 1;
    }
    for (const std::string& d : v.defauts()) lignes.push_back("FAULT: " + d);
    return lignes;
}

} // namespace voracat
