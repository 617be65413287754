// Reader and writer of the .jkl structure file.
#include "structure/jkl_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/alloc.h"
#include "base/fields.h"
#include "base/plain_numbers.h"
#include "base/text.h"
#include "structure/charge_rounding.h"
#include "structure/elements.h"
#include "structure/hydrogens.h"
#include "structure/model.h"

namespace {

constexpr int kLargestFixed = 99999;  // counts above this need the free layout
constexpr int kPairsPerLine = 8;
constexpr int kLineSize = 256;  // lines of at most 255 characters
constexpr std::size_t kNameLength = 83;

bool is_point_type(int type) {
    return type == 512 || type == 128;
}

// The number in a label after its leading blanks and letters; 0 without one.
int number_in_label(const char* label) {
    while (*label == ' ' || std::isalpha(static_cast<unsigned char>(*label))) ++label;
    int number = 0;
    return std::sscanf(label, "%d", &number) == 1 ? number : 0;
}

// hcount and occupancy of a point packed into one negative number; the sum
// is formed in single precision and truncated toward zero.
int packed_class(const Atom* a) {
    float sum = static_cast<float>(a->hcount) + 128.0f * a->occupancy;
    if (!(sum > static_cast<float>(INT_MIN))) return INT_MAX;  // NaN, or too negative to negate
    if (sum >= 2147483648.0f) return -INT_MAX;
    return -static_cast<int>(sum);
}

void write_atom_line(std::FILE* fp, const Atom* a, int type, bool free_layout, float* carry) {
    if (type & kTypeMolecular) {
        const float charge = Qchgrnd(3, carry, a->charge);
        if (free_layout) {
            std::fprintf(fp, "%s\t%.3f\t%.3f\t%.3f\t%.3f\t%d\n", a->label, a->x, a->y, a->z, charge,
                         a->hcount);
            return;
        }
        char symbol[3];
        if (Qelsym(a->element, symbol) != 0) std::strcpy(symbol, "X");
        const char second = symbol[1] ? static_cast<char>(std::toupper(symbol[1])) : ' ';
        std::fprintf(fp, "%5d%c%c  %8.3f%8.3f%8.3f%8.3f%4d\n", number_in_label(a->label), symbol[0],
                     second, a->x, a->y, a->z, charge, a->hcount);
    } else if (type & kTypeCaTrace) {
        const char* format = free_layout ? "%dCA\t%.3f\t%.3f\t%.3f\t%.2f\t%4d\t%.2f\n"
                                         : "%5dCA  %8.3f%8.3f%8.3f%8.2f%4d%8.2f\n";
        std::fprintf(fp, format, number_in_label(a->label), a->x, a->y, a->z, a->charge, a->element,
                     a->bfactor);
    } else if (is_point_type(type)) {
        const char* format =
            free_layout ? "%dPT\t%.3f\t%.3f\t%.3f\t%.3f\t%d\n" : "%5dPT  %8.3f%8.3f%8.3f%8.3f %d\n";
        std::fprintf(fp, format, number_in_label(a->label), a->x, a->y, a->z, a->charge,
                     packed_class(a));
    } else {
        // Lattices (and any other mix of kind bits): label, position, charge
        // and the shell number.
        std::fprintf(fp, "%s\t%.3f\t%.3f\t%.3f\t%.3f\t%d\n", a->label, a->x, a->y, a->z, a->charge,
                     a->hcount);
    }
}

// Fixed layout: two five-column counts may touch. Columns 6 to 10 move one
// column to the right (over column 11) and column 6 becomes a blank.
void separate_fixed_counts(char* line) {
    const std::size_t length = std::strlen(line);
    if (length <= 5) return;
    const std::size_t moved = std::min<std::size_t>(length, 10) - 5;
    std::memmove(line + 6, line + 5, moved);
    line[5] = ' ';
    if (length <= 10) line[length + 1] = '\0';
}

// Fixed-layout bond pair k of a line: columns 10k+1..10k+5 and 10k+6..10k+10.
// Numbers that are not there read as 0.
void fixed_pair(const char* line, int k, int* first, int* second) {
    char pair[12];
    std::size_t length = std::strlen(line);
    std::size_t j = 0;
    for (std::size_t col = 10 * static_cast<std::size_t>(k); col < 10 * (k + 1u); ++col) {
        if (col == 10u * k + 5) pair[j++] = ' ';
        if (col < length) pair[j++] = line[col];
    }
    pair[j] = '\0';
    *first = 0;
    *second = 0;
    std::sscanf(pair, "%d%d", first, second);
}

// True when two bond pairs join the same atoms, in either order. The pairs
// (ends 1 or more) are grouped by their lower end, a counting sort over the
// atoms, and each group is sorted: a group is as large as its atom's bonds.
bool has_repeated_pair(const std::vector<int>& ends) {
    const int largest = ends.empty() ? 0 : *std::max_element(ends.begin(), ends.end());
    std::vector<std::size_t> group(static_cast<std::size_t>(largest) + 2, 0);
    for (std::size_t i = 0; i < ends.size(); i += 2)
        ++group[static_cast<std::size_t>(std::min(ends[i], ends[i + 1])) + 1];
    for (std::size_t g = 1; g < group.size(); ++g) group[g] += group[g - 1];
    std::vector<int> higher(ends.size() / 2);
    for (std::size_t i = 0; i < ends.size(); i += 2) {
        const auto lower = static_cast<std::size_t>(std::min(ends[i], ends[i + 1]));
        higher[group[lower]++] = std::max(ends[i], ends[i + 1]);
    }
    // group[g] now ends group g and begins group g + 1.
    for (std::size_t g = 1; g + 1 < group.size(); ++g) {
        const auto first = higher.begin() + static_cast<std::ptrdiff_t>(group[g - 1]);
        const auto last = higher.begin() + static_cast<std::ptrdiff_t>(group[g]);
        std::sort(first, last);
        if (std::adjacent_find(first, last) != last) return true;
    }
    return false;
}

// Bonding reads both atoms' slots, scattered over a large lattice: asked for
// this many bond ends ahead, they are in the cache when needed.
constexpr std::size_t kPrefetchAhead = 16;

void prefetch_slots(const Atom* a) {
    __builtin_prefetch(&a->nslots);
}

// Values of one atom line; a value the line lacks keeps the previous line's.
struct AtomFields {
    int token_width = 2;  // characters of the free layout's token; 63: a whole label
    int number = 0;       // fixed layout: columns 1 to 5
    char token[64] = {};
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float fifth = 0.0f;
    int value = 0;
    float last = 0.0f;

    int scan(const char* line, bool fixed) {
        if (fixed) {
            return std::sscanf(line, "%5d%2s%f%f%f%f%d%f", &number, token, &x, &y, &z, &fifth,
                               &value, &last);
        }
        int n = 0;
        if (scan_plain(line, &n)) return n;
        if (token_width == 2)
            return std::sscanf(line, "%2s%f%f%f%f%d%f", token, &x, &y, &z, &fifth, &value, &last);
        return std::sscanf(line, "%63s%f%f%f%f%d%f", token, &x, &y, &z, &fifth, &value, &last);
    }

    // "%2s%f%f%f%f%d%f" (with the token's width) for lines whose numbers all
    // have the plain form: the count of values converted in *n, or false
    // (nothing stored) when sscanf must decide. The token takes at most
    // token_width characters; the next number starts right after them.
    bool scan_plain(const char* line, int* n) {
        const char* p = skip_space(line);
        if (!*p) {
            *n = -1;  // the input ends before the first conversion
            return true;
        }
        char word[sizeof token] = {};
        for (int i = 0; i < token_width && *p && !is_space(*p); ++i) word[i] = *p++;
        float numbers[6] = {};
        int integer = 0;
        int converted = 1;
        for (int i = 0; i < 6; ++i, ++converted) {
            if (!*skip_space(p)) break;
            const bool read = i == 4 ? plain_int(p, &integer, &p) : plain_float(p, &numbers[i], &p);
            if (!read) return false;
        }
        std::memcpy(token, word, std::strlen(word) + 1);
        float* targets[6] = {&x, &y, &z, &fifth, nullptr, &last};
        for (int i = 0; i + 1 < converted; ++i) {
            if (i == 4) {
                value = integer;
            } else {
                *targets[i] = numbers[i];
            }
        }
        *n = converted;
        return true;
    }
};

// The text as the label, cut to fit.
void copy_label(char* label, const char* text) {
    const std::size_t length = strnlen(text, sizeof(Atom::label) - 1);
    std::memcpy(label, text, length);
    label[length] = '\0';
}

// The non-blank characters of columns 1 to 5 appended to the label.
void append_number_columns(char* label, const char* line) {
    std::size_t j = std::strlen(label);
    for (std::size_t col = 0; col < 5 && line[col]; ++col) {
        if (line[col] != ' ' && j + 1 < sizeof(Atom::label)) label[j++] = line[col];
    }
    label[j] = '\0';
}

// Sets the fields of atom a from its line; returns false for a molecular atom
// whose line carries no hydrogen count.
bool fill_atom(Atom* a, const char* line, int type, bool fixed, AtomFields& f) {
    const int n = f.scan(line, fixed);
    a->x = f.x;
    a->y = f.y;
    a->z = f.z;
    a->charge = f.fifth;
    if (n > 7) a->bfactor = f.last;
    const bool molecular = (type & kTypeMolecular) != 0;
    const bool lattice = !molecular && (type & kTypeLattice) != 0;
    bool has_hydrogens = true;
    if (molecular) {
        has_hydrogens = n >= 7;
        a->hcount = has_hydrogens ? f.value : 0;
        char key[3] = {};
        if (fixed) {
            // Element letters from columns 6 and 7, blanks dropped.
            const std::size_t length = std::strlen(line);
            std::size_t j = 0;
            for (std::size_t col = 5; col < 7 && col < length; ++col) {
                if (line[col] != ' ') a->label[j++] = line[col];
            }
            a->label[j] = '\0';
            std::memcpy(key, f.token, sizeof key);
        } else {
            copy_label(a->label, f.token);
            key[0] = f.token[0];
            if (std::isalpha(static_cast<unsigned char>(f.token[1]))) key[1] = f.token[1];
        }
        const int element = Qelnum(key, 1);
        a->element = element == 0 ? 6 : element;
    } else if (lattice) {
        a->hcount = f.value;
        copy_label(a->label, f.token);
    } else if (n < 7) {
        a->element = 8;
    } else if (f.value < 0) {
        const unsigned packed = 0u - static_cast<unsigned>(f.value);
        a->hcount = static_cast<int>(packed & 127u);
        a->occupancy = static_cast<float>(packed >> 7);
    } else {
        a->element = f.value;
    }
    // Fixed layout: the atom number of columns 1 to 5 follows the element
    // letters, or is the whole label of the other kinds. A lattice keeps its
    // shell number as label.
    if (fixed && !lattice) {
        if (!molecular) a->label[0] = '\0';
        append_number_columns(a->label, line);
    }
    return has_hydrogens;
}

// Reads one line after the name line. A line longer than the buffer is refused
// with a message (*long_line set), since its rest would be read as the next
// line. Null at the end of the file, too.
char* next_line(char* line, std::FILE* fp, bool* long_line) {
    if (!Bln_get(line, kLineSize, fp, long_line)) return nullptr;
    if (!*long_line) return line;
    std::fprintf(stderr, "Igtjklm: Error: Line longer than %d characters: %.20s...\n",
                 kLineSize - 1, line);
    return nullptr;
}

// Releases a partly read entry and its pointer array; returns null.
Entry* give_up(Entry* entry, Entry* head, Atom** atoms) {
    std::free(atoms);
    Qdlntr(entry, head);
    return nullptr;
}

}  // namespace

int Istjkl(std::FILE* fp, Entry* entry, unsigned mask) {
    if (!entry || !(static_cast<unsigned>(entry->type) & kJklTypes)) return 1;
    if (atom_end(entry, first_atom(entry))) return 1;
    if (!fp) return 4799;

    int total = 0;
    int numbered = 0;
    int most_bonds = 0;
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        ++total;
        const bool selected = mask == 0 || (static_cast<unsigned>(a->selection) & mask) != 0;
        a->serial = selected ? ++numbered : 0;
        a->work = bond_count(a);
        most_bonds = std::max(most_bonds, static_cast<int>(a->work));
    }
    if (numbered == 0) return 1;
    int bonds = 0;
    for (Bond* b = entry->bonds.next; b != &entry->bonds; b = b->next) {
        b->serial = b->atom1->serial > 0 && b->atom2->serial > 0 ? ++bonds : 0;
    }
    const bool free_layout =
        numbered > kLargestFixed || bonds > kLargestFixed || entry->type == kTypeLattice;

    std::fprintf(fp, numbered < total ? "Fragment of: %s\n" : "%s\n", entry->name);
    if (free_layout) {
        std::fprintf(fp, "%d %d %d %d\n", -numbered, bonds, most_bonds, entry->type);
    } else {
        std::fprintf(fp, "%5d%5d%5d%5d\n", numbered, bonds, most_bonds, entry->type);
    }
    int written = 0;
    for (Bond* b = entry->bonds.next; b != &entry->bonds; b = b->next) {
        if (b->serial == 0) continue;
        std::fprintf(fp, free_layout ? " %ld %ld" : "%5ld%5ld", static_cast<long>(b->atom1->serial),
                     static_cast<long>(b->atom2->serial));
        ++written;
        if (written % kPairsPerLine == 0 || written == bonds) std::fputc('\n', fp);
    }
    float carry = 0.0f;
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        if (a->serial > 0) write_atom_line(fp, a, entry->type, free_layout, &carry);
    }
    return 0;
}

Entry* Igtjklm(std::FILE* fp, Entry* head, bool whole_labels) {
    char line[kLineSize];
    bool long_line = false;
    if (!fp || !Bln_get(line, kLineSize, fp, &long_line)) {
        std::fputs("Igtjklm: Error: Reading header\n", stderr);
        return nullptr;
    }
    if (long_line) Bln_skip_rest(fp);  // the name is cut shorter anyway
    Entry* entry = Qnsntr(head);
    if (!entry) return nullptr;
    entry->atoms.display = 1;
    if (std::strlen(line) > kNameLength) line[kNameLength] = '\0';
    std::strcpy(entry->name, line);

    if (!next_line(line, fp, &long_line)) {
        if (!long_line) std::fputs("Igtjklm: Error: Reading number of atoms\n", stderr);
        return give_up(entry, head, nullptr);
    }
    int counts[4] = {0, 0, 4, 1};  // atoms, bonds, most bonds of an atom, type
    if (std::sscanf(line, "%d", &counts[0]) != 1) {
        std::fputs("Igtjklm: Error: S-reading number of atoms\n", stderr);
        return give_up(entry, head, nullptr);
    }
    const bool fixed = counts[0] >= 0;
    if (fixed) separate_fixed_counts(line);
    if (std::sscanf(line, "%d%d%d%d", &counts[0], &counts[1], &counts[2], &counts[3]) < 1) {
        std::fputs("Igtjklm: Error: S-reading number of atoms\n", stderr);
        return give_up(entry, head, nullptr);
    }
    entry->type = counts[3];
    const int natoms = counts[0] == INT_MIN ? INT_MAX : std::abs(counts[0]);
    const int nbonds = counts[1];

    std::printf("%s: %d atoms, %d bonds\n", entry->name, natoms, nbonds);
    entry->colour = -1;

    // The bond pairs are checked as they are read and the bonds made once all
    // atoms exist: the atoms and bonds, their order and every slot come out as
    // if the atoms had been made first, but a count line that promises more
    // atoms or bonds than the file holds costs no memory: the pairs and the
    // atoms grow with the lines actually read, and the array of atom pointers
    // is allocated only when every atom line is there.
    std::vector<int> ends;
    for (int read = 0; read < nbonds;) {
        errno = 0;
        if (!next_line(line, fp, &long_line)) {
            if (!long_line && !has_repeated_pair(ends)) std::perror("Reading bonds");
            return give_up(entry, head, nullptr);
        }
        int numbers[2 * kPairsPerLine] = {};  // free layout; numbers the line lacks read as 0
        if (!fixed) int_fields(line, numbers, 2 * kPairsPerLine);
        for (int k = 0; k < kPairsPerLine && read < nbonds; ++k, ++read) {
            int first = numbers[2 * k];
            int second = numbers[2 * k + 1];
            if (fixed) fixed_pair(line, k, &first, &second);
            if (first < 1 || first > natoms || second < 1 || second > natoms || first == second) {
                return give_up(entry, head, nullptr);
            }
            ends.push_back(first);
            ends.push_back(second);
        }
    }
    if (has_repeated_pair(ends)) return give_up(entry, head, nullptr);

    AtomFields fields;
    if (whole_labels && !fixed && (entry->type & kTypeLattice) && !(entry->type & kTypeMolecular))
        fields.token_width = sizeof fields.token - 1;
    bool lacks_hydrogens = false;
    float sum[3] = {0.0f, 0.0f, 0.0f};
    for (int i = 0; i < natoms; ++i) {
        errno = 0;
        if (!next_line(line, fp, &long_line)) {
            if (!long_line) std::perror("Reading atoms");
            return give_up(entry, head, nullptr);
        }
        Atom* a = Qnsatm(&entry->atoms);
        if (!a) return give_up(entry, head, nullptr);
        if (!fill_atom(a, line, entry->type, fixed, fields)) lacks_hydrogens = true;
        sum[0] += a->x;
        sum[1] += a->y;
        sum[2] += a->z;
    }
    auto** atoms = static_cast<Atom**>(
        Balo1(sizeof(Atom*) * static_cast<std::size_t>(std::max(natoms, 1)), "Igtjklm"));
    if (!atoms) {
        std::puts("NO memory!");
        return give_up(entry, head, nullptr);
    }
    Atom** slot = atoms;
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) *slot++ = a;
    const bool ca_trace = (entry->type & kTypeCaTrace) != 0;
    for (std::size_t i = 0; i < ends.size(); i += 2) {
        if (i + kPrefetchAhead < ends.size()) {
            prefetch_slots(atoms[ends[i + kPrefetchAhead] - 1]);
            prefetch_slots(atoms[ends[i + kPrefetchAhead + 1] - 1]);
        }
        Bond* bond = Qnsbd(&entry->bonds, atoms[ends[i] - 1], atoms[ends[i + 1] - 1]);
        if (!bond) return give_up(entry, head, atoms);
        if (ca_trace) bond->order = 8;
    }
    if (natoms > 0) {
        entry->atoms.x = sum[0] / static_cast<float>(natoms);
        entry->atoms.y = sum[1] / static_cast<float>(natoms);
        entry->atoms.z = sum[2] / static_cast<float>(natoms);
    }
    std::free(atoms);
    if ((entry->type & kTypeMolecular) && lacks_hydrogens) {
        Igtnh(entry);
        std::puts("H-atom counts from geometrical cryteria!");
    }
    return entry;
}
