// Breadth-first bond shells around one atom with a small visited set that is
// cleared after each search.
#include "lattice/bond_shells.h"

#include <cstdint>

#include "structure/model.h"

namespace {

constexpr std::size_t kInitialSlots = 256;  // a diamond search to depth 4 reaches 83 atoms

std::size_t slot_of(const Atom* atom, std::size_t mask) {
    auto h = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(atom));
    h = (h >> 4) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h ^ (h >> 31)) & mask;
}

}  // namespace

void BondShells::clear() {
    for (std::size_t i : used_) table_[i] = nullptr;
    used_.clear();
    found_.clear();
    starts_.clear();
}

void BondShells::grow() {
    std::size_t size = table_.empty() ? kInitialSlots : 2 * table_.size();
    table_.assign(size, nullptr);
    used_.clear();
    for (const Atom* atom : found_) insert(atom);
}

bool BondShells::insert(const Atom* atom) {
    if (2 * (used_.size() + 1) > table_.size()) grow();
    const std::size_t mask = table_.size() - 1;
    std::size_t i = slot_of(atom, mask);
    while (table_[i]) {
        if (table_[i] == atom) return false;
        i = (i + 1) & mask;
    }
    table_[i] = atom;
    used_.push_back(i);
    return true;
}

void BondShells::search(Atom* start, int depth) {
    clear();
    insert(start);
    found_.push_back(start);
    starts_.push_back(0);
    starts_.push_back(1);
    for (int k = 1; k <= depth; ++k) {
        const std::size_t begin = starts_[k - 1];
        const std::size_t end = starts_[k];
        for (std::size_t i = begin; i < end; ++i) {
            const Atom* a = found_[i];
            for (int s = 0; s < a->nslots; ++s) {
                if (!a->slots[s]) continue;
                Atom* other = Qbdnbr(a->slots[s], a);
                if (insert(other)) found_.push_back(other);
            }
        }
        starts_.push_back(found_.size());
    }
}

std::span<Atom* const> BondShells::shell(int k) const {
    if (k < 1 || k + 1 >= static_cast<int>(starts_.size())) return {};
    return std::span<Atom* const>(found_).subspan(starts_[k], starts_[k + 1] - starts_[k]);
}
