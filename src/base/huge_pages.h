// An allocator for large arrays that asks for huge pages (2 MiB) where the
// system offers them on request: an array filled once costs one page fault
// per huge page instead of one per 4 KiB page, which dominates the time of
// building it on some machines.
#pragma once

#include <cstddef>
#include <new>

// Blocks of at least half a huge page are mapped in whole huge pages;
// smaller ones come from the ordinary allocator.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kHugeBlock = kHugePage / 2;

void* huge_page_allocate(std::size_t bytes);
void huge_page_free(void* block, std::size_t bytes);

template <typename T>
struct HugePageAllocator {
    using value_type = T;

    HugePageAllocator() = default;
    template <typename U>
    HugePageAllocator(const HugePageAllocator<U>&) {}

    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(huge_page_allocate(n * sizeof(T)));
    }
    void deallocate(T* block, std::size_t n) { huge_page_free(block, n * sizeof(T)); }

    template <typename U>
    bool operator==(const HugePageAllocator<U>&) const {
        return true;
    }
};
