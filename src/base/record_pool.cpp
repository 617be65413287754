// Cutting records from blocks.
#include "base/record_pool.h"

#include <cstddef>

#include "base/alloc.h"

namespace {

// A block holds this many bytes of records: large enough that blocks are
// rarely made, small enough for a handful of records.
constexpr std::size_t kBlockBytes = std::size_t{64} << 10;

}  // namespace

RecordPool::RecordPool(std::size_t size)
    : size_((size + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) *
            alignof(std::max_align_t)) {}

void* RecordPool::take(const char* tag) {
    if (given_back_) {
        void* record = given_back_;
        given_back_ = *static_cast<void**>(record);
        return record;
    }
    if (static_cast<std::size_t>(end_ - next_) < size_) {
        const std::size_t records = kBlockBytes / size_ > 0 ? kBlockBytes / size_ : 1;
        auto* block = static_cast<char*>(Balo1(records * size_, tag));
        if (!block) return nullptr;
        next_ = block;
        end_ = block + records * size_;
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
