// The table-driven option parser: fills a value store from the command line and
// option files, echoes what it accepts, and prints the short or extended help.
#pragma once

#include <cstdint>
#include <cstdio>

// Option entries are texts: the letter, the kind ('i' positional, 'l' flag,
// 'n' number, 's' string, 'c' comment) and the short text. Each entry has one
// 64-bit slot in the value store; 0 means "not given". A flag holds 1, a string
// or positional word the address of its text, a number its fixed-point value
// (value * 100000 truncated, a given 0 held as 1) in the low 32 bits.

// Fixed-point numbers carry five decimals.
constexpr double kFixedPointScale = 100000.0;
constexpr std::int64_t kFixedPointOne = 100000;  // 1 in the store

// Bclnp's result after "Number out of range for ...": parsing stopped at the
// number, and the program ends at once, without its help and without running.
constexpr int kNumberRefused = -3;

// argc >= 0: parses argv[1..argc-1] and returns the number of options newly set
// plus the positional words taken; 0 without arguments; -1 when an option file
// cannot be opened; -2 for "?" as first argument or an unknown option letter;
// kNumberRefused for a number the store cannot hold.
// argc < 0: prints the help (extended when argc != -1, argv[1] is "?" and
// long_texts is given) and returns -1.
int Bclnp(int argc, char** argv, int count, const char* const* entries,
          const char* const* long_texts, std::int64_t* values);

// The parse mode of Bclnp without a word on standard error: no echo lines and
// no messages. An option file ('+' argument) is not read: -1 at once.
int Bclnp_quiet(int argc, char** argv, int count, const char* const* entries, std::int64_t* values);

// The number in a slot rounded to an integer: |value| + 0.1 truncated, with the
// sign kept; a given 0 reads as 0.
int Bclnp_int(std::int64_t slot);

// The number in a slot as a float; a given 0 reads as 0.0.
float Bclnp_flt(std::int64_t slot);

// Overwrites a setting with the number in a slot when the slot is set.
inline void read_slot(std::int64_t slot, int& setting) {
    if (slot != 0) setting = Bclnp_int(slot);
}
inline void read_slot(std::int64_t slot, float& setting) {
    if (slot != 0) setting = Bclnp_flt(slot);
}

// The text whose address a string or positional slot holds (nullptr when empty).
inline const char* Bclnp_str(std::int64_t slot) {
    return reinterpret_cast<const char*>(static_cast<std::intptr_t>(slot));
}

// Prints text from column on, breaking lines before words that would pass
// width and indenting continuation lines by indent. Returns the column where
// printing stopped; a null text prints nothing and returns 0.
int Bprt_wrap(const char* text, int width, int indent, int column, std::FILE* stream);
