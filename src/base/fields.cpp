// Field readers over one line of text: strings, no-value marks and numbers.
#include "base/fields.h"

#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/plain_numbers.h"

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

const char* skip_blanks(const char* pos) {
    while (is_blank(*pos)) ++pos;
    return pos;
}

char quote_of(int mode) {
    return (mode & kFieldSingleQuote) ? '\'' : '"';
}

// Only a word that starts with "~", "-" or the quote can be a no-value mark.
bool may_be_nil(const char* pos, int mode) {
    const char c = *skip_blanks(pos);
    return c == '~' || c == '-' || c == quote_of(mode);
}

// Reads the number with format (trying the quick reader first when there is
// one), or stores no_value for a no-value mark.
template <typename T>
const char* numeric_field(const char* pos, int mode, const char* format, T no_value, T* out,
                          bool (*quick)(const char*, T*, const char**) = nullptr) {
    if (!pos) return nullptr;
    if (may_be_nil(pos, mode) && Bfld_nil(pos, mode) != 0) {
        *out = no_value;
    } else {
        T value;
        const char* end = nullptr;
        // Nothing but white space left converts to nothing (the usual end of a line).
        if (!(quick && quick(pos, &value, &end)) &&
            (!*skip_space(pos) || std::sscanf(pos, format, &value) != 1))
            return nullptr;
        *out = value;
    }
    return Bfld_skip(pos, mode);
}

}  // namespace

const char* Bfld_skip(const char* pos, int /*mode: fields end alike in every mode*/) {
    if (!pos) return nullptr;
    pos = skip_blanks(pos);
    while (*pos && *pos != ',' && !is_blank(*pos)) ++pos;
    return *pos == ',' ? pos + 1 : pos;
}

namespace {

// Where a string field lies: its text (without quotes) and the next field.
struct FieldExtent {
    const char* start = nullptr;
    std::size_t length = 0;
    const char* next = nullptr;
};

// The string field at pos; false when there is no word.
bool string_field(const char* pos, int mode, FieldExtent* f) {
    const char* word = skip_blanks(pos);
    const std::size_t length = std::strcspn(word, " \t");
    if (length == 0) return false;
    const char quote = quote_of(mode);
    if (*word != quote) {
        *f = {word, length, Bfld_skip(pos, mode)};
        return true;
    }
    const char* start = word + 1;
    const char* close = std::strchr(start, quote);
    const std::size_t inside = close ? static_cast<std::size_t>(close - start) : std::strlen(start);
    *f = {start, inside, close ? close + 1 : start + inside};
    return true;
}

}  // namespace

const char* Bfld_str(const char* pos, int mode, char* out) {
    FieldExtent f;
    if (!pos || !string_field(pos, mode, &f)) return nullptr;
    std::memcpy(out, f.start, f.length);
    out[f.length] = '\0';
    return f.next;
}

// The field is compared where it stands: a copy into a fixed buffer would
// overrun on a field longer than the buffer.
int Bfld_nil(const char* pos, int mode) {
    FieldExtent f;
    if (!pos || !string_field(pos, mode, &f)) return 0;
    const std::string_view field(f.start, f.length);
    if (field == "~") return 1;
    if (field == "-") return 2;
    if (field == "-0") return 3;
    return 0;
}

const char* Bfld_flt(const char* pos, int mode, float* out) {
    return numeric_field(pos, mode, "%f", FLT_MAX, out, plain_float);
}

const char* Bfld_int(const char* pos, int mode, int* out) {
    return numeric_field(pos, mode, "%d", INT_MAX, out, plain_int);
}

namespace {

// At most this many digits always fit in an int.
constexpr int kPlainDigits = 9;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A field of 1 to kPlainDigits digits ending at a blank, a tab or the end of
// the line: Bfld_int reads it with plain_int and moves on just behind it.
// Stores its value and where it ends; false for any other field.
bool plain_digits(const char* field, int* value, const char** end) {
    unsigned number = 0;  // wraps on a long run of digits, which is declined
    const char* p = field;
    for (; is_digit(*p); ++p) number = number * 10 + static_cast<unsigned>(*p - '0');
    if (p == field || p - field > kPlainDigits || !(*p == '\0' || is_blank(*p))) return false;
    *value = static_cast<int>(number);
    *end = p;
    return true;
}

}  // namespace

int int_fields(const char* line, int* out, int room) {
    int count = 0;
    const char* pos = line;
    for (; count < room; ++count) {
        const char* field = skip_blanks(pos);
        if (!*field) return count;  // nothing but blanks left gives no number
        if (!plain_digits(field, &out[count], &pos)) break;
    }
    for (; count < room && (pos = Bfld_int(pos, 0, &out[count])); ++count) {
    }
    return count;
}

const char* Bfld_uns(const char* pos, int mode, unsigned int* out) {
    return numeric_field(pos, mode, "%u", UINT_MAX, out);
}
