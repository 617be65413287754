#include "base/shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Bprs of text as a string, "(none)" for no result.
std::string expand(const char* text) {
    char* expanded = Bprs(text);
    if (!expanded) return "(none)";
    std::string result = expanded;
    std::free(expanded);
    return result;
}

}  // namespace

TEST(ShellExpansion, TextWithoutDollarIsNotRun) {
    EXPECT_EQ(expand("plain name.opt"), "(none)");
}

TEST(ShellExpansion, VariablesAreExpandedAndBlanksKept) {
    setenv("KORVI_TEST_DIR_VAR", "/tmp/some where", 1);
    EXPECT_EQ(expand("$KORVI_TEST_DIR_VAR/run.opt"), "/tmp/some where/run.opt");
}

TEST(ShellExpansion, OutputLongerThanTheFirstBufferGrowsIt) {
    std::string long_value(300, 'x');
    setenv("KORVI_TEST_LONG_VAR", long_value.c_str(), 1);
    EXPECT_EQ(expand("${KORVI_TEST_LONG_VAR}y"), long_value + "y");
}

TEST(ShellExpansion, OnlyTheFirstLineIsKept) {
    setenv("KORVI_TEST_LINES_VAR", "one\ntwo", 1);
    EXPECT_EQ(expand("$KORVI_TEST_LINES_VAR"), "one");
}
