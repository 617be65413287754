// Vertex indices found from record addresses: runs of equal stride, the
// serial number elsewhere, and records that are not in the table.
#include "lattice/vertex_index.h"

#include <gtest/gtest.h>

#include <vector>

#include "structure/model.h"

namespace {

// The index of every table entry, as the finder gives it.
std::vector<int> indices_found(const std::vector<Atom*>& table) {
    const VertexIndex index_of(table.data(), static_cast<int>(table.size()));
    std::vector<int> found;
    for (const Atom* a : table) found.push_back(index_of(a));
    return found;
}

std::vector<int> count_up(int n) {
    std::vector<int> k;
    for (int i = 0; i < n; ++i) k.push_back(i);
    return k;
}

}  // namespace

// Serial numbers left at 0 would find nothing: the addresses alone do.
TEST(VertexIndex, FindsRecordsMadeOneAfterAnotherFromTheirAddresses) {
    std::vector<Atom> records(40);
    std::vector<Atom*> table;
    for (Atom& a : records) table.push_back(&a);
    EXPECT_EQ(indices_found(table), count_up(40));

    std::vector<Atom> second(24);
    for (Atom& a : second) table.push_back(&a);
    EXPECT_EQ(indices_found(table), count_up(64));  // two runs
}

// Records in falling address order make runs of one: too many to search,
// so the serial numbers are read, and confirmed.
TEST(VertexIndex, ReadsTheSerialNumberWhereTheRecordsMakeNoRuns) {
    std::vector<Atom> records(32);
    std::vector<Atom*> table;
    for (int k = 0; k < 32; ++k) {
        table.push_back(&records[31 - k]);
        table.back()->serial = k + 1;
    }
    EXPECT_EQ(indices_found(table), count_up(32));
    records[0].serial = 5;  // the record of index 31 claims number 5
    EXPECT_EQ(VertexIndex(table.data(), 32)(&records[0]), -1);
}

TEST(VertexIndex, AnswersMinusOneForRecordsOutsideTheTable) {
    std::vector<Atom> records(40);
    std::vector<Atom*> table;
    for (int k = 0; k < 40; k += 2) table.push_back(&records[k]);  // one run, every other record
    const VertexIndex index_of(table.data(), 20);
    EXPECT_EQ(index_of(&records[6]), 3);
    EXPECT_EQ(index_of(&records[7]), -1);  // between two of the run's records
    records[7].serial = 4;                 // names index 3, which is another record
    EXPECT_EQ(index_of(&records[7]), -1);
    Atom elsewhere;
    elsewhere.serial = 1;
    EXPECT_EQ(index_of(&elsewhere), -1);
}
