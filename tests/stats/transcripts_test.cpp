// End-to-end transcripts of korvi-stats: each folder below tests/stats/transcripts
// is one case (support/transcript.h).
#include <gtest/gtest.h>

#include "support/run_korvi.h"
#include "support/transcript.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCaseRoot = fs::path(KORVI_TEST_DIR) / "stats" / "transcripts";

int run_stats(const fs::path& dir, const std::vector<std::string>& args, const fs::path& out,
              const fs::path& err) {
    return run_program(KORVI_STATS_BINARY, dir, args, out, err);
}

}  // namespace

TEST(StatsTranscript, ARefusedDistanceEndsTheRunBeforeAnythingIsWritten) {
    transcript::check(kCaseRoot / "distance_out_of_range", run_stats);
}

TEST(StatsTranscript, ARefusedBlockCountEndsTheRunBeforeAnythingIsWritten) {
    transcript::check(kCaseRoot / "blocks_out_of_range", run_stats);
}

TEST(StatsTranscript, ARefusedNumberInAnOptionFileEndsTheRunThere) {
    transcript::check(kCaseRoot / "generation_shift_out_of_range_in_option_file", run_stats);
}
