// The parser's handling of one word, shared by command-line arguments and the
// words of option files, and the reading of an option file.
#pragma once

#include <cstdint>

// One parse of an option table: the table, its value store and the counts.
struct OptionParse {
    int count = 0;                         // entries in the table
    const char* const* entries = nullptr;  // letter, kind, short text
    std::int64_t* values = nullptr;        // one slot per entry
    int set = 0;                           // options newly set
    int positional = 0;                    // positional words seen (index of the next one)
    int taken = 0;                         // positional words that fell on positional entries
    bool quiet = false;                    // no echo lines and no messages
};

// Where words come from: the command line stores its own texts, an option file
// stores copies.
class WordSource {
public:
    // The text to store for a positional word; nullptr when no copy can be made.
    virtual char* keep(char* word) = 0;
    // The next word, consumed as a string option's value; nullptr when there is
    // none or no copy can be made.
    virtual char* take_value() = 0;
    // Gives back a value that take_value made and that was not stored.
    virtual void release(char* value) = 0;

protected:
    ~WordSource() = default;
};

// Handles one word: a positional word, a lone '-', or a '-' followed by option
// letters. Returns 0, or the result that ends Bclnp: -2 after "Unknown option:
// <letter>", kNumberRefused after "Number out of range for ...".
int handle_word(OptionParse& parse, char* word, WordSource& source);

// Handles the words of the option file name. Returns 0 when it has been read
// and closed, -1 when it cannot be opened, -2 at an unknown option letter and
// kNumberRefused at a number out of range (the file is then left open).
int read_option_file(char* name, OptionParse& parse);
