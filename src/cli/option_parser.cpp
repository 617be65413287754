// Parse mode of the option parser and the two readers of number slots.
#include "cli/option_parser.h"

#include "base/text.h"
#include "cli/help.h"
#include "cli/option_words.h"

#include <cstring>

namespace {

// Command-line arguments are stored as they are; a string option's value is
// the next argument.
class ArgumentWords final : public WordSource {
public:
    ArgumentWords(int argc, char** argv, int& index) : argc_(argc), argv_(argv), index_(index) {}

    char* keep(char* word) override { return word; }

    char* take_value() override { return index_ + 1 < argc_ ? argv_[++index_] : nullptr; }

    void release(char* /*value: the argument itself*/) override {}

private:
    int argc_;
    char** argv_;
    int& index_;
};

// Parse mode over argv[1..argc-1]; the return value of Bclnp.
int parse_arguments(int argc, char** argv, OptionParse& parse) {
    if (argc < 2) return 0;
    for (int i = 1; i < argc; ++i) {
        char* argument = argv[i];
        if (i == 1 && std::strcmp(argument, "?") == 0) return -2;
        Bst_ltrim(argument, " ");
        if (argument[0] == '+') {
            if (parse.quiet) return -1;
            int result = read_option_file(argument + 1, parse);
            if (result < 0) return result;
            continue;
        }
        ArgumentWords words(argc, argv, i);
        if (int ended = handle_word(parse, argument, words)) return ended;
    }
    return parse.set + parse.taken;
}

}  // namespace

int Bclnp(int argc, char** argv, int count, const char* const* entries,
          const char* const* long_texts, std::int64_t* values) {
    if (argc < 0) return print_option_help(argc, argv, count, entries, long_texts, values);
    OptionParse parse{count, entries, values};
    return parse_arguments(argc, argv, parse);
}

int Bclnp_quiet(int argc, char** argv, int count, const char* const* entries,
                std::int64_t* values) {
    OptionParse parse{count, entries, values};
    parse.quiet = true;
    return parse_arguments(argc, argv, parse);
}

int Bclnp_int(std::int64_t slot) {
    double value = static_cast<std::int32_t>(slot) / kFixedPointScale;
    if (value > 0) return static_cast<int>(value + 0.1);
    if (value < 0) return static_cast<int>(value - 0.1);
    return 0;
}

float Bclnp_flt(std::int64_t slot) {
    auto raw = static_cast<std::int32_t>(slot);
    if (raw == 1) return 0.0f;
    return static_cast<float>(raw / kFixedPointScale);
}
