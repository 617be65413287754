// Reading a file in pieces through one buffer of huge pages: the reader's
// every access lands in a page already mapped, where a mapping of the file
// itself would have its pages mapped one by one, each at a cost.
#include "base/file_pieces.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "base/huge_pages.h"

FilePieces::FilePieces(int fd) : fd_(fd) {
    struct stat status {};
    readable_ = fd >= 0 && fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    // A small file is read whole by the first read, which finds its end too.
    if (readable_) first_capacity_ = std::min(kHugePage, static_cast<std::size_t>(status.st_size) + 1);
}

FilePieces::~FilePieces() {
    if (buffer_) huge_page_free(buffer_, capacity_);
}

bool FilePieces::next(std::string_view* piece, WholeLength whole_length) {
    if (!readable_) return false;
    for (;;) {
        const std::string_view text(buffer_ + start_, filled_ - start_);
        const std::size_t whole = at_end_ ? text.size() : whole_length(text);
        if (whole > 0 || at_end_) {
            *piece = text.substr(0, whole);
            start_ += whole;
            return true;
        }
        if (!fill()) return false;
    }
}

// Moves the text not yet given to the buffer's start and reads on after it,
// in a buffer twice as large when it is full (a file grown since it was
// opened, or a piece longer than the buffer).
bool FilePieces::fill() {
    const std::size_t rest = filled_ - start_;
    if (!buffer_ || rest == capacity_) {
        const std::size_t capacity = buffer_ ? 2 * capacity_ : first_capacity_;
        char* buffer = nullptr;
        try {
            buffer = static_cast<char*>(huge_page_allocate(capacity));
        } catch (const std::bad_alloc&) {
            return false;
        }
        if (buffer_) {
            std::memcpy(buffer, buffer_ + start_, rest);
            huge_page_free(buffer_, capacity_);
        }
        buffer_ = buffer;
        capacity_ = capacity;
    } else if (start_ > 0) {
        std::memmove(buffer_, buffer_ + start_, rest);
    }
    start_ = 0;
    filled_ = rest;
    while (filled_ < capacity_) {
        const ssize_t got = pread(fd_, buffer_ + filled_, capacity_ - filled_, offset_);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) {
            at_end_ = true;
            break;
        }
        filled_ += static_cast<std::size_t>(got);
        offset_ += got;
    }
    return true;
}
