// Records of one size cut from blocks of many: a lattice of hundreds of
// thousands of atoms and bonds is built without a call of the allocator for
// each, and its records lie side by side in memory. A record given back is
// handed out again before a new one is cut. Blocks stay with the pool until
// the process ends. For use from one thread.
#pragma once

#include <cstddef>

class RecordPool {
public:
    // Records of `size` bytes, aligned for any type the allocator serves.
    explicit RecordPool(std::size_t size);
    RecordPool(const RecordPool&) = delete;
    RecordPool& operator=(const RecordPool&) = delete;

    // An uninitialised record, or null when no block could be allocated
    // (under `tag`, the requester's name).
    void* take(const char* tag);
    // A record taken from this pool, to be handed out again.
    void give_back(void* record);

private:
    std::size_t size_;
    std::size_t block_bytes_;  // of the next block
    char* next_ = nullptr;  // the uncut rest of the newest block
    char* end_ = nullptr;
    void* given_back_ = nullptr;  // records given back, linked through their first bytes
};
