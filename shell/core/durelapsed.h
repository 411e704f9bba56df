// durelapsed: a pausable chronometer on the millisecond tick (horloge.h).
#pragma once

#include "foundation/gstring.h"

#include <cstdint>

// Running spans add to the tenths and to the seconds separately, each span
// truncated to whole tenths and to whole seconds. Tick differences are taken
// modulo 2^32, so a tick count that wraps round costs nothing.
class durelapsed {
public:
    durelapsed() { clear(); }

    // Start and last tick := now; stopped; nothing accumulated; format
    // defaults (hours mode on, tenths and no-seconds modes off).
    void clear();
    // Start a span (ending the running one first).
    void demarrer();
    // End the running span, adding it to the tenths and the seconds.
    void suspendre();
    bool entrain() const { return enmarche; }
    // seconds += n / tenths -= n.
    void ajoutsec(std::int32_t n);
    void retiredix(std::int32_t n);
    // Whole seconds / tenths accumulated, the running span included.
    std::int32_t getsec() const;
    std::int32_t getdix() const;
    // false when getdix() < n; otherwise true and, while running, the span
    // restarts now and the tenths become 0.
    bool yatildixsup(std::int32_t n);
    // Format flags: tenths mode; hours mode (hours are not folded into days);
    // days mode (hours mode off); no seconds.
    void endixiemes() { dixiemes = true; }
    void enheures() { heuresmode = true; }
    void enjours() { heuresmode = false; }
    void sansec() { sanssecondes = true; }
    // Split getsec() into days, hours, minutes and seconds by the format.
    void durecoulesec();
    // out becomes the display text: " 05s", "01mn 15s", "1h 02mn", "2j 3h 04mn"
    // (days only when not in hours mode; seconds are not shown once hours are).
    // In English the minutes are "m" and the days "d": " 05s", "01m 15s",
    // "1h 02m", "2d 3h 04m".
    void affiduresec(gstring& out, bool anglais = false);

    short getjours() const { return jours; }
    short getheures() const { return heures; }
    short getminutes() const { return minutes; }
    short getsecondes() const { return secondes; }

private:
    std::uint32_t tickdebut = 0;
    std::uint32_t tickdernier = 0;
    bool enmarche = false;
    std::int32_t dixaccumules = 0;
    std::int32_t secaccumulees = 0;
    short heures = 0;
    short minutes = 0;
    short secondes = 0;
    short jours = 0;
    bool dixiemes = false;
    bool heuresmode = true;
    bool sanssecondes = false;
};
