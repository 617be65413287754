// A file's bytes mapped read-only into memory, read once from front to back:
// no copy through a stream buffer, and the pages already read can be let go.
#pragma once

#include <cstddef>
#include <string_view>

class MappedFile {
public:
    // Maps the whole of the open regular file fd; an empty file is an empty text.
    explicit MappedFile(int fd);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // False when the file could not be mapped (not a regular file, for one).
    bool mapped() const { return mapped_; }
    std::string_view text() const { return {data_, size_}; }

    // The reader has come to offset: the pages up to two steps ahead are
    // read in now, and those wholly before offset are given back. The text
    // stays readable (a page touched again is read again from the system's
    // file cache) but what lies behind stops counting towards the process's
    // memory.
    void advance_to(std::size_t offset);

private:
    void read_ahead_to(std::size_t offset);

    const char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t populated_ = 0;  // bytes from the start read in
    std::size_t released_ = 0;   // bytes from the start given back
    bool mapped_ = false;
};
