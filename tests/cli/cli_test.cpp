// End-to-end transcripts: each folder below tests/cli holds the arguments of
// one run (args), its input files (in/), the expected standard output and
// error (stdout, stderr) and the files it must write (out/); a file `program`
// names the program when it is not korvi (korvi-stats, korvi-perm).
#include "support/files.h"
#include "support/run_korvi.h"

#include "driver/korvi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <regex>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kCaseRoot = fs::path(KORVI_TEST_DIR) / "cli";


// Lines of text; a final line end closes the last line rather than opening one.
std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The program a case runs: the first line of its file `program`, or korvi.
std::string program_of(const std::string& name) {
    const fs::path file = kCaseRoot / name / "program";
    const std::vector<std::string> lines =
        fs::exists(file) ? split_lines(read_file(file)) : std::vector<std::string>{};
    return lines.empty() ? "korvi" : lines[0];
}

// The cases, all of them or those of one program.
std::vector<std::string> case_names(const char* program = nullptr) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCaseRoot)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && fs::exists(entry.path() / "args") &&
            (!program || program_of(name) == program))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Makes the parts of a transcript that change from run to run comparable:
// elapsed seconds at the end of a line, the seed shown by the help and the
// creation date of a CIF file.
std::string normalise(const std::string& text) {
    static const std::regex seconds("[0-9]+ sec$", std::regex::multiline);
    static const std::regex seed(R"(^(-i<number>:.*)\[[^\]]*\]$)", std::regex::multiline);
    static const std::regex date(R"(^(_audit_creation_date +)[0-9-]+$)", std::regex::multiline);
    return std::regex_replace(
        std::regex_replace(std::regex_replace(text, seconds, "* sec"), seed, "$1[SEED]"), date,
        "$1DATE");
}

// Contents of every file below root, by relative path.
std::map<std::string, std::string> files_below(const fs::path& root) {
    std::map<std::string, std::string> files;
    if (!fs::exists(root)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = read_file(entry.path());
    return files;
}

// Runs korvi's main in a child of the test process, with the evaluate run
// reading the walk file again at every position instead of once; otherwise
// as run_korvi.
int run_korvi_streaming(const fs::path& dir, const std::vector<std::string>& args,
                        const fs::path& out, const fs::path& err) {
    return run_in_child(dir, out, err, [&] {
        std::vector<char*> argv{const_cast<char*>("korvi")};
        for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        korvi_main(static_cast<int>(argv.size()) - 1, argv.data(), 0);
        std::fflush(nullptr);
        _exit(0);
    });
}

using Runner = std::function<int(const fs::path&, const std::vector<std::string>&,
                                 const fs::path&, const fs::path&)>;

// Runs the built program the case names.
int run_case_program(const std::string& name, const fs::path& dir,
                     const std::vector<std::string>& args, const fs::path& out,
                     const fs::path& err) {
    static const std::map<std::string, const char*> binaries{
        {"korvi", KORVI_BINARY},
        {"korvi-stats", KORVI_STATS_BINARY},
        {"korvi-perm", KORVI_PERM_BINARY},
    };
    const auto binary = binaries.find(program_of(name));
    if (binary == binaries.end()) {
        ADD_FAILURE() << "unknown program " << program_of(name);
        return -1;
    }
    return run_program(binary->second, dir, args, out, err);
}

void check_transcript(const std::string& name, const Runner& runner) {
    const fs::path folder = kCaseRoot / name;
    TempDir work;
    TempDir capture;
    if (fs::exists(folder / "in"))
        fs::copy(folder / "in", work.path(), fs::copy_options::recursive);

    int status = runner(work.path(), split_lines(read_file(folder / "args")), capture / "stdout",
                        capture / "stderr");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << program_of(name) << " did not exit with status 0 (wait status " << status << ")";
    // GoogleTest shows a line diff of differing texts, control characters escaped.
    for (const char* stream : {"stdout", "stderr"}) {
        EXPECT_EQ(normalise(read_file(folder / stream)), normalise(read_file(capture / stream)))
            << stream;
    }

    // Files compare byte for byte. Input files must stay as they were unless
    // out/ expects new contents.
    auto expected = files_below(folder / "in");
    for (auto& [file, text] : files_below(folder / "out")) expected[file] = text;
    auto written = files_below(work.path());
    for (const auto& [file, text] : written) {
        auto want = expected.find(file);
        if (want == expected.end())
            ADD_FAILURE() << "unexpected file written: " << file;
        else
            EXPECT_EQ(normalise(want->second), normalise(text)) << "file " << file;
    }
    for (const auto& [file, text] : expected)
        if (!written.count(file)) ADD_FAILURE() << "expected file not written: " << file;
}

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, MatchesExpectedStreamsAndFiles) {
    const std::string name = GetParam();
    check_transcript(name, [&](const fs::path& dir, const std::vector<std::string>& args,
                               const fs::path& out, const fs::path& err) {
        return run_case_program(name, dir, args, out, err);
    });
}

// korvi's cases once more, its evaluation reading the walk file at every position.
class KorviTranscript : public testing::TestWithParam<std::string> {};

TEST_P(KorviTranscript, MatchesThemAlsoWhenTheWalkFileIsReadAtEveryPosition) {
    check_transcript(GetParam(), run_korvi_streaming);
}

std::string test_name(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cli, Transcript, testing::ValuesIn(case_names()), test_name);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Transcript);
INSTANTIATE_TEST_SUITE_P(Cli, KorviTranscript, testing::ValuesIn(case_names("korvi")), test_name);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(KorviTranscript);

}  // namespace
