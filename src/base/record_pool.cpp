// Cutting records from blocks.
#include "base/record_pool.h"

#include <algorithm>
#include <cstddef>

#include "base/alloc.h"
#include "base/huge_pages.h"

namespace {

// The first block holds this many bytes of records, each further one twice
// as many as the one before, up to the largest: few blocks for many records
// (records of a block lie at equal distances, which lookups by address make
// use of), little memory for few.
constexpr std::size_t kFirstBlockBytes = std::size_t{64} << 10;
constexpr std::size_t kLargestBlockBytes = std::size_t{8} << 20;

// Large blocks are mapped in huge pages: records filled one by one then cost
// a page fault per huge page rather than per small one.
char* new_block(std::size_t bytes, const char* tag) {
    if (bytes < kHugeBlock) return static_cast<char*>(Balo1(bytes, tag));
    try {
        return static_cast<char*>(huge_page_allocate(bytes));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

RecordPool::RecordPool(std::size_t size)
    : size_((size + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) *
            alignof(std::max_align_t)),
      block_bytes_(kFirstBlockBytes) {}

void* RecordPool::take(const char* tag) {
    if (given_back_) {
        void* record = given_back_;
        given_back_ = *static_cast<void**>(record);
        return record;
    }
    if (static_cast<std::size_t>(end_ - next_) < size_) {
        const std::size_t records = block_bytes_ / size_ > 0 ? block_bytes_ / size_ : 1;
        char* block = new_block(records * size_, tag);
        if (!block) return nullptr;
        next_ = block;
        end_ = block + records * size_;
        block_bytes_ = std::min(2 * block_bytes_, kLargestBlockBytes);
    }
    void* record = next_;
    next_ += size_;
    return record;
}

void RecordPool::give_back(void* record) {
    if (!record) return;
    *static_cast<void**>(record) = given_back_;
    given_back_ = record;
}
