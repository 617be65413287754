// One word of the option parser: positional words, flags, numbers and strings,
// with the echo line of every option accepted.
#include "cli/option_words.h"

#include "cli/option_parser.h"

#include <cstdio>

namespace {

char kind_of(const OptionParse& parse, int entry) {
    return parse.entries[entry][1];
}
const char* short_text(const OptionParse& parse, int entry) {
    return parse.entries[entry] + 2;
}

void failed(const OptionParse& parse, const char* text) {
    if (!parse.quiet) std::fprintf(stderr, "Failed: %s\n", text);
}

// "- " and the short text; the caller adds the value and ends the line.
void echo(const OptionParse& parse, const char* text) {
    if (parse.quiet) return;
    std::fputs("- ", stderr);
    Bprt_wrap(text, 78, 2, 2, stderr);
}

void echo_end(const OptionParse& parse, bool additional) {
    if (!parse.quiet) std::fputs(additional ? ", additional\n" : "\n", stderr);
}

std::int64_t address_of(const char* text) {
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(text));
}

// First entry of another kind than positional with this letter, or -1.
int find_option(const OptionParse& parse, char letter) {
    for (int e = 0; e < parse.count; ++e)
        if (parse.entries[e][0] == letter && kind_of(parse, e) != 'i') return e;
    return -1;
}

void take_positional(OptionParse& parse, char* word, WordSource& source) {
    int k = parse.positional++;
    if (k >= parse.count) return;
    for (int e = 0; e <= k; ++e)
        if (kind_of(parse, e) != 'i') return;
    ++parse.taken;
    if (parse.values[k] != 0) return;
    char* kept = source.keep(word);
    if (!kept) {
        failed(parse, short_text(parse, k));
        return;
    }
    parse.values[k] = address_of(kept);
}

void set_flag(OptionParse& parse, int entry) {
    if (parse.values[entry] != 0) return;
    parse.values[entry] = 1;
    ++parse.set;
    echo(parse, short_text(parse, entry));
    echo_end(parse, false);
}

// Reads the number that follows the option letter and stores it in fixed point.
// A number the 32-bit store cannot hold is refused rather than wrapped, and
// parsing stops: false.
bool set_number(OptionParse& parse, int entry, const char* text) {
    const char* what = short_text(parse, entry);
    float number;
    if (std::sscanf(text, "%f", &number) != 1) {
        failed(parse, what);
        return true;
    }
    double scaled = static_cast<double>(number) * kFixedPointScale;
    if (!(scaled > -2147483649.0 && scaled < 2147483648.0)) {
        if (!parse.quiet)
            std::fprintf(stderr, "Number out of range for %s: %s (the limit is +-21474.83647)\n",
                         what, text);
        return false;
    }
    auto raw = static_cast<std::int32_t>(scaled);
    if (raw == 0) raw = 1;  // a given 0 must differ from "not given"
    bool additional = parse.values[entry] != 0;
    if (!additional) {
        parse.values[entry] = raw;
        ++parse.set;
    }
    echo(parse, what);
    if (!parse.quiet) std::fprintf(stderr, " %f", static_cast<float>(raw / kFixedPointScale));
    echo_end(parse, additional);
    return true;
}

void set_string(OptionParse& parse, int entry, WordSource& source) {
    const char* what = short_text(parse, entry);
    char* value = source.take_value();
    if (!value) {
        failed(parse, what);
        return;
    }
    bool additional = parse.values[entry] != 0;
    if (!additional) {
        parse.values[entry] = address_of(value);
        ++parse.set;
    }
    echo(parse, what);
    if (!parse.quiet) std::fprintf(stderr, ": %s", value);
    echo_end(parse, additional);
    if (additional) source.release(value);
}

}  // namespace

int handle_word(OptionParse& parse, char* word, WordSource& source) {
    if (word[0] != '-') {
        take_positional(parse, word, source);
        return 0;
    }
    for (const char* letter = word + 1; *letter; ++letter) {
        int entry = find_option(parse, *letter);
        if (entry < 0) {
            if (!parse.quiet) std::fprintf(stderr, "Unknown option: %c\n", *letter);
            return -2;
        }
        switch (kind_of(parse, entry)) {
        case 'l':
            set_flag(parse, entry);
            break;
        case 'n':
            return set_number(parse, entry, letter + 1) ? 0 : kNumberRefused;
        case 's':
            set_string(parse, entry, source);
            return 0;
        default:  // comments and unknown kinds store nothing
            break;
        }
    }
    return 0;
}
