// End-to-end transcripts of korvi-stats: each folder below tests/stats/transcripts
// holding args is one case (support/transcript.h).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_korvi.h"
#include "support/transcript.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCaseRoot = fs::path(KORVI_TEST_DIR) / "stats" / "transcripts";

int run_stats(const fs::path& dir, const std::vector<std::string>& args, const fs::path& out,
              const fs::path& err) {
    return run_program(KORVI_STATS_BINARY, dir, args, out, err);
}

class StatsTranscript : public testing::TestWithParam<std::string> {};

TEST_P(StatsTranscript, MatchesExpectedStreamsAndFiles) {
    transcript::check(kCaseRoot / GetParam(), run_stats);
}

INSTANTIATE_TEST_SUITE_P(Stats, StatsTranscript,
                         testing::ValuesIn(transcript::case_names(kCaseRoot)),
                         transcript::test_name);

}  // namespace
