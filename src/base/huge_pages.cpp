// Huge-page blocks: anonymous mappings aligned to the huge page size.
#include "base/huge_pages.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace {

std::size_t whole_pages(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* huge_page_allocate(std::size_t bytes) {
    if (bytes < kHugeBlock) {
        void* block = std::malloc(bytes == 0 ? 1 : bytes);
        if (!block) throw std::bad_alloc();
        return block;
    }
    const std::size_t length = whole_pages(bytes);
    // Map one huge page more and trim the ends so that the block starts on a
    // huge page boundary.
    void* mapped = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) munmap(mapped, aligned - start);
    const std::uintptr_t end = start + length + kHugePage;
    if (end > aligned + length)
        munmap(reinterpret_cast<void*>(aligned + length), end - aligned - length);
    void* block = reinterpret_cast<void*>(aligned);
    madvise(block, length, MADV_HUGEPAGE);  // only a wish; plain pages work as well
    return block;
}

void huge_page_free(void* block, std::size_t bytes) {
    if (bytes < kHugeBlock) {
        std::free(block);
    } else {
        munmap(block, whole_pages(bytes));
    }
}
