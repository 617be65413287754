#include "cli/file_names.h"

#include <gtest/gtest.h>

namespace {

std::string with_extension(const char* name, const char* extension, int replace) {
    char out[kFileNameSize];
    return Bfil_ext(name, extension, replace, out);
}

}  // namespace

TEST(FileExtension, IsAddedOnlyWhenTheFilePartHasNoDot) {
    EXPECT_EQ(with_extension("walks", "lwk", 0), "walks.lwk");
    EXPECT_EQ(with_extension("walks", ".lwk", 0), "walks.lwk");
    EXPECT_EQ(with_extension("run.d/walks", "lwk", 1), "run.d/walks.lwk");
    EXPECT_EQ(with_extension("walks.mab", "lwk", 0), "walks.mab");
    EXPECT_EQ(with_extension("dir/a", nullptr, 1), "dir/a");
}

TEST(FileExtension, ReplaceStartsAtTheFirstDotOfTheFilePart) {
    EXPECT_EQ(with_extension("dir/a.b.mab", "lwk", 1), "dir/a.lwk");
    EXPECT_EQ(with_extension("x.y/a.b.mab", ".lwk", 1), "x.y/a.lwk");
    char name[kFileNameSize] = "walks.1.mab";
    EXPECT_EQ(Bfil_ext(name, "lwk", 1, name), name);
    EXPECT_STREQ(name, "walks.lwk");
}

TEST(FileExtension, MissingNameOrOutputGivesNull) {
    char out[kFileNameSize];
    EXPECT_EQ(Bfil_ext(nullptr, "lwk", 0, out), nullptr);
    EXPECT_EQ(Bfil_ext("a", "lwk", 0, nullptr), nullptr);
}
