// The command line's requests and the texts of the help and the version.
#include "shell/core/lignecommande.h"

#include "shell/core/createmsg.h"
#include "shell/core/textesvora.h"
#include "shell/core/versionvora.h"

#include <algorithm>
#include <vector>

namespace {

// The words of ligne, split at blanks and tabs.
std::vector<std::string_view> mots(std::string_view ligne) {
    std::vector<std::string_view> m;
    std::size_t i = 0;
    while (i < ligne.size()) {
        const std::size_t debut = ligne.find_first_not_of(" \t", i);
        if (debut == std::string_view::npos) break;
        const std::size_t fin = std::min(ligne.find_first_of(" \t", debut), ligne.size());
        m.push_back(ligne.substr(debut, fin - debut));
        i = fin;
    }
    return m;
}

// The stored text key + ".fr" or ".en", its "zukv" replaced by a.
std::string texte(const char* key, short langue, std::string_view a = {}) {
    gstring t;
    textevora(t, (std::string(key) + (langue == langueanglais ? ".en" : ".fr")).c_str());
    t.replaceall("zukv", std::string(a).c_str());
    return t.adr();
}

} // namespace

demandeligne lisligne(std::string_view ligne) {
    const std::vector<std::string_view> m = mots(ligne);
    if (m.empty()) return demandeligne::jouer;
    if (m.size() > 1) return demandeligne::inconnue;
    if (m[0] == "--help" || m[0] == "-h" || m[0] == "/?") return demandeligne::aide;
    if (m[0] == "--version") return demandeligne::version;
    return demandeligne::inconnue;
}

std::string texteligne(demandeligne d, std::string_view ligne, short langue) {
    switch (d) {
    case demandeligne::jouer:
        return {};
    case demandeligne::version: {
        gstring titre;
        textevora(titre, "titre");
        return std::string(titre.adr()) + " " + versionvora + "\n";
    }
    case demandeligne::aide:
        return texte("ligne.aide", langue) + "\n";
    case demandeligne::inconnue:
        break;
    }
    std::string_view nom = ligne;
    while (!nom.empty() && (nom.front() == ' ' || nom.front() == '\t')) nom.remove_prefix(1);
    while (!nom.empty() && (nom.back() == ' ' || nom.back() == '\t')) nom.remove_suffix(1);
    return texte("ligne.inconnue", langue, nom) + "\n" + texte("ligne.aide", langue) + "\n";
}
