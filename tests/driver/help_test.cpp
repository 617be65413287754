#include "driver/help.h"

#include "option_table.h"

using namespace test_table;

namespace {

constexpr const char* kLongTexts[] = {
    "about walk files", nullptr, "more on verbose", nullptr, nullptr,
    nullptr,            nullptr, "names a lattice", nullptr,
};
static_assert(std::size(kLongTexts) == kCount);

class Help : public testing::Test {
protected:
    void SetUp() override {
        values_[kWalks] = 50000000;
        values_[kDistance] = -250000;
    }

    std::string help(Arguments&& args, int argc, const char* const* long_texts,
                     const char* const* entries = kEntries, int count = kCount) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(Bclnp(argc, args.argv(), count, entries, long_texts, values_), -1);
        return testing::internal::GetCapturedStderr();
    }

    std::int64_t values_[kCount] = {};
};

std::string first_line(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace

TEST(HelpNumber, DropsTrailingZerosButKeepsOneDigit) {
    EXPECT_EQ(help_number(100000000), "1000.0");
    EXPECT_EQ(help_number(150000), "1.5");
    EXPECT_EQ(help_number(1), "0.00001");
    EXPECT_EQ(help_number(-250000), "-2.5");
    EXPECT_EQ(help_number(69999), "0.69999");
    EXPECT_EQ(help_number(2147480078), "21474.800781");  // the single-precision value
}

TEST(HelpNumber, ValuesBeyondThirtyTwoBitsUseTheWholeSlot) {
    EXPECT_EQ(help_number(std::int64_t{1796483123} * 100000), "1796483123.0");
}

TEST_F(Help, ShortHelpListsOptionsWithTheirCurrentValues) {
    std::string expected = "\ausage:       korvi [-vmntdl] +opt_file 'walk file' 'second file'\n"
                           "-v:          verbose\n"
                           "-m:          mab walks\n"
                           "-n<number>:  number of walks [500.0]\n"
                           "-t<number>:  theta values [0]\n"
                           "-d<number>:  distance of sphere [-2.5]\n"
                           "-l <string>: lattice file: string\n"
                           "+<opt_file>: Options can be listed in a file.\n"
                           "Comment: a comment line\n";
    EXPECT_EQ(help(Arguments{}, -1, nullptr), expected);
    EXPECT_EQ(help(Arguments{"?"}, -2, nullptr), expected);  // no long texts: never extended
    EXPECT_EQ(help(Arguments{"?"}, -1, kLongTexts),
              expected + "For extended help issue the command: korvi ?\n");
}

TEST_F(Help, RepeatedLettersAreMarkedInTheUsageLine) {
    constexpr const char* entries[] = {"vlverbose", "nnwalks", "vnlevel", "vsagain", "xiinput"};
    EXPECT_EQ(first_line(help(Arguments{}, -1, nullptr, entries, 5)),
              "\ausage:       korvi [-vnv!v!] +opt_file 'input'");
}

TEST_F(Help, ProgramNameIsCutAfterABackslashFirst) {
    constexpr const char* entries[] = {"vlverbose"};
    Arguments args{};
    std::string program = "C:\\tools/bin\\korvi.exe";
    args.argv()[0] = program.data();
    std::string text = help(std::move(args), -1, entries, entries, 1);
    EXPECT_EQ(first_line(text), "\ausage:       korvi.exe [-v] +opt_file");
    EXPECT_NE(text.find("issue the command: korvi.exe ?\n"), std::string::npos);
}
