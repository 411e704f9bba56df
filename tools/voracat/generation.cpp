// The writing of the catalogue's source and the reading of its description.
#include "tools/voracat/generation.h"

#include <fstream>
#include <sstream>

#include "lattice/catalogue/vodecrypte.h"

#include "foundation/gstring.h"

namespace voracat {

namespace {

// A C++ string literal holding the scrambled form of plain.
std::string litteral(const std::string& plain) {
    gstring crypte;
    crypvora(&crypte, plain.c_str());
    std::string out = "\"";
    for (const char* p = crypte.adr(); *p; ++p) {
        if (*p == '"' || *p == '\\') out += '\\';
        out += *p;
    }
    return out + "\"";
}

std::string sansblancs(const std::string& s) {
    const size_t debut = s.find_first_not_of(" \t\r");
    if (debut == std::string::npos) return "";
    return s.substr(debut, s.find_last_not_of(" \t\r") - debut + 1);
}

} // namespace

std::string sourcecatalogue(const std::vector<grillesource>& grilles, const std::string& jouables,
                            const std::string& depart) {
    std::ostringstream o;
    o << "// The built-in grid catalogue, every text scrambled. Written by the catalogue\n"
         "// tool (voracat build tools/voracat/catalogue.txt); not edited by hand.\n"
         "#include \"lattice/catalogue/grillesdonnees.h\"\n\nnamespace {\n\n";
    for (size_t i = 0; i < grilles.size(); ++i) {
        o << "const char* const textes" << i + 1 << "[] = {\n";
        for (const std::string& t : grilles[i].textes) o << "    " << litteral(t) << ",\n";
        o << "};\n\n";
    }
    o << "} // namespace\n\nconst grilledonnee grillesdonnees[] = {\n";
    for (size_t i = 0; i < grilles.size(); ++i) {
        o << "    {" << litteral(grilles[i].nom) << ", " << grilles[i].niveau << ", textes" << i + 1
          << ", " << grilles[i].textes.size() << "},\n";
    }
    o << "};\n\nconst short nbgrillesdonnees = " << grilles.size() << ";\n"
      << "const char* const nomsjouablescryptes = " << litteral(jouables) << ";\n"
      << "const char* const nomdepartcrypte = " << litteral(depart) << ";\n";
    return o.str();
}

bool litdescription(const std::string& chemin, std::vector<entreecatalogue>& entrees,
                    std::string& erreur) {
    std::ifstream f(chemin);
    if (!f) {
        erreur = "cannot read " + chemin;
        return false;
    }
    entrees.clear();
    std::string ligne;
    int numero = 0;
    while (std::getline(f, ligne)) {
        ++numero;
        ligne = sansblancs(ligne);
        if (ligne.empty() || ligne[0] == '#') continue;
        std::vector<std::string> champs;
        std::istringstream l(ligne);
        std::string champ;
        while (std::getline(l, champ, ',')) champs.push_back(sansblancs(champ));
        entreecatalogue e;
        try {
            if (champs.size() != 5) throw std::invalid_argument("five fields");
            e.nom = champs[0];
            e.niveau = static_cast<short>(std::stoi(champs[1]));
            e.jouable = static_cast<short>(std::stoi(champs[2]));
            e.graine = static_cast<std::uint32_t>(std::stoul(champs[3]));
            e.forme = champs[4];
        } catch (const std::exception&) {
            erreur = chemin + ":" + std::to_string(numero) +
                     ": expected \"name, level, playable, seed, shape\"";
            return false;
        }
        entrees.push_back(e);
    }
    return true;
}

} // namespace voracat
