// Start-up and end of a program that writes a result table.
#include "cli/table_program.h"

#include <cstring>
#include <ctime>
#include <vector>

#include "cli/line_buffers.h"
#include "cli/option_parser.h"
#include "cli/progress.h"
#include "cli/table_output.h"

int run_table_program(int argc, char** argv, const TableProgram& program) {
    buffer_output_by_line();
    std::FILE* table = keep_standard_output_for_table();
    progress_setup();
    std::fprintf(stderr, "%s 14-aug-2022\n", program.name);

    std::vector<std::int64_t> values(static_cast<std::size_t>(program.option_count), 0);
    const int parsed = Bclnp(argc, argv, program.option_count, program.entries,
                             program.long_texts, values.data());
    if (parsed == kNumberRefused) return 0;  // its message says why; nothing is run
    if (parsed < 1) {
        program.set_help_defaults(values.data());
        std::fprintf(stderr, "\n%s ", program.name);
        const int column = static_cast<int>(std::strlen(program.name)) + 2;
        Bprt_wrap(program.description, 78, 2, column, stderr);
        Bclnp(-argc, argv, program.option_count, program.entries, program.long_texts,
              values.data());
        return 0;
    }
    const std::time_t begin = std::time(nullptr);
    const bool completed = program.run(values.data(), table);
    progress_end();
    if (completed)
        std::fprintf(stderr, "time: %d sec\n", static_cast<int>(std::time(nullptr) - begin));
    if (table != stdout) std::fclose(table);
    return 0;
}
