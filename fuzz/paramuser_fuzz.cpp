// Fuzz target: the user parameter file read by getparamuser, written back and
// read again: every value within what the game can use, the second read
// equal to the first, and a sound file written back sound.
#include "fuzz/fuzzcheck.h"

#include "lattice/catalogue/grillecatalogue.h"
#include "shell/core/paramabime.h"
#include "shell/core/paramuser.h"

#include "foundation/textcompare.h"

#include <fstream>

namespace {

// The file every run reads, in the working directory of this process.
const std::string& chemin() {
    static const std::string c = dossierdetravail("vora-fuzz-param-") + "/P.TXT";
    return c;
}

void bornes(const claparamuser& p) {
    // The generated grid, when one was read, is the grid after the catalogue's.
    const short dernier = p.nouvelle.presente() ? p.numeronouvelle() : p.nbgrilles;
    FUZZ_CHECK(p.grillecourante >= 1 && p.grillecourante <= dernier);
    // The usual sizes step by taillecasepas; a larger one, kept as the
    // screen allowed it, stays below the ceiling.
    FUZZ_CHECK(p.taillecase >= taillecasemin && p.taillecase <= taillecaseplafond &&
               (p.taillecase > taillecasemax || p.taillecase % taillecasepas == 0));
    FUZZ_CHECK(p.langue == languefrancais || p.langue == langueanglais);
    FUZZ_CHECK(p.top >= 1 && p.left >= 1);
    FUZZ_CHECK(p.etats.effectif() <= dernier);
    FUZZ_CHECK(p.nouvelle.textes.size() <= static_cast<std::size_t>(textesnouvellemax));
    for (const std::string& t : p.nouvelle.textes)
        FUZZ_CHECK(!t.empty() &&
                   t.find_first_not_of("%,0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                       "abcdefghijklmnopqrstuvwxyz") == std::string::npos);
    for (short i = 1; i <= p.etats.effectif(); ++i) {
        const std::string e = p.etats.adr(i);
        FUZZ_CHECK(e.size() <= static_cast<std::size_t>(longueuretatmax));
        FUZZ_CHECK(e.find_first_not_of("ABCDEFGHKabcdefghk01234567") == std::string::npos);
    }
    for (short i = 1; i <= dernier; ++i) {
        FUZZ_CHECK(niveauchoisi(p, i) >= 0 && niveauchoisi(p, i) <= 7);
        FUZZ_CHECK(p.chronos.getsec(i) >= 0);
    }
    for (short i = 1; i <= p.lignesusr.effectif(); ++i) {
        const std::string l = p.lignesusr.adr(i);
        // "usr=" or "usr =", in any case, after blanks.
        FUZZ_CHECK(debuli(l.c_str(), "usr=") || debuli(l.c_str(), "usr ="));
        FUZZ_CHECK(l.find_first_of("\r\n") == std::string::npos);
    }
}

// The state read back equals the state read first (times aside when they are
// not shown, as they are then not saved).
bool memes(const claparamuser& a, const claparamuser& b) {
    if (a.grillecourante != b.grillecourante || a.langue != b.langue ||
        a.taillecase != b.taillecase || a.left != b.left || a.top != b.top ||
        a.chronoaffiche != b.chronoaffiche || a.remplitmarques != b.remplitmarques)
        return false;
    if (a.lignesusr.effectif() != b.lignesusr.effectif()) return false;
    for (short i = 1; i <= a.lignesusr.effectif(); ++i)
        if (std::string(a.lignesusr.adr(i)) != b.lignesusr.adr(i)) return false;
    for (short i = 1; i <= a.nbgrilles; ++i) {
        gstring x, y;
        grilluserfromram(a, x, i);
        grilluserfromram(b, y, i);
        if (std::string(x.adr()) != y.adr()) return false;
        if (niveauchoisi(a, i) != niveauchoisi(b, i)) return false;
        // With the chronometer display off, the times are not saved.
        if (a.chronoaffiche && a.chronos.getsec(i) != b.chronos.getsec(i)) return false;
        if (!a.chronoaffiche && b.chronos.getsec(i) != 0) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream f(chemin(), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    claparamuser p(nbgrillescatalogue());
    FUZZ_CHECK(getparamuser(p, chemin().c_str()));
    bornes(p);

    // The atomic save flushes to the disk: one input in 64 goes through it,
    // the others write the same content plainly.
    if (size % 64 == 0) {
        FUZZ_CHECK(ecriparamusernew(p, chemin().c_str()));
    } else {
        std::ofstream f(chemin(), std::ios::binary | std::ios::trunc);
        f << contenuparamuser(p);
    }
    claparamuser q(nbgrillescatalogue());
    FUZZ_CHECK(getparamuser(q, chemin().c_str()));
    FUZZ_CHECK(memes(p, q));
    FUZZ_CHECK(contenuparamuser(q) == contenuparamuser(p));
    // A file read as sound is written back sound: the game never writes a
    // file that it would keep aside at the next start.
    const std::string_view lu(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(contenuabime(lu) || !contenuabime(contenuparamuser(p)));
    return 0;
}
