// Reading every share of a sweep and checking that they fit together.
#include "perm/sweep_merge.h"

#include <cstdio>

#include "perm/sweep_share_file.h"

namespace {

bool read_share_file(const std::string& name, ShareFile& file) {
    std::FILE* fp = std::fopen(name.c_str(), "r");
    if (!fp) {
        std::perror(name.c_str());
        return false;
    }
    const bool ok = read_share(fp, name, file);
    std::fclose(fp);
    return ok;
}

}  // namespace

std::optional<SweepPieces> merge_shares(const std::string& prefix, int count,
                                        ProbeSweepSettings& settings) {
    std::optional<SweepPieces> pieces;
    std::string first_settings;
    for (int k = 1; k <= count; ++k) {
        const std::string name = share_file_name(prefix, {k, count});
        ShareFile file;
        if (!read_share_file(name, file)) return std::nullopt;
        if (file.share.index != k || file.share.count != count) {
            std::fprintf(stderr, "%s holds share %d of %d, not %d of %d!\n", name.c_str(),
                         file.share.index, file.share.count, k, count);
            return std::nullopt;
        }
        if (!pieces) {
            settings = file.settings;
            first_settings = file.settings_lines;
            const int positions = static_cast<int>(file.pieces / settings.batches) - 1;
            if (SweepGrid(settings.grid).positions() != positions) {
                std::fprintf(stderr, "%s: %ld pieces do not fit the %ld positions of its grid!\n",
                             name.c_str(), file.pieces, SweepGrid(settings.grid).positions());
                return std::nullopt;
            }
            pieces.emplace(positions, settings.batches);
        } else if (file.settings_lines != first_settings) {
            std::fprintf(stderr, "%s comes from another sweep than %s: their settings differ!\n",
                         name.c_str(), share_file_name(prefix, {1, count}).c_str());
            return std::nullopt;
        }
        for (const auto& [index, piece] : file.held) {
            if ((*pieces)[index].state != PieceState::kMissing) {
                std::fprintf(stderr, "%s holds piece %d, %d twice!\n", name.c_str(),
                             pieces->target_of(index), pieces->batch_of(index));
                return std::nullopt;
            }
            (*pieces)[index] = piece;
        }
    }
    for (long i = 0; pieces && i < pieces->count(); ++i) {
        if ((*pieces)[i].state != PieceState::kMissing) continue;
        std::fprintf(stderr, "%s lacks the piece of target %d, batch %d!\n",
                     share_file_name(prefix, {static_cast<int>(i % count) + 1, count}).c_str(),
                     pieces->target_of(i), pieces->batch_of(i));
        return std::nullopt;
    }
    return pieces;
}
