// Reading the walk file once: found at once by the quick scan, or walk by
// walk with the sweep's own reader while what it prints is recorded.
#include "sweep/walk_ensemble.h"

#include "sweep/early_walk_scan.h"
#include "sweep/ensemble_builder.h"
#include "sweep/quick_walk_scan.h"
#include "sweep/walk_reader.h"

std::unique_ptr<WalkEnsemble> read_walk_ensemble(std::FILE* fp, bool mab, int n, std::size_t budget,
                                                 EarlyWalkScan* early) {
    const std::size_t file_steps = steps_in_file(fileno(fp));
    if (!mab) {
        std::unique_ptr<WalkEnsemble> ensemble;
        if (early && early->take(fp, n, budget, &ensemble)) return ensemble;
        EnsembleBuilder builder(n, budget, file_steps);
        if (scan_walk_file(fileno(fp), builder)) return builder.finish(nullptr, n);
    }
    EnsembleBuilder builder(n, budget, file_steps);
    OutputCapture capture;
    if (!capture.recording()) return nullptr;
    std::rewind(fp);  // as every position of the streaming sweep does
    read_walks(fp, mab, n, [&](ReadWalk& read) { builder.add(read.walk, &capture); });
    return builder.finish(&capture, n);
}
