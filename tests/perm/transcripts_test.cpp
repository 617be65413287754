// End-to-end transcripts of korvi-perm: each folder below tests/perm/transcripts
// holding args is one case (support/transcript.h).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_korvi.h"
#include "support/transcript.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCaseRoot = fs::path(KORVI_TEST_DIR) / "perm" / "transcripts";

int run_perm(const fs::path& dir, const std::vector<std::string>& args, const fs::path& out,
             const fs::path& err) {
    return run_program(KORVI_PERM_BINARY, dir, args, out, err);
}

class PermTranscript : public testing::TestWithParam<std::string> {};

TEST_P(PermTranscript, MatchesExpectedStreamsAndFiles) {
    transcript::check(kCaseRoot / GetParam(), run_perm);
}

INSTANTIATE_TEST_SUITE_P(Perm, PermTranscript,
                         testing::ValuesIn(transcript::case_names(kCaseRoot)),
                         transcript::test_name);

}  // namespace
