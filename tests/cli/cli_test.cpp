// End-to-end transcripts of korvi: each folder below tests/cli holding args is
// one case (support/transcript.h), run by the program and by korvi's main.
#include "support/run_korvi.h"
#include "support/transcript.h"

#include "driver/korvi.h"

#include <gtest/gtest.h>

#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kCaseRoot = fs::path(KORVI_TEST_DIR) / "cli";

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

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, MatchesExpectedStreamsAndFiles) {
    transcript::check(kCaseRoot / GetParam(), run_korvi);
}

TEST_P(Transcript, MatchesThemAlsoWhenTheWalkFileIsReadAtEveryPosition) {
    transcript::check(kCaseRoot / GetParam(), run_korvi_streaming);
}

INSTANTIATE_TEST_SUITE_P(Cli, Transcript, testing::ValuesIn(transcript::case_names(kCaseRoot)),
                         transcript::test_name);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Transcript);

}  // namespace
