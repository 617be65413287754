// The help: usage line with the option letters and positional names, one line
// per option with its current value, long texts in the extended form.
#include "cli/help.h"

#include "cli/option_parser.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kBell = 7;
constexpr int kWidth = 78;
constexpr int kTextColumn = 13;  // where the short texts of the option list start
constexpr int kLongIndent = 3;

bool is_option(char kind) {
    return kind == 'l' || kind == 'n' || kind == 's';
}

// The last component of the name the program was started under.
const char* program_name(const char* path) {
    const char* cut = std::strrchr(path, '\\');
    if (!cut) cut = std::strrchr(path, '/');
    return cut ? cut + 1 : path;
}

void print_long_text(const char* text) {
    Bprt_wrap(text, kWidth, kLongIndent, 0, stderr);
    std::fputc('\n', stderr);
}

// Letters of all options in table order; a repeated letter is marked with '!'.
std::string option_letters(int count, const char* const* entries) {
    std::string letters;
    std::string seen;
    for (int e = 0; e < count; ++e) {
        if (!is_option(entries[e][1])) continue;
        char letter = entries[e][0];
        letters += letter;
        if (seen.find(letter) != std::string::npos) letters += '!';
        seen += letter;
    }
    return letters;
}

void print_usage(const char* name, int count, const char* const* entries) {
    int column = std::fprintf(stderr, "%cusage:       %s [-", kBell, name);
    column += std::fprintf(stderr, "%s] +opt_file", option_letters(count, entries).c_str());
    for (int e = 0; e < count; ++e) {
        if (entries[e][1] != 'i') continue;
        std::string quoted = std::string(" '") + (entries[e] + 2) + "'";
        column = Bprt_wrap(quoted.c_str(), kWidth, kTextColumn, column, stderr);
    }
    std::fputc('\n', stderr);
}

void print_option_line(const char* entry, std::int64_t slot) {
    char kind = entry[1];
    const char* label = kind == 'n' ? "<number>:  " : kind == 'l' ? ":          " : " <string>: ";
    std::fprintf(stderr, "-%c%s", entry[0], label);
    Bprt_wrap(entry + 2, kWidth, kTextColumn, kTextColumn, stderr);
    if (kind == 'n' && slot == 0) std::fputs(" [0]", stderr);
    if (kind == 'n' && slot != 0) std::fprintf(stderr, " [%s]", help_number(slot).c_str());
    if (kind == 's') std::fputs(": string", stderr);
    std::fputc('\n', stderr);
}

}  // namespace

std::string help_number(std::int64_t slot) {
    auto low = static_cast<std::int32_t>(slot);
    double value = low == slot ? static_cast<float>(low / kFixedPointScale)
                               : static_cast<double>(slot) / kFixedPointScale;
    char text[400];
    std::snprintf(text, sizeof text, "%f", value);
    std::size_t length = std::strlen(text);
    while (length > 2 && text[length - 1] == '0' && text[length - 2] != '.') --length;
    return std::string(text, length);
}

int print_option_help(int argc, char** argv, int count, const char* const* entries,
                      const char* const* long_texts, const std::int64_t* values) {
    bool extended = argc != -1 && long_texts && std::strcmp(argv[1], "?") == 0;
    bool hint = long_texts && !extended;
    const char* name = program_name(argv[0]);

    print_usage(name, count, entries);
    char first_kind = count > 0 ? entries[0][1] : '\0';
    if (extended && (first_kind == 'i' || first_kind == 'c') && long_texts[0])
        print_long_text(long_texts[0]);
    for (int e = 0; e < count; ++e) {
        if (!is_option(entries[e][1])) continue;
        print_option_line(entries[e], values[e]);
        if (extended && long_texts[e]) print_long_text(long_texts[e]);
    }
    std::fputs("+<opt_file>: Options can be listed in a file.\n", stderr);
    if (extended)
        Bprt_wrap("An option must not be disrupted by a line brake, even if it consists of more "
                  "than one parameter!\nLine reading stops at a hash '#' (comment start).\n",
                  kWidth, kLongIndent, 0, stderr);
    for (int e = 0; e < count; ++e)
        if (entries[e][1] == 'c') std::fprintf(stderr, "Comment: %s\n", entries[e] + 2);
    if (hint) std::fprintf(stderr, "For extended help issue the command: %s ?\n", name);
    return -1;
}
