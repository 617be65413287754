// Files read in pieces: the pieces end where the caller lets them, or at the
// end of the file, and join to the whole file, through pieces longer than
// the first buffer; empty files and pipes; the descriptor's offset stays
// where it was.
#include "base/file_pieces.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

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

// Pieces end after the last "!" of the text given.
std::size_t through_last_mark(std::string_view text) {
    const std::size_t at = text.rfind('!');
    return at == std::string_view::npos ? 0 : at + 1;
}

std::vector<std::string> pieces_of(int fd) {
    FilePieces file(fd);
    std::vector<std::string> pieces;
    std::string_view piece;
    while (file.next(&piece, through_last_mark)) {
        if (piece.empty()) return pieces;
        pieces.emplace_back(piece);
    }
    pieces.emplace_back("(unreadable)");
    return pieces;
}

}  // namespace

TEST(FilePieces, PiecesEndAtTheMarksAndJoinToTheFile) {
    TempDir dir;
    // Marks far apart: one stretch without a mark is longer than the first buffer.
    std::string text;
    for (int i = 0; text.size() < (std::size_t{5} << 20); ++i) {
        text += std::to_string(i) + (i % 1000 == 999 ? "!\n" : "\n");
        if (i == 200000) text += std::string(std::size_t{3} << 20, 'x') + "!";
    }
    text += "tail without a mark";
    write_file(dir / "big", text);
    OpenFile file(dir / "big");
    ASSERT_EQ(lseek(file.fd(), 7, SEEK_SET), 7);
    const std::vector<std::string> pieces = pieces_of(file.fd());
    EXPECT_EQ(lseek(file.fd(), 0, SEEK_CUR), 7);
    ASSERT_GT(pieces.size(), 1u);
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i + 1 < pieces.size()) {
            EXPECT_EQ(pieces[i].back(), '!') << i;
        }
        joined += pieces[i];
    }
    EXPECT_TRUE(pieces.back().ends_with("tail without a mark"));
    EXPECT_EQ(joined, text);
}

TEST(FilePieces, SmallAndEmptyFilesAndPipes) {
    TempDir dir;
    write_file(dir / "small", "a!b!c");
    write_file(dir / "empty", "");
    OpenFile small(dir / "small");
    OpenFile empty(dir / "empty");
    // Read to its end at once, a file is one piece.
    EXPECT_EQ(pieces_of(small.fd()), std::vector<std::string>{"a!b!c"});
    EXPECT_TRUE(pieces_of(empty.fd()).empty());

    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    EXPECT_FALSE(FilePieces(ends[0]).readable());
    EXPECT_EQ(pieces_of(ends[0]), std::vector<std::string>{"(unreadable)"});
    close(ends[0]);
    close(ends[1]);
}
