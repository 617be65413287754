#include "base/output_capture.h"

#include <gtest/gtest.h>

#include <cstdio>

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
    ASSERT_EQ(printed.size(), 4u);
    const PrintedText expected[] = {{false, "a"}, {true, "b\n"}, {false, "c\ninner\n"}, {true, "x2\n"}};
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_EQ(printed[i].error, expected[i].error) << i;
        EXPECT_EQ(printed[i].text, expected[i].text) << i;
    }
}
