// CIF export: entries written as one data block of the suite's CIF dialect.
#include "structure/cif_file.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <string>
#include <vector>

#include "structure/colours.h"
#include "structure/elements.h"
#include "structure/model.h"
#include "structure/point_class.h"

namespace {

constexpr int kTypePolymer = 58;  // protein and CA traces
constexpr int kTypePoints = 512;
constexpr int kDisplayMarker = 1;
constexpr int kDisplayLabel = 16;

// What the whole block needs to know before the first loop is written.
struct BlockShape {
    bool polymer = false;     // residue columns in the entity and atom-site loops
    bool charged = false;     // charge column in the atom-site loop
    bool entry_sets = false;  // entry set column in the entity loop
    bool any_atom = false;
    bool any_bond = false;
};

bool is_polymer(const Entry* e) {
    return (e->type & kTypePolymer) != 0;
}

const char* yes_no(bool value) {
    return value ? "yes" : "no";
}

void remove_blanks(char* text) {
    *std::remove(text, text + std::strlen(text), ' ') = '\0';
}

// Numbers the atoms 1.. across all entries and the monomers 1.. within each
// entry (in `link`), strips blanks from labels and residue names, and notes
// which optional columns the block needs.
BlockShape prepare(const std::vector<Entry*>& entries) {
    BlockShape shape;
    std::int64_t serial = 0;
    for (Entry* e : entries) {
        shape.polymer |= is_polymer(e);
        shape.entry_sets |= e->atoms.selection != 0;
        shape.any_bond |= e->bonds.next != &e->bonds;
        std::int64_t number = 0;
        for (Monomer* m = e->monomers.next; m != &e->monomers; m = m->next) {
            m->link = ++number;
            remove_blanks(m->resname);
        }
        for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) {
            a->serial = ++serial;
            shape.charged |= a->charge != 0.0f;
            remove_blanks(a->label);
        }
    }
    shape.any_atom = serial > 0;
    return shape;
}

void write_items(FILE* stream, std::initializer_list<const char*> items) {
    for (const char* item : items) std::fprintf(stream, "%s\n", item);
}

void write_header(FILE* stream, const char* block) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    std::fprintf(stream, "data_%s\n", block && *block ? block : "unnamed");
    std::fprintf(stream, "_audit_creation_method  'Vandu kvt 1.2'\n");
    std::fprintf(stream, "_audit_creation_date     %s\n", date);
}

// Selection bits of all atoms of the entry: the sets it has members in.
unsigned atom_sets(Entry* e) {
    unsigned sets = 0;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next)
        sets |= static_cast<unsigned>(a->selection);
    return sets;
}

void write_entities(FILE* stream, const std::vector<Entry*>& entries, const BlockShape& shape,
                    int setmode) {
    std::fprintf(stream, "\nloop_\n");
    write_items(stream,
                {"_entity_id", "_entity_type", "_entity_name_common", "_entity_kvt_status",
                 "_entity_kvt_color", "_entity_kvt_atom_radius", "_entity_kvt_bond_radius",
                 "_entity_kvt_half_bond", "_entity_kvt_atom_marker", "_entity_kvt_atom_label"});
    if (shape.polymer) write_items(stream, {"_entity_kvt_residue_label"});
    if (setmode == 1) write_items(stream, {"_entity_kvt_set"});
    if (shape.entry_sets) write_items(stream, {"_entity_kvt_entry_set"});
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        Entry* e = entries[i];
        if (is_polymer(e)) {
            std::fprintf(stream, "%2d %-12s", i, "polymer");
        } else if (e->type & kTypeMolecular) {
            std::fprintf(stream, "%2d %-12s", i, "non-polymer");
        } else {
            std::fprintf(stream, "%2d %-12d", i, e->type);
        }
        Istcif_wrtNam(stream, " %-30s", e->name);
        char status[16], colour[16];
        // Radii are stored in hundredths of an Ångström: the atom radius in
        // the head atom's element word, the bond radius on the entry.
        std::fprintf(stream, " %-10s %-8s %5.2f %5.2f", cif_status_name(e->state, status),
                     cif_colour_name(e->colour, colour), e->atoms.element / 100.0,
                     e->bondradius / 100.0);
        std::fprintf(stream, " %-3s %-3s %-3s", yes_no(e->halfbond != 0),
                     yes_no(e->atoms.display & kDisplayMarker),
                     yes_no(e->atoms.display & kDisplayLabel));
        // The model keeps no residue-label switch: residue labels are off.
        if (shape.polymer) std::fprintf(stream, " %-3s", "no");
        if (setmode == 1) std::fprintf(stream, " %2x", atom_sets(e));
        if (shape.entry_sets)
            std::fprintf(stream, " %2x", static_cast<unsigned>(e->atoms.selection));
        std::fprintf(stream, "\n");
    }
}

// The type symbol of an atom: element symbol (molecular), C (CA trace), the
// packed class value (points), else the element number.
const char* type_symbol(const Entry* e, const Atom* a, char out[16]) {
    if (e->type & kTypeMolecular) {
        if (Qelsym(a->element, out) != 0) std::strcpy(out, "?");
    } else if (e->type & kTypeCaTrace) {
        std::strcpy(out, "C");
    } else if (e->type == kTypePoints) {
        std::snprintf(out, 16, "%d", packed_class(a));
    } else {
        std::snprintf(out, 16, "%d", a->element);
    }
    return out;
}

void write_chemical_shift(FILE* stream, const Atom* a) {
    if (a->cshift == FLT_MAX) {
        std::fprintf(stream, "    ?         ");
    } else if (a->cshifterr != 0.0f) {
        std::fprintf(stream, "%8.3f(%03.0f)", a->cshift, a->cshifterr * 1000.0f);
    } else {
        std::fprintf(stream, "%8.3f     ", a->cshift);
    }
}

void write_atom(FILE* stream, const Entry* e, int index, const Atom* a, const BlockShape& shape) {
    char symbol[16];
    std::fprintf(stream, "%-2s ", type_symbol(e, a, symbol));
    Istcif_wrtNam(stream, "%-6s ", a->label);
    const Monomer* m = a->monomer;
    if (shape.polymer && m) {
        Istcif_wrtNam(stream, "%-4s ", m->resname);
        Istcif_wrtNam(stream, "%-2s ", m->chain);
        std::fprintf(stream, "%4d ", m->resnum);
    } else if (shape.polymer) {
        std::fprintf(stream, "%-4s %-2s %4s ", ".", ".", ".");
    }
    std::fprintf(stream, "%7.3f %7.3f %7.3f ", a->x, a->y, a->z);
    if (shape.charged) std::fprintf(stream, "%6.3f ", a->charge);
    std::fprintf(stream, "%4.2f %6.2f %d ", a->occupancy, a->bfactor, a->hcount);
    std::fprintf(stream, "%2d ", index);
    if (shape.polymer && m) {
        std::fprintf(stream, "%4ld ", static_cast<long>(m->link));
    } else if (shape.polymer) {
        std::fprintf(stream, "%4s ", ".");
    }
    std::fprintf(stream, "%6ld ", static_cast<long>(a->serial));
    write_chemical_shift(stream, a);
    std::fprintf(stream, " %2lx %-3s %-3s",
                 static_cast<unsigned long>(static_cast<unsigned>(a->selection)),
                 yes_no(a->display & kDisplayMarker), yes_no(a->display & kDisplayLabel));
    if (shape.polymer) std::fprintf(stream, " %-3s", "no");
    std::fprintf(stream, "\n");
}

void write_atoms(FILE* stream, const std::vector<Entry*>& entries, const BlockShape& shape) {
    std::fprintf(stream, "\nloop_\n");
    write_items(stream, {"_atom_site_type_symbol", "_atom_site_label_atom_id"});
    if (shape.polymer) {
        write_items(stream, {"_atom_site_label_res_id", "_atom_site_label_asym_id",
                             "_atom_site_label_seq_id"});
    }
    write_items(stream, {"_atom_site_Cartn_x", "_atom_site_Cartn_y", "_atom_site_Cartn_z"});
    if (shape.charged) write_items(stream, {"_atom_site_charge"});
    write_items(stream, {"_atom_site_occupancy", "_atom_site_B_iso_or_equiv",
                         "_atom_site_attached_hydrogen", "_atom_site_entity_id"});
    if (shape.polymer) write_items(stream, {"_atom_site_entity_seq_num"});
    write_items(stream,
                {"_atom_site_chemical_conn_number", "_atom_site_kvt_chemical_shift",
                 "_atom_site_kvt_set", "_atom_site_kvt_marker", "_atom_site_kvt_atom_label"});
    if (shape.polymer) write_items(stream, {"_atom_site_kvt_residue_label"});
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        Entry* e = entries[i];
        for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next)
            write_atom(stream, e, i, a, shape);
    }
}

void write_bonds(FILE* stream, const std::vector<Entry*>& entries) {
    std::fprintf(stream, "\nloop_\n");
    write_items(stream, {"_chemical_conn_bond_atom_1", "_chemical_conn_bond_atom_2",
                         "_chemical_conn_kvt_color", "_chemical_conn_kvt_color_1",
                         "_chemical_conn_kvt_color_2"});
    for (Entry* e : entries) {
        for (Bond* b = e->bonds.next; b != &e->bonds; b = b->next) {
            char colour[16];
            std::fprintf(stream, "%6ld %6ld %s %d %d\n", static_cast<long>(b->atom1->serial),
                         static_cast<long>(b->atom2->serial), cif_colour_name(b->colour, colour),
                         b->colour1, b->colour2);
        }
    }
}

void write_cell(FILE* stream, const Crystal* c) {
    std::fprintf(stream, "\n_cell_length_a    %20.3f\n", c->cell[0]);
    std::fprintf(stream, "_cell_length_b    %20.3f\n", c->cell[1]);
    std::fprintf(stream, "_cell_length_c    %20.3f\n", c->cell[2]);
    std::fprintf(stream, "_cell_angle_alpha %20.3f\n", c->cell[3]);
    std::fprintf(stream, "_cell_angle_beta  %20.3f\n", c->cell[4]);
    std::fprintf(stream, "_cell_angle_gamma %20.3f\n", c->cell[5]);
    std::fprintf(stream, "_symmetry_space_group_name_h-m '%s'\n", c->spgp);
}

}  // namespace

void Istcif_wrtNam(FILE* stream, const char* format, const char* text) {
    if (!stream || !format) return;
    std::string t = text ? text : "";
    std::string quoted;
    if (t.empty()) {
        quoted = "?";
    } else if (t.find(' ') == std::string::npos && t[0] != '"' && t[0] != '\'' && t[0] != '_') {
        quoted = t;
    } else if (t.find('"') == std::string::npos) {
        quoted = "\"" + t + "\"";
    } else if (t.find('\'') == std::string::npos) {
        quoted = "'" + t + "'";
    } else {
        quoted = "\n;" + t + "\n;";
    }
    std::fprintf(stream, format, quoted.c_str());
}

const char* cif_status_name(int state, char out[16]) {
    static constexpr const char* kNames[] = {"invisible", "visible", "active"};
    if (state & ~7) {
        std::snprintf(out, 16, "%d", state);
        return out;
    }
    if (state <= 2) return kNames[state];
    std::printf("%s out of limit\n", "status");
    return "active";
}

const char* cif_colour_name(int colour, char out[16]) {
    long long c = colour < 0 ? -static_cast<long long>(colour) : colour;
    if (c == 13) return colour_name(0);
    if (c <= 12) return colour_name(static_cast<int>(c));
    std::snprintf(out, 16, "%lld", c);
    return out;
}

int Istcif(FILE* stream, int n, Entry** entries, [[maybe_unused]] const void* sets,
           const char* block, int setmode, [[maybe_unused]] const void* view) {
    if (!stream) return kCifNoStream;
    std::vector<Entry*> given;
    for (int i = 0; entries && i < n; ++i) {
        if (entries[i]) given.push_back(entries[i]);
    }
    BlockShape shape = prepare(given);
    write_header(stream, block);
    // A loop without rows is not valid CIF: empty loops are left out.
    if (!given.empty()) write_entities(stream, given, shape, setmode);
    if (shape.any_atom) write_atoms(stream, given, shape);
    if (shape.any_bond) write_bonds(stream, given);
    if (given.size() == 1 && given[0]->crystal) write_cell(stream, given[0]->crystal);
    return 0;
}
