// voracat: the catalogue tool. Solves and grades a grid, generates grids for
// the catalogue and writes the catalogue's scrambled source, and checks the
// built-in catalogue.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "grid/generation/grilleforme.h"
#include "grid/solver/grader.h"
#include "grid/solver/solver.h"
#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"
#include "lattice/catalogue/grillegroupe.h"
#include "tools/voracat/generation.h"
#include "tools/voracat/verification.h"

namespace {

const char usage[] =
    "usage:\n"
    "  voracat solve [--level L | --threshold T] [--limit N] [FILE]\n"
    "      read a grid (definition lines or grouped texts; standard input without FILE),\n"
    "      count its solutions at the level, print one and grade the puzzle\n"
    "  voracat generate --shape \"FAMILY SIZE...\" --seed S [--cpp NAME LEVEL]\n"
    "      generate a puzzle and print its grouped definition texts (or, with --cpp, the\n"
    "      scrambled C++ source of a catalogue holding it); families: compact R, ring R,\n"
    "      strip W H, triangle N, arms N, centres PATH...\n"
    "  voracat build DESCRIPTION [OUTPUT]\n"
    "      generate every grid of a catalogue description and write the catalogue's\n"
    "      scrambled C++ source (standard output without OUTPUT)\n"
    "  voracat check\n"
    "      verify every grid of the built-in catalogue at every level\n";

int erreur(const std::string& message) {
    std::cerr << "voracat: " << message << "\n" << usage;
    return 2;
}

// The value following option i, or null.
const char* valeur(const std::vector<std::string>& args, size_t& i) {
    return i + 1 < args.size() ? args[++i].c_str() : nullptr;
}

const char* const noms_paliers[] = {"",       "single", "hidden single", "intersection",
                                    "subset", "trial"};

int resoudre(const std::vector<std::string>& args) {
    short seuil = 100;
    int limite = 2;
    std::string fichier;
    for (size_t i = 1; i < args.size(); ++i) {
        const char* v = nullptr;
        if (args[i] == "--level" && (v = valeur(args, i))) {
            seuil = clagrivora::sixtocent(static_cast<short>(std::atoi(v)));
        } else if (args[i] == "--threshold" && (v = valeur(args, i))) {
            seuil = static_cast<short>(std::atoi(v));
        } else if (args[i] == "--limit" && (v = valeur(args, i))) {
            limite = std::max(1, std::atoi(v));
        } else if (args[i].starts_with("--") || !fichier.empty()) {
            return erreur("unexpected argument " + args[i]);
        } else {
            fichier = args[i];
        }
    }
    std::ifstream f;
    if (!fichier.empty() && fichier != "-") {
        f.open(fichier);
        if (!f) return erreur("cannot read " + fichier);
    }
    std::istream& entree = fichier.empty() || fichier == "-" ? std::cin : f;
    lichavo lignes;
    std::string texte;
    while (std::getline(entree, texte)) developgroupe(texte.c_str(), &lignes);

    clagrivora g;
    g.setfromgrivecdef(&lignes);
    const solver::shape forme = grillegen::formedelagrille(g);
    const solver::cellvalues donnees = grillegen::donneesauseuil(g, seuil);
    int nbdonnees = 0;
    for (const auto d : donnees) nbdonnees += d > 0 ? 1 : 0;
    std::cout << "grid: " << g.getnbcases() << " cells, " << g.getnbhexacompletes()
              << " hexagons; threshold " << seuil << ": " << nbdonnees << " givens\n";
    const solver::solve_result r = solver::solve(forme, donnees, limite);
    std::cout << "solutions: " << r.solutions << (r.solutions >= limite ? " or more" : "") << "\n";
    if (r.solutions == 0) return 1;
    lichavo solution;
    grillegen::textessolution(g, r.first, &solution);
    std::cout << "solution:\n";
    for (short i = 1; i <= solution.effectif(); ++i) std::cout << solution.adr(i) << "\n";
    if (r.solutions != 1) return 1;
    const solver::grade_result note = solver::grade(forme, donnees);
    std::cout << "grade: tier " << note.grade.hardest_tier;
    for (int t = 1; t <= solver::tier_count; ++t) {
        std::cout << (t == 1 ? " (" : ", ") << noms_paliers[t] << " " << note.grade.steps[t];
    }
    std::cout << ")\n";
    return 0;
}

void resume(std::ostream& o, const std::string& nom, const voracat::grillegeneree& gg) {
    o << nom << ": " << gg.nbhexas << " hexagons, " << gg.nbcases << " cells, level 7 "
      << (gg.puzzle.has_level_seven ? "yes" : "no") << "; givens by level";
    for (int l = 1; l <= solver::level_count; ++l) o << " " << gg.puzzle.givens[l];
    o << "; tiers";
    for (int l = 1; l <= solver::level_count; ++l) o << " " << gg.puzzle.hardest_tier[l];
    o << "; effort";
    for (int l = 1; l <= solver::level_count; ++l) o << " " << gg.puzzle.effort[l];
    o << "\n";
}

int generer(const std::vector<std::string>& args) {
    std::string forme;
    long graine = -1;
    std::string nom;
    short niveau = 0;
    for (size_t i = 1; i < args.size(); ++i) {
        const char* v = nullptr;
        if (args[i] == "--shape" && (v = valeur(args, i))) {
            forme = v;
        } else if (args[i] == "--seed" && (v = valeur(args, i))) {
            graine = std::atol(v);
        } else if (args[i] == "--cpp" && i + 2 < args.size()) {
            nom = args[i + 1];
            niveau = static_cast<short>(std::atoi(args[i + 2].c_str()));
            i += 2;
        } else {
            return erreur("unexpected argument " + args[i]);
        }
    }
    if (forme.empty() || graine < 0) return erreur("generate needs --shape and --seed");
    voracat::grillegeneree gg;
    if (!voracat::generegrille(forme, static_cast<std::uint32_t>(graine), gg)) {
        return erreur("no grid for the shape \"" + forme + "\"");
    }
    resume(std::cerr, nom.empty() ? forme : nom, gg);
    if (nom.empty()) {
        for (const std::string& t : gg.textes) std::cout << t << "\n";
    } else {
        std::cout << voracat::sourcecatalogue({{nom, niveau, gg.textes}}, nom, nom);
    }
    return 0;
}

int construire(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 3) return erreur("build needs a description file");
    std::vector<voracat::entreecatalogue> entrees;
    std::string message;
    if (!voracat::litdescription(args[1], entrees, message)) return erreur(message);
    std::vector<voracat::grillesource> grilles;
    std::vector<std::string> jouables(5);
    for (const voracat::entreecatalogue& e : entrees) {
        voracat::grillegeneree gg;
        if (!voracat::generegrille(e.forme, e.graine, gg)) {
            return erreur("no grid for " + e.nom + " (\"" + e.forme + "\")");
        }
        resume(std::cerr, e.nom, gg);
        grilles.push_back({e.nom, e.niveau, gg.textes});
        if (e.jouable >= 1 && e.jouable <= 5) jouables[static_cast<size_t>(e.jouable - 1)] = e.nom;
    }
    std::string liste;
    for (const std::string& j : jouables) {
        if (j.empty()) return erreur("the description names fewer than five playable grids");
        liste += (liste.empty() ? "" : ",") + j;
    }
    const std::string source = voracat::sourcecatalogue(grilles, liste, jouables[0]);
    if (args.size() == 3) {
        std::ofstream out(args[2], std::ios::binary);
        out << source;
        if (!out) return erreur("cannot write " + args[2]);
    } else {
        std::cout << source;
    }
    return 0;
}

int verifier() {
    bool bon = true;
    gstring nom;
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        nomgrillecatalogue(i, &nom);
        const voracat::grilleverifiee v = voracat::verifiegrille(nom.adr());
        std::cout << nom.adr() << ": level " << v.niveau << ", " << v.nbhexas << " hexagons, "
                  << v.nbcases << " cells, correction " << v.declassement << ", "
                  << v.casesenclavees << " enclosed cells, " << v.largeur
                  << " px wide at size 70, level 7 " << (v.niveausept ? "yes" : "no") << "\n";
        for (const std::string& l : voracat::lignesdeverification(nom.adr(), v)) {
            std::cout << "  " << l << "\n";
        }
        bon = bon && v.bonne();
    }
    nomgrinit();
    std::cout << "playable: " << nomdegrinu.adr() << "\n";
    std::cout << (bon ? "catalogue correct\n" : "catalogue FAULTY\n");
    return bon ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    globinitvocalcul();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return erreur("no command");
    if (args[0] == "solve") return resoudre(args);
    if (args[0] == "generate") return generer(args);
    if (args[0] == "build") return construire(args);
    if (args[0] == "check" && args.size() == 1) return verifier();
    return erreur("unknown command " + args[0]);
}
