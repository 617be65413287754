// The program: start-up, option parsing, mode choice and the time line.
#pragma once

// Runs korvi with the given arguments; always returns 0.
int korvi_main(int argc, char** argv);
