// A trace of the paint's timing on the error output, for the benchmark script
// (scripts/bench-game.sh); only when VORA_TRACE_PAINT=1 is in the environment,
// otherwise every call does nothing.
//
// Lines written:
//   vora-trace first-paint <microseconds since 1970, system clock>
//     at the end of the first complete paint of the grid in play;
//   vora-trace click-to-paint <microseconds>
//     at the end of the first paint of the grid in play that follows a left
//     button press, measured from the press.
#pragma once

// A left button press reached the main window.
void tracepression();
// A complete paint of the grid in play has just ended.
void tracepeinturegrille();
