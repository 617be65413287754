// Command-line words of the option parser: flags, numbers, strings and
// positional words, with what each prints and what each leaves in the store.
// The transcripts pin the echo of ordinary words, failed and refused numbers
// and an unknown letter; here are the edges and values they do not show.
#include "cli/option_words.h"

#include "sample_options.h"

#include <vector>

using namespace test_table;

namespace {

// One command line: what Bclnp returns and prints, and what it leaves in one
// slot: the value, or the text stored for a string or positional entry.
struct WordCase {
    std::vector<std::string> args;
    int result;
    std::string errors;
    Slot slot;
    std::int64_t value;
    const char* stored = nullptr;
};

class OptionWords : public testing::TestWithParam<WordCase> {};

// clang-format off
const WordCase kCases[] = {
    {{"-vn500"}, 2, "- verbose\n- number of walks 500.000000\n", kWalks, 50000000},
    {{"-t-0"}, 1, "- theta values 0.000010\n", kTheta, 1},
    {{"-t-2.95"}, 1, "- theta values -2.950000\n", kTheta, -295000},
    {{"-n10", "-n20"}, 1,
     "- number of walks 10.000000\n- number of walks 20.000000, additional\n", kWalks, 1000000},
    {{"-nx", "-v"}, 1, "Failed: number of walks\n- verbose\n", kWalks, 0},
    // A number the store cannot hold ends the parse at once.
    {{"-n21474.9", "-v"}, kNumberRefused,
     "Number out of range for number of walks: 21474.9 (the limit is +-21474.83647)\n",
     kVerbose, 0},
    {{"-nnan"}, kNumberRefused,
     "Number out of range for number of walks: nan (the limit is +-21474.83647)\n", kWalks, 0},
    {{"-n21474.8"}, 1, "- number of walks 21474.800781\n", kWalks, 2147480078},
    {{"-v", "-l"}, 1, "- verbose\nFailed: lattice file\n", kLattice, 0},
    {{"- "}, -2, "Unknown option:  \n", kFirst, 0}, // positional entries have no letter
    {{"-cv"}, 1, "- verbose\n", kNote, 0},
    {{"-", "-v"}, 1, "- verbose\n", kVerbose, 1},
    // A string is the next argument unchanged; a repeated option keeps the first.
    {{"-lignored", "  ldmd_10", "-l", "b"}, 1,
     "- lattice file:   ldmd_10\n- lattice file: b, additional\n", kLattice, 0, "  ldmd_10"},
    // Positional words beyond the positional entries are not counted.
    {{"-n", "a", "b", "c", "d"}, 2, "Failed: number of walks\n", kSecond, 0, "b"},
};
// clang-format on

}  // namespace

TEST_P(OptionWords, ResultEchoAndSlot) {
    const WordCase& c = GetParam();
    Arguments args(c.args);
    Parse p = parse(args);
    EXPECT_EQ(p.result, c.result);
    EXPECT_EQ(p.errors, c.errors);
    if (c.stored) {
        EXPECT_EQ(text(p.values[c.slot]), c.stored);
    } else {
        EXPECT_EQ(p.values[c.slot], c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OptionWords, testing::ValuesIn(kCases));
