// clatracepeinture: a trace of the paint's timing on the error output, for the benchmark script
// (scripts/bench-game.sh); only when VORA_TRACE_PAINT=1 is in the environment,
// otherwise every call does nothing.
//
// Lines written:
//   vora-trace first-paint <microseconds since 1970, system clock>
//     at the end of the first complete paint of the grid in play;
//   vora-trace click-to-paint <microseconds>
//     at the end of the first paint of the grid in play that follows a left
//     button press, measured from the press;
//   vora-trace key-to-paint <microseconds>
//     the same from an arrow key's press (it moves the keyboard cursor).
#pragma once

#include <chrono>

class clatracepeinture {
public:
    // Whether VORA_TRACE_PAINT=1 is in the environment, read now.
    clatracepeinture();

    // A left button press reached the main window.
    void tracepression();
    // An arrow key's press reached the main window.
    void tracetouche();
    // A complete paint of the grid in play has just ended.
    void tracepeinturegrille();

private:
    void debutmesure(const char* nom);

    bool actif = false;
    bool premierefaite = false;
    // The name of the pending measure (null when none) and its start.
    const char* mesureenattente = nullptr;
    std::chrono::steady_clock::time_point pression;
};
