// End-to-end transcripts of korvi-perm: each folder below tests/perm/transcripts
// holding args is one case (support/transcript.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "support/run_korvi.h"
#include "support/transcript.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCaseRoot = fs::path(KORVI_TEST_DIR) / "perm" / "transcripts";

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCaseRoot))
        if (entry.is_directory() && fs::exists(entry.path() / "args"))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

int run_perm(const fs::path& dir, const std::vector<std::string>& args, const fs::path& out,
             const fs::path& err) {
    return run_program(KORVI_PERM_BINARY, dir, args, out, err);
}

class PermTranscript : public testing::TestWithParam<std::string> {};

TEST_P(PermTranscript, MatchesExpectedStreamsAndFiles) {
    transcript::check(kCaseRoot / GetParam(), run_perm);
}

std::string test_name(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Perm, PermTranscript, testing::ValuesIn(case_names()), test_name);

}  // namespace
