// Opening and closing files through a process-wide table of the streams opened,
// so that closing a stream can name its file.
#pragma once

#include <cstdio>

// Flag of Bfil_open: do not report a file that cannot be opened.
constexpr int kFilQuiet = 2;
// Flag of Bfil_close: print "File read: <name>" (or "written").
constexpr int kFilReport = 1;

// Opens name with mode. The name is normalised in place (trailing blanks
// removed, backslashes turned into slashes); a name holding '$' is expanded by
// the shell first. Read modes open only an existing file. The default
// extension is accepted for the callers' sake and never added. When opened is
// given, it receives the name actually opened. Returns the stream, or nullptr
// after the system's error text for the name (unless flags has kFilQuiet).
std::FILE* Bfil_open(char* name, const char* extension, const char* mode, char* opened, int flags);

// Closes a stream opened by Bfil_open and frees its table entry; with
// kFilReport names the file. Returns the close status, -1 for no stream.
int Bfil_close(std::FILE* fp, int flags);

// Entries in the table, free ones included (it grows by 5, never shrinks).
int Bfil_table_size();
