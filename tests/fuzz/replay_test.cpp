// Replays the seed corpus and every input that once broke a reader through the
// fuzz targets' entry functions, in the ordinary (and sanitizer) test builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "fuzz/targets.h"
#include "support/files.h"

namespace fuzz {

// Test names show the target's name.
void PrintTo(const NamedTarget& target, std::ostream* os) {
    *os << target.name;
}

}  // namespace fuzz

namespace {

namespace fs = std::filesystem;

// The files of tests/fuzz/<name>/ and tests/fuzz/regressions/<name>/.
std::vector<fs::path> inputs_of(const std::string& name) {
    std::vector<fs::path> files;
    const fs::path root = fs::path(KORVI_TEST_DIR) / "fuzz";
    for (const fs::path& dir : {root / name, root / "regressions" / name}) {
        if (!fs::is_directory(dir)) continue;
        for (const auto& f : fs::directory_iterator(dir))
            if (f.is_regular_file()) files.push_back(f.path());
    }
    return files;
}

// The readers' messages go to /dev/null while an input runs.
struct Silenced {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    Silenced() { stdout = stderr = fuzz::null_stream(); }
    ~Silenced() {
        stdout = out;
        stderr = err;
    }
};

class Replay : public testing::TestWithParam<fuzz::NamedTarget> {};

TEST_P(Replay, EveryKeptInputRunsCleanly) {
    const std::vector<fs::path> files = inputs_of(GetParam().name);
    ASSERT_FALSE(files.empty()) << "no seed inputs for " << GetParam().name;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        // Held without a terminating NUL, as the fuzzer holds its inputs, so
        // that a read past the end shows under the address sanitizer.
        const std::string text = read_file(file);
        const auto bytes = std::make_unique<std::uint8_t[]>(text.size());
        std::copy(text.begin(), text.end(), bytes.get());
        int result = 0;
        {
            Silenced quiet;
            result = GetParam().run(bytes.get(), text.size());
        }
        EXPECT_EQ(result, 0);
        EXPECT_EQ(Qhead()->next, Qhead()) << "entries left in the list";
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, Replay, testing::ValuesIn(fuzz::kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
