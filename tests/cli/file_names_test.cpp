// Bfil_ext: an extension added to a file part without a dot, or put in place
// of everything from its first dot.
#include "cli/file_names.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

TEST(FileExtension, IsAddedWhenTheFilePartHasNoDotOrReplacesFromItsFirstDot) {
    // name, extension, replace, result
    const std::tuple<const char*, const char*, int, std::string> cases[] = {
        {"walks", "lwk", 0, "walks.lwk"},
        {"walks", ".lwk", 0, "walks.lwk"},
        {"run.d/walks", "lwk", 1, "run.d/walks.lwk"},
        {"walks.mab", "lwk", 0, "walks.mab"},
        {"dir/a", nullptr, 1, "dir/a"},
        {"dir/a.b.mab", "lwk", 1, "dir/a.lwk"},
        {"x.y/a.b.mab", ".lwk", 1, "x.y/a.lwk"},
    };
    char out[kFileNameSize];
    for (const auto& [name, extension, replace, result] : cases)
        EXPECT_EQ(Bfil_ext(name, extension, replace, out), result) << name;
    char name[kFileNameSize] = "walks.1.mab";  // in place
    EXPECT_EQ(Bfil_ext(name, "lwk", 1, name), name);
    EXPECT_STREQ(name, "walks.lwk");
    EXPECT_EQ(Bfil_ext(nullptr, "lwk", 0, out), nullptr);
    EXPECT_EQ(Bfil_ext("a", "lwk", 0, nullptr), nullptr);
}
