// Test helper: a small option table with every kind, and a parse of it that
// captures what the parser prints.
#pragma once

#include "cli/option_parser.h"
#include "support/arguments.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>

namespace test_table {

enum Slot { kFirst, kSecond, kVerbose, kMab, kWalks, kTheta, kDistance, kLattice, kNote, kCount };

inline constexpr const char* kEntries[] = {
    " iwalk file",          " isecond file",     "vlverbose",
    "mlmab walks",          "nnnumber of walks", "tntheta values",
    "dndistance of sphere", "lslattice file",    "cca comment line",
};
static_assert(std::size(kEntries) == kCount);

struct Parse {
    int result = 0;
    std::string errors;  // everything printed on standard error
    std::int64_t values[kCount] = {};
};

inline Parse parse(Arguments& args) {
    Parse parse;
    testing::internal::CaptureStderr();
    parse.result = Bclnp(args.argc(), args.argv(), kCount, kEntries, nullptr, parse.values);
    parse.errors = testing::internal::GetCapturedStderr();
    return parse;
}

inline std::string text(std::int64_t slot) {
    const char* stored = Bclnp_str(slot);
    return stored ? stored : "(none)";
}

}  // namespace test_table
