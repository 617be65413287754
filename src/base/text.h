// Line reading and in-place text editing shared by the readers, the option
// parser and the file table. All texts are NUL-terminated byte strings.
#pragma once

#include <cstddef>
#include <cstdio>

// Reads one line of at most n - 1 characters into buf and cuts it at its first
// carriage return or line feed. A longer line is read in pieces by later calls;
// *cut (when given) tells whether the line went on past the piece read. A line
// of exactly n - 1 characters is read whole, its line feed with it. Returns
// buf, or nullptr at the end of input (or for n below 2, which holds no text).
char* Bln_get(char* buf, int n, std::FILE* fp, bool* cut = nullptr);

// Reads and drops the rest of a line whose first piece Bln_get cut.
void Bln_skip_rest(std::FILE* fp);

// A new copy of text in a block of strlen(text) + extra + 1 bytes (tag
// "Bst_alc"). A negative extra puts -extra blanks in front of the copy.
// Returns nullptr for no text, or after the memory message.
char* Bst_alc(const char* text, int extra);

// Copies at most size - 1 characters of src into the field dst of `size`
// bytes and fills the rest of the field with NUL bytes, so the field always
// ends in one.
void copy_into_field(char* dst, std::size_t size, const char* src);

// Removes the leading characters of text that belong to set.
void Bst_ltrim(char* text, const char* set);

// Removes the trailing characters of text that belong to set; returns the
// remaining length.
int Bst_rtrim(char* text, const char* set);

// Removes every character of text that belongs to set; returns the new length,
// or -11 for an empty set (text unchanged).
int Bst_rmset(char* text, const char* set);

// Copies src to dst without any occurrence of ch; dst may be src.
void Bst_rmch(char* dst, const char* src, int ch);

// Turns every backslash of text into a slash; returns how many were turned.
int Bst_slash(char* text);
