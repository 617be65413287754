// Reading the walk file once: walk by walk with the sweep's own readers while
// what they print is recorded.
#include "driver/walk_ensemble.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>
#include <stop_token>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "base/file_pieces.h"
#include "base/same_file.h"
#include "driver/evaluation_sweep.h"
#include "structure/mab_file.h"
#include "structure/model.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"
#include "walks/written_walks.h"

// The ensemble as it is read, walk by walk. The lattice's vertex count may
// come later: read with a larger limit, the ensemble is the same for any
// count from the largest vertex number read on. Memory the system refuses
// counts as over the budget: the reading goes on to the end without keeping
// anything, as over the budget, and the sweep streams.
class EnsembleReading {
public:
    EnsembleReading(int limit, std::size_t budget, std::size_t file_steps)
        : limit_(limit), budget_(budget), most_steps_(budget / kEnsembleBytesPerStep) {
        // Room for every step the file can hold (within the budget), so that
        // the array never moves; pages that stay unused cost no memory.
        stored([&] { walks_.steps.reserve(std::min(file_steps, most_steps_) + 1); });
    }

    // True when the ensemble is that of a lattice of n vertices.
    bool fits(int n) const { return largest_ <= n && n <= limit_; }

    // The positions of a walk, as position() takes them one by one.
    void positions(const int* numbers, int count) {
        // Within the budget and on vertices, the steps are the numbers after
        // the first, less one.
        if (!over_budget_ && walks_.steps.size() + static_cast<std::size_t>(count) <= most_steps_) {
            int largest = largest_;
            bool on_vertices = true;
            for (int i = 0; i < count; ++i) {
                largest = std::max(largest, numbers[i]);
                on_vertices &= numbers[i] >= 1 && numbers[i] <= limit_;
            }
            if (on_vertices) {
                largest_ = largest;
                for (int i = 1; i < count; ++i) walks_.steps.push_back(numbers[i] - 1);
                return;
            }
        }
        for (int i = 0; i < count; ++i) position(i, numbers[i]);
    }

    // Positions in walk order; a number outside 1 ... limit has no vertex.
    void position(int index, int number) {
        largest_ = std::max(largest_, number);
        if (number < 1 || number > limit_) {
            ++missing_;
        } else if (index > 0 && !over_budget_) {
            over_budget_ = walks_.steps.size() >= most_steps_;
            walks_.steps.push_back(number - 1);
        }
    }

    // Closes the walk whose positions were given; what the reader printed
    // for it is in `capture` (none: nothing).
    void end_walk(OutputCapture* capture, std::string_view name, float strength, float distance) {
        const int walk = ensemble_->count++;
        keep_printed(capture, walk);
        if (missing_) keep({walk, {true, unresolved_report(missing_, std::string(name).c_str())}});
        missing_ = 0;
        if (over_budget_) return;
        const bool kept = stored([&] {
            walks_.ends.push_back(walks_.steps.size());
            ensemble_->strength.push_back(strength);
            ensemble_->distance.push_back(distance);
        });
        if (!kept) return;
        over_budget_ = walks_.steps.size() * kEnsembleBytesPerStep +
                           walks_.ends.size() * kEnsembleBytesPerWalk + printed_bytes_ >
                       budget_;
    }

    // The ensemble for a lattice of n vertices, which the reading fits.
    std::unique_ptr<WalkEnsemble> finish(OutputCapture* capture, int n) {
        keep_printed(capture, ensemble_->count);
        if (over_budget_) return nullptr;
        const bool indexed = stored([&] {
            if (indexed_) {
                ensemble_->index.cover(n);
            } else {
                find_runs();
                ensemble_->index = WalkIndex(n, std::move(walks_));
            }
        });
        return indexed ? std::move(ensemble_) : nullptr;
    }

    // Builds the index over the vertices the walks name (up to the largest
    // number read) before the lattice's vertex count is known, after the
    // last walk; finish() then only widens it. Left to finish() when the
    // largest number is out of all proportion to the walks (more vertices
    // than steps): the file then likelier belongs to another lattice, and
    // the index's arrays per vertex would outweigh those per step.
    void index_ahead() {
        if (over_budget_ || static_cast<std::size_t>(largest_) > walks_.steps.size()) return;
        stored([&] {
            find_runs();
            ensemble_->index = WalkIndex(largest_, std::move(walks_));
            indexed_ = true;
        });
    }

private:
    // Runs `store`; memory the system refuses for it puts the reading over
    // the budget. True when it was stored.
    template <typename Store>
    bool stored(Store store) {
        try {
            store();
            return true;
        } catch (const std::bad_alloc&) {
            over_budget_ = true;
            return false;
        }
    }

    void keep_printed(OutputCapture* capture, int walk) {
        if (!capture) return;
        for (PrintedText& printed : capture->take()) keep({walk, std::move(printed)});
    }

    void keep(Passage passage) {
        if (over_budget_) return;
        printed_bytes_ += sizeof passage + passage.printed.text.size();
        stored([&] { ensemble_->passages.push_back(std::move(passage)); });
    }

    void find_runs() {
        const std::vector<float>& s = ensemble_->strength;
        const std::vector<float>& d = ensemble_->distance;
        for (std::size_t w = 0; w < s.size(); ++w)
            if (w == 0 || !(s[w] == s[w - 1] && d[w] == d[w - 1]))
                ensemble_->run_starts.push_back(static_cast<int>(w));
    }

    int limit_;
    int largest_ = 0;  // the largest vertex number read
    std::size_t budget_;
    std::size_t most_steps_;  // steps that fit in the budget
    bool over_budget_ = false;
    bool indexed_ = false;  // by index_ahead
    int missing_ = 0;
    std::size_t printed_bytes_ = 0;  // text kept to be printed again
    WalkSteps walks_;
    std::unique_ptr<WalkEnsemble> ensemble_ = std::make_unique<WalkEnsemble>();
};

namespace {

void read_records(std::FILE* fp, OutputCapture& capture, EnsembleReading& reading) {
    while (WalkRecord* walk = Xrdlwk(fp)) {
        for (int i = 0; i < walk->nvertices; ++i) reading.position(i, walk->numbers[i]);
        reading.end_walk(&capture, walk->name, walk->params[0], walk->params[1]);
        std::free(walk);
    }
}

void read_entries(std::FILE* fp, OutputCapture& capture, EnsembleReading& reading) {
    while (Entry* walk = Igtmab(fp, nullptr, nullptr, nullptr, nullptr, 1)) {
        // Strength and distance are the charges of the first two atoms, 0.0
        // where the entry has fewer.
        float pair[2] = {0.0f, 0.0f};
        int i = 0;
        for (Atom* a = first_atom(walk); !atom_end(walk, a); a = a->next, ++i) {
            if (i < 2) pair[i] = a->charge;
            reading.position(i, a->selection);
        }
        reading.end_walk(&capture, walk->name, pair[0], pair[1]);
        Qdlntr(walk, nullptr);
    }
}

// Steps the file can hold: a position takes at least four characters of a
// .lwk file (two digits, two separators) and many more of a .mab file.
std::size_t steps_in_file(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 ? static_cast<std::size_t>(status.st_size) / 4 + 1 : 0;
}

// A .lwk file of the writer's own form, read in pieces of whole records
// without the stream's copies: the records Xrdlwk would give, which print
// nothing. False when the file has any other form or cannot be read, or
// when a stop is requested on the way; `reading` is then of no use.
bool scan_file_records(int fd, EnsembleReading& reading, std::stop_token stop = {}) {
    FilePieces file(fd);
    std::string_view piece;
    while (file.next(&piece, whole_records_length)) {
        if (piece.empty()) return true;
        if (!scan_written_walks(piece, [&](const ScannedWalk& walk) {
                reading.positions(walk.numbers, walk.count);
                reading.end_walk(nullptr, walk.name, walk.params[0], walk.params[1]);
                return !stop.stop_requested();
            }))
            return false;
    }
    return false;
}

}  // namespace

std::unique_ptr<WalkEnsemble> read_walk_ensemble(std::FILE* fp, bool mab, int n, std::size_t budget,
                                                 EarlyWalkScan* early) {
    const std::size_t file_steps = steps_in_file(fileno(fp));
    if (!mab) {
        std::unique_ptr<WalkEnsemble> ensemble;
        if (early && early->take(fp, n, budget, &ensemble)) return ensemble;
        EnsembleReading reading(n, budget, file_steps);
        if (scan_file_records(fileno(fp), reading)) return reading.finish(nullptr, n);
    }
    EnsembleReading reading(n, budget, file_steps);
    OutputCapture capture;
    if (!capture.recording()) return nullptr;
    std::rewind(fp);  // as every position of the streaming sweep does
    if (mab) {
        read_entries(fp, capture, reading);
    } else {
        read_records(fp, capture, reading);
    }
    return reading.finish(&capture, n);
}

struct EarlyWalkScan::Scan {
    int fd = -1;
    std::size_t budget = 0;
    std::unique_ptr<EnsembleReading> reading;  // null: the file has another form

    ~Scan() {
        if (fd >= 0) close(fd);
    }
};

EarlyWalkScan::EarlyWalkScan(const char* name, std::size_t budget)
    : scan_(std::make_unique<Scan>()) {
    // Opened without waiting, so that a named pipe is not waited on but
    // found out and left alone: only a regular file can be read twice.
    scan_->fd = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (scan_->fd < 0 || fstat(scan_->fd, &status) != 0 || !S_ISREG(status.st_mode)) return;
    scan_->budget = budget;
    auto scan = [this](std::stop_token stop) {
        // Without memory for the reading, the file is read again after the lattice.
        try {
            auto reading =
                std::make_unique<EnsembleReading>(INT_MAX, scan_->budget, steps_in_file(scan_->fd));
            if (scan_file_records(scan_->fd, *reading, stop)) {
                if (!stop.stop_requested()) reading->index_ahead();
                scan_->reading = std::move(reading);
            }
        } catch (const std::bad_alloc&) {
            scan_->reading.reset();
        }
        ready_.store(true, std::memory_order_release);
        ready_.notify_one();
    };
    // Without a thread, the file is read after the lattice.
    try {
        thread_ = std::jthread(scan);
    } catch (const std::system_error&) {
    }
}

EarlyWalkScan::~EarlyWalkScan() = default;

bool EarlyWalkScan::take(std::FILE* fp, int n, std::size_t budget,
                         std::unique_ptr<WalkEnsemble>* ensemble) {
    // The result, not the thread's end: that takes time of its own.
    if (thread_.joinable()) ready_.wait(false, std::memory_order_acquire);
    if (!scan_->reading || scan_->budget != budget || !scan_->reading->fits(n) ||
        !same_unchanged_file(scan_->fd, fileno(fp)))
        return false;
    *ensemble = scan_->reading->finish(nullptr, n);
    scan_->reading.reset();
    return true;
}
