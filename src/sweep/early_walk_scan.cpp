// Reading the walk file on a thread of its own while the lattice is read.
#include "sweep/early_walk_scan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <new>
#include <system_error>

#include "base/same_file.h"
#include "sweep/ensemble_builder.h"
#include "sweep/quick_walk_scan.h"

EarlyWalkScan::EarlyWalkScan(const char* name, std::size_t budget) : budget_(budget) {
    // Opened without waiting, so that a named pipe is not waited on but
    // found out and left alone: only a regular file can be read twice.
    fd_ = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (fd_ < 0 || fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) return;
    // Without a thread, the file is read after the lattice.
    try {
        thread_ = std::jthread([this](std::stop_token stop) { scan(stop); });
    } catch (const std::system_error&) {
    }
}

EarlyWalkScan::~EarlyWalkScan() {
    thread_ = std::jthread();  // stops the thread and waits for it
    if (fd_ >= 0) close(fd_);
}

// Without memory for the reading, the file is read again after the lattice.
void EarlyWalkScan::scan(std::stop_token stop) {
    try {
        auto builder = std::make_unique<EnsembleBuilder>(INT_MAX, budget_, steps_in_file(fd_));
        if (scan_walk_file(fd_, *builder, stop)) {
            if (!stop.stop_requested()) builder->index_ahead();
            builder_ = std::move(builder);
        }
    } catch (const std::bad_alloc&) {
        builder_.reset();
    }
    ready_.store(true, std::memory_order_release);
    ready_.notify_one();
}

bool EarlyWalkScan::take(std::FILE* fp, int n, std::size_t budget,
                         std::unique_ptr<WalkEnsemble>* ensemble) {
    // The result, not the thread's end: that takes time of its own.
    if (thread_.joinable()) ready_.wait(false, std::memory_order_acquire);
    if (!builder_ || budget_ != budget || !builder_->fits(n) ||
        !same_unchanged_file(fd_, fileno(fp)))
        return false;
    *ensemble = builder_->finish(nullptr, n);
    builder_.reset();
    return true;
}
