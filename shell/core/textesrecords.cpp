// The records' texts, built from the stored pieces in either language.
#include "shell/core/textesrecords.h"

#include "shell/core/createmsg.h"
#include "shell/core/durelapsed.h"
#include "shell/core/textesvora.h"

#include "grid/clagrivora.h"

#include <algorithm>

namespace {

// The stored text key + ".fr" or ".en", its "zukv" and "zukw" replaced by a
// and b.
std::string texte(const std::string& key, bool anglais, const std::string& a = {},
                  const std::string& b = {}) {
    gstring t;
    textevora(t, (key + (anglais ? ".en" : ".fr")).c_str());
    t.replaceall("zukv", a.c_str());
    t.replaceall("zukw", b.c_str());
    return t.adr();
}

std::string ligneaides(const aidesgrille& a, bool anglais) {
    static const char* const cles[nbgenresaide] = {"aide.indice", "aide.verification",
                                                   "aide.remplissage"};
    std::string liste;
    for (short k = 0; k < nbgenresaide; ++k) {
        const short n = a[static_cast<size_t>(k)];
        if (n == 0) continue;
        if (!liste.empty()) liste += ", ";
        liste += n == 1 ? texte(std::string(cles[k]) + ".un", anglais)
                        : texte(cles[k], anglais, std::to_string(n));
    }
    return texte("record.aides", anglais, liste);
}

std::string niveau(short level, bool anglais) {
    gstring francais;
    gstring anglaisniv;
    clagrivora::texteniv(level, nullptr, &francais, &anglaisniv);
    return anglais ? anglaisniv.adr() : francais.adr();
}

} // namespace

std::string texteduree(std::int32_t secondes, bool anglais) {
    durelapsed d;
    d.ajoutsec(secondes);
    gstring t;
    d.affiduresec(t, anglais);
    std::string s = t.adr();
    s.erase(0, std::min(s.size(), s.find_first_not_of(' ')));
    return s;
}

std::string textedate(std::int32_t date, bool anglais) {
    const auto deux = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    const int annee = date / 10000;
    const int mois = date / 100 % 100;
    const int jour = date % 100;
    if (anglais) return std::to_string(annee) + "-" + deux(mois) + "-" + deux(jour);
    return deux(jour) + "/" + deux(mois) + "/" + std::to_string(annee);
}

std::string textefin(const bilanfin& b, short langue) {
    const bool en = langue == langueanglais;
    const bool aide = yadesaides(b.aides);
    std::string s;
    if (!b.chronometre) {
        s = texte("record.sanschrono", en);
    } else {
        s = texte(aide ? "record.tempsaide" : "record.temps", en, texteduree(b.secondes, en));
        if (b.nouveau)
            s += "\n" + texte("record.nouveau", en);
        else if (b.ancien)
            s += "\n" + texte("record.abattre", en, texteduree(b.ancien->secondes, en),
                              textedate(b.ancien->date, en));
    }
    return s + "\n" + (aide ? ligneaides(b.aides, en) : texte("record.sansaide", en));
}

std::string texterecords(const std::vector<recordgrille>& records, const std::string& grille,
                         const aidesgrille& aides, short langue) {
    const bool en = langue == langueanglais;
    std::string lignes;
    for (const bool aide : {false, true})
        for (short n = 1; n <= 7; ++n)
            if (const recordgrille* r = chercherecord(records, grille, n, aide)) {
                const std::string quoi =
                    aide ? texte("record.niveauaide", en, niveau(n, en)) : niveau(n, en);
                lignes +=
                    "\n" + texte("record.ligne", en, quoi,
                                 texteduree(r->secondes, en) + " (" + textedate(r->date, en) + ")");
            }
    std::string s = lignes.empty() ? texte("record.aucun", en) : texte("record.titre", en) + lignes;
    if (yadesaides(aides)) s += "\n" + ligneaides(aides, en);
    return s;
}
