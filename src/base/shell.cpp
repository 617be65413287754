// Shell expansion of a text: runs echo "text" and reads back its first line.
#include "base/shell.h"

#include "base/alloc.h"
#include "base/blocks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kGrowth = 10;  // bytes added whenever the output fills the buffer

// Reads the command's output up to its first line feed into a growing block.
char* read_first_line(std::FILE* pipe, std::size_t size) {
    auto* line = static_cast<char*>(Balo1(size, "Bprs"));
    if (!line) return nullptr;
    std::size_t used = 0;
    for (int c = std::fgetc(pipe); c != EOF && c != '\n'; c = std::fgetc(pipe)) {
        if (used + 1 >= size) {
            auto* larger = static_cast<char*>(Balo1(size + kGrowth, "Bprs"));
            if (!larger) {
                std::free(line);
                return nullptr;
            }
            std::memcpy(larger, line, used);
            std::free(line);
            line = larger;
            size += kGrowth;
        }
        line[used++] = static_cast<char>(c);
    }
    line[used] = '\0';
    return line;
}

}  // namespace

char* Bprs(const char* text) {
    if (!text || !std::strchr(text, '$')) return nullptr;
    std::string command = "echo \"" + std::string(text) + "\"";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        std::fprintf(stderr, "Bprs: can't parse %s\n", text);
        return nullptr;
    }
    char* line = read_first_line(pipe, std::strlen(text) + 8);
    pclose(pipe);
    if (!line) Bmem_err("Bprs");
    return line;
}
