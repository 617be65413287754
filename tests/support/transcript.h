// End-to-end transcripts: a folder holds the arguments of one run (args, one
// per line), its input files (in/), the expected standard output and error
// (stdout, stderr) and the files it must write (out/); the check runs the
// program on a copy of in/ and compares streams and files.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/files.h"

namespace transcript {

// Lines of text; a final line end closes the last line rather than opening one.
inline std::vector<std::string> split_lines(const std::string& text) {
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
inline std::string normalise(const std::string& text) {
    static const std::regex seconds("[0-9]+ sec$", std::regex::multiline);
    static const std::regex seed(R"(^(-i<number>:.*)\[[^\]]*\]$)", std::regex::multiline);
    static const std::regex date(R"(^(_audit_creation_date +)[0-9-]+$)", std::regex::multiline);
    return std::regex_replace(
        std::regex_replace(std::regex_replace(text, seconds, "* sec"), seed, "$1[SEED]"), date,
        "$1DATE");
}

// The cases below root: the folders holding args, sorted.
inline std::vector<std::string> case_names(const std::filesystem::path& root) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root))
        if (entry.is_directory() && std::filesystem::exists(entry.path() / "args"))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A case's name as a test name: letters and digits, everything else '_'.
inline std::string test_name(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// Contents of every file below root, by relative path.
inline std::map<std::string, std::string> files_below(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    if (!std::filesystem::exists(root)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), root).string()] = read_file(entry.path());
    return files;
}

// Runs a program with the arguments in a working directory, its standard
// output and error in the two files given; returns the wait status.
using Runner = int (*)(const std::filesystem::path& dir, const std::vector<std::string>& args,
                       const std::filesystem::path& out, const std::filesystem::path& err);

// Runs the case in `folder` and checks its exit status (0), streams and files.
inline void check(const std::filesystem::path& folder, Runner runner) {
    TempDir work;
    TempDir capture;
    if (std::filesystem::exists(folder / "in"))
        std::filesystem::copy(folder / "in", work.path(), std::filesystem::copy_options::recursive);

    int status = runner(work.path(), split_lines(read_file(folder / "args")), capture / "stdout",
                        capture / "stderr");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the program did not exit with status 0 (wait status " << status << ")";
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

}  // namespace transcript
