// The report of a sampling run: numbers written in decimal notation from
// their logarithms, the warning about the outer shell, and the table.
#include "perm/sampling_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "support/memory_stream.h"

TEST(SamplingReport, NumbersFromTheirLogarithmsAtAnyMagnitude) {
    EXPECT_EQ(exp10_text(0.0, 6), "1.00000e+00");
    EXPECT_EQ(exp10_text(std::log(150.0), 6), "1.50000e+02");
    EXPECT_EQ(exp10_text(std::log(0.0025), 2), "2.5e-03");
    // e^1000 = 1.970071114...e434 and e^-1000 = 5.075958897...e-435.
    EXPECT_EQ(exp10_text(1000.0, 6), "1.97007e+434");
    EXPECT_EQ(exp10_text(-1000.0, 6), "5.07596e-435");
    // 9.9999996 rounds to the next power of ten.
    EXPECT_EQ(exp10_text(std::log(9.9999996), 6), "1.00000e+01");
    EXPECT_EQ(exp10_text(-std::numeric_limits<double>::infinity(), 6), "0");
    EXPECT_EQ(exp10_text(std::nan(""), 2), "nan");
}

namespace {

// A run of 2 steps on a lattice of outer shell 9, Z_1 = 4 exactly and
// Z_2 = 12 with a relative error of 1/4.
SamplingReport two_steps(const PermOptions& options) {
    SamplingReport report;
    report.options = &options;
    report.lattice_name = "lsc_9.jkl";
    report.outer_shell = 9;
    report.result.z = {{0.0, 0.0}, {std::log(4.0), 0.0}, {std::log(12.0), 0.25}};
    report.result.tours = 30;
    report.result.walks = 40;
    report.result.effective_walks = 31.25;
    report.result.steps = 100;
    return report;
}

}  // namespace

TEST(SamplingReport, CommentLinesDescribeTheRunAndTheTableGivesEveryLength) {
    PermOptions options;
    options.shift = 5.0f;
    options.radius = 5.0f;
    options.steps = 2;
    options.tours = 10;
    options.batches = 3;
    options.seed = 8;
    options.parameters = {1.5f, 2.0f, -0.25f};
    SamplingReport report = two_steps(options);
    report.walk_name = "w.lwk";
    report.written = 30;
    report.written_effective = 29.5;
    EXPECT_EQ(written([&](std::FILE* fp) { write_sampling_table(fp, report); }),
              "# korvi-perm: self-avoiding walks of 2 steps from the origin of lsc_9.jkl (lattice "
              "shift 5, outer shell 9)\n"
              "# first sphere: radius 5, centre at x = 0\n"
              "# walk parameters: A 1.5, lambda 2, E -0.25\n"
              "# seed 8: 3 batches of 10 tours, 30 tours; errors are standard errors of the mean "
              "of the batches\n"
              "# Z_N = 1.20000e+01 +- 3.0e+00\n"
              "# ln Z_N = 2.484907 +- 0.25\n"
              "# walks of 2 steps: 40, n_eff 31.2; written to w.lwk: 30, n_eff 29.5\n"
              "# steps placed: 100\n"
              "# n\tln_Z\tln_Z_err\n"
              "0\t0.000000\t0\n"
              "1\t1.386294\t0\n"
              "2\t2.484907\t0.25\n");
    EXPECT_EQ(outer_shell_warning(report), "");
}

TEST(SamplingReport, WalksOnTheOuterShellAreCountedInAWarning) {
    PermOptions options;
    options.steps = 2;
    SamplingReport report = two_steps(options);
    report.result.outer_shell_walks = 10;
    EXPECT_EQ(outer_shell_warning(report),
              "10 of 40 walks of 2 steps (25%) reached the lattice's outer shell (shell 9): the "
              "lattice is too small for them, and Z_N counts only the walks that fit in it");
    const std::string table =
        written([&](std::FILE* fp) { write_sampling_table(fp, report); });
    EXPECT_NE(table.find("# first sphere: none\n"), std::string::npos);
    EXPECT_NE(table.find("none written\n"), std::string::npos);
    EXPECT_NE(table.find("\n# warning: 10 of 40 walks"), std::string::npos);
}
