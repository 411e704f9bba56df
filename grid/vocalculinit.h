// Start-up of the combinatorics module: builds the process-wide tables that
// never change.
#pragma once

// Builds the topology base patterns (`globinitvoragotopo`), then fills the
// value-mask, binomial and ordered-values tables and the pair and triple lists
// (`votabrapidite`, then `votabordre`). Run once at start-up, before any
// look-up; later calls do nothing.
void globinitvocalcul();
