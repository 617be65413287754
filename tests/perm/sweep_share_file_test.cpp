// Share files: written and read back to the same bits and the same bytes,
// and malformed ones refused with the line and what was expected.
#include "perm/sweep_share_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "base/output_capture.h"
#include "support/memory_stream.h"

namespace {

ProbeSweepSettings sample_settings() {
    ProbeSweepSettings s;
    s.lattice_file = "ldmd 10.jkl";
    s.grid = {5.0f, 3.0f, -25.0f, 0, -2};
    s.first = {5.0f, 5.0f, 0.1f};
    s.steps = 100;
    s.parameters = {1.5f, 2.0f, -0.3f};
    s.tours_per_batch = 40;
    s.batches = 3;
    s.seed = -7;
    return s;
}

// Three positions, three batches; pieces with awkward numbers.
SweepPieces sample_pieces() {
    SweepPieces pieces(3, 3);
    for (long i = 0; i < pieces.count(); ++i) {
        Piece& p = pieces[i];
        p.state = PieceState::kSampled;
        p.log_z = std::log(1.0 + static_cast<double>(i)) / 3.0 - 1e-300;
        p.walks = 1000 + i;
        p.steps = 123456789012LL + i;
        p.outer_shell_walks = i % 2;
    }
    pieces[4].log_z = -INFINITY;
    for (int b = 0; b < 3; ++b) pieces.at(2, b).state = PieceState::kBeyondReach;
    for (int b = 0; b < 3; ++b) pieces.at(3, b).state = PieceState::kClosedOff;
    return pieces;
}

bool read_text(const std::string& text, ShareFile& file, std::string* message = nullptr) {
    std::FILE* fp = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    bool ok = false;
    {
        OutputCapture capture;
        ok = read_share(fp, "s.share", file);
        for (const PrintedText& printed : capture.take())
            if (message) *message += printed.text;
    }
    std::fclose(fp);
    return ok;
}

std::string share_text(const Share& share) {
    return written(
        [&](std::FILE* fp) { write_share(fp, sample_settings(), share, sample_pieces()); });
}

}  // namespace

TEST(SweepShareFile, ReadsBackEveryNumberToTheSameBitsAndWritesTheSameBytes) {
    const Share share{2, 3};
    const std::string text = share_text(share);
    ShareFile file;
    ASSERT_TRUE(read_text(text, file));
    EXPECT_EQ(file.pieces, 12);
    // Written again from what was read, every setting and piece gives its bytes.
    const SweepPieces pieces = sample_pieces();
    ASSERT_EQ(file.held.size(), 4u);  // pieces 1, 4, 7, 10
    for (const auto& [index, piece] : file.held) {
        if (piece.state == PieceState::kSampled) {
            EXPECT_EQ(piece.log_z, pieces[index].log_z) << index;
        }
    }
    SweepPieces again(3, 3);
    for (const auto& [index, piece] : file.held) again[index] = piece;
    EXPECT_EQ(written([&](std::FILE* fp) { write_share(fp, file.settings, file.share, again); }),
              text);
    EXPECT_NE(text.find("piece\t2\t1\tbeyond-reach\n"), std::string::npos);
    EXPECT_NE(text.find("piece\t3\t1\tclosed-off\n"), std::string::npos);
    EXPECT_NE(text.find("\t-inf\t"), std::string::npos);
}

TEST(SweepShareFile, AMalformedFileIsRefusedWithItsLineAndWhatWasExpected) {
    const std::string text = share_text({1, 3});
    auto refused = [](std::string changed, const char* expected) {
        ShareFile file;
        std::string message;
        EXPECT_FALSE(read_text(changed, file, &message));
        EXPECT_NE(message.find(expected), std::string::npos) << message;
    };
    auto replace = [&](const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    refused(text.substr(0, text.find("end\t")), "s.share: ends after line 14, expected a piece");
    refused(replace("grid\t5\t3\t-25", "grid\t5\t3x\t-25"),
            "s.share, line 3: expected 'grid' and -s -r -d -t -p, got 'grid\t5\t3x\t-25\t0\t-2'");
    refused(replace("batches\t3", "batches\t1"), "line 8: expected 'batches' and a number of at");
    refused(replace("piece\t0\t0\t", "piece\t0\t1\t"), "line 11: expected a piece of this share");
    refused(replace("end\t4", "end\t5"), "line 15: expected a piece of this share");
    refused("korvi-perm sweep share\t4\t3\n", "line 1: expected 'korvi-perm sweep share'");
}
