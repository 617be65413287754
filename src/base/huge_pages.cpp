// Huge-page blocks: anonymous mappings aligned to the huge page size.
#include "base/huge_pages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::uintptr_t kSmallPage = 4096;

std::size_t whole_pages(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

std::uintptr_t align_up(std::uintptr_t address) {
    return (address + kHugePage - 1) / kHugePage * kHugePage;
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

void reserve_heap_in_huge_pages(std::size_t bytes) {
    static bool reserved = false;
    if (bytes < 4 * kHugePage || reserved) return;
    reserved = true;
    // Half as much again for the working arrays made after the records;
    // whole huge pages inside the block must cover that.
    const std::size_t span = std::min(bytes + bytes / 2, kHeapReserve) + 2 * kHugePage;
    // A block below the mmap threshold is cut from the top of the heap and,
    // freed, merges back into it; the top is given back to the system only
    // above the trim threshold. These settings are the allocator's (glibc)
    // and are ignored elsewhere, leaving an ordinary block freed again.
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(span + kHugePage));
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(span + kHugePage));
    // The heap grows from the break. Moved to one small page before a huge
    // page boundary, the block's header lands in that small page, and the
    // huge pages after it stay untouched until they are advised: a huge page
    // range with any small page in it is made of small pages for good. (The
    // allocator takes a break moved by others as the new start of its top.)
    void* now = sbrk(0);
    if (now != reinterpret_cast<void*>(-1)) {
        const auto at = reinterpret_cast<std::uintptr_t>(now);
        const std::uintptr_t before_boundary = align_up(at + kSmallPage) - kSmallPage;
        if (before_boundary > at) sbrk(static_cast<std::intptr_t>(before_boundary - at));
    }
    void* block = std::malloc(span);
    if (!block) return;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = align_up(start);
    const std::uintptr_t end = (start + span) / kHugePage * kHugePage;
    madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    std::free(block);
}
