// Option files: their words handled like arguments, comments cut, the close
// line, long lines, and a file that cannot be opened.
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

TEST_F(OptionFile, WordsAreHandledLikeArgumentsWithCommentsCutAndParsingGoesOnAfterTheFile) {
    Parse p = parse_file("#lattice and probe\n"
                         "-l ldmd_10 -d-20\n"
                         "-t0    # sweep over distances\n"
                         "  \t # -v\n"
                         "walks\n",
                         {"second", "-m"});
    EXPECT_EQ(p.result, 6);
    EXPECT_EQ(text(p.values[kLattice]), "ldmd_10");
    EXPECT_EQ(text(p.values[kFirst]), "walks");
    EXPECT_EQ(text(p.values[kSecond]), "second");
    EXPECT_EQ(p.errors, "- lattice file: ldmd_10\n- distance of sphere -20.000000\n"
                        "- theta values 0.000010\n" +
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

TEST_F(OptionFile, WordsEndAtBlanksTabsAndQuotesButTheNextStartsAfterAComma) {
    Parse p = parse_file("-n20 -v # twenty\t-m\n\"my walks\"\t-d5,-t3\n");
    EXPECT_EQ(p.result, 5);
    EXPECT_EQ(text(p.values[kFirst]), "my walks");
    EXPECT_EQ(p.errors, "- number of walks 20.000000\n- verbose\n- distance of sphere 5.000000\n"
                        "- theta values 3.000000\n" +
                            closed());
}

TEST_F(OptionFile, LongLinesAreHandledInPiecesOf255) {
    Parse p = parse_file(std::string(253, ' ') + "-vm\n");
    EXPECT_EQ(p.errors, "- verbose\n" + closed());
    EXPECT_EQ(text(p.values[kFirst]), "m");
}

TEST_F(OptionFile, AnUnknownLetterARefusedNumberOrAMissingFileEndsTheParseAtOnce) {
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
    // A missing file gives -1 and keeps the values set before it.
    const std::string missing = (dir_ / "absent.opt").string();
    Arguments args{"-v", "+" + missing, "-m"};
    p = parse(args);
    EXPECT_EQ(p.result, -1);
    EXPECT_EQ(p.values[kVerbose], 1);
    EXPECT_EQ(p.values[kMab], 0);
    EXPECT_EQ(p.errors, "- verbose\n" + missing + ": No such file or directory\n");
}
