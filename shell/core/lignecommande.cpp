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

// Windows-1252's characters 0x80..0x9F; 0xFFFD where it defines none.
constexpr char32_t hauts[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

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

std::string utf8de1252(std::string_view texte) {
    std::string out;
    for (const char octet : texte) {
        const auto b = static_cast<unsigned char>(octet);
        const char32_t c = b >= 0x80 && b < 0xA0 ? hauts[b - 0x80] : b;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
