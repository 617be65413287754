// Duplicating standard output for the table and pointing descriptor 1 at
// standard error.
#include "cli/table_output.h"

#include <unistd.h>

std::FILE* keep_standard_output_for_table() {
    std::fflush(stdout);
    int table_fd = dup(1);
    if (table_fd < 0 || dup2(2, 1) < 0) return stdout;
    std::FILE* table = fdopen(table_fd, "w");
    return table ? table : stdout;
}
