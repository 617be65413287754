// The open-file table: every stream opened by Bfil_open with its name and mode.
#include "base/file_table.h"

#include "base/alloc.h"
#include "base/blocks.h"
#include "base/shell.h"
#include "base/text.h"

#include <cstdlib>
#include <cstring>

namespace {

struct OpenFile {
    char* buffer = nullptr;   // owned; holds the name that was opened
    char* name = nullptr;     // the opened name, inside buffer
    char* mode = nullptr;     // owned copy of the mode text
    std::FILE* fp = nullptr;  // nullptr: the entry is free
};

constexpr int kGrowth = 5;
constexpr std::size_t kBufferExtra = 272;  // room beyond the name in each entry's buffer

OpenFile* g_files = nullptr;
int g_size = 0;

// Index of the first free entry, growing the table when all are taken; -1 when
// growing fails.
int free_entry() {
    for (int i = 0; i < g_size; ++i)
        if (!g_files[i].fp) return i;
    auto* grown = static_cast<OpenFile*>(Balo1(sizeof(OpenFile) * (g_size + kGrowth), "Bfil_open"));
    if (!grown) return -1;
    for (int i = 0; i < g_size + kGrowth; ++i) grown[i] = i < g_size ? g_files[i] : OpenFile{};
    std::free(g_files);
    g_files = grown;
    g_size += kGrowth;
    return g_size - kGrowth;
}

void release(OpenFile& entry) {
    std::free(entry.buffer);
    std::free(entry.mode);
    entry = OpenFile{};
}

// Opens name with mode; a read mode first checks that the file exists.
std::FILE* open_stream(const char* name, const char* mode) {
    if (mode[0] == 'r') {
        std::FILE* trial = std::fopen(name, "r");
        if (!trial) return nullptr;
        std::fclose(trial);
    }
    return std::fopen(name, mode);
}

}  // namespace

std::FILE* Bfil_open(char* name, const char* /*extension*/, const char* mode, char* opened,
                     int flags) {
    if (!mode) {
        std::fputs("Bfil_open: no mode (internal error)\n", stderr);
        return nullptr;
    }
    if (!name) {
        std::fputs("Bfil_open: no file name (internal error)\n", stderr);
        return nullptr;
    }
    Bst_rtrim(name, " ");
    Bst_slash(name);
    char* expanded = Bprs(name);
    const char* used = expanded ? expanded : name;

    int index = free_entry();
    OpenFile entry;
    if (index >= 0) {
        entry.buffer = static_cast<char*>(Balo1(std::strlen(used) + kBufferExtra, "Bfil_open"));
        entry.mode = Bst_alc(mode, 0);
    }
    if (!entry.buffer || !entry.mode) {
        Bmem_err("Bfil_open");
        release(entry);
        std::free(expanded);
        return nullptr;
    }
    std::strcpy(entry.buffer, used);
    std::free(expanded);
    entry.name = entry.buffer;
    entry.fp = open_stream(entry.name, mode);
    if (!entry.fp) {
        if (!(flags & kFilQuiet)) std::perror(entry.name);
        release(entry);
        return nullptr;
    }
    if (opened) std::strcpy(opened, entry.name);
    g_files[index] = entry;
    return entry.fp;
}

int Bfil_close(std::FILE* fp, int flags) {
    if (!fp) return -1;
    int index = 0;
    while (index < g_size && g_files[index].fp != fp) ++index;
    if (index == g_size) {
        std::fputs("Bfil_close: file pointer not found\n", stderr);
        return std::fclose(fp);
    }
    OpenFile& entry = g_files[index];
    int status = std::fclose(fp);
    if (status != 0) std::fprintf(stderr, "%s exited with %d\n", entry.name, status);
    if (flags & kFilReport)
        std::fprintf(stderr, "File %s: %s\n", entry.mode[0] == 'r' ? "read" : "written",
                     entry.name);
    release(entry);
    return status;
}

int Bfil_table_size() {
    return g_size;
}
