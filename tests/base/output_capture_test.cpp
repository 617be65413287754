// Output capture: both streams recorded in the order printed, captures nested.
#include "base/output_capture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

TEST(OutputCapture, RecordsBothStreamsInTheOrderPrintedAndNests) {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    std::vector<PrintedText> printed;
    {
        OutputCapture outer;
        std::printf("a");
        std::fputs("b\n", stderr);
        std::vector<PrintedText> inner_text;
        {
            OutputCapture inner;
            std::puts("inner");
            std::fprintf(stderr, "x%d\n", 2);
            inner_text = inner.take();
        }
        std::printf("c\n");
        for (const PrintedText& p : inner_text) print_again(p);
        printed = outer.take();
    }
    EXPECT_EQ(stdout, out);
    EXPECT_EQ(stderr, err);
    std::string pieces;  // consecutive writes to one stream joined
    for (const PrintedText& p : printed) pieces += (p.error ? "[err]" : "[out]") + p.text;
    EXPECT_EQ(pieces, "[out]a[err]b\n[out]c\ninner\n[err]x2\n");
}
