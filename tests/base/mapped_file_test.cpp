// Whole files mapped into memory: the text as in the file, also after the
// pages read are given back; empty files and pipes.
#include "base/mapped_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "support/files.h"

namespace {

class OpenFile {
public:
    explicit OpenFile(const std::filesystem::path& path) : fd_(open(path.c_str(), O_RDONLY)) {}
    ~OpenFile() { close(fd_); }
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

TEST(MappedFile, HoldsTheFileAndStaysReadableAfterGivingPagesBack) {
    TempDir dir;
    std::string text;
    for (int i = 0; text.size() < (std::size_t{3} << 20); ++i) text += std::to_string(i) + "\n";
    write_file(dir / "big", text);
    OpenFile file(dir / "big");
    MappedFile mapped(file.fd());
    ASSERT_TRUE(mapped.mapped());
    EXPECT_EQ(mapped.text(), text);
    mapped.advance_to(text.size() / 2);
    mapped.advance_to(text.size());
    EXPECT_EQ(mapped.text(), text);
}

TEST(MappedFile, AnEmptyFileIsAnEmptyTextAndAPipeIsNotMapped) {
    TempDir dir;
    write_file(dir / "empty", "");
    OpenFile empty(dir / "empty");
    MappedFile mapped(empty.fd());
    EXPECT_TRUE(mapped.mapped());
    EXPECT_TRUE(mapped.text().empty());

    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    EXPECT_FALSE(MappedFile(ends[0]).mapped());
    close(ends[0]);
    close(ends[1]);
}
