// Plain decimal numbers read without sscanf's machinery.
#include "base/plain_numbers.h"

#include <cassert>
#include <cstdint>
#include <cstdlib>

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_sign(char c) { return c == '+' || c == '-'; }

}  // namespace

const char* skip_space(const char* text) {
    while (is_space(*text)) ++text;
    return text;
}

bool plain_int(const char* text, int* value, const char** end) {
    const char* p = skip_space(text);
    const bool negative = *p == '-';
    if (is_sign(*p)) ++p;
    std::int64_t magnitude = 0;
    int digits = 0;
    for (; is_digit(*p); ++p, ++digits) {
        if (digits == 18) return false;  // could pass the range of the long that %d reads into
        magnitude = magnitude * 10 + (*p - '0');
    }
    if (digits == 0) return false;
    // %d keeps the low 32 bits of the long it reads.
    *value = static_cast<int>(static_cast<std::uint32_t>(negative ? -magnitude : magnitude));
    *end = p;
    return true;
}

bool plain_float(const char* text, float* value, const char** end) {
    const char* start = skip_space(text);
    const char* p = start;
    if (is_sign(*p)) ++p;
    int digits = 0;
    for (; is_digit(*p); ++p) ++digits;
    if (*p == '.') {
        for (++p; is_digit(*p); ++p) ++digits;
    }
    if (digits == 0 || is_letter(*p) || *p == '.') return false;
    // %f hands the same characters to the same conversion.
    char* stop = nullptr;
    *value = std::strtof(start, &stop);
    assert(stop == p);
    *end = p;
    return true;
}
