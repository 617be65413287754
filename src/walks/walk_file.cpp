// Reading and writing walk records in the .lwk format.
#include "walks/walk_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/fields.h"
#include "base/plain_numbers.h"
#include "base/text.h"
#include "walks/walk_record.h"

namespace {

constexpr int kPairsPerLine = 5;
constexpr int kLineSize = 128;  // the line reader takes at most 127 characters at a time
// A number field takes at least one character and one separator.
constexpr int kFieldsPerLine = kLineSize / 2;
// Records of up to this many vertices (1 MiB of arrays) are made as the header
// says; a larger count must fit in the rest of the file.
constexpr int kTrustedCount = 65536;

void write_comment(std::FILE* fp, const char* comment) {
    const char* piece = comment;
    for (;;) {
        const char* end = std::strchr(piece, '\n');
        const int length =
            end ? static_cast<int>(end - piece) : static_cast<int>(std::strlen(piece));
        std::fprintf(fp, "# %.*s\n", length, piece);
        if (!end) return;
        piece = end + 1;
    }
}

// A line longer than the buffer is refused: its rest would be read as the
// next line, and a number cut in two would give wrong vertices.
void refuse_long_line(const char* line) {
    std::fprintf(stderr, "Walk file line longer than %d characters: %s...\n", kLineSize - 1, line);
}

// How many vertices the rest of the file can hold (a pair takes at least four
// characters: two digits and two separators); -1 when the stream cannot tell.
long room_for_vertices(std::FILE* fp) {
    const long here = std::ftell(fp);
    if (here < 0 || std::fseek(fp, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(fp);
    std::fseek(fp, here, SEEK_SET);
    return end < here ? -1 : (end - here) / 4 + 1;
}

// Reads the header "name<TAB>count" into a new record; null at the end of the
// input, at an empty line, or after a message.
WalkRecord* read_header(std::FILE* fp) {
    char line[kLineSize];
    bool cut = false;
    for (;;) {
        if (!Bln_get(line, kLineSize, fp, &cut)) return nullptr;
        if (line[0] != '#') break;
        if (cut) Bln_skip_rest(fp);  // comment lines are skipped whole, however long
    }
    if (cut) {
        refuse_long_line(line);
        return nullptr;
    }
    char* tab = std::strchr(line, '\t');
    if (!tab) {
        if (line[0] != '\0') std::fprintf(stderr, "Could not read number of vertices: %s\n", line);
        return nullptr;
    }
    *tab = '\0';
    int count = 0;
    const char* end = nullptr;
    if (!plain_int(tab + 1, &count, &end) && std::sscanf(tab + 1, "%d", &count) != 1) {
        std::fputs("Could not read number of vertices!\n", stderr);
        return nullptr;
    }
    if (count < 1) {
        std::fprintf(stderr, "Walk %s: number of vertices %d is below 1!\n", line, count);
        return nullptr;
    }
    if (count > kTrustedCount) {
        const long room = room_for_vertices(fp);
        if (room >= 0 && count > room) {
            std::fprintf(
                stderr,
                "Walk %s: %d vertices claimed, but the rest of the file holds at most %ld!\n", line,
                count, room);
            return nullptr;
        }
    }
    WalkRecord* walk = Xnslwk(count);
    if (!walk) {
        std::fprintf(stderr, "Walk %s: no memory for %d vertices!\n", line, count);
        return nullptr;
    }
    std::strcpy(walk->name, line);
    walk->nvertices = count;
    return walk;
}

// A line holding "$$$$" anywhere ends the record. Vertex lines hold no "$"
// at all, which one quick scan tells.
bool is_terminator(const char* line) {
    return std::strchr(line, '$') && std::strstr(line, "$$$$");
}

// Reads the vertex lines up to "$$$$" or the end of the input. False after a
// message; positions the file never filled keep their initial values.
bool read_pairs(std::FILE* fp, WalkRecord* walk) {
    char line[kLineSize];
    int numbers[kFieldsPerLine];
    int i = 0;
    bool cut = false;
    while (Bln_get(line, kLineSize, fp, &cut) && !is_terminator(line)) {
        if (cut) {
            refuse_long_line(line);
            return false;
        }
        const int count = int_fields(line, numbers, kFieldsPerLine);
        for (int k = 0; k < count; k += 2) {
            if (i >= walk->nvertices) {
                std::fprintf(stderr, "Too many vertices for %s\n", walk->name);
                return false;
            }
            if (k + 1 == count) {
                std::fprintf(stderr, "Reading nc failed %d %s\n", i, walk->name);
                return false;
            }
            walk->numbers[i] = numbers[k];
            walk->elements[i] = numbers[k + 1];
            walk->vertices[i] = nullptr;
            ++i;
        }
    }
    return true;
}

// The three parameters, as "%f%f%f" reads them.
bool read_parameters(const char* line, float* p) {
    const char* pos = line;
    for (int i = 0; i < 3; ++i) {
        if (!plain_float(pos, &p[i], &pos))
            return std::sscanf(line, "%f%f%f", &p[0], &p[1], &p[2]) == 3;
    }
    return true;
}

}  // namespace

int Xwrlwk(std::FILE* fp, const WalkRecord* walk, const char* comment) {
    if (!fp || !walk || walk->nvertices > walk->capacity) return 1;
    if (comment) write_comment(fp, comment);
    std::fprintf(fp, "%s\t%d\n", walk->name, walk->nvertices);
    std::fprintf(fp, "%f\t%f\t%f\n", walk->params[0], walk->params[1], walk->params[2]);
    for (int i = 0; i < walk->nvertices; ++i) {
        std::fprintf(fp, "%d\t%d", walk->numbers[i], walk->elements[i]);
        const bool line_full = i % kPairsPerLine == kPairsPerLine - 1;
        std::fputc(line_full || i == walk->nvertices - 1 ? '\n' : '\t', fp);
    }
    std::fputs("$$$$\n", fp);
    return 0;
}

WalkRecord* Xrdlwk(std::FILE* fp) {
    if (!fp) return nullptr;
    WalkRecord* walk = read_header(fp);
    if (!walk) return nullptr;
    char line[kLineSize];
    float* p = walk->params;
    bool cut = false;  // a longer line is no parameter line
    if (!Bln_get(line, kLineSize, fp, &cut) || cut || !read_parameters(line, p)) {
        std::fputs("Could not read parameters!\n", stderr);
        std::free(walk);
        return nullptr;
    }
    if (!read_pairs(fp, walk)) {
        std::free(walk);
        return nullptr;
    }
    return walk;
}
