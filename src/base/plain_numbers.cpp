// Plain decimal numbers read without sscanf's machinery.
#include "base/plain_numbers.h"

#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool is_sign(char c) {
    return c == '+' || c == '-';
}

// Decimal text m / 10^k with m at most 2^24 and k at most 10 is a quotient
// of two exact floats: one single-precision division rounds it once,
// correctly, to exactly what strtof gives.
constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 24;
constexpr float kPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                  1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
constexpr int kExactPowers = static_cast<int>(std::size(kPowersOfTen));

// Passes over a run of digits, appending them to *mantissa as long as it
// stays exact (past kExactMantissa it stops growing); returns their count.
int digits_of(const char** p, std::uint64_t* mantissa) {
    int count = 0;
    for (; is_digit(**p); ++*p, ++count) {
        if (*mantissa <= kExactMantissa)
            *mantissa = *mantissa * 10 + static_cast<unsigned>(**p - '0');
    }
    return count;
}

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
    const bool negative = *p == '-';
    if (is_sign(*p)) ++p;
    std::uint64_t mantissa = 0;
    int digits = digits_of(&p, &mantissa);
    int decimals = 0;
    if (*p == '.') {
        ++p;
        decimals = digits_of(&p, &mantissa);
        digits += decimals;
    }
    if (digits == 0 || is_letter(*p) || *p == '.') return false;
    if (mantissa <= kExactMantissa && decimals < kExactPowers) {
        const float quotient = static_cast<float>(mantissa) / kPowersOfTen[decimals];
        *value = negative ? -quotient : quotient;  // "-0.0" gives -0.0f, as in strtof
    } else {
        // %f hands the same characters to the same conversion.
        char* stop = nullptr;
        *value = std::strtof(start, &stop);
        assert(stop == p);
    }
    *end = p;
    return true;
}
