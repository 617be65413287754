// Tagged allocation: single blocks (Balo1) and several arrays laid out in one
// block (Balloc). Everything is released with the ordinary free().
#pragma once

#include <cstddef>
#include <cstdint>

// One uninitialised block of `size` bytes; the tag names the requester.
void* Balo1(std::size_t size, const char* tag);

// count < 0: prepare the shared tables for -count arrays and return the size
//            table (the caller writes one byte count per array into it).
// count > 0: allocate one block holding the first `count` arrays of the size
//            table, each rounded up to 16 bytes, and return the pointer table
//            whose entries address the arrays. The first address is the block.
// count = 0: nothing.
// The tables are process-wide: copy the addresses out before the next call.
void* Balloc(int count, const char* tag);

// Current capacity of the shared tables (0 before the first preparation).
int Balloc_capacity();
