// Line reading and in-place text editing on NUL-terminated byte strings.
#include "base/text.h"

#include "base/alloc.h"
#include "base/blocks.h"

#include <cstring>

char* Bln_get(char* buf, int n, std::FILE* fp, bool* cut) {
    if (cut) *cut = false;
    if (n < 2 || !std::fgets(buf, n, fp)) return nullptr;
    // The text read ends at its line feed or fills the buffer; where it has
    // no carriage return, the cut and its end are found in one scan.
    const std::size_t cut_at = std::strcspn(buf, "\r\n");
    const std::size_t length = buf[cut_at] == '\n'   ? cut_at + 1
                               : buf[cut_at] == '\0' ? cut_at
                                                     : std::strlen(buf);
    const bool full = length + 1 == static_cast<std::size_t>(n) && buf[length - 1] != '\n';
    buf[cut_at] = '\0';
    if (full) {
        const int next = std::getc(fp);
        if (next != '\n' && next != EOF) {
            std::ungetc(next, fp);
            if (cut) *cut = true;
        }
    }
    return buf;
}

void copy_into_field(char* dst, std::size_t size, const char* src) {
    const std::size_t length = strnlen(src, size - 1);
    std::memcpy(dst, src, length);
    std::memset(dst + length, 0, size - length);
}

void Bln_skip_rest(std::FILE* fp) {
    int c;
    do c = std::getc(fp);
    while (c != '\n' && c != EOF);
}

char* Bst_alc(const char* text, int extra) {
    if (!text) return nullptr;
    std::size_t length = std::strlen(text);
    std::size_t blanks = extra < 0 ? static_cast<std::size_t>(-extra) : 0;
    std::size_t room = extra < 0 ? 0 : static_cast<std::size_t>(extra);
    auto* copy = static_cast<char*>(Balo1(blanks + length + room + 1, "Bst_alc"));
    if (!copy) {
        Bmem_err("Bst_alc");
        return nullptr;
    }
    std::memset(copy, ' ', blanks);
    std::memcpy(copy + blanks, text, length + 1);
    return copy;
}

void Bst_ltrim(char* text, const char* set) {
    if (!text || !set) return;
    std::size_t lead = std::strspn(text, set);
    if (lead > 0) std::memmove(text, text + lead, std::strlen(text + lead) + 1);
}

int Bst_rtrim(char* text, const char* set) {
    if (!text) return 0;
    std::size_t length = std::strlen(text);
    while (set && length > 0 && std::strchr(set, text[length - 1])) --length;
    text[length] = '\0';
    return static_cast<int>(length);
}

int Bst_rmset(char* text, const char* set) {
    if (!set || !*set) return -11;
    char* out = text;
    for (const char* in = text; *in; ++in)
        if (!std::strchr(set, *in)) *out++ = *in;
    *out = '\0';
    return static_cast<int>(out - text);
}

void Bst_rmch(char* dst, const char* src, int ch) {
    char* out = dst;
    for (; *src; ++src)
        if (*src != static_cast<char>(ch)) *out++ = *src;
    *out = '\0';
}

int Bst_slash(char* text) {
    int turned = 0;
    for (char* c = text; *c; ++c) {
        if (*c == '\\') {
            *c = '/';
            ++turned;
        }
    }
    return turned;
}
