// Field readers over one line of text: strings, no-value marks and numbers.
#include "base/fields.h"

#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

const char* skip_blanks(const char* pos) {
    while (is_blank(*pos)) ++pos;
    return pos;
}

char quote_of(int mode) { return (mode & kFieldSingleQuote) ? '\'' : '"'; }

// Reads the number with format, or stores no_value for a no-value mark.
template <typename T>
const char* numeric_field(const char* pos, int mode, const char* format, T no_value, T* out) {
    if (!pos) return nullptr;
    if (Bfld_nil(pos, mode) != 0) {
        *out = no_value;
    } else {
        T value;
        if (std::sscanf(pos, format, &value) != 1) return nullptr;
        *out = value;
    }
    return Bfld_skip(pos, mode);
}

}  // namespace

const char* Bfld_skip(const char* pos, int /*mode: fields end alike in every mode*/) {
    if (!pos) return nullptr;
    pos = skip_blanks(pos);
    pos += std::strcspn(pos, " ,\t");
    return *pos == ',' ? pos + 1 : pos;
}

const char* Bfld_str(const char* pos, int mode, char* out) {
    if (!pos) return nullptr;
    const char* word = skip_blanks(pos);
    std::size_t length = std::strcspn(word, " \t");
    if (length == 0) return nullptr;
    char quote = quote_of(mode);
    if (*word != quote) {
        std::memcpy(out, word, length);
        out[length] = '\0';
        return Bfld_skip(pos, mode);
    }
    const char* start = word + 1;
    const char* close = std::strchr(start, quote);
    std::size_t inside = close ? static_cast<std::size_t>(close - start) : std::strlen(start);
    std::memcpy(out, start, inside);
    out[inside] = '\0';
    return close ? close + 1 : start + inside;
}

int Bfld_nil(const char* pos, int mode) {
    char field[4096];
    if (!Bfld_str(pos, mode, field)) return 0;
    if (std::strcmp(field, "~") == 0) return 1;
    if (std::strcmp(field, "-") == 0) return 2;
    if (std::strcmp(field, "-0") == 0) return 3;
    return 0;
}

const char* Bfld_flt(const char* pos, int mode, float* out) {
    return numeric_field(pos, mode, "%f", FLT_MAX, out);
}

const char* Bfld_int(const char* pos, int mode, int* out) {
    return numeric_field(pos, mode, "%d", INT_MAX, out);
}

const char* Bfld_uns(const char* pos, int mode, unsigned int* out) {
    return numeric_field(pos, mode, "%u", UINT_MAX, out);
}
