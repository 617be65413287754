// Shares that do not fit together refused with the file at fault. That
// shares join into the pieces of the whole sweep, settings and all, the
// sweep run's test of a sweep merged from its shares shows.
#include "perm/sweep_merge.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "base/output_capture.h"
#include "perm/sweep_share_file.h"
#include "support/files.h"

namespace {

// One distance, three polar angles of which the equator has four azimuths:
// six positions, seven targets, three batches.
ProbeSweepSettings six_positions() {
    ProbeSweepSettings s;
    s.lattice_file = "lsc_3.jkl";
    s.grid = {2.0f, 1.0f, 5.0f, 3, 4};
    s.steps = 6;
    s.batches = 3;
    return s;
}

SweepPieces sampled() {
    SweepPieces pieces(6, 3);
    for (long i = 0; i < pieces.count(); ++i) {
        pieces[i].state = PieceState::kSampled;
        pieces[i].log_z = 0.5 * static_cast<double>(i);
        pieces[i].walks = i;
    }
    return pieces;
}

void write_share_file(const std::string& prefix, const Share& share,
                      const ProbeSweepSettings& settings, const SweepPieces& pieces) {
    std::FILE* fp = std::fopen(share_file_name(prefix, share).c_str(), "w");
    write_share(fp, settings, share, pieces);
    std::fclose(fp);
}

// Merges the two shares of `prefix`; what it printed goes to *message.
std::optional<SweepPieces> merge(const std::string& prefix, std::string* message) {
    OutputCapture capture;
    ProbeSweepSettings settings;
    std::optional<SweepPieces> pieces = merge_shares(prefix, 2, settings);
    for (const PrintedText& printed : capture.take()) *message += printed.text;
    return pieces;
}

}  // namespace

TEST(SweepMerge, SharesThatDoNotFitTogetherAreRefusedNamingTheFile) {
    TempDir dir;
    const std::string prefix = (dir / "run").string();
    auto refused = [&](const char* expected) {
        std::string message;
        EXPECT_FALSE(merge(prefix, &message));
        EXPECT_NE(message.find(expected), std::string::npos) << message;
    };
    const SweepPieces pieces = sampled();
    write_share_file(prefix, {1, 2}, six_positions(), pieces);
    refused("run.2-of-2.share: No such file");

    ProbeSweepSettings other = six_positions();
    other.seed = 2;
    write_share_file(prefix, {2, 2}, other, pieces);
    refused("run.2-of-2.share comes from another sweep than");

    SweepPieces lacking = pieces;
    lacking[5].state = PieceState::kMissing;  // share 2 was written before it ran
    write_share_file(prefix, {2, 2}, six_positions(), lacking);
    refused("run.2-of-2.share lacks the piece of target 1, batch 2!");

    write_share_file(prefix, {1, 3}, six_positions(), pieces);
    std::rename(share_file_name(prefix, {1, 3}).c_str(), share_file_name(prefix, {1, 2}).c_str());
    refused("run.1-of-2.share holds share 1 of 3, not 1 of 2!");

    ProbeSweepSettings wider = six_positions();
    wider.grid.phi_count = 6;
    write_share_file(prefix, {1, 2}, wider, pieces);
    refused("run.1-of-2.share: 21 pieces do not fit the 8 positions of its grid!");
}
