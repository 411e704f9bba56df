// clagrivora: building a grid from definition lines, completing its lists with
// the topology, and finding cells and hexagons by name.
#include "grid/clagrivora.h"

#include "lattice/clagridefiligne.h"
#include "lattice/topolistes.h"
#include "lattice/vonormalise.h"

#include "foundation/numtext.h"
#include "foundation/textcompare.h"

#include <string>
#include <utility>

namespace {

// Sort a list and remove its duplicates.
void tritunique(lichavo& l) {
    l.trialpha();
    l.killdoubles();
}

} // namespace

void clagrivora::setfromgrivecdef(const lichavo* lines) {
    // Copied first: lines may be this grid's own list, which clear empties.
    lichavo copie;
    if (lines) {
        for (short i = 1; i <= lines->effectif(); ++i) copie.padd(lines->adr(i));
    }
    clear('N');
    lignesdef = std::move(copie);
    clagridefiligne ligne;
    gstring nomcase;
    gstring code;
    for (short i = 1; i <= lignesdef.effectif(); ++i) {
        ligne.setfromlignecond(lignesdef.adr(i));
        if (ligne.ishexa()) {
            gstring chemin;
            ligne.givelivohex(&chemin);
            livohexa.padd(chemin.adr());
        }
        if (ligne.iscase()) {
            ligne.givelivocase(&nomcase);
            livotri.padd(nomcase.adr());
            if (ligne.getvaleur() != 0) {
                code.set(vi(ligne.getvaleur()), ",", vi(ligne.getpourcentage()));
                livalcafixes.setparam(nomcase.adr(), code.adr());
                faitvalfixes = 1;
            }
        }
    }
    tritunique(livohexa);
    tritunique(livotri);
    fautbasexhaustive();
}

void clagrivora::fautbasexhaustive() {
    if (fbase) return;
    for (short i = 1; i <= livohexa.effectif(); ++i)
        livohexa.modif(i, normepoint(livohexa.adr(i)).c_str());
    topocompletecases(&livotri, &livohexa);
    nbcases = livotri.effectif();
    topoajoutcompartiels(&livohexa, &livopartie, &livotri);
    tritunique(livohexa);
    tritunique(livopartie);
    combiendhexas();
    fbase = 1;
}

void clagrivora::fautunelivopoint() {
    if (fpoints) return;
    fautbasexhaustive();
    topocalculipoint(&livopoint, &livotri);
    nbpoints = livopoint.effectif();
    fpoints = 1;
}

void clagrivora::videlivopoint() {
    livopoint.clear();
    nbpoints = 0;
    fpoints = 0;
}

void clagrivora::fautdeslistesegtour() {
    if (fsegtour) return;
    fautbasexhaustive();
    topocontourtritop(&livohexa, &lisegmentour, &lisegmentourbis);
    fsegtour = 1;
}

void clagrivora::videlistesegtour() {
    lisegmentour.clear();
    lisegmentourbis.clear();
    fsegtour = 0;
}

void clagrivora::fautdeslistescasautour() {
    if (fcasautour) return;
    fautbasexhaustive();
    topocasesautourgri(&licasesautour, &licasesautourbis, &livotri, &livohexa);
    fcasautour = 1;
}

void clagrivora::videlistescasautour() {
    licasesautour.clear();
    licasesautourbis.clear();
    fcasautour = 0;
}

short clagrivora::numerodelacase(const char* name) const {
    if (!name || !*name) return 0;
    // The cell list is kept sorted: search by halves, then fall back on a
    // plain scan in case it is not.
    short bas = 1;
    short haut = livotri.effectif();
    while (bas <= haut) {
        const short mil = static_cast<short>(bas + (haut - bas) / 2);
        const short ordre = plusgrandnor(name, livotri.adr(mil));
        if (ordre == 0) return mil;
        if (ordre == 1)
            bas = static_cast<short>(mil + 1);
        else
            haut = static_cast<short>(mil - 1);
    }
    return livotri.trouvexact(name);
}

short clagrivora::numerodelhexanor(const char* path) const {
    const std::string point = normepoint(path ? path : "");
    const short h = livohexa.trouvexact(point.c_str());
    if (h) return h;
    const short p = livopartie.trouvexact(point.c_str());
    return p ? static_cast<short>(livohexa.effectif() + p) : short(0);
}
