// A buffer of its own for a stream read in large pieces: the C library
// takes the size asked for only together with a buffer given to it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

class StreamBuffer {
public:
    // Gives the open stream (none: nothing) a full buffer of `size` bytes.
    // The stream must be closed before the buffer goes.
    StreamBuffer(std::FILE* fp, std::size_t size) {
        if (!fp) return;
        bytes_.reset(new char[size]);
        std::setvbuf(fp, bytes_.get(), _IOFBF, size);
    }

private:
    std::unique_ptr<char[]> bytes_;
};
