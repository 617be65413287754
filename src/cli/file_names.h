// File names with a default extension, built into fixed buffers, and the
// guard that keeps an output from overwriting an input.
#pragma once

#include <string>

// Size of the buffers file names are built in (at most 127 characters).
constexpr int kFileNameSize = 128;

// Copies name into out so that its file part (after the last '/') carries an
// extension: without a '.' in the file part, ".extension" is appended (no
// second '.' when extension begins with one); with a '.', the name stays as it
// is unless replace is not 0, in which case everything after the file part's
// first '.' (from the '.' itself when extension begins with '.') becomes the
// extension. A null extension gives a plain copy. Returns out, or nullptr when
// name or out is null. out may be name.
char* Bfil_ext(const char* name, const char* extension, int replace, char* out);

// Bfil_ext's result for a name of any length.
std::string with_extension(const char* name, const char* extension, int replace);

// Bfil_ext into a file-name buffer, refusing with "File name too long (at most
// 127 characters): <name>" on stderr, and false, a result that would not fit.
bool build_file_name(const char* name, const char* extension, int replace, char* out);

// True, after "The output <output> would overwrite the input <input>!" on
// stderr, when both names are the same existing file.
bool would_overwrite_input(const std::string& output, const char* input);
