// The program korvi-stats: start-up, options, help and the run.
#pragma once

// Runs korvi-stats with the given arguments; always returns 0.
int korvi_stats_main(int argc, char** argv);
