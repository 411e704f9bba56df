// Start-up of the combinatorics module: builds the process-wide tables that
// never change.
#pragma once

// Builds the topology base patterns (`globinitvoragotopo`), then fills the
// value-mask, binomial and ordered-values tables and the pair and triple lists
// (`votabrapidite`, then `votabordre`). Run at start-up so that no look-up
// pays for a build; each of these structures is also built by its own first
// use, so a program that never calls this still gets right answers. Later
// calls do nothing.
void globinitvocalcul();
