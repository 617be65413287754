// Checking a sweep's settings, running it whole, as a share or as a merge,
// and writing what it found.
#include "perm/sweep_run.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/work_sharing.h"
#include "cli/file_names.h"
#include "cli/profile_plot.h"
#include "cli/profile_table.h"
#include "cli/progress.h"
#include "perm/probe_sweep.h"
#include "perm/sweep_merge.h"
#include "perm/sweep_profile.h"
#include "perm/sweep_report.h"
#include "perm/sweep_share_file.h"

namespace {

bool refuse(const char* message) {
    std::fputs(message, stderr);
    return false;
}

bool check_settings(const ProbeSweepSettings& s, const SweepRunOptions& o) {
    if (s.lattice_file.empty()) return refuse("No lattice file given (option -l)!\n");
    if (s.grid.radius <= 0.0f)
        return refuse("The sweep needs a probe radius greater than 0 (-r)!\n");
    if (s.steps < 1) return refuse("The walks need at least 1 step (-e)!\n");
    if (s.tours_per_batch < 1) return refuse("A batch needs at least 1 tour (-n)!\n");
    if (s.batches < 2) return refuse("The errors need at least 2 batches (-k)!\n");
    if (o.share.index < 1 || o.share.index > o.share.count)
        return refuse("A share is k/m with 1 <= k <= m!\n");
    if (o.share.count > 1 && !o.output_prefix)
        return refuse("A share writes PREFIX.k-of-m.share: it needs -o PREFIX!\n");
    return true;
}

// Opens an output file that is not the lattice file; null after a message.
std::FILE* open_output(const std::string& name, const ProbeSweepSettings& settings) {
    if (would_overwrite_input(name, settings.lattice_file.c_str())) return nullptr;
    std::FILE* fp = std::fopen(name.c_str(), "w");
    if (!fp) std::perror(name.c_str());
    return fp;
}

bool close_output(std::FILE* fp, const std::string& name) {
    if (std::fclose(fp) != 0) {
        std::perror(name.c_str());
        return false;
    }
    std::fprintf(stderr, "Written: %s\n", name.c_str());
    return true;
}

// The table (and with a prefix the picture) of a complete sweep.
bool write_profile(const ProbeSweepSettings& settings, const SweepPieces& pieces,
                   const char* prefix, std::FILE* table) {
    SweepTally tally;
    const std::vector<ProfileRow> rows =
        sweep_profile(SweepGrid(settings.grid), settings, pieces, tally);
    if (!std::isfinite(tally.first_log_z.value)) {
        std::fprintf(stderr, "No tour around the first sphere reached %d steps: more tours (-n)!\n",
                     settings.steps);
        return false;
    }
    const std::vector<std::string> notes = sweep_notes(settings, tally);
    if (!prefix) {
        write_profile_table(table, notes, rows, sweep_legend());
        std::fflush(table);
        return true;
    }
    const std::string table_name = std::string(prefix) + ".tsv";
    const std::string picture_name = std::string(prefix) + ".svg";
    std::FILE* fp = open_output(table_name, settings);
    if (!fp) return false;
    write_profile_table(fp, notes, rows, sweep_legend());
    if (!close_output(fp, table_name)) return false;
    if (draw_profile(rows, picture_name, sweep_title(settings), {"", "korvi-perm, Z ratio"}))
        std::fprintf(stderr, "Written: %s\n", picture_name.c_str());
    return true;
}

}  // namespace

bool run_probe_sweep(ProbeSweepSettings settings, const SweepRunOptions& options,
                     std::FILE* table) {
    if (options.merge > 0) {
        if (!options.output_prefix)
            return refuse("A merge reads PREFIX.k-of-m.share: it needs -o PREFIX!\n");
        std::optional<SweepPieces> pieces =
            merge_shares(options.output_prefix, options.merge, settings);
        return pieces && write_profile(settings, *pieces, options.output_prefix, table);
    }
    if (!check_settings(settings, options)) return false;
    const int threads = options.threads > 0 ? options.threads : available_cpus();
    std::optional<SweepPieces> pieces =
        sample_sweep(settings, options.share, threads, options.verbose, sweep_progress("batches"));
    progress_end();
    if (!pieces) return false;
    if (options.share.count == 1)
        return write_profile(settings, *pieces, options.output_prefix, table);
    const std::string name = share_file_name(options.output_prefix, options.share);
    std::FILE* fp = open_output(name, settings);
    if (!fp) return false;
    write_share(fp, settings, options.share, *pieces);
    return close_output(fp, name);
}
