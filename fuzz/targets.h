// Entry functions of the fuzz targets: each feeds one input of any bytes to
// one reader, then releases everything the reader left behind, so that memory
// stays bounded over millions of inputs. The libFuzzer programs and the replay
// test call the same functions.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/fields.h"
#include "base/plain_numbers.h"
#include "base/text.h"
#include "driver/korvi_options.h"
#include "cli/option_parser.h"
#include "lattice/enumeration.h"
#include "structure/jkl_file.h"
#include "structure/mab_file.h"
#include "structure/model.h"
#include "walks/conversion.h"
#include "walks/exclusion.h"
#include "walks/generation.h"
#include "walks/scoring.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"
#include "walks/written_walks.h"

namespace fuzz {

// Where the writers that follow a read send their output.
inline std::FILE* null_stream() {
    static std::FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

// The input as a stream; fmemopen needs at least one byte.
inline std::FILE* open_input(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return std::fopen("/dev/null", "r");
    return fmemopen(const_cast<std::uint8_t*>(data), size, "r");
}

// A record's parameters (to the bit) and vertex numbers as text.
inline std::string record_numbers(const float* params, const int* numbers, int count) {
    std::string text;
    for (int i = 0; i < 3; ++i) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &params[i], sizeof bits);
        text += std::to_string(bits) + ' ';
    }
    for (int i = 0; i < count; ++i) text += ' ' + std::to_string(numbers[i]);
    return text;
}

// Releases every entry of the process-wide list.
inline void release_entries() {
    Entry* head = Qhead();
    while (head->next != head) Qdlntr(head->next, head);
}

// A lattice read from a file is placed, marked against a sphere and walked on
// as the runs do, so hand-made shapes reach the lattice code too.
inline void use_lattice(Entry* lattice) {
    PreparedLattice prepared = prepare_lattice(lattice, 1.5f, false);
    if (!prepared.table) return;
    Entry* sphere = Qnsntr(nullptr);
    Atom* centre = sphere ? Qnsatm(&sphere->atoms) : nullptr;
    if (centre && Xltocc(lattice, nullptr, 1, &sphere, kOccupancyFreeFirst, 1.5f)) {
        WalkRecord* walk = Xnslwk(6);
        const float* params = Xlwkpar(nullptr, nullptr, nullptr);
        if (walk && Xltsaw(lattice, prepared.origin, 5, params, walk)) {
            walk->nvertices = 6;
            Xwrlwk(null_stream(), walk, nullptr);
            Entry* entry = Xlwkntr(walk, lattice, prepared.table, prepared.n);
            if (entry) Istmab(null_stream(), entry, 0);
        }
        std::free(walk);
    }
    std::free(prepared.table);
}

inline int fuzz_jkl(const std::uint8_t* data, std::size_t size) {
    std::FILE* fp = open_input(data, size);
    Entry* entry = Igtjklm(fp, nullptr);
    std::fclose(fp);
    if (entry) {
        Istjkl(null_stream(), entry, 0);
        if (entry->type == kTypeLattice) use_lattice(entry);
    }
    release_entries();
    return 0;
}

// The records Xrdlwk reads, written again; and when the quick scan of
// written files takes the input, it must have found the very same records.
inline int fuzz_lwk(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> read;
    std::FILE* fp = open_input(data, size);
    while (WalkRecord* walk = Xrdlwk(fp)) {
        Xwrlwk(null_stream(), walk, "fuzz");
        read.push_back(std::string(walk->name) + '\t' +
                       record_numbers(walk->params, walk->numbers, walk->nvertices));
        std::free(walk);
    }
    std::fclose(fp);
    std::vector<std::string> scanned;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (scan_written_walks(text,
                           [&](const ScannedWalk& walk) {
                               scanned.push_back(
                                   std::string(walk.name) + '\t' +
                                   record_numbers(walk.params, walk.numbers, walk.count));
                               return true;
                           }) &&
        scanned != read)
        std::abort();
    return 0;
}

// One entry at a time until null, as the runs read walks; then the whole
// file in one call.
inline int fuzz_mab(const std::uint8_t* data, std::size_t size) {
    std::FILE* fp = open_input(data, size);
    while (Entry* entry = Igtmab(fp, nullptr, nullptr, nullptr, nullptr, 1)) {
        WalkRecord* walk = Xmablwk(entry);
        if (walk) Xwrlwk(null_stream(), walk, nullptr);
        std::free(walk);
        Istmab(null_stream(), entry, 0);
        Qdlntr(entry, nullptr);
    }
    std::rewind(fp);
    Igtmab(fp, nullptr, nullptr, nullptr, nullptr, 0);
    std::fclose(fp);
    release_entries();
    return 0;
}

// An option table in which every letter is an option (of each kind in turn),
// so that parsing never stops at an unknown letter: that leaves the file open
// for the help that follows in the program, and would pile up open files here.
// Entries 0 and 1 take positional words.
class EveryLetterTable {
public:
    EveryLetterTable() {
        texts_ = {" iinput", " isecond input"};
        const char kinds[] = "lnsc";
        for (int c = 1; c < 256; ++c) {
            std::string text(2, static_cast<char>(c));
            text[1] = kinds[c % 4];
            texts_.push_back(text + "option");
        }
        for (const std::string& t : texts_) entries_.push_back(t.c_str());
    }
    int count() const { return static_cast<int>(entries_.size()); }
    const char* const* entries() const { return entries_.data(); }
    char kind(int entry) const { return entries_[entry][1]; }

private:
    std::vector<std::string> texts_;
    std::vector<const char*> entries_;
};

inline int fuzz_option_file(const std::uint8_t* data, std::size_t size) {
    static const EveryLetterTable table;
    static std::string name = [] {
        char pattern[] = "/tmp/korvi-fuzz-options-XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd >= 0) close(fd);
        return std::string(pattern);
    }();
    std::FILE* out = std::fopen(name.c_str(), "wb");
    if (!out) return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    std::string argument = "+" + name;
    char program[] = "korvi";
    char* argv[] = {program, argument.data(), nullptr};
    std::vector<std::int64_t> values(table.count(), 0);
    Bclnp(2, argv, table.count(), table.entries(), nullptr, values.data());
    // Words taken from a file are stored as copies that the program keeps to
    // its end; here they go with each input.
    for (int e = 0; e < table.count(); ++e) {
        const char kind = table.kind(e);
        if ((kind == 's' || kind == 'i') && values[e] != 0)
            std::free(const_cast<char*>(Bclnp_str(values[e])));
    }
    return 0;
}

// True for an argument the parser takes as an option file: '+' after blanks.
inline bool names_option_file(const std::string& word) {
    const std::size_t first = word.find_first_not_of(' ');
    return first != std::string::npos && word[first] == '+';
}

// The input's lines are the arguments after the program name. Arguments that
// name option files are dropped: the name would be opened (a device could
// block) or, holding '$', handed to the shell.
inline int fuzz_command_line(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    std::string text(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string word = text.substr(start, end - start);
        if (!names_option_file(word)) words.push_back(word);
        start = end + 1;
    }
    std::string program = "korvi";
    std::vector<char*> argv{program.data()};
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(argv.size()) - 1;
    std::int64_t values[kOptionCount] = {};
    const KorviOptionTable& options = korvi_options();
    const int got =
        Bclnp(argc, argv.data(), options.count(), options.entries(), options.long_texts(), values);
    if (got == kNumberRefused) return 0;
    if (got < 1) {
        set_help_defaults(values, 12345);
        Bclnp(-argc, argv.data(), options.count(), options.entries(), options.long_texts(), values);
    } else {
        read_settings(values, 12345, argc, argv.data());
    }
    return 0;
}

// The quick number readers must give what sscanf gives wherever they accept a
// number: the same value (bit for bit) and the same end. sscanf sees the
// number and the two characters after it.
inline void compare_quick_numbers(const char* text) {
    // Runs sscanf with format on the number at p that ends at end.
    auto slow = [](const char* p, const char* end, const char* format, auto* value) {
        const std::string window(p, static_cast<std::size_t>(end - p) +
                                        std::min<std::size_t>(2, std::strlen(end)));
        int used = -1;
        const int got = std::sscanf(window.c_str(), format, value, &used);
        return got == 1 && p + used == end;
    };
    for (const char* p = text; *p; ++p) {
        const char* end = nullptr;
        int quick_int = 0;
        int slow_int = 0;
        if (plain_int(p, &quick_int, &end) &&
            !(slow(p, end, "%d%n", &slow_int) && slow_int == quick_int))
            std::abort();
        float quick_float = 0.0f;
        float slow_float = 0.0f;
        if (plain_float(p, &quick_float, &end) &&
            !(slow(p, end, "%f%n", &slow_float) &&
              std::memcmp(&slow_float, &quick_float, sizeof slow_float) == 0))
            std::abort();
    }
}

// Byte 0 is the field-reader mode, byte 1 the size given to the line reader,
// the rest one line of text. Every reader walks the whole line; a reader that
// returned its own position would never get to the end.
inline int fuzz_fields(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int mode = data[0];
    const int n = 2 + data[1];
    std::string line(reinterpret_cast<const char*>(data + 2), size - 2);
    const char* text = line.c_str();
    std::vector<char> word(line.size() + 1);
    for (int reader = 0; reader < 5; ++reader) {
        const char* pos = text;
        while (pos) {
            const char* before = pos;
            float f = 0.0f;
            int i = 0;
            unsigned u = 0;
            switch (reader) {
            case 0:
                pos = Bfld_str(pos, mode, word.data());
                break;
            case 1:
                pos = Bfld_nil(pos, mode) ? Bfld_skip(pos, mode) : nullptr;
                break;
            case 2:
                pos = Bfld_flt(pos, mode, &f);
                break;
            case 3:
                pos = Bfld_int(pos, mode, &i);
                break;
            default:
                pos = Bfld_uns(pos, mode, &u);
                break;
            }
            if (pos && pos <= before) std::abort();
        }
    }
    compare_quick_numbers(text);
    std::FILE* fp = open_input(data + 2, size - 2);
    std::vector<char> piece(static_cast<std::size_t>(n));
    std::size_t pieces = 0;
    while (Bln_get(piece.data(), n, fp)) {
        if (std::strlen(piece.data()) >= static_cast<std::size_t>(n) || ++pieces > size)
            std::abort();
    }
    std::fclose(fp);
    return 0;
}

struct NamedTarget {
    const char* name;
    int (*run)(const std::uint8_t* data, std::size_t size);
};

inline constexpr NamedTarget kTargets[] = {
    {"jkl", fuzz_jkl},
    {"lwk", fuzz_lwk},
    {"mab", fuzz_mab},
    {"option_file", fuzz_option_file},
    {"command_line", fuzz_command_line},
    {"fields", fuzz_fields},
};

}  // namespace fuzz
