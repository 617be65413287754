// The sweep mode end to end on a lattice file: the shares of a sweep merged
// into the table of one run, byte for byte, and the settings it refuses. That
// the pieces do not depend on the number of threads is checked in the probe
// sweep's tests.
#include "perm/sweep_run.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/output_capture.h"
#include "support/files.h"
#include "support/run_korvi.h"

namespace fs = std::filesystem;

namespace {

class SweepRun : public testing::Test {
protected:
    // A diamond lattice of 6 shells, made once for all tests.
    static void SetUpTestSuite() {
        dir = std::make_unique<TempDir>();
        run_program(KORVI_BINARY, dir->path(), {"-g6", "-b0"}, *dir / "korvi.out",
                    *dir / "korvi.err");
    }

    static ProbeSweepSettings settings() {
        ProbeSweepSettings s;
        s.lattice_file = (*dir / "ldmd_6.jkl").string();
        s.grid = {4.0f, 2.0f, -9.0f, 0, 0};
        s.first = {4.0f, 4.0f, 0.0f};
        s.steps = 12;
        s.parameters = {0.5f, 2.0f, 0.3f};
        s.tours_per_batch = 10;
        s.batches = 4;
        s.seed = 11;
        return s;
    }

    // Runs the sweep mode quietly; returns whether it completed and, in
    // *message, what it printed.
    static bool run(const ProbeSweepSettings& s, const SweepRunOptions& options,
                    std::string* message = nullptr) {
        OutputCapture capture;
        const bool ok = run_probe_sweep(s, options, stdout);
        for (const PrintedText& printed : capture.take())
            if (message) *message += printed.text;
        return ok;
    }

    static std::string prefix(const std::string& name) { return (*dir / name).string(); }

    static inline std::unique_ptr<TempDir> dir;
};

}  // namespace

TEST_F(SweepRun, SharesMergedGiveTheTableAndPictureOfOneRun) {
    const std::string whole = prefix("whole"), shared = prefix("shared");
    SweepRunOptions options;
    options.threads = 2;
    options.output_prefix = whole.c_str();
    ASSERT_TRUE(run(settings(), options));
    options.output_prefix = shared.c_str();
    for (int k = 1; k <= 3; ++k) {
        options.share = {k, 3};
        std::string message;
        ASSERT_TRUE(run(settings(), options, &message));
        EXPECT_NE(message.find("Written: " + shared + "." + std::to_string(k) + "-of-3.share"),
                  std::string::npos);
    }
    SweepRunOptions merge;
    merge.merge = 3;
    merge.output_prefix = shared.c_str();
    ASSERT_TRUE(run({}, merge));
    EXPECT_EQ(read_file(shared + ".tsv"), read_file(whole + ".tsv"));
    // gnuplot draws the same picture from the same rows, when it is there.
    if (fs::exists(whole + ".svg")) {
        EXPECT_EQ(read_file(shared + ".svg"), read_file(whole + ".svg"));
    }
}

TEST_F(SweepRun, SettingsThatCannotGiveASweepAreRefusedWithAMessage) {
    auto refused = [](ProbeSweepSettings s, SweepRunOptions options, const char* expected) {
        std::string message;
        EXPECT_FALSE(run(s, options, &message));
        EXPECT_NE(message.find(expected), std::string::npos) << message;
    };
    ProbeSweepSettings s = settings();
    s.batches = 1;
    refused(s, {}, "at least 2 batches (-k)");
    s = settings();
    s.grid.radius = 0.0f;
    refused(s, {}, "probe radius greater than 0 (-r)");
    SweepRunOptions share;
    share.share = {2, 3};
    refused(settings(), share, "it needs -o PREFIX");
    share.share = {4, 3};
    refused(settings(), share, "1 <= k <= m");
    s = settings();
    s.lattice_file = prefix("missing.jkl");
    refused(s, {}, "missing.jkl: No such file");
    SweepRunOptions merge;
    merge.merge = 2;
    const std::string none = prefix("none");
    merge.output_prefix = none.c_str();
    refused(settings(), merge, "none.1-of-2.share: No such file");
}
