// Scanning a walk file of the writer's own form into the ensemble.
#include "sweep/quick_walk_scan.h"

#include <sys/stat.h>

#include <string_view>

#include "base/file_pieces.h"
#include "sweep/ensemble_builder.h"
#include "walks/written_walks.h"

std::size_t steps_in_file(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 ? static_cast<std::size_t>(status.st_size) / 4 + 1 : 0;
}

bool scan_walk_file(int fd, EnsembleBuilder& builder, std::stop_token stop) {
    FilePieces file(fd);
    std::string_view piece;
    while (file.next(&piece, whole_records_length)) {
        if (piece.empty()) return true;
        if (!scan_written_walks(piece, [&](const ScannedWalk& walk) {
                builder.add(walk, nullptr);
                return !stop.stop_requested();
            }))
            return false;
    }
    return false;
}
