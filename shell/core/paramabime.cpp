// The damage test of a parameter file and the renaming that keeps it aside.
#include "shell/core/paramabime.h"

#include "shell/core/fichieratomique.h"
#include "shell/core/lecturefichier.h"
#include "shell/core/lignesparam.h"
#include "shell/core/paramuser.h"

#include "foundation/textcompare.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace {

// A key the game writes (or wrote): the settings, the records ("rec"), per
// grid "gv" + i + ":" + letter, "tps" + i, "niv" + i, "aid" + i, and the
// generated grid's "nv..." lines.
bool cleconnue(std::string_view ligne) {
    const size_t egal = ligne.find('=');
    if (egal == std::string_view::npos) return false;
    std::string cle(sansblancsparam(ligne.substr(0, egal)));
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
    if (content.size() > fichierparammax) return true;
    if (std::any_of(content.begin(), content.end(),
                    [](char c) { return octetinterdit(static_cast<unsigned char>(c)); }))
        return true;
    int usr = 0;
    size_t octetsusr = 0;
    bool deslignes = false;
    bool connue = false;
    for (const std::string_view brute : decoupelignes(content)) {
        const std::string_view ligne = sansblancsparam(brute);
        if (ligne.empty() || ligne == "\x1a") continue;
        deslignes = true;
        // The reader keeps the first lines that fit: one more is lost.
        if (ligneusr(ligne)) {
            octetsusr += ligneusrgardee(brute).size() + 2;
            if (++usr > lignesusrmax || octetsusr > octetsusrmax) return true;
            connue = true;
            continue;
        }
        if (ligne.size() > ligneparammax) return true;
        connue = connue || lignetitre(ligne) || cleconnue(ligne);
    }
    return deslignes && !connue;
}

bool fichierabime(const std::string& path) {
    std::string tout;
    switch (lisfichier(path, fichierparammax + 1, tout)) {
    case lecturefichier::absent:
        return false;
    case lecturefichier::illisible:
        return true;
    case lecturefichier::lu:
        break;
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
