// Reading the walk file on a thread of its own while the lattice is read.
#include "sweep/early_walk_scan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <memory>
#include <new>
#include <stop_token>
#include <system_error>

#include "base/same_file.h"
#include "sweep/ensemble_builder.h"
#include "sweep/quick_walk_scan.h"

struct EarlyWalkScan::Scan {
    int fd = -1;
    std::size_t budget = 0;
    std::unique_ptr<EnsembleBuilder> builder;  // null: the file has another form

    ~Scan() {
        if (fd >= 0) close(fd);
    }

    // On the thread: the file scanned with no lattice known yet. Without
    // memory for it, the file is read again after the lattice.
    void run(std::stop_token stop) {
        try {
            auto reading = std::make_unique<EnsembleBuilder>(INT_MAX, budget, steps_in_file(fd));
            if (!scan_walk_file(fd, *reading, stop)) return;
            if (!stop.stop_requested()) reading->index_ahead();
            builder = std::move(reading);
        } catch (const std::bad_alloc&) {
            builder.reset();
        }
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
    // Without a thread, the file is read after the lattice.
    try {
        thread_ = std::jthread([this](std::stop_token stop) {
            scan_->run(stop);
            ready_.store(true, std::memory_order_release);
            ready_.notify_one();
        });
    } catch (const std::system_error&) {
    }
}

EarlyWalkScan::~EarlyWalkScan() = default;

bool EarlyWalkScan::take(std::FILE* fp, int n, std::size_t budget,
                         std::unique_ptr<WalkEnsemble>* ensemble) {
    // The result, not the thread's end: that takes time of its own.
    if (thread_.joinable()) ready_.wait(false, std::memory_order_acquire);
    if (!scan_->builder || scan_->budget != budget || !scan_->builder->fits(n) ||
        !same_unchanged_file(scan_->fd, fileno(fp)))
        return false;
    *ensemble = scan_->builder->finish(nullptr, n);
    scan_->builder.reset();
    return true;
}
