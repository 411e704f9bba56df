// durelapsed: spans on the millisecond tick, the broken-down duration and its
// display text.
#include "shell/core/durelapsed.h"

#include "shell/core/horloge.h"

#include "foundation/numtext.h"

#include <algorithm>
#include <limits>

namespace {

std::int32_t ajoutsature(std::int32_t a, std::int64_t b) {
    const std::int64_t s = static_cast<std::int64_t>(a) + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        s, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

void durelapsed::clear() {
    tickdebut = tickdernier = tickms();
    enmarche = false;
    dixaccumules = 0;
    secaccumulees = 0;
    heures = minutes = secondes = jours = 0;
    dixiemes = false;
    heuresmode = true;
    sanssecondes = false;
}

void durelapsed::demarrer() {
    if (enmarche) suspendre();
    tickdebut = tickdernier = tickms();
    enmarche = true;
}

void durelapsed::suspendre() {
    if (!enmarche) return;
    tickdernier = tickms();
    const std::uint32_t ecoule = tickdernier - tickdebut;
    dixaccumules = ajoutsature(dixaccumules, ecoule / 100);
    secaccumulees = ajoutsature(secaccumulees, ecoule / 1000);
    enmarche = false;
}

void durelapsed::ajoutsec(std::int32_t n) {
    secaccumulees = ajoutsature(secaccumulees, n);
}

void durelapsed::retiredix(std::int32_t n) {
    dixaccumules = ajoutsature(dixaccumules, -static_cast<std::int64_t>(n));
}

std::int32_t durelapsed::getsec() const {
    if (!enmarche) return secaccumulees;
    return ajoutsature(secaccumulees, (tickms() - tickdebut) / 1000);
}

std::int32_t durelapsed::getdix() const {
    if (!enmarche) return dixaccumules;
    return ajoutsature(dixaccumules, (tickms() - tickdebut) / 100);
}

bool durelapsed::yatildixsup(std::int32_t n) {
    if (getdix() < n) return false;
    if (enmarche) {
        tickdebut = tickms();
        dixaccumules = 0;
    }
    return true;
}

void durelapsed::durecoulesec() {
    const std::int32_t t = std::max<std::int32_t>(getsec(), 0);
    secondes = static_cast<short>(t % 60);
    minutes = static_cast<short>(t / 60 % 60);
    if (heuresmode) {
        heures = static_cast<short>(std::min<std::int32_t>(t / 3600, 32767));
        jours = 0;
    } else {
        heures = static_cast<short>(t / 3600 % 24);
        jours = static_cast<short>(t / (24 * 3600));
    }
}

void durelapsed::affiduresec(gstring& out, bool anglais) {
    durecoulesec();
    const bool avecjours = !heuresmode && jours > 0;
    const bool avecheures = avecjours || heures > 0;
    const bool avecminutes = heures > 0 || minutes != 0;
    const bool avecsecondes = heures == 0 && !sanssecondes;
    out.clear();
    if (avecjours) out.cat(vi(jours), anglais ? "d " : "j ");
    if (avecheures) out.cat(vi(heures), "h ");
    if (avecminutes) out.cat(vi(minutes, 2), anglais ? "m" : "mn");
    if (avecsecondes) out.cat(" ", vi(secondes, 2), "s");
}
