// A file read front to back through one buffer, in pieces that end where
// the caller's reader can start again.
#pragma once

#include <cstddef>
#include <string_view>

class FilePieces {
public:
    // How much of text, from its start, makes whole pieces: the length up to
    // the end of the last place where a piece may end (0: none).
    using WholeLength = std::size_t (*)(std::string_view text);

    // The open regular file fd, read from its start without moving the
    // descriptor's offset.
    explicit FilePieces(int fd);
    ~FilePieces();
    FilePieces(const FilePieces&) = delete;
    FilePieces& operator=(const FilePieces&) = delete;

    // False for anything but a regular file.
    bool readable() const { return readable_; }

    // The next piece in *piece: what follows the last piece, up to where
    // whole_length lets it end, or to the end of the file for the last
    // piece; empty after the last. The text stays valid until the next call.
    // False when the file cannot be read, or no memory is left for the buffer.
    bool next(std::string_view* piece, WholeLength whole_length);

private:
    bool fill();

    int fd_;
    bool readable_ = false;
    bool at_end_ = false;
    char* buffer_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t first_capacity_ = 0;
    std::size_t start_ = 0;  // where the text not yet given begins
    std::size_t filled_ = 0;
    long long offset_ = 0;  // in the file, of the byte after the buffer's text
};
