// The help of the game in progress: the hint stage by stage and the press
// that enters it, the check of the entries, the candidates filled in as
// pencil marks.
#include "shell/core/partie.h"

#include "shell/core/actionmemoire.h"

#include <string>
#include <utility>

effets clapartie::indice() {
    effets e;
    const aideen avant = aideaffichee;
    aideaffichee = aideen::rien;
    if (!anymode(modeappli::jeu) || grillejeu.getnbcases() <= 0 || grillefinie()) return e;
    if (avant == aideen::indice && grillejeu.casestvide(indiceencours.cible)) {
        if (etapeencours + 1 < indiceencours.etapes.size()) {
            aideaffichee = aideen::indice;
            ++etapeencours;
            e.aide = aidemontree{indiceencours.etapes[etapeencours], {}};
            e.repeindre = true;
            return e;
        }
        const short garde = valeur;
        cellule = indiceencours.cible;
        valeur = indiceencours.valeur;
        grillejeu.ajustepossicase();
        e = posevaleur();
        valeur = garde;
        e.repeindre = true;
        return e;
    }
    if (avant == aideen::fausses) return verifie();
    const std::vector<short> fausses = entreesfausses(grillejeu, solution.valeurs);
    aidemontree a;
    if (!fausses.empty()) {
        aideaffichee = aideen::fausses;
        a.etape.texte = texteaide(fausses.size() == 1 ? "aide.faux1" : "aide.faux", param.langue,
                                  std::to_string(fausses.size()));
    } else {
        indiceencours = chercheindice(grillejeu, solution.forme, param.langue);
        etapeencours = 0;
        if (indiceencours.trouve) {
            aideaffichee = aideen::indice;
            a.etape = indiceencours.etapes.front();
        } else {
            a.etape.texte = indiceencours.texte;
        }
    }
    noteaide(genreaide::indice);
    e.aide = std::move(a);
    e.repeindre = true;
    return e;
}

effets clapartie::verifie() {
    effets e;
    aideaffichee = aideen::rien;
    if (!anymode(modeappli::jeu) || grillejeu.getnbcases() <= 0) return e;
    aidemontree a;
    a.fausses = entreesfausses(grillejeu, solution.valeurs);
    noteaide(genreaide::verification);
    a.etape.texte = a.fausses.empty() ? texteaide("aide.verif.ok", param.langue)
                                      : texteaide("aide.verif.faux", param.langue,
                                                  std::to_string(a.fausses.size()));
    e.aide = std::move(a);
    e.repeindre = true;
    return e;
}

effets clapartie::notecandidats() {
    effets e;
    aideaffichee = aideen::rien;
    if (!anymode(modeappli::jeu)) return e;
    std::vector<std::pair<short, short>> basculees;
    for (short c = 1; c <= grillejeu.getnbcases(); ++c) {
        if (!grillejeu.casestvide(c)) continue;
        const auto change =
            static_cast<short>(candidatsdelacase(grillejeu, c) ^ grillejeu.getpuser(c));
        if (change == 0) continue;
        for (short v = 1; v <= 6; ++v)
            if ((change & (1 << (v - 1))) != 0) grillejeu.swapossuser(c, v);
        basculees.emplace_back(c, change);
    }
    memorisemarques(histo, basculees);
    if (!basculees.empty()) noteaide(genreaide::remplissage);
    e.repeindre = !basculees.empty();
    return e;
}
