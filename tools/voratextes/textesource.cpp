// The description reader, the Windows-1252 conversion and the source writer
// of the game's own texts.
#include "tools/voratextes/textesource.h"

#include "lattice/catalogue/vodecrypte.h"

#include "foundation/gstring.h"

#include <fstream>
#include <set>
#include <sstream>

namespace voratextes {

namespace {

// Windows-1252 bytes 0x80..0x9F and the characters they stand for.
const std::pair<unsigned char, unsigned> speciaux[] = {
    {0x80, 0x20AC}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020},
    {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152},
    {0x8E, 0x017D}, {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022},
    {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A},
    {0x9C, 0x0153}, {0x9E, 0x017E}, {0x9F, 0x0178},
};

std::string sansblancs(const std::string& s) {
    const size_t debut = s.find_first_not_of(" \t\r");
    if (debut == std::string::npos) return "";
    return s.substr(debut, s.find_last_not_of(" \t\r") - debut + 1);
}

} // namespace

bool versw1252(const std::string& utf8, std::string& out, std::string& erreur) {
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned point = 0;
        size_t suite = 0;
        if (c < 0x80) {
            point = c;
        } else if ((c & 0xE0) == 0xC0) {
            point = c & 0x1Fu;
            suite = 1;
        } else if ((c & 0xF0) == 0xE0) {
            point = c & 0x0Fu;
            suite = 2;
        } else {
            erreur = "byte " + std::to_string(i) + ": not UTF-8 or not in Windows-1252";
            return false;
        }
        if (suite > 0 && i + suite >= utf8.size()) {
            erreur = "byte " + std::to_string(i) + ": truncated UTF-8";
            return false;
        }
        for (size_t k = 1; k <= suite; ++k) {
            const auto s = static_cast<unsigned char>(utf8[i + k]);
            if ((s & 0xC0) != 0x80) {
                erreur = "byte " + std::to_string(i) + ": not UTF-8";
                return false;
            }
            point = point << 6 | (s & 0x3Fu);
        }
        i += suite + 1;
        if (suite > 0 && point < 0x80) {
            erreur = "byte " + std::to_string(i - suite - 1) + ": overlong UTF-8";
            return false;
        }
        if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) {
            out += static_cast<char>(point);
            continue;
        }
        bool trouve = false;
        for (const auto& [octet, cp] : speciaux) {
            if (cp == point) {
                out += static_cast<char>(octet);
                trouve = true;
            }
        }
        if (!trouve) {
            erreur = "character U+" + std::to_string(point) + " is not in Windows-1252";
            return false;
        }
    }
    return true;
}

bool litdescription(const std::string& chemin, std::vector<textecle>& textes, std::string& erreur) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) {
        erreur = "cannot read " + chemin;
        return false;
    }
    textes.clear();
    std::set<std::string> cles;
    std::string ligne;
    int numero = 0;
    while (std::getline(f, ligne)) {
        ++numero;
        const std::string ou = chemin + ":" + std::to_string(numero) + ": ";
        const std::string propre = sansblancs(ligne);
        if (propre.empty() || propre[0] == '#') continue;
        const size_t barre = propre.find('|');
        if (barre == std::string::npos) {
            erreur = ou + "expected \"key | text\"";
            return false;
        }
        const std::string cle = sansblancs(propre.substr(0, barre));
        std::string brut;
        const std::string texte = sansblancs(propre.substr(barre + 1));
        for (size_t i = 0; i < texte.size(); ++i) {
            if (texte[i] == '\\' && i + 1 < texte.size() && texte[i + 1] == 'n') {
                brut += '\n';
                ++i;
            } else if (texte[i] == '\\' && i + 1 < texte.size() && texte[i + 1] == '\\') {
                brut += '\\';
                ++i;
            } else {
                brut += texte[i];
            }
        }
        std::string w1252;
        std::string pourquoi;
        if (cle.empty() || !versw1252(brut, w1252, pourquoi)) {
            erreur = ou + (cle.empty() ? "empty key" : pourquoi);
            return false;
        }
        if (!cles.insert(cle).second) {
            erreur = ou + "key " + cle + " given twice";
            return false;
        }
        textes.emplace_back(cle, w1252);
    }
    return true;
}

std::string litteralcpp(const std::string& texte) {
    static const char octal[] = "01234567";
    std::string out = "\"";
    for (char ch : texte) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c >= 0x20 && c < 0x7F) {
            out += ch;
        } else {
            out += '\\';
            out += octal[c >> 6];
            out += octal[(c >> 3) & 7];
            out += octal[c & 7];
        }
    }
    return out + "\"";
}

std::string sourcetextes(const std::vector<textecle>& textes) {
    std::ostringstream o;
    o << "// The game's own texts, scrambled. Written by voratextes (voratextes build\n"
         "// tools/voratextes/textes.txt shell/core/textesdonnees.cpp); not edited by hand.\n"
         "#include \"shell/core/textesdonnees.h\"\n\n"
         "const textecrypte textesdonnees[] = {\n";
    gstring crypte;
    for (const auto& [cle, texte] : textes) {
        crypvora(&crypte, texte.c_str());
        o << "    {" << litteralcpp(cle) << ", " << litteralcpp(crypte.adr()) << "},\n";
    }
    o << "};\n\nconst short nbtextesdonnees = " << textes.size() << ";\n";
    return o.str();
}

bool sourceregles(const std::vector<textecle>& textes, std::string& source, std::string& erreur) {
    std::ostringstream o;
    o << "// The rules pages' texts, scrambled. Written by voratextes (voratextes regles\n"
         "// tools/voratextes/regles.txt render/reglesdonnees.cpp); not edited by hand.\n"
         "#include \"render/reglesdonnees.h\"\n\n"
         "const lignecryptee reglesdonnees[] = {\n";
    gstring crypte;
    for (const auto& [cle, texte] : textes) {
        int page = 0;
        int langue = 0;
        std::string ligne;
        if (cle == "police") {
            ligne = "p " + texte;
        } else {
            const size_t point1 = cle.find('.');
            const size_t point2 = cle.find('.', point1 == std::string::npos ? 0 : point1 + 1);
            const std::string num = cle.substr(1, point1 == std::string::npos ? 0 : point1 - 1);
            const std::string lng =
                point2 == std::string::npos ? "" : cle.substr(point1 + 1, point2 - point1 - 1);
            page = num.size() == 1 && num[0] >= '1' && num[0] <= '9' ? num[0] - '0' : 0;
            langue = lng == "en" ? 1 : 0;
            if (cle[0] != 'p' || page == 0 || (lng != "fr" && lng != "en")) {
                erreur = "key " + cle + ": expected police or p<page>.<fr|en>.<n>";
                return false;
            }
            if (texte.empty() || std::string("acTthbrfs").find(texte[0]) == std::string::npos ||
                (texte.size() > 1 && texte[1] != ' ')) {
                erreur = "key " + cle + ": a line starts with its kind (a c T t h b r f s)";
                return false;
            }
            ligne = texte.size() == 1 ? texte + " " : texte;
        }
        crypvora(&crypte, ligne.c_str());
        o << "    {" << page << ", " << langue << ", " << litteralcpp(crypte.adr()) << "},\n";
    }
    o << "};\n\nconst short nbreglesdonnees = " << textes.size() << ";\n";
    source = o.str();
    return true;
}

} // namespace voratextes
