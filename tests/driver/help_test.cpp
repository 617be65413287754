#include "driver/help.h"

#include "option_table.h"

using namespace test_table;

namespace {

std::string help(std::initializer_list<std::string> words, int argc, const char* const* long_texts,
                 const std::int64_t* values, const char* const* entries = kEntries,
                 int count = kCount) {
    Arguments args(words);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bclnp(argc, args.argv(), count, entries, long_texts,
                    const_cast<std::int64_t*>(values)),
              -1);
    return testing::internal::GetCapturedStderr();
}

constexpr const char* kLongTexts[] = {
    "about walk files", nullptr, "more on verbose", nullptr, nullptr,
    nullptr,            nullptr, "names a lattice", nullptr,
};
static_assert(std::size(kLongTexts) == kCount);

const std::string kOptionLines = "-v:          verbose\n"
                                 "-m:          mab walks\n"
                                 "-n<number>:  number of walks [500.0]\n"
                                 "-t<number>:  theta values [0]\n"
                                 "-d<number>:  distance of sphere [-2.5]\n"
                                 "-l <string>: lattice file: string\n";

}  // namespace

TEST(HelpNumber, DropsTrailingZerosButKeepsOneDigit) {
    EXPECT_EQ(help_number(100000000), "1000.0");
    EXPECT_EQ(help_number(150000), "1.5");
    EXPECT_EQ(help_number(1), "0.00001");
    EXPECT_EQ(help_number(-250000), "-2.5");
    EXPECT_EQ(help_number(69999), "0.69999");
}

TEST(HelpNumber, ShowsTheSinglePrecisionValue) {
    EXPECT_EQ(help_number(2147480078), "21474.800781");
}

TEST(HelpNumber, ValuesBeyondThirtyTwoBitsUseTheWholeSlot) {
    EXPECT_EQ(help_number(std::int64_t{1796483123} * 100000), "1796483123.0");
}

TEST(Help, ShortHelpListsOptionsWithTheirCurrentValues) {
    std::int64_t values[kCount] = {};
    values[kWalks] = 50000000;
    values[kDistance] = -250000;
    std::string expected = "\ausage:       korvi [-vmntdl] +opt_file 'walk file' 'second file'\n" +
                           kOptionLines +
                           "+<opt_file>: Options can be listed in a file.\n"
                           "Comment: a comment line\n";
    EXPECT_EQ(help({}, -1, nullptr, values), expected);
    EXPECT_EQ(help({"?"}, -2, nullptr, values), expected);  // no long texts: never extended
    EXPECT_EQ(help({"?"}, -1, kLongTexts, values),
              expected + "For extended help issue the command: korvi ?\n");
}

TEST(Help, ExtendedHelpNeedsAQuestionMarkAsFirstArgument) {
    std::int64_t values[kCount] = {};
    values[kWalks] = 50000000;
    values[kDistance] = -250000;
    std::string expected = "\ausage:       korvi [-vmntdl] +opt_file 'walk file' 'second file'\n"
                           "   about walk files\n"
                           "-v:          verbose\n"
                           "   more on verbose\n"
                           "-m:          mab walks\n"
                           "-n<number>:  number of walks [500.0]\n"
                           "-t<number>:  theta values [0]\n"
                           "-d<number>:  distance of sphere [-2.5]\n"
                           "-l <string>: lattice file: string\n"
                           "   names a lattice\n"
                           "+<opt_file>: Options can be listed in a file.\n"
                           "   An option must not be disrupted by a line brake, even if it "
                           "consists of more\n"
                           "   than one parameter!\n"
                           "   Line reading stops at a hash '#' (comment start).\n"
                           "Comment: a comment line\n";
    EXPECT_EQ(help({"?"}, -2, kLongTexts, values), expected);
    EXPECT_NE(help({"-x", "?"}, -3, kLongTexts, values), expected);
}

TEST(Help, RepeatedLettersAreMarkedInTheUsageLine) {
    constexpr const char* entries[] = {"vlverbose", "nnwalks", "vnlevel", "vsagain", "xiinput"};
    std::int64_t values[5] = {};
    std::string text = help({}, -1, nullptr, values, entries, 5);
    EXPECT_EQ(text.substr(0, text.find('\n')), "\ausage:       korvi [-vnv!v!] +opt_file 'input'");
}

TEST(Help, ProgramNameIsCutAfterABackslashFirst) {
    constexpr const char* entries[] = {"vlverbose"};
    std::int64_t values[1] = {};
    Arguments args{};
    std::string program = "C:\\tools/bin\\korvi.exe";
    args.argv()[0] = program.data();
    testing::internal::CaptureStderr();
    Bclnp(-1, args.argv(), 1, entries, entries, values);
    std::string text = testing::internal::GetCapturedStderr();
    EXPECT_EQ(text.substr(0, text.find('\n')), "\ausage:       korvi.exe [-v] +opt_file");
    EXPECT_NE(text.find("issue the command: korvi.exe ?\n"), std::string::npos);
}
