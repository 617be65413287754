// The help of an option table: numbers shown, the short and the extended
// help, the usage line.
#include "cli/help.h"

#include "sample_options.h"

#include <utility>

using namespace test_table;

namespace {

// Long help texts: with any, the short help points at the extended one.
const char* const kLongTexts[kCount] = {"about walk files"};

// What a parse prints for a help request, with -n500 and -d-2.5 set.
std::string help(Arguments&& args, int argc, const char* const* long_texts,
                 const char* const* entries = kEntries, int count = kCount) {
    std::int64_t values[kCount] = {0, 0, 0, 0, 50000000, 0, -250000};
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bclnp(argc, args.argv(), count, entries, long_texts, values), -1);
    return testing::internal::GetCapturedStderr();
}

std::string first_line(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

}  // namespace

TEST(HelpNumber, DropsTrailingZerosButKeepsOneDigit) {
    // The single-precision value of the slot; beyond 32 bits the whole slot.
    const std::int64_t beyond = std::int64_t(1796483123) * 100000;
    const std::pair<std::int64_t, const char*> cases[] = {
        {100000000, "1000.0"},   {150000, "1.5"},    {1, "0.00001"},
        {-250000, "-2.5"},       {69999, "0.69999"}, {2147480078, "21474.800781"},
        {beyond, "1796483123.0"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(help_number(value), text) << value;
}

TEST(Help, ShortHelpListsOptionsWithTheirCurrentValues) {
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

TEST(Help, TheUsageLineMarksRepeatedLettersAndNamesTheProgramAfterItsLastSeparator) {
    constexpr const char* entries[] = {"vlverbose", "nnwalks", "vnlevel", "vsagain", "xiinput"};
    EXPECT_EQ(first_line(help(Arguments{}, -1, nullptr, entries, 5)),
              "\ausage:       korvi [-vnv!v!] +opt_file 'input'");
    Arguments args{};
    std::string program = "C:\\tools/bin\\korvi.exe";
    args.argv()[0] = program.data();
    const std::string text = help(std::move(args), -1, entries, entries, 1);
    EXPECT_EQ(first_line(text), "\ausage:       korvi.exe [-v] +opt_file");
    EXPECT_NE(text.find("issue the command: korvi.exe ?\n"), std::string::npos);
}
