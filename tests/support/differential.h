// Test helpers for checking the quick number readers against the C library:
// random text over an alphabet, and what sscanf makes of the same text.
#pragma once

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <type_traits>

// Fewer than max_length characters drawn from the alphabet (a character given
// several times is drawn that much more often).
inline std::string random_text(std::mt19937& engine, const std::string& alphabet, int max_length) {
    std::string text;
    for (int i = static_cast<int>(engine() % static_cast<unsigned>(max_length)); i > 0; --i)
        text += alphabet[engine() % alphabet.size()];
    return text;
}

// sscanf's %d or %f conversion of text into *value, the characters it used in
// *used; false when nothing is converted.
template <typename T>
bool scan_number(const std::string& text, T* value, int* used) {
    if constexpr (std::is_same_v<T, int>) {
        return std::sscanf(text.c_str(), "%d%n", value, used) == 1;
    } else {
        return std::sscanf(text.c_str(), "%f%n", value, used) == 1;
    }
}

// The same value to the bit: a NaN equals itself, 0.0 differs from -0.0.
template <typename T>
bool same_bits(T a, T b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
