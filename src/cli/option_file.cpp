// Option files: every line's words are handled like command-line arguments;
// '#' starts a comment and a string option takes its value from the same line.
#include "cli/option_words.h"

#include "base/alloc.h"
#include "base/fields.h"
#include "base/file_table.h"
#include "base/text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kLineSize = 256;  // longer lines are read in pieces

// Words of one line; whatever is stored is a copy that lives until the end.
class LineWords final : public WordSource {
public:
    explicit LineWords(const char* next) : next_(next) {}

    // The next word of the line into word; false at the end of the line.
    bool next_word(char* word) {
        const char* after = Bfld_str(next_, 0, word);
        if (!after) return false;
        next_ = after;
        return true;
    }

    char* keep(char* word) override { return copy(word); }

    char* take_value() override {
        char word[kLineSize];
        return next_word(word) ? copy(word) : nullptr;
    }

    void release(char* value) override { std::free(value); }

private:
    static char* copy(const char* word) {
        auto* kept = static_cast<char*>(Balo1(std::strlen(word) + 1, "Bclnp"));
        if (kept) std::strcpy(kept, word);
        return kept;
    }

    const char* next_;
};

}  // namespace

int read_option_file(char* name, OptionParse& parse) {
    std::FILE* fp = Bfil_open(name, nullptr, "r", nullptr, 0);
    if (!fp) return -1;
    char line[kLineSize];
    while (Bln_get(line, kLineSize, fp)) {
        Bst_ltrim(line, " \t");
        line[std::strcspn(line, "#")] = '\0';
        LineWords words(line);
        char word[kLineSize];
        while (words.next_word(word))
            if (int ended = handle_word(parse, word, words)) return ended;
    }
    Bfil_close(fp, kFilReport);
    return 0;
}
