// Whether two names, or two open files, refer to the same file.
#pragma once

// True when both names exist and are the same file (also through links).
bool same_file(const char* a, const char* b);

// True when both open files are the same file, of the same size and last
// changed at the same time: what was read through one is what the other holds.
bool same_unchanged_file(int fd1, int fd2);
