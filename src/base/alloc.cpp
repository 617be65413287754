// Tagged allocation with the process-wide size and pointer tables of Balloc.
#include "base/alloc.h"

#include <cstdio>
#include <cstdlib>

namespace {

int g_capacity = 0;               // entries in both tables
std::int32_t* g_sizes = nullptr;  // byte counts written by the caller
void** g_pointers = nullptr;      // addresses filled by Balloc

std::int32_t rounded(std::int32_t size) {
    if (size <= 0) return 0;
    return (size + 15) / 16 * 16;
}

void print_tag(const char* tag) {
    if (tag) std::fprintf(stderr, " (%s)", tag);
    std::fputs("!\n", stderr);
}

void* prepare(int k, const char* tag) {
    if (k <= g_capacity) return g_sizes;
    std::free(g_sizes);
    std::free(g_pointers);
    int capacity = k < 256 ? 256 : k;
    g_sizes = static_cast<std::int32_t*>(std::malloc(sizeof(std::int32_t) * capacity));
    g_pointers = static_cast<void**>(std::malloc(sizeof(void*) * capacity));
    if (!g_sizes || !g_pointers) {
        std::fputs("Balloc: No memory 1", stderr);
        print_tag(tag);
        std::free(g_sizes);
        std::free(g_pointers);
        g_sizes = nullptr;
        g_pointers = nullptr;
        g_capacity = 0;
        return nullptr;
    }
    g_capacity = capacity;
    return g_sizes;
}

}  // namespace

void* Balo1(std::size_t size, const char* /*tag*/) {
    return std::malloc(size);
}

void* Balloc(int count, const char* tag) {
    if (count == 0) return nullptr;
    if (count < 0) return prepare(-count, tag);
    if (count > g_capacity) {
        std::fprintf(stderr, "Balloc: Too many arrays %d > %d!\n", count, g_capacity);
        print_tag(tag);
        return nullptr;
    }
    std::int32_t total = 0;
    for (int i = 0; i < count; ++i) total += rounded(g_sizes[i]);
    if (total == 0) return nullptr;
    char* block = static_cast<char*>(std::malloc(static_cast<std::size_t>(total)));
    if (!block) {
        std::fprintf(stderr, "Balloc: No memory (for %d bytes)", total);
        print_tag(tag);
        return nullptr;
    }
    std::int32_t offset = 0;
    for (int i = 0; i < count; ++i) {
        g_pointers[i] = block + offset;
        offset += rounded(g_sizes[i]);
    }
    return g_pointers;
}

int Balloc_capacity() {
    return g_capacity;
}
