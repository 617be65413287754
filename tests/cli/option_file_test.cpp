// Option files: their words handled like arguments, values that do not
// cross a line, long lines, and what ends the parse inside a file. The
// transcripts pin comments, the close line and a file that cannot be opened.
#include "cli/option_words.h"

#include "sample_options.h"
#include "support/files.h"

#include <memory>
#include <vector>

using namespace test_table;

namespace {

// Writes text as an option file and parses "+<file>" followed by more words.
class OptionFile : public testing::Test {
protected:
    Parse parse_file(const std::string& text, std::vector<std::string> after = {}) {
        write_file(path_, text);
        after.insert(after.begin(), "+" + path_);
        args_ = std::make_unique<Arguments>(after);  // stored words point into it
        return parse(*args_);
    }

    std::string closed() const { return "File read: " + path_ + "\n"; }

    std::unique_ptr<Arguments> args_;
    TempDir dir_;
    std::string path_ = (dir_ / "run.opt").string();
};

}  // namespace

// A word ends at a blank, a tab or a quote, but the next starts after a comma.
TEST_F(OptionFile, WordsAreHandledLikeArgumentsAndParsingGoesOnAfterTheFile) {
    Parse p = parse_file("-n20 -v # twenty\t-m\n\"my walks\"\t-d5,-t3\n", {"second", "-m"});
    EXPECT_EQ(p.result, 7);
    EXPECT_EQ(text(p.values[kFirst]), "my walks");
    EXPECT_EQ(text(p.values[kSecond]), "second");
    EXPECT_EQ(p.errors, "- number of walks 20.000000\n- verbose\n- distance of sphere 5.000000\n"
                        "- theta values 3.000000\n" +
                            closed() + "- mab walks\n");
}

TEST_F(OptionFile, AValueIsNeitherSplitFromItsLetterNorTakenFromTheNextLine) {
    Parse p = parse_file("-n 10 # ten walks\n-l\n-lx \"a b\"\n+other.opt\n");
    EXPECT_EQ(text(p.values[kFirst]), "10");
    EXPECT_EQ(text(p.values[kLattice]), "a b");
    EXPECT_EQ(text(p.values[kSecond]), "+other.opt");  // files do not nest
    EXPECT_EQ(p.errors,
              "Failed: number of walks\nFailed: lattice file\n- lattice file: a b\n" + closed());
}

TEST_F(OptionFile, LongLinesAreHandledInPiecesOf255) {
    Parse p = parse_file(std::string(253, ' ') + "-vm\n");
    EXPECT_EQ(p.errors, "- verbose\n" + closed());
    EXPECT_EQ(text(p.values[kFirst]), "m");
}

TEST_F(OptionFile, AnUnknownLetterOrARefusedNumberEndsTheParseAtOnce) {
    // An unknown letter or a refused number returns without closing the file.
    Parse p = parse_file("-v -x -m\n-d1\n", {"-m"});
    EXPECT_EQ(p.result, -2);
    EXPECT_EQ(p.values[kMab], 0);
    EXPECT_EQ(p.errors, "- verbose\nUnknown option: x\n");
    p = parse_file("-v -d-99999 -m\n-t1\n", {"-m"});
    EXPECT_EQ(p.result, kNumberRefused);
    EXPECT_EQ(p.values[kMab], 0);
    EXPECT_EQ(p.values[kTheta], 0);
    EXPECT_EQ(p.errors, "- verbose\nNumber out of range for distance of sphere: -99999 (the "
                        "limit is +-21474.83647)\n");
}
