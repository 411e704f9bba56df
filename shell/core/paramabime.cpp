// The damage test of a parameter file and the renaming that keeps it aside.
#include "shell/core/paramabime.h"

#include "shell/core/fichieratomique.h"
#include "shell/core/paramuser.h"

#include "foundation/textcompare.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

namespace {

constexpr size_t fichiermax = 16 * 1024 * 1024;
constexpr size_t lignemax = 64 * 1024;

bool octetinterdit(unsigned char c) {
    return c < 32 && c != '\t' && c != '\r' && c != '\n' && c != 26;
}

std::string_view sansblancs(std::string_view s) {
    const size_t debut = s.find_first_not_of(" \t");
    if (debut == std::string_view::npos) return {};
    return s.substr(debut, s.find_last_not_of(" \t") - debut + 1);
}

bool estusr(std::string_view ligne) {
    const std::string l(ligne.substr(0, 5));
    return debuli(l.c_str(), "usr=") || debuli(l.c_str(), "usr =");
}

// A key the game writes (or wrote): the settings, the records ("rec"), per
// grid "gv" + i + ":" + letter, "tps" + i, "niv" + i, "aid" + i, and the
// generated grid's "nv..." lines.
bool cleconnue(std::string_view ligne) {
    const size_t egal = ligne.find('=');
    if (egal == std::string_view::npos) return false;
    std::string cle(sansblancs(ligne.substr(0, egal)));
    for (char& ch : cle) ch = carminu(ch);
    static const std::array<const char*, 20> reglages = {
        "ver",  "lng", "gri", "tca", "top", "left", "vcr", "cmpd",  "chro",  "cviz",
        "surl", "cpt", "net", "rec", "nvf", "nvg",  "nvl", "nvtps", "nvniv", "nvaid"};
    if (std::find(reglages.begin(), reglages.end(), cle) != reglages.end()) return true;
    if (cle.size() == 6 && cle.compare(0, 5, "nvgv:") == 0) return true;
    for (const char* prefixe : {"gv", "tps", "niv", "aid", "nvt"}) {
        const std::string p(prefixe);
        if (cle.size() > p.size() && cle.compare(0, p.size(), p) == 0 && cle[p.size()] >= '0' &&
            cle[p.size()] <= '9')
            return true;
    }
    return false;
}

bool lignetitre(std::string_view ligne) {
    return ligne.size() >= 8 && ligne.substr(0, 4) == "***-" &&
           ligne.substr(ligne.size() - 4) == "-***";
}

} // namespace

bool contenuabime(std::string_view content) {
    if (content.size() > fichiermax) return true;
    if (std::any_of(content.begin(), content.end(),
                    [](char c) { return octetinterdit(static_cast<unsigned char>(c)); }))
        return true;
    int usr = 0;
    bool deslignes = false;
    bool connue = false;
    size_t i = 0;
    while (i < content.size()) {
        size_t fin = content.find_first_of("\r\n", i);
        if (fin == std::string_view::npos) fin = content.size();
        const std::string_view ligne = sansblancs(content.substr(i, fin - i));
        i = fin + 1;
        if (ligne.empty() || ligne == "\x1a") continue;
        deslignes = true;
        if (estusr(ligne)) {
            if (++usr > lignesusrmax) return true;
            connue = true;
            continue;
        }
        if (ligne.size() > lignemax) return true;
        connue = connue || lignetitre(ligne) || cleconnue(ligne);
    }
    return deslignes && !connue;
}

bool fichierabime(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::string tout;
    std::array<char, 64 * 1024> morceau{};
    while (tout.size() <= fichiermax) {
        f.read(morceau.data(), morceau.size());
        tout.append(morceau.data(), static_cast<size_t>(f.gcount()));
        if (!f) break;
    }
    return contenuabime(tout);
}

std::string nomdecote(const std::string& path, int n) {
    const size_t barre = path.find_last_of("/\\");
    const size_t point = path.find_last_of('.');
    const bool extension =
        point != std::string::npos && (barre == std::string::npos || point > barre + 1);
    const std::string marque = ".damaged-" + std::to_string(n);
    return extension ? path.substr(0, point) + marque + path.substr(point) : path + marque;
}

bool metsdecote(const std::string& path, std::string& aside) {
    for (int n = 1; n <= 9999; ++n) {
        const std::string nom = nomdecote(path, n);
        std::error_code e;
        if (std::filesystem::exists(std::filesystem::symlink_status(nom, e))) continue;
        if (renommesansecraser(path, nom)) {
            aside = nom;
            return true;
        }
        // Taken in the meantime, or the rename itself fails.
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, e))) return false;
        if (!std::filesystem::exists(std::filesystem::symlink_status(nom, e))) return false;
    }
    return false;
}
