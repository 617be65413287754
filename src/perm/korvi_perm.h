// The program korvi-perm: start-up, options, help and the run.
#pragma once

// Runs korvi-perm with the given arguments; always returns 0.
int korvi_perm_main(int argc, char** argv);
