// clagrivora: the neighbour lines and the fifteen-slot neighbour table that
// encode the rule of the puzzle.
#include "grid/clagrivora.h"

#include "grid/shortabunedim.h"
#include "lattice/topolistes.h"

namespace {

constexpr short slotsparcase = 15;
constexpr short nbvoisins = 12;

} // namespace

void clagrivora::fautunelistevoisidouze() {
    if (fvoisidouze) return;
    fautbasexhaustive();
    topofuturvoisidouze(&listecavoisines, &listecavoisinesbis, &livotri, &livohexa);
    fvoisidouze = 1;
}

void clagrivora::videlistevoisidouze() {
    listecavoisines.clear();
    listecavoisinesbis.clear();
    fvoisidouze = 0;
}

void clagrivora::fautunetablevoisiquinze() {
    if (ftabvoisi) return;
    fautunelistevoisidouze();
    creatablevoisiquinze();
}

void clagrivora::creatablevoisiquinze() {
    killtablevoisiquinze();
    fautunelistevoisidouze();
    tabvoisi.assign((static_cast<size_t>(nbcases) + 1) * slotsparcase, 0);
    alimunetabvoidouze(tabvoisi, listecavoisines);
    ftabvoisi = 1;
}

void clagrivora::killtablevoisiquinze() {
    tabvoisi = std::vector<short>();
    ftabvoisi = 0;
}

void clagrivora::alimunetabvoidouze(std::vector<short>& table, const lichavo& list) const {
    const size_t nbrecords = table.size() / slotsparcase;
    shortabunedim vue;
    gstring ligne;
    gstring nomcase;
    for (short i = 1; i <= list.effectif(); ++i) {
        ligne.set(list.adr(i));
        nomcase.depilefrom(ligne.adr());
        const short cell = numerodelacase(nomcase.adr());
        if (cell < 0 || static_cast<size_t>(cell) >= nbrecords) continue;
        vue.setraztab(nbvoisins, &table[static_cast<size_t>(cell) * slotsparcase]);
        while (ligne.notempty()) {
            nomcase.depilefrom(ligne.adr());
            const short voisine = numerodelacase(nomcase.adr());
            if (voisine > 0) vue.addone(voisine);
        }
    }
}

const short* clagrivora::voisinsde(short cell) const {
    if (cell <= 0) return nullptr;
    const size_t debut = static_cast<size_t>(cell) * slotsparcase;
    return debut + slotsparcase <= tabvoisi.size() ? &tabvoisi[debut] : nullptr;
}

short clagrivora::casevoisine(short cell, short i) const {
    if (i < 0 || i >= nbvoisins || cell <= 0) return 0;
    const size_t slot = static_cast<size_t>(cell) * slotsparcase + static_cast<size_t>(i);
    return slot < tabvoisi.size() ? tabvoisi[slot] : short(0);
}

short clagrivora::casopposee(short cell, short j) const {
    if (j < 0 || j > 2 || cell <= 0) return 0;
    const size_t slot = static_cast<size_t>(cell) * slotsparcase + 12 + static_cast<size_t>(j);
    return slot < tabvoisi.size() ? tabvoisi[slot] : short(0);
}
