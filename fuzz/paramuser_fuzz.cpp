// Fuzz target: the user parameter file read by getparamuser, written back and
// read again. Every value read lies within what the game can use; what is
// written is within the size limit and reads back as no damage, whatever was
// read first; the second read gives the first state again (times aside when
// the chronometer display is off, as they are then not saved), and writing
// it gives the same file (read, write, read is a fixed point); a file read as
// no damage loses none of the player's lines.
#include "fuzz/fuzzcheck.h"

#include "lattice/catalogue/grillecatalogue.h"
#include "shell/core/lignesparam.h"
#include "shell/core/paramabime.h"
#include "shell/core/paramuser.h"

#include <fstream>

namespace {

// The file every run reads, in the working directory of this process.
const std::string& chemin() {
    static const std::string c = dossierdetravail("vora-fuzz-param-") + "/P.TXT";
    return c;
}

bool aidesbornees(const aidesgrille& a) {
    for (const short n : a)
        if (n < 0) return false;
    return true;
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
    if (p.nouvelle.presente()) {
        FUZZ_CHECK(!p.nouvelle.forme.empty() && p.nouvelle.forme.size() <= formenouvellemax);
        FUZZ_CHECK(p.nouvelle.niveau >= 1 && p.nouvelle.niveau <= 7);
    }
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
        FUZZ_CHECK(aidesbornees(aidesde(p, i)));
    }
    FUZZ_CHECK(p.records.size() <= static_cast<std::size_t>(recordsmax));
    for (const recordgrille& r : p.records) FUZZ_CHECK(recordvalide(r));
    FUZZ_CHECK(p.lignesusr.effectif() <= lignesusrmax);
    for (short i = 1; i <= p.lignesusr.effectif(); ++i) {
        const std::string l = p.lignesusr.adr(i);
        FUZZ_CHECK(ligneusr(l));
        FUZZ_CHECK(ligneusrgardee(l) == l);
    }
}

// The state read back equals the state read first: every setting and
// option, every grid's state, level, help and time (times aside when they
// are not shown, as they are then not saved), the generated grid, the
// records and the player's lines.
bool memes(const claparamuser& a, const claparamuser& b) {
    if (a.grillecourante != b.grillecourante || a.langue != b.langue ||
        a.taillecase != b.taillecase || a.left != b.left || a.top != b.top ||
        a.chronoaffiche != b.chronoaffiche || a.remplitmarques != b.remplitmarques ||
        a.surligne != b.surligne || a.comptes != b.comptes || a.nettoiemarques != b.nettoiemarques)
        return false;
    if (a.nouvelle.presente() != b.nouvelle.presente() || a.nouvelle.forme != b.nouvelle.forme ||
        a.nouvelle.graine != b.nouvelle.graine || a.nouvelle.niveau != b.nouvelle.niveau ||
        a.nouvelle.textes != b.nouvelle.textes)
        return false;
    if (a.records != b.records) return false;
    if (a.lignesusr.effectif() != b.lignesusr.effectif()) return false;
    for (short i = 1; i <= a.lignesusr.effectif(); ++i)
        if (std::string(a.lignesusr.adr(i)) != b.lignesusr.adr(i)) return false;
    const short dernier = a.nouvelle.presente() ? a.numeronouvelle() : a.nbgrilles;
    for (short i = 1; i <= dernier; ++i) {
        gstring x, y;
        grilluserfromram(a, x, i);
        grilluserfromram(b, y, i);
        if (std::string(x.adr()) != y.adr()) return false;
        if (niveauchoisi(a, i) != niveauchoisi(b, i)) return false;
        if (aidesde(a, i) != aidesde(b, i)) return false;
        // With the chronometer display off, the times are not saved.
        if (a.chronoaffiche && a.chronos.getsec(i) != b.chronos.getsec(i)) return false;
        if (!a.chronoaffiche && b.chronos.getsec(i) != 0) return false;
    }
    return true;
}

// The player's lines of content as the reader cuts them.
int lignesusrdans(std::string_view content) {
    int n = 0;
    for (const std::string_view l : decoupelignes(content))
        if (ligneusr(l.substr(0, l.find('\0')))) ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view lu(reinterpret_cast<const char*>(data), size);
    // Files and the atomic save (which flushes to the disk) for one input in
    // 64; the others are read and written in memory, as the same functions
    // read and write files.
    const bool parfichier = size % 64 == 0;
    claparamuser p(nbgrillescatalogue());
    if (parfichier) {
        {
            std::ofstream f(chemin(), std::ios::binary | std::ios::trunc);
            f.write(lu.data(), static_cast<std::streamsize>(lu.size()));
        }
        FUZZ_CHECK(getparamuser(p, chemin().c_str()));
    } else {
        lisparamuser(p, lu);
    }
    bornes(p);
    if (!contenuabime(lu)) FUZZ_CHECK(p.lignesusr.effectif() == lignesusrdans(lu));

    // Whatever was read, the game never writes a file that it would keep
    // aside at the next start.
    const std::string ecrit = contenuparamuser(p);
    FUZZ_CHECK(ecrit.size() <= fichierparammax);
    FUZZ_CHECK(!contenuabime(ecrit));
    claparamuser q(nbgrillescatalogue());
    if (parfichier) {
        FUZZ_CHECK(ecriparamusernew(p, chemin().c_str()));
        FUZZ_CHECK(getparamuser(q, chemin().c_str()));
    } else {
        lisparamuser(q, ecrit);
    }
    bornes(q);
    FUZZ_CHECK(memes(p, q));
    FUZZ_CHECK(contenuparamuser(q) == ecrit);
    return 0;
}
