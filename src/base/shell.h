// Expansion of shell variables in file names through the system shell.
#pragma once

// nullptr when text holds no dollar sign. Otherwise the first line the shell
// prints for: echo "text" (a new block, tag "Bprs"), or nullptr after
// "Bprs: can't parse <text>" or the memory message.
char* Bprs(const char* text);
