// Vertex indices found from record addresses through the serial numbers, and
// records that are not in the table.
#include "lattice/vertex_index.h"

#include <gtest/gtest.h>

#include <vector>

TEST(VertexIndex, ReadsTheSerialNumberAndAnswersMinusOneForRecordsOutsideTheTable) {
    std::vector<Atom> records(40);
    std::vector<Atom*> table;
    for (int k = 0; k < 40; k += 2) {
        table.push_back(&records[38 - k]);  // every other record, in reverse
        records[38 - k].serial = k / 2 + 1;
    }
    for (int k = 0; k < 20; ++k) EXPECT_EQ(vertex_index(table[k], table.data(), 20), k);
    EXPECT_EQ(vertex_index(&records[7], table.data(), 20), -1);  // serial 0
    records[7].serial = 4;  // names index 3, which is another record
    EXPECT_EQ(vertex_index(&records[7], table.data(), 20), -1);
    records[7].serial = 21;  // beyond the table
    EXPECT_EQ(vertex_index(&records[7], table.data(), 20), -1);
    records[0].serial = 5;  // the record of index 19 claims number 5
    EXPECT_EQ(vertex_index(&records[0], table.data(), 20), -1);
}
