// Test helpers: what a writer puts on a stream, caught in memory, and what a
// reader makes of text in memory.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Runs write(stream) on an in-memory stream and returns the text written.
template <typename F>
std::string written(F write) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    write(stream);
    std::fclose(stream);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// Returns read(stream) on a stream that reads the text from memory.
template <typename F>
auto reading(std::string text, F read) {
    std::FILE* stream = fmemopen(text.data(), text.size(), "r");
    auto result = read(stream);
    std::fclose(stream);
    return result;
}
