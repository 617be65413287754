// Bprs: text with a '$' expanded by the shell, its first line kept.
#include "base/shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

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

TEST(ShellExpansion, VariablesAreExpandedWithTheirBlanksAndOnlyTheFirstLineIsKept) {
    const std::string long_value(300, 'x');  // longer than the first buffer
    setenv("KORVI_TEST_DIR_VAR", "/tmp/some where", 1);
    setenv("KORVI_TEST_LONG_VAR", long_value.c_str(), 1);
    setenv("KORVI_TEST_LINES_VAR", "one\ntwo", 1);
    const std::pair<const char*, std::string> cases[] = {
        {"plain name.opt", "(none)"},  // text without '$' is not run
        {"$KORVI_TEST_DIR_VAR/run.opt", "/tmp/some where/run.opt"},
        {"${KORVI_TEST_LONG_VAR}y", long_value + "y"},
        {"$KORVI_TEST_LINES_VAR", "one"},
    };
    for (const auto& [text, expanded] : cases) EXPECT_EQ(expand(text), expanded) << text;
}
