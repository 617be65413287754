// End-to-end transcripts: each folder below tests/cli holds the arguments of
// one run (args), its input files (in/), the expected standard output and
// error (stdout, stderr) and the files it must write (out/).
#include "support/files.h"
#include "support/run_korvi.h"

#include "driver/korvi.h"
#include "driver/runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kCaseRoot = fs::path(KORVI_TEST_DIR) / "cli";

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCaseRoot))
        if (entry.is_directory() && fs::exists(entry.path() / "args"))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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

// Makes the parts of a transcript that change from run to run comparable:
// elapsed seconds at the end of a line, the seed shown by the help and the
// creation date of a CIF file.
std::string normalise(const std::string& text) {
    static const std::regex seconds("[0-9]+ sec$");
    static const std::regex seed(R"(^(-i<number>:.*)\[[^\]]*\]$)");
    static const std::regex date(R"(^(_audit_creation_date +)[0-9-]+$)");
    std::string result;
    std::string::size_type start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        bool closed = end != std::string::npos;
        std::string line = text.substr(start, closed ? end - start : std::string::npos);
        line = std::regex_replace(line, seconds, "* sec");
        line = std::regex_replace(line, seed, "$1[SEED]");
        line = std::regex_replace(line, date, "$1DATE");
        result += line;
        if (closed) result += '\n';
        start = closed ? end + 1 : text.size();
    }
    return result;
}

// Control characters as ^X so that a diff shows them.
std::string visible(const std::string& line) {
    std::string shown;
    for (char c : line) {
        if (static_cast<unsigned char>(c) < 32 && c != '\t') {
            shown += '^';
            shown += static_cast<char>(c + 64);
        } else {
            shown += c;
        }
    }
    return shown;
}

// Line diff by longest common subsequence: " " kept, "-" expected only, "+" actual only.
std::string line_diff(const std::string& expected, const std::string& actual) {
    auto a = split_lines(expected);
    auto b = split_lines(actual);
    std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (auto i = a.size(); i-- > 0;)
        for (auto j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    std::ostringstream diff;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            diff << "  " << visible(a[i++]) << '\n';
            ++j;
        } else if (j == b.size() || (i < a.size() && common[i + 1][j] >= common[i][j + 1])) {
            diff << "- " << visible(a[i++]) << '\n';
        } else {
            diff << "+ " << visible(b[j++]) << '\n';
        }
    }
    if (expected.empty() == actual.empty() && !expected.empty() &&
        (expected.back() == '\n') != (actual.back() == '\n'))
        diff << "(the two differ in the line end of the last line)\n";
    return diff.str();
}

void expect_same_text(const std::string& what, const std::string& want, const std::string& got) {
    EXPECT_TRUE(want == got) << what << " differs (- expected, + actual):\n"
                             << line_diff(want, got);
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
        set_walk_budget(0);
        korvi_main(static_cast<int>(argv.size()) - 1, argv.data());
        std::fflush(nullptr);
        _exit(0);
    });
}

using Runner = int (*)(const fs::path&, const std::vector<std::string>&, const fs::path&,
                       const fs::path&);

void check_transcript(const std::string& name, Runner runner) {
    const fs::path folder = kCaseRoot / name;
    TempDir work;
    TempDir capture;
    if (fs::exists(folder / "in")) fs::copy(folder / "in", work.path(), fs::copy_options::recursive);

    int status = runner(work.path(), split_lines(read_file(folder / "args")), capture / "stdout",
                        capture / "stderr");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "korvi did not exit with status 0 (wait status " << status << ")";
    for (const char* stream : {"stdout", "stderr"})
        expect_same_text(stream, normalise(read_file(folder / stream)),
                         normalise(read_file(capture / stream)));

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
            expect_same_text("file " + file, normalise(want->second), normalise(text));
    }
    for (const auto& [file, text] : expected)
        if (!written.count(file)) ADD_FAILURE() << "expected file not written: " << file;
}

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, MatchesExpectedStreamsAndFiles) { check_transcript(GetParam(), run_korvi); }

TEST_P(Transcript, MatchesThemAlsoWhenTheWalkFileIsReadAtEveryPosition) {
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

}  // namespace
