// The user parameter file: its reading, tolerant of any damage, and its
// writing in the order the game has always used.
#include "shell/core/paramuser.h"

#include "shell/core/fichieratomique.h"
#include "shell/core/lecturefichier.h"
#include "shell/core/lignesparam.h"
#include "shell/core/textesvora.h"

#include "foundation/numtext.h"
#include "foundation/textcompare.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>

namespace {

// The whole text is an optional sign and 1..10 decimal digits whose value
// lies within lo..hi.
bool entierstrict(const std::string& t, std::int64_t lo, std::int64_t hi, std::int64_t& out) {
    const bool signe = !t.empty() && (t[0] == '-' || t[0] == '+');
    const bool negatif = signe && t[0] == '-';
    size_t i = signe ? 1 : 0;
    if (i >= t.size() || t.size() - i > 10) return false;
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        v = v * 10 + (t[i] - '0');
    }
    if (negatif) v = -v;
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

std::string sansblancs(const std::string& s) {
    return std::string(sansblancsparam(s));
}

std::string minuscules(std::string s) {
    for (char& ch : s) ch = carminu(ch);
    return s;
}

// Whether text holds only characters of a state of play.
bool etatvalide(const std::string& text) {
    if (text.size() > static_cast<size_t>(longueuretatmax)) return false;
    for (char ch : text) {
        const char c = carmaju(ch);
        if (!((c >= 'A' && c <= 'H') || c == 'K' || (c >= '0' && c <= '7'))) return false;
    }
    return true;
}

// The lines of content as the reader sees them (lignesparam.h): the
// player's lines as they are kept, whatever their length; the others cut at
// their first NUL and right-trimmed of blanks, empty ones and those over
// ligneparammax dropped.
std::vector<std::string> lignesducontenu(std::string_view content) {
    std::vector<std::string> lignes;
    for (std::string_view brute : decoupelignes(content)) {
        std::string_view l = brute.substr(0, brute.find('\0'));
        if (ligneusr(l)) {
            lignes.push_back(ligneusrgardee(l));
            continue;
        }
        while (!l.empty() && blancparam(l.back())) l.remove_suffix(1);
        if (!l.empty() && l.size() <= ligneparammax) lignes.emplace_back(l);
    }
    return lignes;
}

std::string datecompilation() {
    static const char mois[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const char* d = __DATE__; // "Mmm dd yyyy"
    const char* m = std::strstr(mois, std::string(d, 3).c_str());
    const int numero = m ? static_cast<int>(m - mois) / 3 + 1 : 1;
    std::string jour(d + 4, 2);
    if (jour[0] == ' ') jour[0] = '0';
    return std::string(d + 7, 4) + (numero < 10 ? "0" : "") + std::to_string(numero) + jour;
}

void ecrit(std::string& out, const std::string& ligne) {
    out += ligne;
    out += "\r\n";
}

// Grid i's state in pieces (pieces + "A".."Z"), its time and its level.
void ecritgrille(std::string& out, const claparamuser& state, short i, const std::string& pieces,
                 const std::string& temps, const std::string& niveau, const std::string& aide) {
    const std::string etat = state.etats.adr(i) ? state.etats.adr(i) : "";
    for (size_t debut = 0, k = 0; debut < etat.size() && k < 26; debut += longueurpiece, ++k)
        ecrit(out, pieces + static_cast<char>('A' + k) + "=" + etat.substr(debut, longueurpiece));
    const std::int32_t secondes = state.chronos.getsec(i);
    if (state.chronoaffiche && secondes > 0) ecrit(out, temps + "=" + std::to_string(secondes));
    if (const short n = niveauchoisi(state, i)) ecrit(out, niveau + "=" + std::to_string(n));
    if (yadesaides(aidesde(state, i))) ecrit(out, aide + "=" + valeuraides(aidesde(state, i)));
}

} // namespace

claparamuser::claparamuser(short grilles)
    : nbgrilles(std::max<short>(grilles, 0)), niveaux(static_cast<size_t>(nbgrilles) + 1, 0),
      chronos(static_cast<short>(nbgrilles + 1)),
      aides(static_cast<size_t>(nbgrilles) + 1, aidesgrille{}) {}

void nomfichierparam(gstring& out) {
    titreprogramme(out);
    out.cat(".TXT");
}

short taillenviron(short size) {
    if (size > taillecasemax) return std::min(size, taillecaseplafond);
    short meilleure = taillecasemin;
    for (short t = taillecasemin; t <= taillecasemax; t = static_cast<short>(t + taillecasepas)) {
        if (std::abs(size - t) < std::abs(size - meilleure)) meilleure = t;
    }
    return meilleure;
}

void memogrilluser(claparamuser& state, short i, const char* text) {
    const bool nouvelle = i == state.numeronouvelle() && state.nouvelle.presente();
    if (i < 1 || (i > state.nbgrilles && !nouvelle)) return;
    while (state.etats.effectif() < i) state.etats.paddvide();
    state.etats.modif(i, text ? text : "");
}

void grilluserfromram(const claparamuser& state, gstring& out, short i) {
    const char* t = state.etats.adr(i);
    out.set(t ? t : "");
}

short niveauchoisi(const claparamuser& state, short i) {
    if (i < 1 || i > static_cast<short>(state.niveaux.size())) return 0;
    return state.niveaux[static_cast<size_t>(i - 1)];
}

void fixeniveauchoisi(claparamuser& state, short i, short level) {
    if (i < 1 || i > static_cast<short>(state.niveaux.size())) return;
    state.niveaux[static_cast<size_t>(i - 1)] = (level >= 1 && level <= 7) ? level : short(0);
}

aidesgrille aidesde(const claparamuser& state, short i) {
    if (i < 1 || i > static_cast<short>(state.aides.size())) return {};
    return state.aides[static_cast<size_t>(i - 1)];
}

void fixeaides(claparamuser& state, short i, const aidesgrille& counts) {
    if (i < 1 || i > static_cast<short>(state.aides.size())) return;
    state.aides[static_cast<size_t>(i - 1)] = counts;
}

namespace {

// The keys of a file (lower case) and their values, the first of duplicated
// keys counting.
class clesfichier {
public:
    void ajoute(const std::string& ligne) {
        const size_t egal = ligne.find('=');
        if (egal == std::string::npos) return;
        cles.emplace(minuscules(sansblancs(ligne.substr(0, egal))),
                     sansblancs(ligne.substr(egal + 1)));
    }
    // The value of key, null when absent.
    const std::string* valeur(const std::string& key) const {
        const auto it = cles.find(key);
        return it == cles.end() ? nullptr : &it->second;
    }
    // Whether key's value is a whole number within lo..hi (then in out).
    bool entier(const std::string& key, std::int64_t lo, std::int64_t hi, std::int64_t& out) const {
        const std::string* v = valeur(key);
        return v && entierstrict(*v, lo, hi, out);
    }

private:
    std::map<std::string, std::string> cles;
};

constexpr std::int64_t entiermax = 2147483647;

// The value of a "rec" line (its key in any case, blanks around it and the
// value trimmed); nothing for any other line.
std::optional<std::string> ligneclerecord(const std::string& ligne) {
    const size_t egal = ligne.find('=');
    if (egal == std::string::npos || minuscules(sansblancs(ligne.substr(0, egal))) != "rec")
        return std::nullopt;
    return sansblancs(ligne.substr(egal + 1));
}

// Whether text is a grouped definition text of a generated grid.
bool textenouvellevalide(const std::string& text) {
    if (text.empty() || text.size() > 200) return false;
    for (const char ch : text) {
        const bool lettre = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
        if (!lettre && !(ch >= '0' && ch <= '9') && ch != '%' && ch != ',') return false;
    }
    return true;
}

// The generated grid's lines "nvf", "nvg", "nvl" and "nvt1".. when all good.
void lisnouvelle(claparamuser& state, const clesfichier& f) {
    grillenouvelle g;
    std::int64_t n = 0;
    const std::string* forme = f.valeur("nvf");
    if (!forme || forme->empty() || forme->size() > formenouvellemax) return;
    for (const char ch : *forme)
        if (static_cast<unsigned char>(ch) < ' ' || static_cast<unsigned char>(ch) > '~') return;
    g.forme = *forme;
    if (!f.entier("nvg", 0, 4294967295LL, n)) return;
    g.graine = static_cast<std::uint32_t>(n);
    if (!f.entier("nvl", 1, 7, n)) return;
    g.niveau = static_cast<short>(n);
    for (short i = 1; i <= textesnouvellemax; ++i) {
        const std::string* t = f.valeur("nvt" + std::to_string(i));
        if (!t) break;
        if (!textenouvellevalide(*t)) return;
        g.textes.push_back(*t);
    }
    if (!g.textes.empty()) state.nouvelle = std::move(g);
}

void lisreglages(claparamuser& state, const clesfichier& f) {
    std::int64_t n = 0;
    lisnouvelle(state, f);
    const short dernieregrille =
        state.nouvelle.presente() ? state.numeronouvelle() : state.nbgrilles;
    if (const std::string* v = f.valeur("gri")) {
        if (entierstrict(v->substr(0, v->find(' ')), 1, dernieregrille, n))
            state.grillecourante = static_cast<short>(n);
    }
    if (f.entier("top", 1, 32767, n)) state.top = static_cast<short>(n);
    if (f.entier("left", 1, 32767, n)) state.left = static_cast<short>(n);
    if (f.valeur("lng")) state.langue = f.entier("lng", 2, 2, n) ? langueanglais : languefrancais;
    state.remplitmarques = f.entier("cviz", -entiermax, entiermax, n) && n != 0;
    state.chronoaffiche = !f.entier("chro", -entiermax, entiermax, n) || n != 0;
    if (f.entier("surl", 0, 1, n)) state.surligne = n != 0;
    if (f.entier("err", 0, 1, n)) state.erreurs = n != 0;
    if (f.entier("cray", 0, 1, n)) state.crayon = n != 0;
    if (f.entier("auto", 0, 1, n)) state.sauveauto = n != 0;
    if (f.entier("thm", 0, nbthemes - 1, n)) state.theme = static_cast<short>(n);
    if (f.entier("cpt", 0, 1, n)) state.comptes = n != 0;
    if (f.entier("net", 0, 1, n)) state.nettoiemarques = n != 0;
    if (f.entier("tca", 1, 32767, n)) {
        state.tailledonnee = true;
        if (n != state.taillecase) state.taillecase = taillenviron(static_cast<short>(n));
    }
    for (short i = 1; i <= state.nbgrilles; ++i) {
        if (f.entier("niv" + std::to_string(i), 1, 7, n))
            fixeniveauchoisi(state, i, static_cast<short>(n));
    }
    if (state.nouvelle.presente() && f.entier("nvniv", 1, 7, n))
        fixeniveauchoisi(state, state.numeronouvelle(), static_cast<short>(n));
}

// A state of play from its pieces prefix + "a".."z", empty when damaged.
std::string etatenpieces(const clesfichier& f, const std::string& prefixe) {
    std::string etat;
    for (char lettre = 'a'; lettre <= 'z'; ++lettre) {
        const std::string* piece = f.valeur(prefixe + lettre);
        if (!piece || etat.size() + piece->size() > static_cast<size_t>(longueuretatmax)) break;
        etat += *piece;
    }
    return etatvalide(etat) ? etat : std::string();
}

// Every grid's state from its "gv" pieces and its time from "tps".
void lisgrilles(claparamuser& state, const clesfichier& f) {
    std::int64_t n = 0;
    for (short i = 1; i <= state.nbgrilles; ++i) {
        memogrilluser(state, i, etatenpieces(f, "gv" + std::to_string(i) + ":").c_str());
        if (f.entier("tps" + std::to_string(i), 0, entiermax, n))
            state.chronos.grille(i).ajoutsec(static_cast<std::int32_t>(n));
        if (const std::string* a = f.valeur("aid" + std::to_string(i)))
            fixeaides(state, i, lisaides(*a).value_or(aidesgrille{}));
    }
    if (!state.nouvelle.presente()) return;
    const short g = state.numeronouvelle();
    memogrilluser(state, g, etatenpieces(f, "nvgv:").c_str());
    if (f.entier("nvtps", 0, entiermax, n))
        state.chronos.grille(g).ajoutsec(static_cast<std::int32_t>(n));
    if (const std::string* a = f.valeur("nvaid"))
        fixeaides(state, g, lisaides(*a).value_or(aidesgrille{}));
}

// The old layout: the current grid's state inside "gri" ("gri=2 1230"),
// digits for values and 0 for an empty cell.
void lisancienne(claparamuser& state, const clesfichier& f) {
    const std::string* v = f.valeur("gri");
    const size_t blanc = v ? v->find(' ') : std::string::npos;
    if (blanc == std::string::npos) return;
    std::string etat = sansblancs(v->substr(blanc));
    for (char& ch : etat) {
        if (ch >= '1' && ch <= '6')
            ch = static_cast<char>('A' + (ch - '1'));
        else if (ch == '0')
            ch = 'G';
    }
    if (etatvalide(etat)) memogrilluser(state, state.grillecourante, etat.c_str());
}

} // namespace

bool getparamuser(claparamuser& state, const char* path) {
    std::string tout;
    const bool lu = path && lisfichier(path, fichierparammax, tout) == lecturefichier::lu;
    lisparamuser(state, tout);
    return lu;
}

void lisparamuser(claparamuser& state, std::string_view content) {
    state.grillecourante = 0;
    state.etats.clear();
    state.lignesusr.clear();
    state.nouvelle = {};
    std::fill(state.niveaux.begin(), state.niveaux.end(), short(0));
    for (short i = 1; i <= state.numeronouvelle(); ++i) state.chronos.grille(i).clear();
    std::fill(state.aides.begin(), state.aides.end(), aidesgrille{});
    state.records.clear();

    clesfichier f;
    // The first player's lines that fit, in number and in bytes.
    size_t octetsusr = 0;
    bool usrplein = false;
    for (const std::string& l : lignesducontenu(content.substr(0, fichierparammax))) {
        if (ligneusr(l)) {
            usrplein = usrplein || state.lignesusr.effectif() >= lignesusrmax ||
                       octetsusr + l.size() + 2 > octetsusrmax;
            if (usrplein) continue;
            state.lignesusr.padd(l.c_str());
            octetsusr += l.size() + 2;
        } else if (const auto r = ligneclerecord(l)) {
            if (const auto record = lisrecord(*r)) noterecord(state.records, *record);
        } else
            f.ajoute(l);
    }
    lisreglages(state, f);
    // "ver": the integer part of the version; a value that is no number
    // comes from a damaged current file rather than from an old one.
    std::int64_t version = 0;
    const std::string* v = f.valeur("ver");
    if (v &&
        (!entierstrict(v->substr(0, v->find('.')), -entiermax, entiermax, version) || version > 1))
        lisgrilles(state, f);
    else if (state.grillecourante > 0)
        lisancienne(state, f);
    if (state.grillecourante == 0) state.grillecourante = 1;
}

std::string contenuparamuser(const claparamuser& state) {
    std::string out;
    gstring titre;
    titreprogramme(titre);
    ecrit(out, std::string("***-") + titre.adr() + "-***");
    gstring commentaire;
    textevora(commentaire, "commentaire");
    ecrit(out, commentaire.adr());
    ecrit(out, "ver=3.6");
    ecrit(out, std::string("lng=") + (state.langue == langueanglais ? "2" : "1"));
    ecrit(out, "gri=" + std::to_string(state.grillecourante));
    ecrit(out, "tca=" + std::to_string(state.taillecase));
    // A position is read only when positive: a window moved past the
    // screen's top or left edge is written as the nearest one that reads.
    ecrit(out, "top=" + std::to_string(std::max<short>(state.top, 1)));
    ecrit(out, "left=" + std::to_string(std::max<short>(state.left, 1)));
    ecrit(out, "vcr=3");
    ecrit(out, "cmpd=" + datecompilation());
    ecrit(out, std::string("chro=") + (state.chronoaffiche ? "1" : "0"));
    ecrit(out, std::string("cviz=") + (state.remplitmarques ? "1" : "0"));
    ecrit(out, std::string("surl=") + (state.surligne ? "1" : "0"));
    ecrit(out, std::string("cpt=") + (state.comptes ? "1" : "0"));
    ecrit(out, std::string("net=") + (state.nettoiemarques ? "1" : "0"));
    // Only when on (the look: when not the original): a file written with
    // these options off reads as before.
    if (state.erreurs) ecrit(out, "err=1");
    if (state.crayon) ecrit(out, "cray=1");
    if (state.sauveauto) ecrit(out, "auto=1");
    if (state.theme != themeoriginal) ecrit(out, "thm=" + std::to_string(state.theme));
    for (short i = 1; i <= state.nbgrilles; ++i)
        ecritgrille(out, state, i, "gv" + std::to_string(i) + ":", "tps" + std::to_string(i),
                    "niv" + std::to_string(i), "aid" + std::to_string(i));
    if (state.nouvelle.presente()) {
        ecrit(out, "nvf=" + state.nouvelle.forme);
        ecrit(out, "nvg=" + std::to_string(state.nouvelle.graine));
        ecrit(out, "nvl=" + std::to_string(state.nouvelle.niveau));
        for (size_t i = 0; i < state.nouvelle.textes.size(); ++i)
            ecrit(out, "nvt" + std::to_string(i + 1) + "=" + state.nouvelle.textes[i]);
        ecritgrille(out, state, state.numeronouvelle(), "nvgv:", "nvtps", "nvniv", "nvaid");
    }
    for (const recordgrille& r : state.records)
        if (recordvalide(r)) ecrit(out, "rec=" + valeurrecord(r));
    // An int index: a list at its 16-bit capacity would overflow a short.
    for (int i = 1; i <= state.lignesusr.effectif(); ++i)
        ecrit(out, state.lignesusr.adr(static_cast<short>(i)));
    return out;
}

bool ecriparamusernew(const claparamuser& state, const char* path) {
    return path && remplacefichier(path, contenuparamuser(state));
}
