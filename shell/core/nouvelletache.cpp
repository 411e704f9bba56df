// The generator's thread for a new grid: started, polled, taken or cancelled.
#include "shell/core/nouvelletache.h"

#include "grid/generation/generegrille.h"

#include <utility>

clanouvelletache::~clanouvelletache() {
    annule();
}

bool clanouvelletache::lance(const std::string& description, short niveau, std::uint32_t graine) {
    annule();
    grillegen::formeagenerer f;
    if (!grillegen::prepareforme(description, f)) return false;
    forme = description;
    niveaudemande = niveau;
    grainedemandee = graine;
    arret.store(false);
    fini.store(false);
    resultat = {};
    debut = std::chrono::steady_clock::now();
    travail = std::thread([this, f = std::move(f), graine] {
        resultat = solver::generate(f.forme, graine, f.correction, &arret);
        fini.store(true, std::memory_order_release);
    });
    return true;
}

std::chrono::milliseconds clanouvelletache::duree() const {
    if (!encours()) return std::chrono::milliseconds(0);
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 debut);
}

std::optional<solver::generated_puzzle> clanouvelletache::recupere() {
    if (!prete()) return std::nullopt;
    travail.join();
    return std::move(resultat);
}

void clanouvelletache::annule() {
    if (!travail.joinable()) return;
    arret.store(true);
    travail.join();
    resultat = {};
}
