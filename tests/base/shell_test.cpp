#include "base/shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(ShellExpansion, TextWithoutDollarIsNotRun) { EXPECT_EQ(Bprs("plain name.opt"), nullptr); }

TEST(ShellExpansion, VariablesAreExpandedAndBlanksKept) {
    setenv("KORVI_TEST_DIR_VAR", "/tmp/some where", 1);
    char* expanded = Bprs("$KORVI_TEST_DIR_VAR/run.opt");
    ASSERT_NE(expanded, nullptr);
    EXPECT_STREQ(expanded, "/tmp/some where/run.opt");
    std::free(expanded);
}

TEST(ShellExpansion, OutputLongerThanTheFirstBufferGrowsIt) {
    std::string long_value(300, 'x');
    setenv("KORVI_TEST_LONG_VAR", long_value.c_str(), 1);
    char* expanded = Bprs("${KORVI_TEST_LONG_VAR}y");
    ASSERT_NE(expanded, nullptr);
    EXPECT_EQ(std::string(expanded), long_value + "y");
    std::free(expanded);
}

TEST(ShellExpansion, OnlyTheFirstLineIsKept) {
    setenv("KORVI_TEST_LINES_VAR", "one\ntwo", 1);
    char* expanded = Bprs("$KORVI_TEST_LINES_VAR");
    ASSERT_NE(expanded, nullptr);
    EXPECT_STREQ(expanded, "one");
    std::free(expanded);
}
