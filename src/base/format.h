// printf-style formatting into a std::string of the length it needs.
#pragma once

#include <cstdio>
#include <string>

template <typename... Values>
std::string formatted(const char* pattern, Values... values) {
    const int length = std::snprintf(nullptr, 0, pattern, values...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, values...);
    return text;
}
